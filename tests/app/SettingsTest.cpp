#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "app/OptionValues.h"
#include "app/RecentFiles.h"
#include "app/SettingsFile.h"
#include "app/SettingsLocation.h"

namespace {
std::string ReadText(const std::string& path) {
  auto bytes = testsupport::ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}
void WriteText(const std::string& path, const std::string& text) {
  testsupport::WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}
std::string IniPath() { return testsupport::TempDir() + "/Velmora.ini"; }
}  // namespace

TEST(Options, FirstStartWithoutSettingsFileGivesDefaults) {
  SettingsFile settings(IniPath());
  OptionValues o = ReadOptions(settings);
  EXPECT_EQ(o.port, 1);
  EXPECT_TRUE(o.multipleTp && o.multipleTpFreq && o.multipleTpFec && o.unusedTp);
  EXPECT_EQ(o.satcoDxWithSame, 0);
  EXPECT_EQ(o.satcoDxSameTpFreq, 1);
  EXPECT_EQ(o.satcoDxWithNew, 0);
  EXPECT_TRUE(o.showSatcoDx && o.showOptimize && o.showUpgrade && o.showDownload);
  EXPECT_EQ(o.PortDevice(1), "/dev/ttyS0");
  EXPECT_TRUE(ReadRecentFiles(settings).empty());
}

TEST(Options, WriteUsesExactKeysAndReadsBack) {
  const std::string path = IniPath();
  SettingsFile settings(path);
  OptionValues o;
  o.port = 7;
  o.multipleTpFec = false;
  o.satcoDxSameTpFreq = -3;
  o.satcoDxWithNew = 2;
  o.showDownload = false;
  WriteOptions(settings, o);

  const std::string text = ReadText(path);
  for (const char* line :
       {"[MANAGE_OPTIONS]", "Com=7", "Options Multiple Tp=1", "Options Multiple Tp Freq=1",
        "Options Multiple Tp Symbol=1", "Options Multiple Tp Polarity=1", "Options Multiple Tp Fect=0",
        "Options Unused Tp=1", "SatcoDX With Same=0", "SatcoDX With Same Tp Freq=-3",
        "SatcoDX With Same Tp Symbol=1", "SatcoDX With Same Tp Polarity=1",
        "SatcoDX With Same Tp Fect=1", "SatcoDX With New=2", "Show Rule Of SatcoDX=1",
        "Show Rule Of Optimize=1", "Show Rule Of Upgrade=1", "Show Rule Of Download=0"})
    EXPECT_NE(text.find(std::string(line) + "\n"), std::string::npos) << line;

  SettingsFile again(path);
  OptionValues r = ReadOptions(again);
  EXPECT_EQ(r.port, 7);
  EXPECT_FALSE(r.multipleTpFec);
  EXPECT_EQ(r.satcoDxSameTpFreq, -3);
  EXPECT_EQ(r.satcoDxWithNew, 2);
  EXPECT_FALSE(r.showDownload);
  EXPECT_TRUE(r.showUpgrade);
}

TEST(Options, HandEditedValuesAndPortsSection) {
  const std::string path = IniPath();
  WriteText(path,
            "[PORTS]\nCOM3=/dev/ttyUSB0\n"
            "[MANAGE_OPTIONS]\nCom=3\nOptions Unused Tp=5\nShow Rule Of Upgrade=0\nSatcoDX With Same=x\n"
            "[OTHER]\nkeep=me\n");
  SettingsFile settings(path);
  OptionValues o = ReadOptions(settings);
  EXPECT_EQ(o.port, 3);
  EXPECT_TRUE(o.unusedTp);  // any non-zero value reads as 1
  EXPECT_FALSE(o.showUpgrade);
  EXPECT_EQ(o.satcoDxWithSame, 0);  // not a number: the default
  EXPECT_EQ(o.PortDevice(3), "/dev/ttyUSB0");
  EXPECT_EQ(o.PortDevice(4), "/dev/ttyS3");
  EXPECT_EQ(o.PortDevice(0), "");
  EXPECT_EQ(o.PortDevice(11), "");

  WriteOptions(settings, o);  // rewrites MANAGE_OPTIONS, keeps the rest of the file
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("Options Unused Tp=1\n"), std::string::npos);
  EXPECT_NE(text.find("COM3=/dev/ttyUSB0\n"), std::string::npos);
  EXPECT_NE(text.find("keep=me\n"), std::string::npos);
}

TEST(RecentFiles, FirstOpenCreatesTheFileWithOneEntry) {
  const std::string path = IniPath();
  SettingsFile settings(path);
  AddRecentFile(settings, "/data/a.dld");
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("[LATEST_FILE_NAME]\n"), std::string::npos);
  EXPECT_NE(text.find("File Number=1\n"), std::string::npos);
  EXPECT_NE(text.find("File Name0=/data/a.dld\n"), std::string::npos);
}

TEST(RecentFiles, BackslashAndSpacePathsSurvive) {
  SettingsFile settings(IniPath());
  const std::vector<std::string> paths = {"C:\\My Files\\chan nels.dld", "/home/u/My Data/x y.dld",
                                          "\\\\server\\share\\a.dld", "/tmp/a&b=c;d.dld"};
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) AddRecentFile(settings, *it);
  SettingsFile fresh(settings.Path());
  EXPECT_EQ(ReadRecentFiles(fresh), paths);
}

TEST(RecentFiles, ReopeningAnEntryMovesItToTheHead) {
  SettingsFile settings(IniPath());
  for (const char* p : {"/f5", "/f4", "/f3", "/f2", "/f1", "/f0"}) AddRecentFile(settings, p);
  ASSERT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{"/f0", "/f1", "/f2", "/f3", "/f4", "/f5"}));
  AddRecentFile(settings, "/f4");
  EXPECT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{"/f4", "/f0", "/f1", "/f2", "/f3", "/f5"}));
}

TEST(RecentFiles, EleventhFileDropsTheOldestAndCaseMatters) {
  SettingsFile settings(IniPath());
  for (int i = 0; i < 10; ++i) AddRecentFile(settings, "/f" + std::to_string(i));
  AddRecentFile(settings, "/F9");  // differs only in case: a new entry
  auto list = ReadRecentFiles(settings);
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.front(), "/F9");
  EXPECT_EQ(list[1], "/f9");
  EXPECT_EQ(list.back(), "/f1");  // "/f0" fell off
}

TEST(RecentFiles, RemoveClearsTheKeyAfterTheLastEntry) {
  const std::string path = IniPath();
  SettingsFile settings(path);
  for (const char* p : {"/e4", "/e3", "/e2", "/e1", "/e0"}) AddRecentFile(settings, p);
  RemoveRecentFile(settings, "/e3");
  EXPECT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{"/e0", "/e1", "/e2", "/e4"}));
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("File Number=4\n"), std::string::npos);
  EXPECT_NE(text.find("File Name4=\n"), std::string::npos);
  RemoveRecentFile(settings, "/not-there");
  EXPECT_EQ(ReadRecentFiles(settings).size(), 4u);
}

TEST(RecentFiles, HandEditedCountAboveTenShowsTen) {
  const std::string path = IniPath();
  std::string text = "[LATEST_FILE_NAME]\nFile Number=15\n";
  for (int k = 0; k < 15; ++k) text += "File Name" + std::to_string(k) + "=/p" + std::to_string(k) + "\n";
  WriteText(path, text);
  SettingsFile settings(path);
  auto list = ReadRecentFiles(settings);
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.back(), "/p9");
  AddRecentFile(settings, "/new");
  list = ReadRecentFiles(settings);
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.front(), "/new");
  EXPECT_NE(ReadText(path).find("File Number=10\n"), std::string::npos);

  WriteText(path, "[LATEST_FILE_NAME]\nFile Number=-4\n");
  EXPECT_TRUE(ReadRecentFiles(settings).empty());
}

TEST(RecentFiles, DropDownCaptionsNumberTheEntries) {
  EXPECT_EQ(OpenDropDownCaptions({"/a.dld", "/b.dld"}), (std::vector<std::string>{"1/a.dld", "2/b.dld"}));
}

TEST(SettingsLocation, BesideTheProgramOrInTheUserConfigFolder) {
  const std::string programDir = testsupport::TempDir();
  EXPECT_EQ(SettingsFilePath(programDir), programDir + "/Velmora.ini");
  EXPECT_EQ(WorkingFolder(programDir), programDir);

  const std::string home = testsupport::TempDir();
  setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
  // A folder that does not exist, and one on a read-only file system (closed even to root).
  for (const std::string& unwritable : {programDir + "/missing", std::string("/proc")}) {
    EXPECT_EQ(SettingsFilePath(unwritable), home + "/config/torvane/Velmora.ini");
    EXPECT_EQ(WorkingFolder(unwritable), home + "/cache/torvane");
  }
  // Writing the fallback settings file creates its folder.
  SettingsFile settings(SettingsFilePath(programDir + "/missing"));
  AddRecentFile(settings, "/x.dld");
  SettingsFile fresh(settings.Path());
  EXPECT_EQ(ReadRecentFiles(fresh), std::vector<std::string>{"/x.dld"});
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("XDG_CACHE_HOME");
}
