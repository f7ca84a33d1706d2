#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FileFixtures.h"
#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/M_dldfile.h"

namespace {

using fixtures::Bytes;

struct RecordingFile : m_DLDFile {
  int calls = 0;
  Bytes seen;
  void OnSystemRecordFound(const uint8_t* record) override {
    ++calls;
    seen.assign(record, record + flash::kSystemRecordSize);
  }
};

Bytes Built(uint8_t kind, const Bytes& block, const Bytes& record) {
  m_DLDFile f;
  Bytes image;
  EXPECT_TRUE(f.BuildImage(kind, block, record.data(), true, image)) << f.LastErrorDetail();
  return image;
}

// Recomputes a bank's CRC table for the length it holds.
void RewriteTable(Bytes& image, size_t base) {
  const auto c = flash::ClassOf(bytes::GetU32(image.data() + base + flash::kBankLength), base);
  if (image.size() < c.tableOffset + c.entries * 4) image.resize(c.tableOffset + c.entries * 4, 0xFF);
  for (size_t j = 0; j < c.entries; ++j) {
    const size_t n = std::min<size_t>(256, c.covered - j * 256);
    bytes::PutU32(image.data() + c.tableOffset + j * 4, Crc32(image.data() + base + flash::kBankData + j * 256, n));
  }
}

TEST(FlashImage, BuiltImagesLoadBackForBothKinds) {
  const Bytes block = fixtures::SampleBlock(5);
  const Bytes record = fixtures::SystemRecord(9);
  struct Row {
    uint8_t kind;
    int bank;
    size_t slot;
  };
  for (const Row& r : {Row{17, 2, 0x600}, Row{4, 1, 0x3FE00}}) {
    SCOPED_TRACE(int(r.kind));
    const Bytes image = Built(r.kind, block, record);
    EXPECT_EQ(image.size() >= (r.kind == 17 ? 0x87000u : 0x3C000u), true);
    RecordingFile f;
    f.SetFileKind(r.kind);
    ASSERT_TRUE(f.VerifyBanks(image));
    EXPECT_EQ(f.CurrentBank(), r.bank);
    Bytes out;
    ASSERT_TRUE(f.ExtractDatabase(image, out));
    EXPECT_EQ(out, block);
    f.FindSystemSlot(image);
    ASSERT_TRUE(f.SystemSlotFound());
    EXPECT_EQ(f.SystemSlotOffset(), r.slot);
    EXPECT_EQ(f.calls, 1);
    EXPECT_EQ(f.seen, record);
  }
}

TEST(FlashImage, BankSelectionFollowsFlagsAndCrcTables) {
  const Bytes block = fixtures::SampleBlock(6);
  const Bytes good = Built(17, block, fixtures::SystemRecord(1));
  auto setFlag = [](Bytes& im, size_t base, uint32_t v) { bytes::PutU32(im.data() + base + 0x50, v); };
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
    int bank;  // 0: the load fails
  };
  const std::vector<Case> cases = {
      {"both intact", [](Bytes&) {}, 2},
      {"bank 2 table entry wrong", [](Bytes& im) { im[0x6E000 + 40] ^= 1; }, 1},
      {"neither flag set", [&](Bytes& im) { setFlag(im, 0x20000, 0); setFlag(im, 0x60000, 0); }, 2},
      {"only bank 1 flagged", [&](Bytes& im) { setFlag(im, 0x60000, 0); }, 1},
      {"only bank 1 flagged but corrupt", [&](Bytes& im) { setFlag(im, 0x60000, 0); im[0x20100] ^= 1; }, 2},
      {"both corrupt", [](Bytes& im) { im[0x20100] ^= 1; im[0x60100] ^= 1; }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes im = good;
    c.damage(im);
    m_DLDFile f;
    f.SetFileKind(17);
    EXPECT_EQ(f.VerifyBanks(im), c.bank != 0);
    EXPECT_EQ(f.CurrentBank(), c.bank);
    if (c.bank == 0) {
      EXPECT_EQ(f.LastMessageCode(), 5);
      continue;
    }
    Bytes out;
    ASSERT_TRUE(f.ExtractDatabase(im, out));
    EXPECT_EQ(out, block);
  }
}

TEST(FlashImage, BankWithBadDatabaseIsACrcError) {
  const Bytes good = Built(4, fixtures::SampleBlock(7), fixtures::SystemRecord(1));
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
  };
  const std::vector<Case> cases = {
      // A length far past the image, with a table that matches for its size class.
      {"length past the image", [](Bytes& im) { bytes::PutU32(im.data() + 0x54, 0xFFFFFF00u); }},
      {"compressed bytes corrupt", [](Bytes& im) { for (size_t i = 0x58; i < 0x58 + 64; ++i) im[i] = 0xFF; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes im = good;
    c.damage(im);
    RewriteTable(im, 0);
    m_DLDFile f;
    f.SetFileKind(4);
    ASSERT_TRUE(f.VerifyBanks(im));
    Bytes out;
    EXPECT_FALSE(f.ExtractDatabase(im, out));
    EXPECT_EQ(f.LastError(), DldError::BankCrc);
  }
}

TEST(FlashImage, SystemSlotAtTheHighestValidOffsetWins) {
  struct Case {
    std::vector<size_t> slots;
    bool found;
    size_t offset;
  };
  const std::vector<Case> cases = {
      {{0x600, 0x1F800}, true, 0x1F800},
      {{0x1FA00}, true, 0x1FA00},
      {{0x200}, true, 0x200},
      {{0x0}, false, 0x200},
      {{}, false, 0x200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slots.empty() ? std::string("none") : std::to_string(c.slots.back()));
    Bytes im(0x87000, 0xFF);
    for (size_t k = 0; k < 1024; ++k) im[0x1FC00 + k] = static_cast<uint8_t>(k);
    for (size_t at : c.slots) fixtures::PutSlot(im, at, fixtures::SystemRecord(static_cast<uint8_t>(at >> 9)));
    RecordingFile f;
    f.SetFileKind(17);
    f.FindSystemSlot(im);
    EXPECT_EQ(f.SystemSlotFound(), c.found);
    EXPECT_EQ(f.SystemSlotOffset(), c.offset);
    EXPECT_EQ(f.calls, c.found ? 1 : 0);
    if (c.found) {
      EXPECT_EQ(f.seen, fixtures::SystemRecord(static_cast<uint8_t>(c.offset >> 9)));
    }
    EXPECT_TRUE(std::equal(im.begin() + 0x1FC00, im.begin() + 0x20000, f.KeptBlock()));
  }
}

// A loaded data image with slots, a kept block, an offset-0 area and bank headers of its own.
Bytes RichDataImage(const Bytes& block) {
  Bytes im = Built(17, block, fixtures::SystemRecord(1));
  for (size_t i = 0; i < 0x20000; ++i) im[i] = static_cast<uint8_t>(i * 13);
  fixtures::PutSlot(im, 0x1F800, fixtures::SystemRecord(42));
  for (size_t base : {0x20000u, 0x60000u})
    for (size_t i = 0; i < 80; ++i) im[base + i] = static_cast<uint8_t>(0x80 + i);
  return im;
}

TEST(FlashImage, SaveKeepsTheSystemAreaUnlessSettingsWereEdited) {
  const Bytes block = fixtures::SampleBlock(8);
  const Bytes loaded = RichDataImage(block);
  const Bytes edited = fixtures::SystemRecord(77);
  for (bool systemEdited : {false, true}) {
    SCOPED_TRACE(systemEdited);
    RecordingFile f;
    f.SetFileKind(17);
    ASSERT_TRUE(f.VerifyBanks(loaded));
    f.FindSystemSlot(loaded);
    f.ReadBankHeader(loaded);
    Bytes im;
    ASSERT_TRUE(f.BuildImage(17, block, edited.data(), systemEdited, im));
    for (size_t base : {0x20000u, 0x60000u})
      EXPECT_TRUE(std::equal(loaded.begin() + base, loaded.begin() + base + 80, im.begin() + base));
    if (!systemEdited) {
      EXPECT_TRUE(std::equal(loaded.begin(), loaded.begin() + 0x20000, im.begin()));
    } else {
      EXPECT_TRUE(std::all_of(im.begin(), im.begin() + 80, [](uint8_t b) { return b == 0; }));
      EXPECT_TRUE(std::equal(loaded.begin() + 0x1FC00, loaded.begin() + 0x20000, im.begin() + 0x1FC00));
      EXPECT_TRUE(std::equal(edited.begin(), edited.end(), im.begin() + 0x600));
      EXPECT_EQ(bytes::GetU32(im.data() + 0x7FC), Crc32(edited.data(), edited.size()));
      EXPECT_EQ(im[0x1F800], 0xFF);  // the old slot is not carried over
      RecordingFile g;
      g.SetFileKind(17);
      g.FindSystemSlot(im);
      EXPECT_EQ(g.SystemSlotOffset(), 0x600u);
      EXPECT_EQ(g.seen, edited);
    }
    for (size_t i = 0x87000; i < std::min<size_t>(im.size(), 0x90000); ++i) ASSERT_EQ(im[i], 0xFF) << i;
  }
}

TEST(FlashImage, SizeClassesAndLimits) {
  struct ClassRow {
    uint32_t length;
    size_t table1, entries;
  };
  for (const ClassRow& r : {ClassRow{57336, 0x2E000, 224}, ClassRow{57337, 0x3E000, 480},
                            ClassRow{188408, 0x4E000, 736}, ClassRow{188409, 0x5E000, 992}}) {
    const auto c = flash::ClassOf(r.length, 0x20000);
    EXPECT_EQ(c.tableOffset, r.table1) << r.length;
    EXPECT_EQ(c.entries, r.entries) << r.length;
    EXPECT_EQ(flash::ClassOf(r.length, 0x60000).tableOffset, r.table1 + 0x40000);
    EXPECT_EQ(flash::ClassOf(r.length, 0).tableOffset, r.table1 - 0x20000);
  }

  struct Row {
    size_t lo, hi;
    bool fits;
    size_t table1;
  };
  const Row rows[] = {
      {56900, 57100, true, 0x2E000},
      {59900, 60100, true, 0x3E000},
      {57257, 57336, false, 0},    // would overwrite its own CRC table
      {122793, 122872, false, 0},
      {254000, 262000, false, 0},  // larger than any bank
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.lo);
    const Bytes block = fixtures::BlockCompressingTo(r.lo, r.hi);
    ASSERT_FALSE(block.empty());
    m_DLDFile f;
    Bytes im;
    EXPECT_EQ(f.BuildImage(17, block, fixtures::SystemRecord(1).data(), true, im), r.fits);
    if (!r.fits) {
      EXPECT_EQ(f.LastError(), DldError::DatabaseTooLarge);
      continue;
    }
    EXPECT_EQ(bytes::GetU32(im.data() + r.table1), Crc32(im.data() + 0x20058, 256));
    f.SetFileKind(17);
    ASSERT_TRUE(f.VerifyBanks(im));
    Bytes out;
    ASSERT_TRUE(f.ExtractDatabase(im, out));
    EXPECT_EQ(out, block);
  }
}

}  // namespace
