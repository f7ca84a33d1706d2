// Byte layouts: control frames, data packets, the region request and upload patching.
#include <gtest/gtest.h>

#include <algorithm>

#include "LinkTestKit.h"
#include "files/Bytes.h"
#include "files/Crc32.h"
#include "link/Messages.h"
#include "link/StatusCodes.h"
#include "link/TransferProtocol.h"

using namespace rlink;

TEST(StatusCodes, FramesRoundTripAndTexts) {
  struct Case { int code; ControlFrame frame; int decoded; const char* text; };
  const Case cases[] = {
      {1, {2, 1, 0, 3}, 1, "Connectting..."},       {7, {2, 4, 0, 3}, 7, "Verify failed!"},
      {8, {2, 4, 1, 3}, 8, "Verify Success!"},      {14, {2, 6, 1, 3}, 14, "Erase flash Success!"},
      {16, {2, 7, 0, 3}, 16, "Program flash failed!"}, {22, {2, 9, 1, 3}, -1, "Update Success!"},
      {23, {2, 0x0A, 0, 3}, 23, ""},                {24, {2, 0x0B, 0, 3}, 24, ""},
      {2, {2, 0, 0, 0}, -1, "Connect failed!"},     {6, {2, 0, 0, 0}, -1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeControlFrame(c.code), c.frame) << c.code;
    EXPECT_EQ(DecodeControlFrame(c.frame.data()), c.decoded) << c.code;
    EXPECT_EQ(StatusText(c.code), c.text) << c.code;
  }
  const uint8_t nonZeroParameter[4] = {2, 6, 7, 0};  // any non-zero parameter is success; byte 3 unchecked
  EXPECT_EQ(DecodeControlFrame(nonZeroParameter), kEraseSuccess);
  const uint8_t nvmFailed[4] = {2, 8, 0, 3};
  EXPECT_EQ(DecodeControlFrame(nvmFailed), kProgramNvmFailed);
}

TEST(DataPacket, FramingChecksumAndSequence) {
  linktest::Bytes payload(1020);
  for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<uint8_t>(i * 13 + 5);
  unsigned sum = 0;
  for (auto b : payload) sum += b;
  const Packet full = BuildDataPacket(255, payload.data(), payload.size());
  EXPECT_EQ(full[0], 0x02);
  EXPECT_EQ(full[1], 0xFF);
  EXPECT_EQ(full[2], 0x00);
  EXPECT_EQ(full[1023], static_cast<uint8_t>(sum));  // bytes 0..2 are not summed
  EXPECT_TRUE(IsValidDataPacket(full));

  const Packet shortOne = BuildDataPacket(0, payload.data(), 1);
  EXPECT_EQ(shortOne[2], 0xFF);
  EXPECT_EQ(shortOne[3], payload[0]);
  EXPECT_EQ(shortOne[4], 0);
  EXPECT_EQ(shortOne[1023], payload[0]);  // zero fill adds nothing

  Packet badComplement = full;
  badComplement[2] = 0x01;
  badComplement[1023] = PacketChecksum(badComplement);
  EXPECT_FALSE(IsValidDataPacket(badComplement));
  Packet badSum = full;
  badSum[500] ^= 1;
  EXPECT_FALSE(IsValidDataPacket(badSum));
}

TEST(RegionRequest, BytesAndCrcForEveryModel) {
  struct Case { ReceiverModel model; int kind; int i; uint32_t address, size; };
  const Case cases[] = {
      {ReceiverModel::STi710X, 17, 0, 0xA0760000u, 0x10000}, {ReceiverModel::STi710X, 17, 8, 0xA07E0000u, 0x10000},
      {ReceiverModel::STi710X, 17, 9, 0xA07F0000u, 0x2000},  {ReceiverModel::STi710X, 17, 16, 0xA07FE000u, 0x2000},
      {ReceiverModel::STi710X, 4, 3, 0xA0750000u, 0x10000},  {ReceiverModel::STi5100, 17, 7, 0x7FC0E000u, 0x2000},
      {ReceiverModel::STi5100, 17, 8, 0x7FC10000u, 0x10000}, {ReceiverModel::STi5100, 17, 12, 0, 0},
      {ReceiverModel::STi5100, 4, 0, 0x7FC50000u, 0x10000},  {ReceiverModel::STi51XX_4M, 17, 4, 0x403F0000u, 0x2000},
      {ReceiverModel::STi51XX_4M, 17, 11, 0x403FE000u, 0x2000}, {ReceiverModel::STi51XX_4M, 4, 1, 0x403A0000u, 0x10000},
      {ReceiverModel::STi51XX_2M, 17, 4, 0x401F0000u, 0x8000}, {ReceiverModel::STi51XX_2M, 17, 7, 0x401FC000u, 0x4000},
      {ReceiverModel::STi51XX_2M, 17, 8, 0, 0},              {ReceiverModel::STi51XX_2M, 4, 2, 0x401B0000u, 0x10000},
  };
  for (const auto& c : cases) {
    const Packet p = BuildRegionRequest(c.model, c.kind);
    const size_t end = 4 + 8 * static_cast<size_t>(c.kind);
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.model) << " kind " << c.kind << " entry " << c.i);
    EXPECT_EQ(p[0], 0x02);
    EXPECT_EQ(bytes::GetU16(&p[1]), end + 4);
    EXPECT_EQ(p[3], c.kind);
    const uint8_t* e = &p[4 + 8 * c.i];
    EXPECT_EQ(e[0], 0);
    EXPECT_EQ(bytes::GetU32(e + 1), c.address);
    EXPECT_EQ(bytes::GetU24(e + 5), c.size);
    EXPECT_EQ(bytes::GetU32(&p[end]), Crc32(p.data(), end));
    for (size_t k = end + 4; k < p.size(); ++k) ASSERT_EQ(p[k], 0) << k;
  }
  // CRC-32/MPEG-2 check value.
  const char* check = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(check), 9), 0x0376E6E7u);
}

TEST(UploadPatching, HeaderAndDescriptor) {
  linktest::Bytes file = linktest::MakeContainer(17, {0x8000 - 8, 992});
  linktest::Bytes header(file.begin(), file.begin() + 79);
  header[61] = 0x12;
  bytes::PutU32(&header[75], Crc32(&header[3], 72));
  linktest::Bytes patched = header;
  ASSERT_TRUE(CheckAndPatchUploadHeader(patched.data(), 1, 4));
  EXPECT_EQ(patched[59], 1);
  EXPECT_EQ(patched[60], 4);
  EXPECT_EQ(bytes::GetU24(&patched[61]), 0u);
  EXPECT_EQ(bytes::GetU32(&patched[75]), Crc32(&patched[3], 72));
  EXPECT_TRUE(std::equal(header.begin(), header.begin() + 59, patched.begin()));
  EXPECT_TRUE(std::equal(header.begin() + 64, header.begin() + 75, patched.begin() + 64));

  linktest::Bytes stale = header;
  stale[10] ^= 1;  // CRC no longer matches
  EXPECT_FALSE(CheckAndPatchUploadHeader(stale.data(), 1, 4));

  struct Case { uint32_t s; uint8_t blocks; };
  for (const Case c : {Case{0x8000, 33}, Case{999, 2}, Case{992, 1}, Case{0, 1}}) {
    uint8_t d[26] = {0x22, 24};
    bytes::PutU24(d + 14, c.s);
    bytes::PutU32(d + 22, Crc32(d + 2, 20));
    ASSERT_TRUE(IsValidDescriptor(d));
    EXPECT_EQ(PatchUploadDescriptor(d), c.s);
    EXPECT_EQ(d[21], c.blocks) << c.s;
    EXPECT_TRUE(IsValidDescriptor(d));
  }
}
