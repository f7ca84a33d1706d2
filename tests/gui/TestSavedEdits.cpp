// Edits made through the window, saved with the Save button, read back by torvane-cli exactly
// as they were made.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QToolButton>

#include "PageFixture.h"

class TestSavedEdits : public QObject {
  Q_OBJECT
  PageFixture f;

  QJsonObject DumpedService(int slot) {
    QProcess cli;
    cli.start(TORVANE_CLI, {"dump", "--json", QString::fromStdString(f.demo)});
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0) return {};
    const QJsonObject root = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    for (const auto& s : root["services"].toArray())
      if (s.toObject()["slot"].toInt() == slot) return s.toObject();
    return {};
  }
  void Type(const char* edit, const QString& text) {
    QLineEdit* e = f.Find<QLineEdit>(edit);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text);
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void editsSurviveSaveAndReload() {
    const int slot = f.Db().GetCurrentService();
    QVERIFY(slot >= 0);
    const bool wasLocked = f.Db().IsServiceLocked(slot);
    Type("E_SerName", "Torvane Test 1");
    Type("E_Vid", "1234");
    Type("E_Aud", "1235");
    Type("E_PCR", "1236");
    Type("E_Pmt", "99");
    Type("E_SID", "54321");
    f.Find<QToolButton>("SB_Lock")->click();
    QVERIFY(f.form->Document().dataModified);

    f.Find<QToolButton>("TB_Save")->click();
    QVERIFY(!f.form->Document().dataModified);

    const QJsonObject s = DumpedService(slot);
    QCOMPARE(s["name"].toString(), QString("Torvane Test 1"));
    QCOMPARE(s["video_pid"].toInt(), 1234);
    QCOMPARE(s["audio_pid"].toInt(), 1235);
    QCOMPARE(s["pcr_pid"].toInt(), 1236);
    QCOMPARE(s["pmt_pid"].toInt(), 99);
    QCOMPARE(s["service_id"].toInt(), 54321);
    QCOMPARE(s["locked"].toBool(), !wasLocked);
  }

  void namesAreSingleByteTexts() {
    // One typed character is one stored byte, and a stored byte shows as one character.
    const int slot = f.Db().GetCurrentService();
    QLineEdit* name = f.Find<QLineEdit>("E_SerName");
    name->setFocus();
    name->selectAll();
    for (const QChar c : QString::fromUtf8("T\u00e9l\u00e9 \u00c9t\u00e9"))  // keyClicks types ASCII only
      QTest::sendKeyEvent(QTest::Click, name, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    QCOMPARE(f.Db().GetServiceName(slot), std::string("T\xe9l\xe9 \xc9t\xe9"));
    QCOMPARE(f.page->GridModel()->CellText(1, 1), QString::fromUtf8("T\u00e9l\u00e9 \u00c9t\u00e9"));
  }
};

QTEST_MAIN(TestSavedEdits)
#include "TestSavedEdits.moc"
