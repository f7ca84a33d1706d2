#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FileFixtures.h"
#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/Lzo.h"
#include "files/M_dldfile.h"
#include "files/PartitionMaps.h"

namespace {

using fixtures::Bytes;

// An image with distinct content in every partition of the data map.
Bytes PatternImage(size_t length) {
  Bytes image = fixtures::RandomBytes(length, 21);
  for (size_t i = 0; i < length; i += 3) image[i] = 0xFF;  // partly compressible
  return image;
}

// A container packed from `image` with recognisable uninterpreted header bytes.
Bytes MakeContainer(uint8_t kind, const Bytes& image, uint8_t defaultFlag = 0) {
  m_DLDFile f;
  Bytes seedHeader(79, 0);
  seedHeader[0] = 0x11;
  bytes::PutU16(seedHeader.data() + 1, 76);
  for (size_t i = 3; i < 75; ++i) seedHeader[i] = static_cast<uint8_t>(0xA0 + i);
  f.ReadDldHeader(seedHeader);
  f.SetFileKind(kind);
  f.SetDefaultFlag(defaultFlag);
  Bytes c = f.PackDld(image);
  f.FinishDldHeader(c);
  return c;
}

TEST(DldContainer, PackedDataFileHasTheRecordLayout) {
  const Bytes image = PatternImage(0x87000);
  const Bytes c = MakeContainer(files::kKindData, image, 1);

  ASSERT_GE(c.size(), 79u);
  EXPECT_EQ(c[0], 0x11);
  EXPECT_EQ(bytes::GetU16(c.data() + 1), 76);
  EXPECT_EQ(c[59], 1);
  EXPECT_EQ(c[60], 17);
  EXPECT_EQ(bytes::GetU24(c.data() + 61), c.size());
  EXPECT_EQ(bytes::GetU32(c.data() + 75), Crc32(c.data() + 3, 72));

  const auto rec = fixtures::Walk(c, 17);
  ASSERT_EQ(rec.descriptors.size(), 17u);
  EXPECT_EQ(rec.descriptors[0], 79u);
  EXPECT_EQ(rec.data[0], 105u);
  for (int i = 0; i < 17; ++i) {
    SCOPED_TRACE(i);
    const uint8_t* d = c.data() + rec.descriptors[static_cast<size_t>(i)];
    const uint8_t* r = c.data() + rec.data[static_cast<size_t>(i)];
    const auto info = files::PartitionInfo(files::ReceiverModel::STi710X, 17, i);
    EXPECT_EQ(d[0], 0x22);
    EXPECT_EQ(d[1], 24);
    EXPECT_EQ(d[2], 0);
    EXPECT_EQ(bytes::GetU32(d + 3), info.flashAddress);
    EXPECT_EQ(bytes::GetU24(d + 7), info.size);
    // Partitions past the end of the image are packed as erased flash.
    Bytes part(info.size, 0xFF);
    for (size_t k = 0; k < info.size && info.imageOffset + k < image.size(); ++k) part[k] = image[info.imageOffset + k];
    EXPECT_EQ(bytes::GetU32(d + 10), Crc32(part.data(), part.size()));
    const uint32_t packed = bytes::GetU24(d + 14);
    EXPECT_EQ(r[0], 0x33);
    EXPECT_EQ(bytes::GetU24(r + 1), packed + 4);
    EXPECT_EQ(bytes::GetU32(d + 17), Crc32(r + 4, packed));
    EXPECT_EQ(bytes::GetU32(r + 4 + packed), Crc32(r + 4, packed));
    EXPECT_EQ(d[21], (packed + 8 + 999) / 1000);
    EXPECT_EQ(bytes::GetU32(d + 22), Crc32(d + 2, 20));
    // Decompressing the record gives the partition back.
    Bytes out(info.size);
    size_t produced = 0;
    ASSERT_EQ(lzo::Decompress(r + 4, packed, out.data(), out.size(), produced), lzo::DecodeResult::Ok);
    EXPECT_EQ(out, part);
  }
}

TEST(DldContainer, UnpackRestoresTheImageAndKeepsTheHeader) {
  for (uint8_t kind : {files::kKindData, files::kKindDefault}) {
    SCOPED_TRACE(int(kind));
    const size_t len = kind == files::kKindData ? 0x87000 : 0x3C000;
    const Bytes image = PatternImage(len);
    const Bytes c = MakeContainer(kind, image);
    m_DLDFile f;
    f.SetFileKind(kind);
    Bytes out;
    ASSERT_TRUE(f.UnpackDld(c, out)) << f.LastErrorDetail();
    ASSERT_GE(out.size(), image.size());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), out.begin()));
    for (size_t i = len; i < out.size(); ++i) ASSERT_EQ(out[i], 0xFF) << i;

    // A file saved from it carries header bytes 3..58 and 64..74 over unchanged.
    Bytes again = f.PackDld(out);
    f.FinishDldHeader(again);
    EXPECT_TRUE(std::equal(c.begin() + 3, c.begin() + 59, again.begin() + 3));
    EXPECT_TRUE(std::equal(c.begin() + 64, c.begin() + 75, again.begin() + 64));
    EXPECT_EQ(again, c);
  }
}

struct Damage {
  const char* name;
  std::function<void(Bytes&, const fixtures::RecordOffsets&)> apply;
  bool opens;
  const char* detail;
};

TEST(DldContainer, DamagedFilesAreRefusedAsContainerErrors) {
  const Bytes good = MakeContainer(files::kKindData, PatternImage(0x87000));
  const std::vector<Damage> cases = {
      {"payload byte of a data record", [](Bytes& c, auto& r) { c[r.data[3] + 10] ^= 1; }, false, "CRC mismatch"},
      {"descriptor address without CRC fix", [](Bytes& c, auto& r) { c[r.descriptors[2] + 3] ^= 1; }, false, "CRC mismatch"},
      {"descriptor address with CRC fix",
       [](Bytes& c, auto& r) {
         c[r.descriptors[2] + 3] ^= 1;
         fixtures::FixRecordCrc(c, r.descriptors[2], 1);
       },
       true, ""},
      {"stale header CRC", [](Bytes& c, auto&) { c[10] ^= 1; }, false, "header record at offset 0x0: CRC"},
      {"header length 75 with CRC fix",
       [](Bytes& c, auto&) {
         bytes::PutU16(c.data() + 1, 75);
         bytes::PutU32(c.data() + 74, Crc32(c.data() + 3, 71));
       },
       false, "header length 75"},
      {"wrong tag", [](Bytes& c, auto& r) { c[r.data[0]] = 0x22; }, false, "wrong tag"},
      {"data length field below 4", [](Bytes& c, auto& r) { bytes::PutU24(c.data() + r.data[1] + 1, 3); }, false, "length field 3"},
      {"descriptor length field 0", [](Bytes& c, auto& r) { c[r.descriptors[1] + 1] = 0; }, false, "length field 0"},
      {"data payload above 122,880 bytes",
       [](Bytes& c, auto& r) { bytes::PutU24(c.data() + r.data[16] + 1, 0x1E000 + 5); c.resize(c.size() + 0x20000, 0); },
       false, "payload of 122881"},
      {"truncated inside the last record", [](Bytes& c, auto&) { c.resize(c.size() - 10); }, false, "file ends"},
      {"truncated inside the header", [](Bytes& c, auto&) { c.resize(40); }, false, "header record at offset 0x0: file ends"},
      {"only 4 pairs in a kind-17 file", [](Bytes& c, auto& r) { c.resize(r.descriptors[4]); }, false, "descriptor record at offset"},
      {"extra records after the last pair",
       [](Bytes& c, auto& r) { c.insert(c.end(), c.begin() + static_cast<long>(r.descriptors[0]), c.begin() + static_cast<long>(r.descriptors[2])); },
       true, ""},
  };
  const auto rec = fixtures::Walk(good, 17);
  for (const auto& dmg : cases) {
    SCOPED_TRACE(dmg.name);
    Bytes c = good;
    dmg.apply(c, rec);
    m_DLDFile f;
    f.SetFileKind(files::kKindData);
    Bytes image;
    EXPECT_EQ(f.UnpackDld(c, image), dmg.opens) << f.LastErrorDetail();
    if (!dmg.opens) {
      EXPECT_EQ(f.LastError(), DldError::ContainerCorrupt);
      EXPECT_EQ(f.LastMessageCode(), 7);
      EXPECT_NE(f.LastErrorDetail().find(dmg.detail), std::string::npos) << f.LastErrorDetail();
    }
  }
}

TEST(DldContainer, DataRecordThatExpandsPastItsBufferIsRefused) {
  Bytes c = MakeContainer(files::kKindDefault, PatternImage(0x3C000));
  const auto rec = fixtures::Walk(c, 4);
  // Replace the last data record by a valid stream of 200,000 bytes.
  const Bytes zeros(200000, 0);
  const Bytes bomb = lzo::Compress(zeros.data(), zeros.size());
  c.resize(rec.data[3]);
  const uint8_t head[4] = {0x33, 0, 0, 0};
  c.insert(c.end(), head, head + 4);
  bytes::PutU24(c.data() + rec.data[3] + 1, static_cast<uint32_t>(bomb.size() + 4));
  c.insert(c.end(), bomb.begin(), bomb.end());
  c.resize(c.size() + 4);
  fixtures::FixRecordCrc(c, rec.data[3], 3);

  m_DLDFile f;
  f.SetFileKind(files::kKindDefault);
  Bytes image;
  EXPECT_FALSE(f.UnpackDld(c, image));
  EXPECT_EQ(f.LastMessageCode(), 7);
  EXPECT_NE(f.LastErrorDetail().find("partition 3"), std::string::npos) << f.LastErrorDetail();
}

TEST(PartitionMaps, EveryModelMapsAddressesToImageOffsets) {
  using files::ReceiverModel;
  struct Row {
    ReceiverModel model;
    uint8_t kind;
    int index;
    bool hasAddress;
    uint32_t address, size, offset;
  };
  const Row rows[] = {
      {ReceiverModel::STi710X, 17, 0, true, 0xA0760000, 0x10000, 0},
      {ReceiverModel::STi710X, 17, 8, true, 0xA07E0000, 0x10000, 0x80000},
      {ReceiverModel::STi710X, 17, 9, true, 0xA07F0000, 0x2000, 0x90000},
      {ReceiverModel::STi710X, 17, 16, true, 0xA07FE000, 0x2000, 0x9E000},
      {ReceiverModel::STi710X, 4, 3, true, 0xA0750000, 0x10000, 0x30000},
      {ReceiverModel::STi710X, 4, 4, false, 0xFFFFFFFF, 0, 0},
      {ReceiverModel::STi5100, 17, 7, true, 0x7FC0E000, 0x2000, 0xE000},
      {ReceiverModel::STi5100, 17, 11, true, 0x7FC40000, 0x10000, 0x40000},
      {ReceiverModel::STi5100, 17, 12, false, 0xFFFFFFFF, 0, 0},
      {ReceiverModel::STi5100, 4, 1, true, 0x7FC60000, 0x10000, 0x10000},
      {ReceiverModel::STi5100, 4, 2, false, 0xFFFFFFFF, 0, 0},
      {ReceiverModel::STi51XX_4M, 17, 4, true, 0x403F0000, 0x2000, 0x40000},
      {ReceiverModel::STi51XX_4M, 17, 11, true, 0x403FE000, 0x2000, 0x4E000},
      {ReceiverModel::STi51XX_4M, 4, 1, true, 0x403A0000, 0x10000, 0x10000},
      {ReceiverModel::STi51XX_2M, 17, 4, true, 0x401F0000, 0x8000, 0x40000},
      {ReceiverModel::STi51XX_2M, 17, 7, true, 0x401FC000, 0x4000, 0x4C000},
      {ReceiverModel::STi51XX_2M, 17, 8, false, 0xFFFFFFFF, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(files::ModelName(r.model)) + " kind " + std::to_string(r.kind) + " #" + std::to_string(r.index));
    const auto e = files::PartitionInfo(r.model, r.kind, r.index);
    EXPECT_EQ(e.hasAddress, r.hasAddress);
    EXPECT_EQ(e.flashAddress, r.address);
    EXPECT_EQ(e.size, r.size);
    EXPECT_EQ(e.imageOffset, r.offset);
  }
}

}  // namespace
