// Open, Reopen and the save commands, driven through a host that stands in for the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "app/DocumentIO.h"
#include "app/FileCommands.h"
#include "app/OptionValues.h"
#include "app/RecentFiles.h"
#include "app/SampleFile.h"
#include "app/ScriptedDialogs.h"
#include "app/SettingsFile.h"
#include "db/M_database.h"

namespace {

class FakeHost : public DocumentHost {
public:
  explicit FakeHost(const std::string& dir) : settings(dir + "/Velmora.ini"), work(dir + "/work") {
    std::filesystem::create_directories(work);
  }
  m_DataBase& Database() override { return *db; }
  DocumentState& Document() override { return doc; }
  UserDialogs& Dialogs() override { return dialogs; }
  SettingsFile& Settings() override { return settings; }
  OptionValues& Options() override { return options; }
  const std::string& WorkFolder() const override { return work; }
  void ResetEditor() override {
    ++resets;
    db->ResetFileState();
    doc.databaseLoaded = doc.dataModified = doc.settingsModified = doc.cutPending = false;
    db->ClearDatabase();
  }
  int CheckPageBeforeLeaving(int* row) override {
    *row = pageRow;
    return pageCode;
  }
  void SelectPageRow(int row) override { selectedRow = row; }
  void PreparePage() override { ++prepared; }
  void EnterDocumentState() override { ++entered; }
  void ShowOptionsDialog() override {}

  std::unique_ptr<m_DataBase> db = std::make_unique<m_DataBase>();
  DocumentState doc;
  ScriptedDialogs dialogs;
  SettingsFile settings;
  OptionValues options;
  std::string work;
  int resets = 0, prepared = 0, entered = 0, selectedRow = -1;
  int pageCode = 0, pageRow = 0;
};

class FileCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = testsupport::TempDir();
    dataFile = dir + "/demo data.dld";
    defaultFile = dir + "/demo-default.dld";
    ASSERT_TRUE(WriteSampleFile(dataFile, SampleProfile::Demo, 17).ok);
    ASSERT_TRUE(WriteSampleFile(defaultFile, SampleProfile::Demo, 4).ok);
    host = std::make_unique<FakeHost>(dir);
  }
  void OpenData(const std::string& path) {
    host->dialogs.paths.push_back(path);
    commands.Open(*host, OpenCommand::Data);
  }
  std::string LastMessage() const {
    auto texts = host->dialogs.MessageTexts();
    return texts.empty() ? std::string() : texts.back();
  }

  std::string dir, dataFile, defaultFile;
  std::unique_ptr<FakeHost> host;
  FileCommands commands;
};

TEST_F(FileCommandsTest, OpenDataLoadsTheDocumentAndRemembersIt) {
  OpenData(dataFile);
  EXPECT_TRUE(host->doc.databaseLoaded);
  EXPECT_EQ(host->doc.documentPath, dataFile);
  EXPECT_EQ(host->db->FileKind(), 17);
  EXPECT_EQ(host->db->GetUsedServiceCount(), 420);
  EXPECT_EQ(host->prepared, 1);
  EXPECT_EQ(host->entered, 1);
  EXPECT_EQ(ReadRecentFiles(host->settings).front(), dataFile);
  EXPECT_EQ(host->dialogs.CountOf(ScriptedDialogs::Shown::BusyShown), 1);
  EXPECT_FALSE(host->dialogs.busyVisible);
}

TEST_F(FileCommandsTest, RefusedKindKeepsTheOpenDocument) {
  OpenData(dataFile);
  host->doc.dataModified = true;
  OpenData(defaultFile);
  EXPECT_EQ(LastMessage(), "Open File Error: partition number wrong!");
  EXPECT_TRUE(host->doc.databaseLoaded);
  EXPECT_TRUE(host->doc.dataModified);
  EXPECT_EQ(host->doc.documentPath, dataFile);
  EXPECT_EQ(host->db->FileKind(), 17);
  EXPECT_EQ(host->db->GetUsedServiceCount(), 420);

  // A later Save writes a data file to the document's own path, not to the refused file.
  const auto defaultBefore = testsupport::ReadFile(defaultFile);
  commands.Save(*host, SaveCommand::Save);
  EXPECT_EQ(testsupport::ReadFile(defaultFile), defaultBefore);
  EXPECT_EQ(ReadDldFileKind(dataFile), 17);
  EXPECT_FALSE(host->doc.dataModified);
}

TEST_F(FileCommandsTest, CancelledOpenDialogChangesNothing) {
  commands.Open(*host, OpenCommand::Data);
  EXPECT_EQ(host->resets, 0);
  EXPECT_TRUE(host->dialogs.MessageTexts().empty());
}

TEST_F(FileCommandsTest, ReopenOfAMissingFileDropsItFromTheList) {
  OpenData(dataFile);
  const std::string gone = dir + "/gone.dld";
  std::filesystem::copy_file(dataFile, gone);
  host->dialogs.paths.push_back(gone);
  commands.Open(*host, OpenCommand::Data);
  std::filesystem::remove(gone);
  ASSERT_EQ(ReadRecentFiles(host->settings).front(), gone);

  commands.Reopen(*host, gone);
  EXPECT_EQ(LastMessage(), "Open File Error: file not exist!");
  const auto entries = ReadRecentFiles(host->settings);
  EXPECT_EQ(entries, std::vector<std::string>{dataFile});
}

TEST_F(FileCommandsTest, ReopenAcceptsEitherKind) {
  commands.Reopen(*host, defaultFile);
  EXPECT_TRUE(host->doc.databaseLoaded);
  EXPECT_EQ(host->db->FileKind(), 4);
}

TEST_F(FileCommandsTest, CorruptFileLeavesNoDocument) {
  auto bytes = testsupport::ReadFile(dataFile);
  bytes[200] ^= 0xFF;
  const std::string broken = dir + "/broken.dld";
  testsupport::WriteFile(broken, bytes);
  OpenData(dataFile);
  OpenData(broken);
  EXPECT_EQ(LastMessage(), "Open File Error: create temp File error!");
  EXPECT_FALSE(host->doc.databaseLoaded);
  EXPECT_EQ(host->db->GetUsedServiceCount(), 0);
}

TEST_F(FileCommandsTest, SaveToDefaultAsksBeforeCoveringAFile) {
  OpenData(dataFile);
  const auto before = testsupport::ReadFile(defaultFile);
  host->dialogs.paths.push_back(defaultFile);
  host->dialogs.answers.push_back(Answer::Cancel);
  commands.Save(*host, SaveCommand::SaveToDefault);
  EXPECT_EQ(LastMessage(), "Data file already exists, are you sure to cover it?");
  EXPECT_EQ(testsupport::ReadFile(defaultFile), before);
  EXPECT_EQ(host->doc.documentPath, dataFile);

  host->dialogs.paths.push_back(defaultFile);
  host->dialogs.answers.push_back(Answer::Yes);
  commands.Save(*host, SaveCommand::SaveToDefault);
  EXPECT_EQ(host->doc.documentPath, defaultFile);
  EXPECT_EQ(host->db->FileKind(), 4);
  EXPECT_TRUE(host->doc.databaseLoaded);
  EXPECT_EQ(ReadDldFileKind(defaultFile), 4);
}

TEST_F(FileCommandsTest, SaveToDataOfADefaultDocumentKeepsTheSettings) {
  host->dialogs.paths.push_back(defaultFile);
  commands.Open(*host, OpenCommand::Default);
  ASSERT_EQ(host->db->GetClockYear(), 2026);
  const std::string converted = dir + "/converted.dld";
  host->dialogs.paths.push_back(converted);
  commands.Save(*host, SaveCommand::SaveToData);

  EXPECT_EQ(host->doc.documentPath, converted);
  EXPECT_EQ(host->db->FileKind(), 17);
  EXPECT_TRUE(host->db->SystemSlotFound());
  EXPECT_EQ(host->db->GetClockYear(), 2026);
  EXPECT_EQ(host->db->GetUsedServiceCount(), 420);
}

TEST_F(FileCommandsTest, PageProblemStopsTheSaveAndSelectsTheRow) {
  OpenData(dataFile);
  const auto before = testsupport::ReadFile(dataFile);
  host->doc.dataModified = true;
  host->pageCode = 38;
  host->pageRow = 7;
  commands.Save(*host, SaveCommand::Save);
  EXPECT_EQ(host->selectedRow, 7);
  EXPECT_TRUE(host->doc.dataModified);
  EXPECT_EQ(host->dialogs.CountOf(ScriptedDialogs::Shown::BusyShown), 1);  // only the load's
  EXPECT_EQ(testsupport::ReadFile(dataFile), before);
}

TEST_F(FileCommandsTest, FailedSaveIsReportedAndKeepsTheEditsMarked) {
  OpenData(dataFile);
  host->doc.dataModified = true;
  host->doc.documentPath = dir + "/no such folder/x.dld";
  commands.Save(*host, SaveCommand::Save);
  EXPECT_NE(LastMessage().find("no such folder/x.dld"), std::string::npos) << LastMessage();
  EXPECT_TRUE(host->doc.dataModified);
  EXPECT_FALSE(host->dialogs.busyVisible);
}

TEST_F(FileCommandsTest, SaveOverADirectoryLeavesItAndReportsIt) {
  OpenData(dataFile);
  const std::string target = dir + "/target.dld";
  std::filesystem::create_directory(target);
  host->dialogs.paths.push_back(target);
  host->dialogs.answers.push_back(Answer::Yes);
  commands.Save(*host, SaveCommand::SaveToData);
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(host->doc.documentPath, dataFile);
  EXPECT_EQ(host->db->FileKind(), 17);
  EXPECT_NE(LastMessage().find("Save File Error"), std::string::npos);
}

TEST_F(FileCommandsTest, SettingsEditSurvivesAPlainSave) {
  OpenData(dataFile);
  host->db->SetClockYear(2030);
  host->doc.settingsModified = true;
  commands.Save(*host, SaveCommand::Save);
  EXPECT_TRUE(host->doc.settingsModified);
  host->dialogs.answers.push_back(Answer::No);
  EXPECT_FALSE(ConfirmClose(host->doc, host->dialogs));

  auto reread = std::make_unique<m_DataBase>();
  reread->SetFileKind(17);
  ASSERT_TRUE(LoadDldFile(*reread, dataFile, "").ok);
  EXPECT_EQ(reread->GetClockYear(), 2030);
}

}  // namespace
