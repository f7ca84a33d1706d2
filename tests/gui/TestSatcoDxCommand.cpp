// The window's SatcoDX command on the demo file: an import marks the data modified and shows
// the new transponders; a new satellite takes a free slot or, with none free, the one the user
// picks; a malformed file or a cancelled choice changes nothing.

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
  // Marks every satellite slot used, as choosing an LNB type on the Satellite page does.
  void UseEverySlot() {
    m_DataBase& db = f.Db();
    for (int s = 0; s < 64; ++s) db.SetAntennaLnbType(s, db.GetAntennaLnbType(s));
  }
  std::string Prompt() const {
    for (const auto& shown : f.dialogs->log)
      if (shown.type == ScriptedDialogs::Shown::SatelliteDialog) return shown.text;
    return {};
  }
  // The kinds of the log entries just before and just after the first entry of `type`.
  std::vector<int> KindsAround(ScriptedDialogs::Shown::Type type) const {
    const auto& log = f.dialogs->log;
    for (size_t i = 1; i + 1 < log.size(); ++i)
      if (log[i].type == type) return {log[i - 1].type, log[i + 1].type};
    return {};
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

  // The demo file names its first few satellites; the slots behind them are free.
  void newPositionTakesTheFirstFreeSlotWithoutAsking() {
    m_DataBase& db = f.Db();
    int unnamed = 0;
    while (unnamed < 64 && !db.GetAntennaName(unnamed).empty()) ++unnamed;
    QVERIFY(unnamed > 0 && unnamed < 64);
    Import(Sdx("new.sdx", 1234, "27500"));
    QCOMPARE(f.dialogs->CountOf(ScriptedDialogs::Shown::SatelliteDialog), 0);
    QCOMPARE(db.GetAntennaLongitude(unnamed), 1234);
    QCOMPARE(db.GetSatelliteTransponderCount(unnamed), 1);
    QVERIFY(f.form->Document().dataModified);
  }

  void withEverySlotInUseTheChosenSatelliteIsReplaced() {
    m_DataBase& db = f.Db();
    UseEverySlot();
    const std::string label5 = db.GetAntennaLabel(5);
    const int kept = db.GetSatelliteTransponderCount(5);
    f.dialogs->satellites.push_back(5);
    Import(Sdx("chosen.sdx", 1234, "27500"));
    QCOMPARE(f.dialogs->CountOf(ScriptedDialogs::Shown::SatelliteDialog), 1);
    QCOMPARE(f.dialogs->satelliteLabels.size(), size_t(64));
    QCOMPARE(f.dialogs->satelliteLabels[5], label5);
    QCOMPARE(f.dialogs->satelliteLabels[63], db.GetAntennaLabel(63));
    QVERIFY(QString::fromStdString(Prompt()).contains("chosen.sdx"));
    QCOMPARE(db.GetAntennaLongitude(5), 1234);
    QCOMPARE(db.GetSatelliteTransponderCount(5), kept + 1);
    QVERIFY(f.form->Document().dataModified);
    QVERIFY(!f.dialogs->busyVisible);
    // The busy notice is down while the dialog is up, and back for the rest of the import.
    QCOMPARE(KindsAround(ScriptedDialogs::Shown::SatelliteDialog),
             (std::vector<int>{ScriptedDialogs::Shown::BusyHidden, ScriptedDialogs::Shown::BusyShown}));
  }

  void cancelledSatelliteChoiceSkipsTheFileAndChangesNothing() {
    m_DataBase& db = f.Db();
    UseEverySlot();
    const std::vector<uint8_t> before = db.EncodeDatabase();
    Import(Sdx("skipped.sdx", 1234, "27500"));  // no answer queued: the dialog is cancelled
    QCOMPARE(f.dialogs->CountOf(ScriptedDialogs::Shown::SatelliteDialog), 1);
    QVERIFY(db.EncodeDatabase() == before);
    QVERIFY(!f.form->Document().dataModified);
    QVERIFY(!f.dialogs->busyVisible);
    QVERIFY(f.dialogs->MessageTexts().empty());
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
