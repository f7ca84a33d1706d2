// The Service page frame and edit bar: numeric checks, transponder and provider choosers,
// choice-only combos, the leave check and the list switches, on the demo file.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "PageFixture.h"
#include "ui/DropDownCombo.h"
#include "ui/NumericEntry.h"

class TestServicePage : public QObject {
  Q_OBJECT
  PageFixture f;

  int Current() { return f.Db().GetCurrentService(); }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void isValidNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("valid");
    QTest::newRow("zero") << "0" << 8191 << true;
    QTest::newRow("empty") << "" << 8191 << false;
    QTest::newRow("top") << "8191" << 8191 << true;
    QTest::newRow("above") << "8192" << 8191 << false;
    QTest::newRow("letter") << "12a" << 8191 << false;
    QTest::newRow("sign") << "-1" << 8191 << false;
    QTest::newRow("huge") << "99999999999999999999999" << 65535 << false;
  }
  void isValidNumber() {
    QFETCH(QString, text);
    QFETCH(int, max);
    QFETCH(bool, valid);
    QCOMPARE(IsValidNumber(text, 0, max), valid);
  }

  void openFillsGridAndEditBar() {
    m_DataBase& db = f.Db();
    QVERIFY(db.GetServiceViewCount() > 20);
    QCOMPARE(f.page->GridModel()->rowCount(), db.GetServiceViewCount());
    QCOMPARE(f.page->GridModel()->columnCount(), 20);
    QCOMPARE(f.page->GridRow(), 1);
    QCOMPARE(Current(), f.Slot(1));
    const int s = f.Slot(1);
    QCOMPARE(f.page->GridModel()->CellText(1, 1), QString::fromStdString(db.GetServiceName(s)));
    QCOMPARE(f.page->GridModel()->CellText(1, 16), QString::fromStdString(db.GetServiceVideoPidText(s)));
    QCOMPARE(f.Find<QLineEdit>("E_SerName")->text(), QString::fromStdString(db.GetServiceName(s)));
    QCOMPARE(f.Find<QLineEdit>("E_Pmt")->text(), QString::fromStdString(db.GetServicePmtPidText(s)));
    QVERIFY(!f.form->Document().dataModified);
  }

  void pidEditsValidateEveryKeyRelease() {
    QLineEdit* vid = f.Find<QLineEdit>("E_Vid");
    const int s = Current();
    const QString stored = QString::fromStdString(f.Db().GetServiceVideoPidText(s));
    // Letters never reach a numeric edit.
    vid->setFocus();
    vid->end(false);
    QTest::keyClicks(vid, "x");
    QCOMPARE(vid->text(), stored);
    QCOMPARE(f.MessageCount(), size_t(0));
    // Erasing every digit is an invalid PID: the notice, and the stored value back.
    vid->selectAll();
    QTest::keyClick(vid, Qt::Key_Backspace);
    QCOMPARE(f.LastMessage(), QString("Invalid PID."));
    QCOMPARE(vid->text(), stored);
    QVERIFY(!f.form->Document().dataModified);
    // A valid PID is written at once and shown in the grid row.
    vid->selectAll();
    QTest::keyClicks(vid, "17");
    QCOMPARE(QString::fromStdString(f.Db().GetServiceVideoPidText(s)), QString("17"));
    QCOMPARE(f.page->GridModel()->CellText(1, 16), QString("17"));
    QVERIFY(f.form->Document().dataModified);
    // Each release checks the whole text: 170 and 1700 are stored, 17000 is refused.
    QTest::keyClicks(vid, "000");
    QCOMPARE(f.LastMessage(), QString("Invalid PID."));
    QCOMPARE(vid->text(), QString("1700"));
    QCOMPARE(QString::fromStdString(f.Db().GetServiceVideoPidText(s)), QString("1700"));
  }

  void sameTransponderChangesNothing() {
    m_DataBase& db = f.Db();
    const int s = Current();
    const int tp = db.GetServiceTransponder(s);
    f.page->TransponderDropDown();
    f.page->TransponderSelect(db.FindTransponderViewPosition(tp) - 1);
    QCOMPARE(db.GetServiceTransponder(s), tp);
    QVERIFY(!f.form->Document().dataModified);
    QCOMPARE(f.MessageCount(), size_t(0));
  }

  void transponderHoldsAtMost120() {
    m_DataBase& db = f.Db();
    const int s = Current();
    QVERIFY(db.GetTransponderViewCount() > 1);
    int target = db.GetTransponderViewEntry(1);
    if (target == db.GetServiceTransponder(s)) target = db.GetTransponderViewEntry(2);
    // Fill the target up to 119 services with services of other rows.
    for (int r = 2; r <= db.GetServiceViewCount() && db.CountTransponderServices(target) < 119; ++r)
      if (f.Slot(r) != s && db.GetServiceTransponder(f.Slot(r)) != target)
        db.SetServiceTransponder(f.Slot(r), target);
    QCOMPARE(db.CountTransponderServices(target), 119);
    int other = -1;
    for (int r = 2; r <= db.GetServiceViewCount() && other < 0; ++r)
      if (f.Slot(r) != s && db.GetServiceTransponder(f.Slot(r)) != target) other = f.Slot(r);
    QVERIFY(other >= 0);
    const int index = db.FindTransponderViewPosition(target) - 1;

    // Two marked services would make 121: refused with message 43.
    db.SetServiceMark(s, true);
    db.SetServiceMark(other, true);
    f.page->TransponderDropDown();
    f.page->TransponderSelect(index);
    QVERIFY(f.LastMessage().startsWith("The max number of Program every Transponder is 120,"));
    QVERIFY(f.LastMessage().endsWith("So Program can not be added on this Transponder!"));
    QCOMPARE(db.CountTransponderServices(target), 119);
    QVERIFY(!f.form->Document().dataModified);

    // One more service makes 120: accepted.
    db.SetServiceMark(s, false);
    db.SetServiceMark(other, false);
    f.page->TransponderDropDown();
    f.page->TransponderSelect(index);
    QCOMPARE(db.GetServiceTransponder(s), target);
    QCOMPARE(db.CountTransponderServices(target), 120);
    QVERIFY(f.form->Document().dataModified);
    QCOMPARE(f.Find<QComboBox>("CB_SerTp")->currentText(),
             QString::fromStdString(db.GetTransponderLabel(target, DELIVERY_SATELLITE)));
  }

  void fecItemStoresItsIndex() {
    m_DataBase& db = f.Db();
    QComboBox* fec = f.Find<QComboBox>("CB_SerTpFEC");
    f.page->CB_SerTpFECSelect(fec->findText("7/8"));
    QCOMPARE(db.GetTransponderFec(db.GetServiceTransponder(Current())), 6);
    QCOMPARE(fec->currentText(), QString("7/8"));
    QVERIFY(f.form->Document().dataModified);
  }

  void providerChooserListsEveryProvider() {
    m_DataBase& db = f.Db();
    auto* provider = f.Find<DropDownCombo>("CB_SerPro");
    f.page->CB_SerProDropDown();
    QCOMPARE(provider->count(), db.GetProviderViewCount());
    const int last = db.GetProviderViewEntry(db.GetProviderViewCount());
    QCOMPARE(provider->itemText(provider->count() - 1), QString::fromStdString(db.GetProviderName(last)));
    f.page->CB_SerProSelect(provider->count() - 1);
    QCOMPARE(db.GetServiceProvider(Current()), last);
    QCOMPARE(provider->currentText(), "  " + QString::fromStdString(db.GetProviderName(last)));
    QCOMPARE(f.page->GridModel()->CellText(1, 2), QString::fromStdString(db.GetProviderName(last)));
  }

  void choiceOnlyCombosRefuseTyping() {
    QComboBox* chooser = f.Find<QComboBox>("CB_SerTp");
    const QString shown = chooser->currentText();
    for (const char* name : {"CB_SerTp", "CB_SerTpFEC", "CB_SerTpPol", "CB_SerTpMod"}) {
      const size_t before = f.MessageCount();
      QTest::keyClick(f.Find<QComboBox>(name), Qt::Key_Down);
      QCOMPARE(f.MessageCount(), before + 1);
      QCOMPARE(f.LastMessage(), QString("Coulden't input anything here!!"));
    }
    QCOMPARE(chooser->currentText(), shown);
    QVERIFY(!f.form->Document().dataModified);
  }

  void leavingWithoutTransponderKeepsThePage() {
    m_DataBase& db = f.Db();
    db.SetServiceTransponder(f.Slot(7), -1);
    QTabBar* tabs = f.form->PageControl()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QCOMPARE(f.form->PageControl()->currentIndex(), 0);
    QCOMPARE(f.LastMessage(), QString("No select Transponder."));
    QCOMPARE(f.page->GridRow(), 7);
    // The save path asks the same question of the page.
    int row = 0;
    QCOMPARE(f.form->CheckPageBeforeLeaving(&row), 22);
    QCOMPARE(row, 7);
    // With the transponder back the page may be left.
    db.SetServiceTransponder(f.Slot(7), db.GetTransponderViewEntry(1));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QCOMPARE(f.form->PageControl()->currentIndex(), 3);
  }

  void tvRadioSwitch() {
    m_DataBase& db = f.Db();
    f.Find<QToolButton>("SB_Radio")->click();
    QVERIFY(!f.Find<QToolButton>("SB_Hd")->isEnabled());
    QCOMPARE(f.page->GridRow(), 1);
    QVERIFY(db.GetServiceViewCount() > 0);
    for (int r = 1; r <= db.GetServiceViewCount(); ++r) QCOMPARE(db.GetServiceType(f.Slot(r)), 1);
    QCOMPARE(f.page->GridModel()->rowCount(), db.GetServiceViewCount());
    QCOMPARE(Current(), f.Slot(1));
    f.Find<QToolButton>("SB_TV")->click();
    QVERIFY(f.Find<QToolButton>("SB_Hd")->isEnabled());
    QCOMPARE(db.GetServiceType(f.Slot(1)), 0);
  }

  void satelliteTerrestrialSwitch() {
    m_DataBase& db = f.Db();
    QTabWidget* pages = f.form->PageControl();
    f.Find<QToolButton>("SB_Ter")->click();
    QVERIFY(!pages->isTabVisible(6));
    QVERIFY(f.Find<QWidget>("P_TerTp_sev")->isVisible());
    QVERIFY(!f.Find<QWidget>("P_SatTp_Sev")->isVisible());
    QVERIFY(db.GetServiceViewCount() > 0);
    for (int r = 1; r <= db.GetServiceViewCount(); ++r) QCOMPARE(db.GetServiceDelivery(f.Slot(r)), 2);
    // Terrestrial services belong to no satellite, yet the page may be left.
    int row = 0;
    QCOMPARE(f.form->CheckPageBeforeLeaving(&row), 0);
    f.Find<QToolButton>("SB_Sat")->click();
    QVERIFY(pages->isTabVisible(6));
    QVERIFY(f.Find<QWidget>("P_SatTp_Sev")->isVisible());
    QCOMPARE(db.GetServiceDelivery(f.Slot(1)), 1);
  }

  void hdChannelSwitch() {
    m_DataBase& db = f.Db();
    QToolButton* hd = f.Find<QToolButton>("SB_HdEdit");
    hd->click();
    QCOMPARE(hd->text(), QString("OUT HDChannel"));
    QVERIFY(db.GetServiceViewCount() > 0);
    for (int r = 1; r <= db.GetServiceViewCount(); ++r) QVERIFY(db.IsServiceHd(f.Slot(r)));
    hd->click();
    QCOMPARE(hd->text(), QString("TO HDChannel"));
    // A service without transponder keeps the switch where it was.
    db.SetServiceTransponder(f.Slot(3), -1);
    const int count = db.GetServiceViewCount();
    hd->click();
    QCOMPARE(f.LastMessage(), QString("No select Transponder."));
    QCOMPARE(hd->text(), QString("TO HDChannel"));
    QVERIFY(!f.form->HdView());
    QCOMPARE(db.GetServiceViewCount(), count);
    QCOMPARE(f.page->GridRow(), 3);
  }

  void hdPageListsHdServices() {
    m_DataBase& db = f.Db();
    f.form->PageControl()->setCurrentIndex(2);
    QVERIFY(f.form->HdView());
    auto* list = f.Find<QListWidget>("LB_Hd");
    QCOMPARE(list->count(), db.GetServiceViewCount());
    QVERIFY(list->count() > 0);
    QCOMPARE(list->item(0)->text(),
             "1:  " + QString::fromStdString(db.GetServiceName(db.GetServiceViewEntry(1))));
    f.form->PageControl()->setCurrentIndex(0);
    QVERIFY(!f.form->HdView());
    QCOMPARE(f.page->GridModel()->rowCount(), db.GetServiceViewCount());
  }
};

QTEST_MAIN(TestServicePage)
#include "TestServicePage.moc"
