// torvane-cli run as a user runs it: generated files of every profile and kind go through
// info, verify, dump and resave.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <set>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>

#include "TestSupport.h"
#include "app/DocumentIO.h"
#include "db/M_database.h"
#include "files/Bytes.h"

namespace {

struct CliRun {
  int code;
  std::string out;
};

CliRun Cli(const std::string& args) {
  const std::string cmd = std::string(TORVANE_CLI) + " " + args + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  CliRun r{-1, {}};
  if (!p) return r;
  std::array<char, 4096> buf{};
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  const int status = pclose(p);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string Q(const std::string& path) { return "'" + path + "'"; }

// The database block a file holds, as the editor extracts it.
std::vector<uint8_t> Block(const std::string& path) {
  auto db = std::make_unique<m_DataBase>();
  db->SetFileKind(ReadDldFileKind(path));
  std::vector<uint8_t> block;
  EXPECT_TRUE(db->LoadDldBlock(path, "", block)) << db->LastErrorDetail();
  return block;
}

struct Sample {
  const char* profile;
  const char* kind;
  int services;
};

class CliSample : public ::testing::TestWithParam<Sample> {};

TEST_P(CliSample, GeneratedFileVerifiesDumpsAndResavesUnchanged) {
  const Sample s = GetParam();
  const std::string dir = testsupport::TempDir();
  const std::string file = dir + "/" + s.profile + "-" + s.kind + ".dld";
  ASSERT_EQ(Cli(std::string("sample --profile ") + s.profile + " --kind " + s.kind + " " + Q(file)).code, 0);

  const CliRun verify = Cli("verify " + Q(file));
  EXPECT_EQ(verify.code, 0) << verify.out;
  EXPECT_NE(verify.out.find("0 errors, 0 warnings"), std::string::npos) << verify.out;

  const CliRun info = Cli("info " + Q(file));
  ASSERT_EQ(info.code, 0) << info.out;
  EXPECT_NE(info.out.find(std::string("kind: ") + (s.kind[0] == 'd' && s.kind[1] == 'a' ? "17 (data)" : "4 (default)")),
            std::string::npos)
      << info.out;
  EXPECT_NE(info.out.find("services: " + std::to_string(s.services) + " "), std::string::npos) << info.out;

  const CliRun dump = Cli("dump --json " + Q(file));
  ASSERT_EQ(dump.code, 0);
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(dump.out)).object();
  for (const char* key : {"satellites", "transponders", "terrestrial_transponders", "services", "providers",
                          "ca_systems", "favorites", "order"})
    EXPECT_TRUE(root[key].isArray()) << key;
  EXPECT_TRUE(root["system"].isObject());
  EXPECT_EQ(root["services"].toArray().size(), s.services);
  EXPECT_EQ(root["order"].toArray().size(), s.services);

  const std::string again = dir + "/again.dld";
  ASSERT_EQ(Cli("resave " + Q(file) + " " + Q(again)).code, 0);
  EXPECT_EQ(Block(again), Block(file));
  EXPECT_EQ(Cli("dump --json " + Q(again)).out, dump.out);
}

INSTANTIATE_TEST_SUITE_P(Profiles, CliSample,
                         ::testing::Values(Sample{"demo", "data", 420}, Sample{"demo", "default", 420},
                                           Sample{"full", "data", 6000}, Sample{"full", "default", 6000},
                                           Sample{"empty", "data", 0}, Sample{"empty", "default", 0}),
                         [](const auto& info) {
                           return std::string(info.param.profile) + "_" + info.param.kind;
                         });

TEST(Cli, FullSampleFillsEveryTable) {
  const std::string file = testsupport::TempDir() + "/full.dld";
  ASSERT_EQ(Cli("sample --profile full " + Q(file)).code, 0);
  const CliRun info = Cli("info " + Q(file));
  for (const char* line : {"transponders: 4000\n", "terrestrial transponders: 200\n", "providers: 400\n",
                           "ca systems: 100\n", "favorite groups: 32 in use\n"})
    EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;
}

TEST(Cli, UnreadableFilesExitWithTwo) {
  const std::string dir = testsupport::TempDir();
  const std::string file = dir + "/demo.dld";
  ASSERT_EQ(Cli("sample --profile demo " + Q(file)).code, 0);
  auto bytes = testsupport::ReadFile(file);
  bytes[150] ^= 0x55;
  testsupport::WriteFile(dir + "/corrupt.dld", bytes);
  const CliRun corrupt = Cli("verify " + Q(dir + "/corrupt.dld"));
  EXPECT_EQ(corrupt.code, 2);
  EXPECT_NE(corrupt.out.find("Open File Error: create temp File error!"), std::string::npos) << corrupt.out;

  const CliRun missing = Cli("info " + Q(dir + "/missing.dld"));
  EXPECT_EQ(missing.code, 2);
  EXPECT_NE(missing.out.find("Open File Error: file not exist!"), std::string::npos) << missing.out;

  EXPECT_EQ(Cli("frobnicate").code, 2);
  EXPECT_EQ(Cli("sample --profile huge " + Q(dir + "/x.dld")).code, 2);
  EXPECT_EQ(Cli("resave " + Q(file)).code, 2);
}

TEST(Cli, VerifyReportsABrokenDatabaseWithOne) {
  const std::string dir = testsupport::TempDir();
  const std::string file = dir + "/demo.dld";
  ASSERT_EQ(Cli("sample --profile demo " + Q(file)).code, 0);
  // Break the service count held in the program header and save through the editor's writer.
  auto db = std::make_unique<m_DataBase>();
  db->SetFileKind(17);
  ASSERT_TRUE(LoadDldFile(*db, file, "").ok);
  std::vector<uint8_t> block = db->EncodeDatabase();
  bytes::PutU16(block.data() + dblayout::kProgramHeaderOffset + 8, 7);
  db->DecodeDatabase(block.data());
  ASSERT_TRUE(SaveDldFile(*db, dir + "/broken.dld", "", false).ok);

  const CliRun verify = Cli("verify " + Q(dir + "/broken.dld"));
  EXPECT_EQ(verify.code, 1) << verify.out;
  EXPECT_NE(verify.out.find("error: "), std::string::npos) << verify.out;
}

}  // namespace

namespace {

TEST(Cli, OptimizeMergesDuplicatesAndDropsUnusedTransponders) {
  const std::string dir = testsupport::TempDir();
  const std::string demo = dir + "/demo.dld";
  ASSERT_EQ(Cli("sample --profile demo " + Q(demo)).code, 0);

  // The demo lists three transponders of its first satellite twice, 1 MHz apart.
  const CliRun exact = Cli("optimize " + Q(demo) + " " + Q(dir + "/exact.dld") + " --no-unused --exact-frequency");
  EXPECT_NE(exact.out.find("Multiple Transponder deleted : 0"), std::string::npos) << exact.out;

  const CliRun merged = Cli("optimize " + Q(demo) + " " + Q(dir + "/merged.dld") + " --no-unused --satellite 0");
  ASSERT_EQ(merged.code, 0) << merged.out;
  EXPECT_NE(merged.out.find("Multiple Transponder deleted : 3\n\nUnused Transponder deleted   : 0"), std::string::npos)
      << merged.out;
  EXPECT_EQ(Cli("verify " + Q(dir + "/merged.dld")).code, 0);

  const CliRun both = Cli("optimize " + Q(demo) + " " + Q(dir + "/both.dld"));
  ASSERT_EQ(both.code, 0) << both.out;
  const CliRun verify = Cli("verify " + Q(dir + "/both.dld"));
  EXPECT_NE(verify.out.find("0 errors, 0 warnings"), std::string::npos) << verify.out;
  // Every transponder left carries a service; no service was lost (their IDs differ).
  const QJsonObject root =
      QJsonDocument::fromJson(QByteArray::fromStdString(Cli("dump --json " + Q(dir + "/both.dld")).out)).object();
  EXPECT_EQ(root["services"].toArray().size(), 420);
  std::set<int> carriers;
  for (const auto& s : root["services"].toArray())
    if (s.toObject()["delivery"].toInt() == 1) carriers.insert(s.toObject()["transponder"].toInt());
  EXPECT_EQ(static_cast<size_t>(root["transponders"].toArray().size()), carriers.size());

  EXPECT_EQ(Cli("optimize " + Q(demo) + " " + Q(dir + "/x.dld") + " --satellite 64").code, 2);
}

}  // namespace
