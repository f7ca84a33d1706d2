#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "FileFixtures.h"
#include "TestSupport.h"
#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/M_dldfile.h"

namespace {

using fixtures::Bytes;

struct RecordingFile : m_DLDFile {
  Bytes seen;
  void OnSystemRecordFound(const uint8_t* record) override { seen.assign(record, record + flash::kSystemRecordSize); }
};

// A finished container of `kind` holding `block` and `record`.
Bytes Container(uint8_t kind, const Bytes& block, const Bytes& record) {
  m_DLDFile f;
  f.SetFileKind(kind);
  Bytes c;
  EXPECT_TRUE(f.SaveDldBytes(block, record.data(), true, c)) << f.LastErrorDetail();
  return c;
}

TEST(DldPipeline, ChangingTheKindCarriesTheSettingsOver) {
  const Bytes block = fixtures::SampleBlock(3);
  const Bytes record = fixtures::SystemRecord(5);
  struct Row {
    uint8_t from, to;
    size_t slot;
  };
  for (const Row& r : {Row{4, 17, 0x600}, Row{17, 4, 0x3FE00}, Row{17, 17, 0x600}, Row{4, 4, 0x3FE00}}) {
    SCOPED_TRACE(std::to_string(r.from) + " -> " + std::to_string(r.to));
    RecordingFile doc;
    doc.SetFileKind(r.from);
    Bytes loadedBlock;
    ASSERT_TRUE(doc.LoadDldBytes(Container(r.from, block, record), loadedBlock)) << doc.LastErrorDetail();
    ASSERT_EQ(doc.seen, record);

    // Save as the other kind without any edit of the settings, as Save to Data / Default does.
    doc.SetFileKind(r.to);
    Bytes saved;
    ASSERT_TRUE(doc.SaveDldBytes(loadedBlock, doc.seen.data(), false, saved));
    EXPECT_EQ(saved[60], r.to);
    EXPECT_EQ(fixtures::Walk(saved, r.to).data.size(), r.to);

    RecordingFile again;
    again.SetFileKind(r.to);
    Bytes out;
    ASSERT_TRUE(again.LoadDldBytes(saved, out)) << again.LastErrorDetail();
    EXPECT_EQ(out, block);
    ASSERT_TRUE(again.SystemSlotFound());
    EXPECT_EQ(again.SystemSlotOffset(), r.slot);
    EXPECT_EQ(again.seen, record);
    if (r.to == 17) {  // both banks hold the database
      Bytes image;
      ASSERT_TRUE(again.UnpackDld(saved, image));
      image[0x60100] ^= 1;
      ASSERT_TRUE(again.VerifyBanks(image));
      EXPECT_EQ(again.CurrentBank(), 1);
    }
  }
}

TEST(DldPipeline, FilesRoundTripThroughTheWorkingFolder) {
  const std::string dir = testsupport::TempDir();
  const std::string path = dir + "/doc.dld";
  const Bytes block = fixtures::SampleBlock(4);
  const Bytes record = fixtures::SystemRecord(8);
  testsupport::WriteFile(path, Container(17, block, record));
  EXPECT_EQ(m_DLDFile::ReadFileKind(path), 17);
  EXPECT_EQ(m_DLDFile::ReadFileKind(dir + "/missing.dld"), 0);

  RecordingFile doc;
  doc.SetFileKind(17);
  Bytes loaded;
  ASSERT_TRUE(doc.LoadDldBlock(path, dir, loaded)) << doc.LastErrorDetail();
  EXPECT_EQ(loaded, block);
  EXPECT_EQ(testsupport::ReadFile(dir + "/Test_Decompress.bin"), block);
  EXPECT_GE(testsupport::ReadFile(dir + "/Test_DldToBin.bin").size(), 0x87000u);

  Bytes edited = block;
  edited[0x100] ^= 0x5A;
  const std::string target = dir + "/saved.dld";
  ASSERT_TRUE(doc.SaveDldBlock(target, dir, edited, doc.seen.data(), false)) << doc.LastErrorDetail();
  EXPECT_EQ(testsupport::ReadFile(dir + "/Test_tempsave.bin"), edited);
  const Bytes saved = testsupport::ReadFile(target);
  EXPECT_EQ(testsupport::ReadFile(dir + "/Test_BinToDld.dld"), saved);
  EXPECT_EQ(bytes::GetU24(saved.data() + 61), saved.size());

  RecordingFile again;
  again.SetFileKind(17);
  Bytes out;
  ASSERT_TRUE(again.LoadDldBlock(target, "", out));
  EXPECT_EQ(out, edited);
  EXPECT_EQ(again.seen, record);

  // A save whose target cannot be written reports it and leaves nothing behind.
  EXPECT_FALSE(doc.SaveDldBlock(dir + "/no/such/folder/x.dld", "", edited, nullptr, false));
  EXPECT_EQ(doc.LastError(), DldError::WriteFailed);

  again.ResetFileState();  // the next document starts without the last one's kept blocks
  EXPECT_EQ(again.CurrentBank(), 0);
  EXPECT_TRUE(std::all_of(again.KeptBlock(), again.KeptBlock() + 1024, [](uint8_t b) { return b == 0xFF; }));
  EXPECT_FALSE(again.LoadDldBlock(dir + "/missing.dld", "", out));
  EXPECT_EQ(again.LastMessageCode(), 3);
}

TEST(DldPipeline, LoadErrorsMapToTheirNotices) {
  const Bytes good = Container(17, fixtures::SampleBlock(2), fixtures::SystemRecord(2));
  // Container damage is notice 7; an intact container whose banks are bad is notice 5.
  Bytes badRecord = good;
  badRecord[200] ^= 1;
  m_DLDFile f;
  f.SetFileKind(17);
  Bytes image, block;
  ASSERT_TRUE(f.UnpackDld(good, image));
  image[0x20100] ^= 1;
  image[0x60100] ^= 1;
  Bytes badBanks = f.PackDld(image);
  f.FinishDldHeader(badBanks);

  struct Row {
    const Bytes* file;
    int message;
  };
  for (const Row& r : {Row{&badRecord, 7}, Row{&badBanks, 5}}) {
    m_DLDFile g;
    g.SetFileKind(17);
    EXPECT_FALSE(g.LoadDldBytes(*r.file, block));
    EXPECT_EQ(g.LastMessageCode(), r.message) << g.LastErrorDetail();
  }
}

TEST(DldPipeline, HeaderFieldsWrittenToAFileCarryAFreshCrc) {
  const std::string path = testsupport::TempDir() + "/received.dld";
  Bytes c = Container(4, fixtures::SampleBlock(1), fixtures::SystemRecord(1));
  c.resize(c.size() + 100, 0);  // a received file with trailing bytes
  bytes::PutU24(c.data() + 61, 0);
  testsupport::WriteFile(path, c);

  m_DLDFile f;
  ASSERT_TRUE(f.ReadDldHeader(path));
  ASSERT_TRUE(f.SetHeaderField(0, 1, path));
  ASSERT_TRUE(f.FinishDldHeader(path));
  const Bytes out = testsupport::ReadFile(path);
  ASSERT_EQ(out.size(), c.size());
  EXPECT_EQ(out[59], 1);
  EXPECT_EQ(out[60], 4);
  EXPECT_EQ(bytes::GetU24(out.data() + 61), c.size());
  EXPECT_EQ(bytes::GetU32(out.data() + 75), Crc32(out.data() + 3, 72));
  EXPECT_TRUE(std::equal(c.begin() + 79, c.end(), out.begin() + 79));
  f.SetFileKind(4);
  Bytes block;
  EXPECT_TRUE(f.LoadDldBytes(out, block)) << f.LastErrorDetail();
  // The flag a download left in the file does not stick to the opened document.
  EXPECT_EQ(f.DefaultFlag(), 0);
  Bytes image;
  ASSERT_TRUE(f.UnpackDld(out, image));
  EXPECT_EQ(f.PackDld(image)[59], 0);
}

}  // namespace
