// torvane-cli import: a SatcoDX file merged into a generated channel file, and a malformed one
// that leaves no output behind.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "app/DocumentIO.h"
#include "db/M_database.h"

namespace {

int RunCli(const std::string& args) {
  const int status = std::system((std::string(TORVANE_CLI) + " " + args + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Sdx(const std::string& path, const std::string& position, const std::string& rate) {
  std::string r(128, ' ');
  r.replace(10, 8, "Test Sat");
  r.replace(33, 9, "011499000");
  r[42] = '1';
  r.replace(51, 4, position);
  r.replace(69, 5, rate);
  r[74] = '3';
  testsupport::WriteFile(path, std::vector<uint8_t>(r.begin(), r.end()));
  return path;
}

std::unique_ptr<m_DataBase> Load(const std::string& path) {
  auto db = std::make_unique<m_DataBase>();
  db->SetFileKind(ReadDldFileKind(path));
  EXPECT_TRUE(LoadDldFile(*db, path, "").ok) << path;
  return db;
}

}  // namespace

TEST(CliImport, MergesTheFileAndRefusesAMalformedOne) {
  const std::string dir = testsupport::TempDir();
  const std::string demo = dir + "/demo.dld";
  ASSERT_EQ(RunCli("sample --profile demo '" + demo + "'"), 0);
  auto before = Load(demo);
  int satellite = -1;
  for (int s = 0; s < dblayout::kSatelliteCount && satellite < 0; ++s)
    if (before->GetAntennaLongitude(s) > 0) satellite = s;
  ASSERT_GE(satellite, 0);
  char position[8];
  std::snprintf(position, sizeof position, "%04d", before->GetAntennaLongitude(satellite));

  const std::string out = dir + "/out.dld";
  ASSERT_EQ(RunCli("import '" + demo + "' '" + Sdx(dir + "/a.sdx", position, "27500") + "' '" + out + "' --replace"), 0);
  auto after = Load(out);
  EXPECT_EQ(after->GetSatelliteTransponderCount(satellite), 1);
  const int t = after->FindTransponderByNumber(satellite, 1);
  EXPECT_EQ(after->GetTransponderFrequency(t), 11499);
  EXPECT_EQ(after->GetTransponderSymbolRate(t), 27500);
  EXPECT_EQ(after->GetTransponderPolarity(t), 0);
  EXPECT_EQ(after->GetTransponderFec(t), 3);
  EXPECT_TRUE(after->IsServiceOrderConsistent());

  const std::string none = dir + "/none.dld";
  EXPECT_EQ(RunCli("import '" + demo + "' '" + Sdx(dir + "/b.sdx", position, "27 00") + "' '" + none + "'"), 2);
  EXPECT_FALSE(std::filesystem::exists(none));
  EXPECT_EQ(RunCli("import '" + demo + "' '" + dir + "/a.sdx' '" + none + "' --tolerance x"), 2);
}
