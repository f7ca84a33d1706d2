// The Satellite page on the demo file: grid texts, the LNB type and its 22 kHz tone, the
// longitude entry, the dish setting menus, the auto scan bar, "Show active satellites" and
// the service list.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

#include "PageFixture.h"
#include "ui/SatelliteGridModel.h"
#include "ui/SatellitePage.h"

class TestSatellitePage : public QObject {
  Q_OBJECT
  PageFixture f;
  SatellitePage* sp = nullptr;

  m_DataBase& Db() { return f.Db(); }
  int Sat() { return Db().GetSelectedSatellite(); }
  int Row() { return Db().FindSatelliteViewPosition(Sat()); }
  QString Cell(int column) { return sp->GridModel()->CellText(Row(), column); }
  QString Button(const char* name) { return f.Find<QToolButton>(name)->text(); }
  void Trigger(const char* menu, const QString& caption) {
    for (QAction* a : f.Find<QMenu>(menu)->actions())
      if (a->text() == caption) return a->trigger();
    QFAIL(qPrintable(QString("no item %1").arg(caption)));
  }
  // Puts a text into an edit and releases a key that types nothing, as after typing it.
  void Enter(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_End);
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() {
    f.OpenWindow();
    sp = &f.frame->Satellite();
    f.frame->GoTo(SatellitePage::kTab);
    QCOMPARE(f.form->PageCode(), 5);
  }
  void cleanup() { f.CloseWindow(); }

  void entryShowsAllSatellitesAndTheCurrentServicesOne() {
    m_DataBase& db = Db();
    QCOMPARE(sp->GridModel()->rowCount(), 64);
    QCOMPARE(Sat(), db.GetServiceSatellite(db.GetCurrentService()));
    QCOMPARE(sp->GridRow(), Row());
    QCOMPARE(Cell(0), QString::number(Sat() + 1));
    QCOMPARE(Cell(2), QString::fromStdString(db.GetAntennaName(Sat())));
    QCOMPARE(f.Find<QLineEdit>("E_AntName")->text(), Cell(2));
    QCOMPARE(Button("TB_AntTpNext"), QString("Next (1/3)"));
    // The services of the satellite, and a click makes one current.
    auto* list = f.Find<QListWidget>("LB_AntennaSer");
    QVERIFY(list->count() > 1);
    sp->LB_AntennaSerClick(1);
    QVERIFY(list->item(1)->text().startsWith("2:  "));
    QCOMPARE(QString::fromStdString(db.GetServiceName(db.GetCurrentService())), list->item(1)->text().mid(4));
    QCOMPARE(db.GetServiceSatellite(db.GetCurrentService()), Sat());
    QVERIFY(!f.form->Document().dataModified);
  }

  void lnbTypeSetsThe22kTone() {
    m_DataBase& db = Db();
    QToolButton* tone = f.Find<QToolButton>("SB_22K");
    Trigger("PM_AntType", "Uni(9750/10600)");
    QCOMPARE(db.GetAntenna22K(Sat()), 2);
    QCOMPARE(Cell(4), QString("Auto"));
    QCOMPARE(Cell(3), QString("9750/10600"));
    QCOMPARE(tone->text(), QString("Auto"));
    QVERIFY(!tone->isEnabled());
    QCOMPARE(Button("SB_AntType"), QString("Uni.(9750/10600)"));
    QVERIFY(f.form->Document().dataModified);
    Trigger("PM_AntType", "C-Band(5150)");
    QCOMPARE(db.GetAntenna22K(Sat()), 0);
    QCOMPARE(Cell(4), QString("OFF"));
    QCOMPARE(Cell(3), QString("5150"));
    QVERIFY(tone->isEnabled());
    QVERIFY(!f.Find<QComboBox>("CB_AntFreq")->isEnabled());
    Trigger("PM_Ant22K", "ON");
    QCOMPARE(Cell(4), QString("ON"));
    // The user type takes its frequency from the box.
    Trigger("PM_AntType", "User(5150)");
    auto* freq = f.Find<QComboBox>("CB_AntFreq");
    QVERIFY(freq->isEnabled());
    freq->setEditText("11475");
    QCOMPARE(db.GetAntennaUserLnbFrequency(Sat()), 11475);
    QCOMPARE(Cell(3), QString("11475"));
    QCOMPARE(Button("SB_AntType"), QString("User(11475)"));
    freq->setEditText("");  // emptied while typing: nothing stored
    QCOMPARE(db.GetAntennaUserLnbFrequency(Sat()), 11475);
  }

  void dishSettingMenus() {
    m_DataBase& db = Db();
    Trigger("PM_AntDis", "DisEqC B");
    Trigger("PM_AntMotor", "USALS");
    Trigger("PM_Ant12V", "ON");
    Trigger("PM_AntPower", "13.5/18.5");
    QCOMPARE(db.GetAntennaDiseqc(Sat()), 2);
    QCOMPARE(db.GetAntennaMotor(Sat()), 4);
    QCOMPARE((QStringList{Cell(5), Cell(6), Cell(7), Cell(8)}),
             (QStringList{"ON", "13.5/18.5", "DisEqC B", "USALS"}));
    QCOMPARE((QStringList{Button("SB_12V"), Button("SB_Power"), Button("SB_DiSEqC"), Button("SB_Motor")}),
             (QStringList{"ON", "13.5/18.5", "DisEqC B", "USALS"}));
  }

  void longitudeEntry_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");  // tenths east; -1: refused
    QTest::addColumn<QString>("shown");
    QTest::newRow("east") << "19.2" << 192 << "19.2 E";
    QTest::newRow("whole") << "360" << 3600 << "  0.0 W";
    QTest::newRow("west") << "350.5" << 3505 << "  9.5 W";
    QTest::newRow("above") << "361" << -1 << "";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("point only") << "." << -1 << "";
    QTest::newRow("too long") << "19.20000" << -1 << "";
    QTest::newRow("two decimals") << "19.25" << 193 << " 19.3 E";
    QTest::newRow("shown east") << "45.5 E" << 455 << "45.5 E";
    // A western position that is edited stays western.
    QTest::newRow("shown west") << "9.6 W" << 3504 << "  9.6 W";
  }
  void longitudeEntry() {
    QFETCH(QString, text);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    m_DataBase& db = Db();
    const int before = db.GetAntennaLongitude(Sat());
    QLineEdit* edit = f.Find<QLineEdit>("E_SatLong");
    Enter(edit, text);
    if (stored < 0) {
      QCOMPARE(f.LastMessage(), QString("Antenna Longitude is Invalid."));
      QCOMPARE(db.GetAntennaLongitude(Sat()), before);
      QCOMPARE(edit->text(), Cell(1).trimmed());
      QVERIFY(!f.form->Document().dataModified);
    } else {
      QCOMPARE(f.MessageCount(), size_t(0));
      QCOMPARE(db.GetAntennaLongitude(Sat()), stored);
      QCOMPARE(Cell(1), shown);
      QVERIFY(f.form->Document().dataModified);
    }
  }

  void longitudeKeysThatTypeNothingChangeNothing() {
    QLineEdit* edit = f.Find<QLineEdit>("E_SatLong");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, "W-x");  // only digits and the point pass
    QCOMPARE(edit->text(), Cell(1).trimmed());
    QVERIFY(!f.form->Document().dataModified);
    QCOMPARE(f.MessageCount(), size_t(0));
  }

  void autoScanBar() {
    m_DataBase& db = Db();
    QToolButton* next = f.Find<QToolButton>("TB_AntTpNext");
    QLineEdit* freq = f.Find<QLineEdit>("E_AntAutoTpFreq");
    QLineEdit* sym = f.Find<QLineEdit>("E_AntAutoTpSym");
    const QStringList captions = {"Next (2/3)", "Previous (3/3)", "Next (1/3)"};
    for (int k = 1; k <= 3; ++k) {
      next->click();
      QCOMPARE(next->text(), captions[k - 1]);
      QCOMPARE(sp->AutoScanIndex(), k % 3);
      QCOMPARE(freq->text(), QString::fromStdString(db.GetAutoScanTpFrequencyText(Sat(), k % 3)));
    }
    const int firstPolarity = db.GetAutoScanTpPolarity(Sat(), 0);
    next->click();  // the second auto scan transponder
    Enter(freq, "11778");
    Enter(sym, "27500");
    Trigger("PM_AntPol", "Vertical");
    QCOMPARE(QString::fromStdString(db.GetAutoScanTpFrequencyText(Sat(), 1)), QString("11778"));
    QCOMPARE(QString::fromStdString(db.GetAutoScanTpSymbolRateText(Sat(), 1)), QString("27500"));
    QCOMPARE(db.GetAutoScanTpPolarity(Sat(), 1), 1);
    QCOMPARE(db.GetAutoScanTpPolarity(Sat(), 0), firstPolarity);
    QCOMPARE(Button("SB_AntPol"), QString("Vertical"));
    Enter(freq, "12751");
    QCOMPARE(f.LastMessage(), QString("Transponder Frequency is Invalid."));
    QCOMPARE(freq->text(), QString("11778"));
    Enter(sym, "45001");
    QCOMPARE(f.LastMessage(), QString("Transponder Symbolrate is Invalid."));
    QCOMPARE(sym->text(), QString("27500"));
  }

  void showActiveSatellites() {
    m_DataBase& db = Db();
    const std::vector<int> counts = db.CountServicesPerSatellite();
    const int active =
        static_cast<int>(std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; }));
    QVERIFY(active > 0 && active < 64);
    QAction* show = f.Find<QAction>("PM_ShowSat");
    show->trigger();
    QCOMPARE(show->text(), QString("Show all satellites"));
    QCOMPARE(sp->GridModel()->rowCount(), active);
    QCOMPARE(sp->GridRow(), 1);
    QCOMPARE(Sat(), db.GetSatelliteViewEntry(1));
    show->trigger();
    QCOMPARE(show->text(), QString("Show active satellites"));
    QCOMPARE(sp->GridModel()->rowCount(), 64);
  }

  void clickSelectsTheSatelliteOfTheRow() {
    m_DataBase& db = Db();
    const int row = Row() == 10 ? 11 : 10;
    const QModelIndex at = sp->GridModel()->index(row - 1, 2);
    sp->Grid()->scrollTo(at);
    QTest::mouseClick(sp->Grid()->viewport(), Qt::LeftButton, {}, sp->Grid()->visualRect(at).center());
    QCOMPARE(Sat(), db.GetSatelliteViewEntry(row));
    QCOMPARE(f.Find<QLineEdit>("E_AntName")->text(), QString::fromStdString(db.GetAntennaName(Sat())));
    QLineEdit* name = f.Find<QLineEdit>("E_AntName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Hot Bird");
    QCOMPARE(QString::fromStdString(db.GetAntennaName(Sat())), QString("Hot Bird"));
    QCOMPARE(Cell(2), QString("Hot Bird"));
  }
};

QTEST_MAIN(TestSatellitePage)
#include "TestSatellitePage.moc"
