// The document through the real window with its pages: the close question after a settings
// edit and a plain Save, the recent-files list as the File menu shows it, the first start,
// the file named at start-up, and saves that fail or cannot be stored.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QToolButton>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "PageFixture.h"
#include "app/RecentFiles.h"
#include "app/SettingsFile.h"
#include "db/M_database.h"
#include "files/Bytes.h"
#include "ui/SystemPage.h"

namespace {
QByteArray ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Lowers the largest file this process may write, for the lifetime of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit lower = m_old;
    lower.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

 private:
  rlimit m_old{};
};

QStringList VisibleReopenItems(TSDIAppForm& form) {
  form.Menu_FileClick();
  QStringList items;
  for (QAction* a : form.findChild<QMenu*>("Menu_Reopen")->actions())
    if (a->isVisible()) items << a->text();
  return items;
}
}  // namespace

class TestDocumentLifecycle : public QObject {
  Q_OBJECT
  PageFixture f;

  bool AsksOnClose() {
    const size_t before = f.dialogs->MessageTexts().size();
    f.dialogs->answers.push_back(Answer::No);
    QCloseEvent close;
    QApplication::sendEvent(f.form.get(), &close);
    return f.dialogs->MessageTexts().size() > before && !close.isAccepted();
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() {
    QFile::remove(f.dir.filePath("Velmora.ini"));
    f.OpenWindow();
  }
  void cleanup() { f.CloseWindow(); }

  void closeQuestionOutlivesAPlainSaveAfterASettingsEdit() {
    QVERIFY(!AsksOnClose());
    f.form->PageControl()->setCurrentIndex(SystemPage::kSystemTab);
    QComboBox* brightness = f.Find<QComboBox>("CB_VidBri");
    const int item = brightness->findText("Level7") >= 0 && brightness->currentText() != "Level7"
                         ? brightness->findText("Level7")
                         : brightness->findText("Level6");
    brightness->setCurrentIndex(item);
    emit brightness->activated(item);
    QVERIFY(f.form->Document().settingsModified);
    f.Find<QToolButton>("TB_Save")->click();
    QVERIFY(f.form->Document().settingsModified);
    QVERIFY(AsksOnClose());
    QCOMPARE(f.LastMessage(), QString::fromStdString(GetMessageText(15)));
  }

  void recentFilesAsTheFileMenuShowsThem() {
    // Eleven documents: the list keeps the ten most recent, newest first.
    std::vector<std::string> files;
    for (int i = 0; i < 11; ++i) {
      files.push_back(f.dir.filePath(QString("doc%1.dld").arg(i)).toStdString());
      std::filesystem::copy_file(f.demo, files.back(), std::filesystem::copy_options::overwrite_existing);
      f.dialogs->paths.push_back(files.back());
      f.form->findChild<QAction*>("Menu_OpenData")->trigger();
    }
    QStringList items = VisibleReopenItems(*f.form);
    QCOMPARE(items.size(), 10);
    QVERIFY(items.first().contains("doc10.dld"));
    QVERIFY(!items.join("|").contains("doc0.dld"));
    // Reopening the fourth entry moves it to the head.
    f.form->SB_LatestFileClick(4);
    QCOMPARE(f.form->Document().documentPath, files[7]);
    items = VisibleReopenItems(*f.form);
    QVERIFY(items.first().contains("doc7.dld"));
    QCOMPARE(items.size(), 10);
  }

  void firstStartShowsNoRecentFiles() {
    f.CloseWindow();
    QFile::remove(f.dir.filePath("Velmora.ini"));
    f.form = std::make_unique<TSDIAppForm>(f.dir.path().toStdString());
    QVERIFY(VisibleReopenItems(*f.form).isEmpty());
    QCOMPARE(f.form->Options().port, 1);
    QVERIFY(!f.form->Document().databaseLoaded);
    f.OpenWindow();  // leave a window for cleanup
  }

  void fileNamedAtStartUpIsRememberedWhole() {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(f.dir.path());
    f.form->OpenAtStartup("demo.dld");
    QDir::setCurrent(previous);
    const std::string whole = QDir(f.dir.path()).absoluteFilePath("demo.dld").toStdString();
    QVERIFY(f.form->Document().databaseLoaded);
    QCOMPARE(f.form->Document().documentPath, whole);
    QCOMPARE(ReadRecentFiles(f.form->Settings()).front(), whole);
  }

  void failedWriteLeavesTheExistingTarget() {
    const QByteArray before = ReadAll(f.demo);
    f.Db().SetServiceName(f.Db().GetFirstService(), "Never written");
    f.form->Document().dataModified = true;
    {
      const FileSizeLimit limit(1000);  // far below the size of the container
      f.Find<QToolButton>("TB_Save")->click();
    }
    QVERIFY2(f.LastMessage().startsWith("Save File Error"), qPrintable(f.LastMessage()));
    QVERIFY2(f.LastMessage().contains("File too large"), qPrintable(f.LastMessage()));  // the reason
    QVERIFY(f.form->Document().dataModified);
    QCOMPARE(ReadAll(f.demo), before);
    const QStringList leftovers = QDir(f.dir.path()).entryList({"demo.dld*"}, QDir::Files);
    QCOMPARE(leftovers, QStringList{"demo.dld"});
  }

  void databaseTooLargeToStoreIsRefused() {
    // Random bytes in the service table do not compress: no bank can hold them. (From the System
    // page, whose leave check does not look at the services.)
    f.form->PageControl()->setCurrentIndex(SystemPage::kSystemTab);
    std::vector<uint8_t> block = f.Db().EncodeDatabase();
    uint32_t x = 12345;
    for (size_t i = dblayout::kServiceOffset; i < dblayout::kServiceOffset + 0x60000; ++i) {
      x = x * 1103515245u + 12345u;
      block[i] = static_cast<uint8_t>(x >> 24);
    }
    f.Db().DecodeDatabase(block.data());
    const QByteArray before = ReadAll(f.demo);
    f.form->Document().dataModified = true;
    f.Find<QToolButton>("TB_Save")->click();
    QVERIFY2(f.LastMessage().contains("too large"), qPrintable(f.LastMessage()));
    QVERIFY(f.form->Document().dataModified);
    QCOMPARE(ReadAll(f.demo), before);
  }
};

QTEST_MAIN(TestDocumentLifecycle)
#include "TestDocumentLifecycle.moc"
