// Opening and saving through the real main window, with scripted answers for its dialogs.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include "app/DocumentIO.h"
#include "app/RecentFiles.h"
#include "app/SampleFile.h"
#include "app/ScriptedDialogs.h"
#include "app/SettingsFile.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"

namespace {
QByteArray ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class TestFileCommands : public QObject {
  Q_OBJECT

private:
  QTemporaryDir m_dir;
  std::unique_ptr<TSDIAppForm> m_form;
  ScriptedDialogs* m_dialogs = nullptr;
  std::string m_data, m_default;

  void Trigger(const char* name) {
    m_form->Menu_FileClick();  // opening the File menu enables the save items
    QAction* a = m_form->findChild<QAction*>(name);
    QVERIFY2(a, name);
    QVERIFY2(a->isEnabled(), name);
    a->trigger();
  }
  void OpenData(const std::string& path) {
    m_dialogs->paths.push_back(path);
    Trigger("Menu_OpenData");
  }
  QString LastMessage() const {
    const auto texts = m_dialogs->MessageTexts();
    return texts.empty() ? QString() : QString::fromStdString(texts.back());
  }

private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_data = m_dir.filePath("demo data.dld").toStdString();
    m_default = m_dir.filePath("demo-default.dld").toStdString();
    QVERIFY(WriteSampleFile(m_data, SampleProfile::Demo, 17).ok);
    QVERIFY(WriteSampleFile(m_default, SampleProfile::Demo, 4).ok);
  }
  void init() {
    QFile::remove(m_dir.filePath("Velmora.ini"));
    m_form = std::make_unique<TSDIAppForm>(m_dir.path().toStdString());
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    m_form->SetDialogs(std::move(dialogs));
    m_form->show();
  }
  void cleanup() {
    m_form->Document() = DocumentState();
    m_form.reset();
  }

  void openEachKind() {
    OpenData(m_data);
    QVERIFY(m_form->Document().databaseLoaded);
    QCOMPARE(m_form->Database().FileKind(), 17);
    QVERIFY(m_form->findChild<QToolButton*>("TB_Save")->isEnabled());
    QCOMPARE(m_form->Document().documentPath, m_data);

    m_dialogs->paths.push_back(m_default);
    Trigger("Menu_OpenDefault");
    QCOMPARE(m_form->Database().FileKind(), 4);
    QCOMPARE(m_form->Document().documentPath, m_default);
    QCOMPARE(m_form->Database().GetUsedServiceCount(), 420);
  }

  void refusedKindKeepsDocumentAndPath() {
    OpenData(m_data);
    OpenData(m_default);
    QCOMPARE(LastMessage(), QString("Open File Error: partition number wrong!"));
    QVERIFY(m_form->Document().databaseLoaded);
    QCOMPARE(m_form->Document().documentPath, m_data);
    QCOMPARE(m_form->Database().FileKind(), 17);
  }

  void missingReopenFileDropsFromTheList() {
    const std::string gone = m_dir.filePath("gone.dld").toStdString();
    std::filesystem::copy_file(m_data, gone, std::filesystem::copy_options::overwrite_existing);
    OpenData(gone);
    OpenData(m_data);
    std::filesystem::remove(gone);
    QCOMPARE(ReadRecentFiles(m_form->Settings()).size(), size_t(2));
    m_form->SB_LatestFileClick(2);
    QCOMPARE(LastMessage(), QString("Open File Error: file not exist!"));
    QCOMPARE(ReadRecentFiles(m_form->Settings()), std::vector<std::string>{m_data});
    QVERIFY(m_form->Document().databaseLoaded);  // the open document stays
  }

  void saveAsReloadsTheSavedFile() {
    OpenData(m_data);
    m_form->Database().SetServiceName(m_form->Database().GetFirstService(), "Renamed");
    m_form->Document().dataModified = true;
    const std::string target = m_dir.filePath("saved-as.dld").toStdString();
    m_dialogs->paths.push_back(target);
    Trigger("Menu_SaveToDefault");
    QCOMPARE(m_form->Document().documentPath, target);
    QCOMPARE(m_form->Database().FileKind(), 4);
    QVERIFY(m_form->Document().databaseLoaded);
    QVERIFY(!m_form->Document().dataModified);
    QCOMPARE(QString::fromStdString(m_form->Database().GetServiceName(m_form->Database().GetFirstService())),
             QString("Renamed"));
    QCOMPARE(ReadRecentFiles(m_form->Settings()).front(), target);
  }

  void failedSaveLeavesTheTargetAndSaysWhy() {
    OpenData(m_data);
    const QByteArray before = ReadAll(m_data);
    m_form->Document().dataModified = true;
    // The target folder turns into a file: nothing can be written beside the document any more.
    const std::string folder = m_dir.filePath("gone-folder").toStdString();
    std::filesystem::create_directory(folder);
    const std::string target = folder + "/doc.dld";
    std::filesystem::copy_file(m_data, target);
    m_form->Document().documentPath = target;
    std::filesystem::remove_all(folder);
    QFile blocker(QString::fromStdString(folder));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Trigger("Menu_Save");
    QVERIFY2(LastMessage().startsWith("Save File Error"), qPrintable(LastMessage()));
    QVERIFY(LastMessage().contains("doc.dld"));
    QVERIFY(m_form->Document().dataModified);
    QCOMPARE(ReadAll(m_data), before);
  }

  void plainSaveWritesTheDocument() {
    OpenData(m_data);
    auto& db = m_form->Database();
    db.SetServiceName(db.GetFirstService(), "Saved name");
    m_form->Document().dataModified = true;
    Trigger("Menu_Save");
    QVERIFY(!m_form->Document().dataModified);
    auto reread = std::make_unique<m_DataBase>();
    reread->SetFileKind(17);
    QVERIFY(LoadDldFile(*reread, m_data, "").ok);
    QCOMPARE(QString::fromStdString(reread->GetServiceName(reread->GetFirstService())), QString("Saved name"));
  }
};

QTEST_MAIN(TestFileCommands)
#include "TestFileCommands.moc"
