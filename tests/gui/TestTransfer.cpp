// Receiver transfers through the real main window and its progress window, against
// torvane-receiver-sim on a pseudo-terminal.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/MessageCatalogue.h"
#include "app/SampleFile.h"
#include "app/ScriptedDialogs.h"
#include "app/SettingsFile.h"
#include "app/SettingsLocation.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "link/TransferSession.h"
#include "link/window/TFormUpgrade.h"
#include "link/window/TransferCommands.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(f.write(bytes), bytes.size());
}

QString Caption(int number) { return QString::fromStdString(GetMessageText(static_cast<uint16_t>(number))); }

// The simulator on its own pseudo-terminal; its first output line is the device path.
class Simulator {
 public:
  explicit Simulator(QStringList args) {
    args << "--timeout-ms"
         << "20000";
    m_process.start(TORVANE_SIMULATOR, args);
    if (m_process.waitForStarted() && m_process.waitForReadyRead())
      m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
  }
  ~Simulator() {
    if (m_process.state() != QProcess::NotRunning) {
      m_process.terminate();
      m_process.waitForFinished();
    }
  }
  const QString& Device() const { return m_device; }
  // Exit code once the session is over as the receiver sees it; -1 when it did not end.
  int Finish() {
    // The window's event pump may already have seen the simulator end.
    if (m_process.state() != QProcess::NotRunning) m_process.waitForFinished();
    return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit
               ? m_process.exitCode()
               : -1;
  }

 private:
  QProcess m_process;
  QString m_device;
};

}  // namespace

class TestTransfer : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  std::unique_ptr<TSDIAppForm> m_form;
  ScriptedDialogs* m_dialogs = nullptr;
  QStringList m_statuses;  // every text the status field showed, in order

  QString Path(const char* name) const { return m_dir.filePath(name); }
  TransferCommands& Commands() { return dynamic_cast<TransferCommands&>(m_form->Controller()); }
  TFormUpgrade& Progress() { return Commands().FormUpgrade(); }

  // Port 1 of the settings file leads to `device`; the options dialog stays away.
  void MakeWindow(const QString& device) {
    SettingsFile ini(SettingsFilePath(m_dir.path().toStdString()));
    ini.Load();
    ini.WriteInt("MANAGE_OPTIONS", "Com", 1);
    ini.WriteInt("MANAGE_OPTIONS", "Show Rule Of Upgrade", 0);
    ini.WriteInt("MANAGE_OPTIONS", "Show Rule Of Download", 0);
    ini.WriteText("PORTS", "COM1", device.toStdString());
    QVERIFY(ini.Save());
    m_form = std::make_unique<TSDIAppForm>(m_dir.path().toStdString());
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    m_form->SetDialogs(std::move(dialogs));
    m_form->show();
    m_statuses.clear();
    connect(Progress().StatusField(), &QLineEdit::textChanged, this,
            [this](const QString& t) { m_statuses << t; });
  }
  void OpenDocument(const QString& path, OpenCommand command) {
    m_dialogs->paths.push_back(path.toStdString());
    m_form->Controller().Open(*m_form, command);
    QVERIFY(m_form->Document().databaseLoaded);
  }
  void Trigger(const char* name) {
    QAction* a = m_form->findChild<QAction*>(name);
    QVERIFY2(a && a->isEnabled(), name);
    a->trigger();
  }
  void Upload(const QString& target, bool defaultData) {
    m_dialogs->paths.push_back(target.toStdString());
    Trigger(defaultData ? "PM_UpgradeDefault" : "PM_UpgradeData");
  }
  // After every transfer the main window is usable again and the progress window is gone.
  void CheckTransferOver() {
    QVERIFY(m_form->isEnabled());
    QVERIFY(!Progress().isVisible());
  }
  bool PagesShown() const { return m_form->findChild<QWidget*>("P_Main")->isVisible(); }

 private slots:
  void initTestCase() { QVERIFY(m_dir.isValid()); }
  void cleanup() {
    if (m_form) m_form->Document() = DocumentState();
    m_form.reset();
  }

  void downloadArrivesByteForByte_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("modified");
    QTest::newRow("data file, unchanged") << 17 << false;
    QTest::newRow("default file, edited") << 4 << true;
  }
  void downloadArrivesByteForByte() {
    QFETCH(int, kind);
    QFETCH(bool, modified);
    const QString file = Path(kind == 17 ? "send-data.dld" : "send-default.dld");
    const QString received = Path("received.dld");
    QFile::remove(received);
    QVERIFY(WriteSampleFile(file.toStdString(), kind == 17 ? SampleProfile::Empty : SampleProfile::Demo,
                            static_cast<uint8_t>(kind))
                .ok);
    Simulator sim({"--save", received});
    MakeWindow(sim.Device());
    OpenDocument(file, kind == 17 ? OpenCommand::Data : OpenCommand::Default);
    const QByteArray before = ReadAll(file);
    m_form->Document().dataModified = modified;

    Trigger("Menu_Download");

    CheckTransferOver();
    QCOMPARE(sim.Finish(), 0);
    QCOMPARE(Progress().windowTitle(), Caption(kind == 17 ? 62 : 63));
    QCOMPARE(Progress().ComField()->text(), QString("COM1"));
    QCOMPARE(Progress().FileNameField()->text(), file);
    QCOMPARE(Progress().StatusField()->text(), QString("Update Success!"));
    for (const char* text :
         {"Connectting...", "Transfering Data:  100%", "Erase flash...  100%", "Program flash...  100%"})
      QVERIFY2(m_statuses.contains(text), text);
    QCOMPARE(Progress().ProgressBar()->maximum(), kind);
    QCOMPARE(Progress().ProgressBar()->value(), kind);  // the bar filled once in the last phase

    const QByteArray sent = ReadAll(file);
    QCOMPARE(ReadAll(received), sent);
    QVERIFY(!m_form->Document().dataModified);
    if (modified) {
      QVERIFY(sent != before);
      QCOMPARE(int(sent.at(59)), kind == 4 ? 1 : 0);  // the save already marks a default file
    } else {
      QCOMPARE(sent, before);  // nothing to save, nothing saved
    }
  }

  void uploadOpensReceivedFile_data() {
    QTest::addColumn<bool>("defaultData");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("data into a new file") << false << false;
    QTest::newRow("default over an old file") << true << true;
  }
  void uploadOpensReceivedFile() {
    QFETCH(bool, defaultData);
    QFETCH(bool, targetExists);
    const int kind = defaultData ? 4 : 17;
    const QString served = Path("served.dld");
    const QString target = Path("uploaded.dld");
    QVERIFY(WriteSampleFile(served.toStdString(), SampleProfile::Demo, static_cast<uint8_t>(kind)).ok);
    QFile::remove(target);
    if (targetExists) WriteAll(target, "old");
    Simulator sim({"--serve", served});
    MakeWindow(sim.Device());
    m_dialogs->answers.push_back(Answer::Yes);

    Upload(target, defaultData);

    CheckTransferOver();
    QCOMPARE(sim.Finish(), 0);
    QCOMPARE(Progress().windowTitle(), Caption(defaultData ? 61 : 60));
    QCOMPARE(Progress().StatusField()->text(), QString("Update Success!"));
    QCOMPARE(m_dialogs->CountOf(ScriptedDialogs::Shown::Question), targetExists ? 1 : 0);
    QVERIFY(m_form->Document().databaseLoaded);
    QCOMPARE(int(m_form->Database().FileKind()), kind);
    QCOMPARE(QString::fromStdString(m_form->Document().documentPath), target);
    QVERIFY(PagesShown());
    QVERIFY(!QFile::exists(QString::fromStdString(rlink::UploadTempPath(target.toStdString()))));
    const QByteArray got = ReadAll(target);
    const QByteArray sent = ReadAll(served);
    QCOMPARE(int(got.at(59)), defaultData ? 1 : 0);
    QCOMPARE(got.mid(79), sent.mid(79));
  }

  void uploadRefusedByUser_data() {
    QTest::addColumn<QString>("chosen");
    QTest::newRow("save dialog cancelled") << QString();
    QTest::newRow("overwrite answered Cancel") << QString("keep.dld");
  }
  void uploadRefusedByUser() {
    QFETCH(QString, chosen);
    const QString doc = Path("open.dld");
    QVERIFY(WriteSampleFile(doc.toStdString(), SampleProfile::Empty, 17).ok);
    WriteAll(Path("keep.dld"), "keep");
    MakeWindow(Path("no-such-port"));
    OpenDocument(doc, OpenCommand::Data);
    m_dialogs->answers.push_back(Answer::Cancel);

    Upload(chosen.isEmpty() ? QString() : Path(chosen.toLatin1().constData()), true);

    QCOMPARE(ReadAll(Path("keep.dld")), QByteArray("keep"));
    QCOMPARE(Progress().windowTitle(), QString("FormUpgrade"));  // never shown
    QVERIFY(m_statuses.isEmpty());
    QCOMPARE(int(m_form->Database().FileKind()), 17);
    QVERIFY(m_form->Document().databaseLoaded);
    QVERIFY(PagesShown());
  }

  // Cancel while the editor waits for a receiver that never answers.
  void cancelEndsTheWait_data() {
    QTest::addColumn<bool>("download");
    QTest::newRow("upload") << false;
    QTest::newRow("download") << true;
  }
  void cancelEndsTheWait() {
    QFETCH(bool, download);
    const QString doc = Path("open.dld");
    const QString target = Path("target.dld");
    QVERIFY(WriteSampleFile(doc.toStdString(), SampleProfile::Empty, 17).ok);
    WriteAll(target, "old");
    Simulator sim({"--silent"});
    MakeWindow(sim.Device());
    OpenDocument(doc, OpenCommand::Data);
    const QByteArray docBefore = ReadAll(doc);
    // Clicks Cancel as soon as the progress window waits for the receiver.
    QTimer watcher;
    bool clicked = false;
    connect(&watcher, &QTimer::timeout, this, [&] {
      if (clicked || Progress().StatusField()->text() != "Connectting...") return;
      QVERIFY(!m_form->isEnabled());
      QVERIFY(Progress().CancelButton()->isEnabled());
      clicked = true;
      QTest::mouseClick(Progress().CancelButton(), Qt::LeftButton);
    });
    watcher.start(0);
    m_dialogs->answers.push_back(Answer::Yes);

    if (download)
      Trigger("Menu_Download");
    else
      Upload(target, true);

    QVERIFY(clicked);
    CheckTransferOver();
    QVERIFY(!Commands().Channel().IsPortOpen());
    QCOMPARE(m_statuses.last(), QString("Update failed!"));
    QVERIFY(!m_statuses.contains("Connect failed!"));  // a cancelled wait is not a refusal
    QCOMPARE(ReadAll(target), QByteArray("old"));
    QVERIFY(!QFile::exists(QString::fromStdString(rlink::UploadTempPath(target.toStdString()))));
    QCOMPARE(ReadAll(doc), docBefore);
    // The open document keeps its kind, so saving it later writes a data file again.
    QCOMPARE(int(m_form->Database().FileKind()), 17);
    QCOMPARE(QString::fromStdString(m_form->Document().documentPath), doc);
  }

  void connectFailures_data() {
    QTest::addColumn<bool>("badPort");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("wrong first frame")
        << false << QStringList{"Connectting...", "Connect failed!", "Update failed!"};
    QTest::newRow("port cannot be opened") << true << QStringList{};  // the field stays empty
  }
  void connectFailures() {
    QFETCH(bool, badPort);
    QFETCH(QStringList, texts);
    const QString target = Path("never.dld");
    QFile::remove(target);
    Simulator sim({"--wrong-first-frame"});
    const QString device = badPort ? Path("missing-tty") : sim.Device();
    MakeWindow(device);

    Upload(target, false);

    CheckTransferOver();
    QCOMPARE(m_statuses, texts);
    QVERIFY(!QFile::exists(target));
    QVERIFY(!m_form->Document().databaseLoaded);
    const auto messages = m_dialogs->MessageTexts();
    if (badPort) {
      QCOMPARE(messages.size(), size_t(1));
      QCOMPARE(QString::fromStdString(messages[0]), "Error: Unable to open " + device + " !");
    } else {
      QVERIFY(messages.empty());
    }
  }

  // A download after a save that failed would send the old file as if the edits had gone out.
  void failedSaveStopsDownload() {
    const QString doc = Path("open.dld");
    QVERIFY(WriteSampleFile(doc.toStdString(), SampleProfile::Empty, 17).ok);
    Simulator sim({});
    MakeWindow(sim.Device());
    OpenDocument(doc, OpenCommand::Data);
    m_form->Document().dataModified = true;
    m_form->Document().documentPath = Path("no-such-folder/open.dld").toStdString();

    Trigger("Menu_Download");

    CheckTransferOver();
    const auto messages = m_dialogs->MessageTexts();
    QCOMPARE(messages.size(), size_t(1));  // the save's error
    QVERIFY(QString::fromStdString(messages[0]).startsWith("Save File Error"));
    QVERIFY(m_statuses.isEmpty());  // the receiver was never contacted
    QVERIFY(m_form->Document().dataModified);
  }

  void progressBarFillsOncePerPhase() {
    TFormUpgrade form;
    QCOMPARE(form.ProgressBar()->maximum(), 100);
    form.OnProgressReset();
    QList<int> seen;
    for (rlink::ProgressPhase phase : {rlink::ProgressPhase::Erase, rlink::ProgressPhase::Program})
      for (int j = 1; j <= 4; ++j) {
        form.OnProgress(phase, j, 4);
        seen << form.ProgressBar()->value();
      }
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 1, 2, 3, 4}));
    QCOMPARE(form.ProgressBar()->maximum(), 4);
  }
};

QTEST_MAIN(TestTransfer)
#include "TestTransfer.moc"
