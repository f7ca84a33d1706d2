// The window's SatcoDX command on the demo file: an import marks the data modified and shows
// the new transponders; a malformed file changes nothing and says why.

#include "PageFixture.h"
#include "app/OptionValues.h"

class TestSatcoDxCommand : public QObject {
  Q_OBJECT
  PageFixture f;

  std::string Sdx(const char* name, int position, const char* rate) {
    std::string r(128, ' ');
    r.replace(33, 9, "012345000");
    r[42] = '0';
    r.replace(51, 4, QString("%1").arg(position, 4, 10, QChar('0')).toStdString());
    r.replace(69, 5, rate);
    r[74] = '2';
    const QString path = f.dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(r.data(), static_cast<qint64>(r.size()));
    return path.toStdString();
  }
  void Import(const std::string& path) {
    f.form->Options().showSatcoDx = false;
    f.dialogs->paths.push_back(path);
    // The SatcoDX panel is hidden (and so disabled) in this model: call the window's command.
    f.form->Controller().ImportSatcoDx(*f.form);
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void importMarksTheDataModified() {
    m_DataBase& db = f.Db();
    const int satellite = 0;
    const int before = db.GetSatelliteTransponderCount(satellite);
    Import(Sdx("a.sdx", db.GetAntennaLongitude(satellite), "27500"));
    QCOMPARE(db.GetSatelliteTransponderCount(satellite), before + 1);
    QVERIFY(f.form->Document().dataModified);
    QVERIFY(!f.dialogs->busyVisible);
    QVERIFY(f.dialogs->MessageTexts().empty());
  }

  void malformedFileChangesNothing() {
    const int total = f.Db().GetTransponderCount();
    Import(Sdx("b.sdx", 192, "27x00"));
    QCOMPARE(f.Db().GetTransponderCount(), total);
    QVERIFY(!f.form->Document().dataModified);
    QVERIFY(!f.dialogs->busyVisible);
    QVERIFY(f.LastMessage().contains("'27x00' is not a valid symbol rate"));
  }

  void cancelledDialogImportsNothing() {
    const int total = f.Db().GetTransponderCount();
    Import("");
    QCOMPARE(f.Db().GetTransponderCount(), total);
    QCOMPARE(f.dialogs->CountOf(ScriptedDialogs::Shown::BusyShown), 1);  // the open's only
  }
};

QTEST_MAIN(TestSatcoDxCommand)
#include "TestSatcoDxCommand.moc"
