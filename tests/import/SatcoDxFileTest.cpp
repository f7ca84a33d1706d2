// Reading SatcoDX records: field conversion, record framing and refusal of malformed files.
#include <gtest/gtest.h>

#include "SdxFixture.h"
#include "import/SatcoDxFile.h"

using namespace sdxtest;

namespace {

satcodx::SdxFile Parse(const std::string& bytes) {
  return satcodx::ParseSdx(std::vector<uint8_t>(bytes.begin(), bytes.end()), "x.sdx");
}

}  // namespace

TEST(SatcoDxFile, ReadsTheFieldsOfEveryCompleteRecord) {
  Rec a = At(11766);
  a.frequency = "011766999";  // the kHz remainder is dropped
  a.symbolRate = "02750";     // leading zeros go
  a.polarisation = 'x';       // no digit: 0
  a.fec = '-';
  Rec b = At(12110, '3', "  275", '9');
  // 300 bytes: two records, the last 44 bytes are not a record.
  const satcodx::SdxFile f = Parse(Record(a) + Record(b) + std::string(44, 'Z'));
  ASSERT_TRUE(f.ok) << f.error;
  EXPECT_EQ(f.position, 192);
  EXPECT_EQ(f.ignoredTail, 44u);
  ASSERT_EQ(f.records.size(), 2u);
  EXPECT_EQ(f.records[0].satelliteName, "Astra 19.2E");
  EXPECT_EQ(f.records[0].frequencyMHz, 11766);
  EXPECT_EQ(f.records[0].symbolRate, 2750);
  EXPECT_EQ(f.records[0].polarisationDigit, 0);
  EXPECT_EQ(f.records[0].fec, 0);
  EXPECT_EQ(f.records[1].frequencyMHz, 12110);
  EXPECT_EQ(f.records[1].symbolRate, 275);
  EXPECT_EQ(f.records[1].polarisationDigit, 3);
  EXPECT_EQ(f.records[1].fec, 9);
}

TEST(SatcoDxFile, RefusesMalformedRecordsNamingRecordAndText) {
  struct Case {
    const char* what;
    Rec second;  // the malformed record is the second one
    bool firstBad;
    const char* quoted;
  };
  Rec letters = At(11000);
  letters.frequency = "0117A6000";
  Rec blank = At(11000);
  blank.frequency = "         ";
  Rec trailing = At(11000, '0', "2750 ");
  Rec minus = At(11000, '0', "-2750");
  Rec farAway = At(11000);
  farAway.position = "3601";
  Rec notPos = At(11000);
  notPos.position = "19.2";
  const Case cases[] = {
      {"frequency with a letter", letters, false, "'0117A6000' is not a valid frequency"},
      {"blank frequency", blank, false, "'         ' is not a valid frequency"},
      {"blank after the digits", trailing, false, "'2750 ' is not a valid symbol rate"},
      {"sign", minus, false, "'-2750' is not a valid symbol rate"},
      {"position beyond 360 degrees", farAway, true, "'3601' is not a valid orbital position"},
      {"position with a point", notPos, true, "'19.2' is not a valid orbital position"},
  };
  for (const Case& c : cases) {
    const std::string bytes = c.firstBad ? Record(c.second) + Record(At(11000)) : Record(At(11000)) + Record(c.second);
    const satcodx::SdxFile f = Parse(bytes);
    EXPECT_FALSE(f.ok) << c.what;
    EXPECT_TRUE(f.records.empty()) << c.what;
    EXPECT_NE(f.error.find(c.quoted), std::string::npos) << c.what << ": " << f.error;
    EXPECT_NE(f.error.find(c.firstBad ? "record 1:" : "record 2:"), std::string::npos) << f.error;
  }
}

TEST(SatcoDxFile, RefusesFilesWithoutACompleteRecordAndMissingFiles) {
  EXPECT_FALSE(Parse("").ok);
  const satcodx::SdxFile shortFile = Parse(Record(At(11000)).substr(0, 127));
  EXPECT_FALSE(shortFile.ok);
  EXPECT_NE(shortFile.error.find("no complete 128-byte record"), std::string::npos);
  const satcodx::SdxFile missing = satcodx::ReadSdxFile(testsupport::TempDir() + "/none.sdx");
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find("cannot be opened"), std::string::npos);
}

TEST(SatcoDxFile, RefusesAFileTooLargeToBeSatcoDx) {
  const std::string path = testsupport::TempDir() + "/huge.sdx";
  {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    // A sparse file: the size counts, not its bytes.
    ASSERT_EQ(std::fseek(f, static_cast<long>(satcodx::kMaxFileSize), SEEK_SET), 0);
    std::fputc(' ', f);
    std::fclose(f);
  }
  const satcodx::SdxFile f = satcodx::ReadSdxFile(path);
  EXPECT_FALSE(f.ok);
  EXPECT_NE(f.error.find("too large"), std::string::npos);
}
