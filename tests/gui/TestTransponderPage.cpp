// The Transponder page on the demo file: grid texts, the edit bar's checks, marks and the
// commands that apply to them, adding, deleting, the satellite chooser, hiding empty
// transponders, drag-and-drop reordering and the leave check.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "PageFixture.h"
#include "ui/TransponderGridModel.h"
#include "ui/TransponderPage.h"

class TestTransponderPage : public QObject {
  Q_OBJECT
  PageFixture f;
  TransponderPage* tp = nullptr;

  m_DataBase& Db() { return f.Db(); }
  TransponderGridModel* Model() { return tp->GridModel(); }
  int Slot(int row) { return Model()->TransponderAtRow(row); }
  int Selected() { return Db().GetSelectedTransponder(); }
  QString Cell(int row, int column) { return Model()->CellText(row, column); }
  QAction* Action(const char* name) { return f.Find<QAction>(name); }

  QPoint CellPoint(int row, int column) {
    const QModelIndex at = Model()->index(row - 1, column);
    tp->Grid()->scrollTo(at);
    return tp->Grid()->visualRect(at).center();
  }
  void Click(int row, int column, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(tp->Grid()->viewport(), Qt::LeftButton, mods, CellPoint(row, column));
  }
  void DoubleClick(int row, int column) {
    QTest::mouseDClick(tp->Grid()->viewport(), Qt::LeftButton, {}, CellPoint(row, column));
  }
  void Trigger(const char* menu, const QString& caption) {
    for (QAction* a : f.Find<QMenu>(menu)->actions())
      if (a->text() == caption) return a->trigger();
    QFAIL(qPrintable(QString("no item %1").arg(caption)));
  }
  // Types over the whole text of an edit, one key at a time.
  void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  // The satellite-view position of the first satellite without transponders.
  int EmptySatellitePosition() {
    for (int p = 1; p <= Db().GetSatelliteViewCount(); ++p)
      if (Db().GetSatelliteTransponderCount(Db().GetSatelliteViewEntry(p)) == 0) return p;
    return -1;
  }
  // Satellite services of one type on a transponder.
  int ServicesOn(int t, int type) {
    int n = 0;
    for (int s = 0; s < dblayout::kServiceCount; ++s)
      n += Db().IsServiceUsed(s) && Db().GetServiceTransponder(s) == t && Db().GetServiceType(s) == type &&
           Db().GetServiceDelivery(s) == DELIVERY_SATELLITE;
    return n;
  }
  std::vector<int> Numbers() {
    std::vector<int> n;
    for (int r = 1; r <= Db().GetTransponderViewCount(); ++r) n.push_back(Db().GetTransponderNumber(Slot(r)));
    return n;
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() {
    f.OpenWindow();
    tp = &f.frame->Transponder();
    f.frame->GoTo(TransponderPage::kTab);
    QCOMPARE(f.form->PageCode(), 4);
  }
  void cleanup() { f.CloseWindow(); }

  void entryShowsTheSelectedSatellitesTransponders() {
    m_DataBase& db = Db();
    const int sat = db.GetSelectedSatellite();
    QVERIFY(db.GetTransponderViewCount() >= 20);
    QCOMPARE(Model()->rowCount(), db.GetTransponderViewCount());
    QCOMPARE(Model()->columnCount(), 6);
    QCOMPARE(Model()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Antenna Index"));
    // The current service's transponder is selected and its row is the grid row.
    const int t = db.GetServiceTransponder(db.GetCurrentService());
    QCOMPARE(Selected(), t);
    QCOMPARE(Slot(tp->GridRow()), t);
    QCOMPARE(Cell(3, 0), QString("3"));
    QCOMPARE(Cell(3, 5), QString::number(sat + 1));
    QCOMPARE(f.Find<QToolButton>("TB_TpAnt")->text(), QString::fromStdString(db.GetAntennaLabel(sat)));
    QCOMPARE(f.Find<QLineEdit>("E_SatTpFre")->text(),
             QString::fromStdString(db.GetTransponderFrequencyText(t)));
    QCOMPARE(f.Find<QToolButton>("SB_TpFEC")->text(), QString::fromStdString(db.GetTransponderFecText(t)));
    // Its services, numbered from 1.
    auto* list = f.Find<QListWidget>("LB_SatTpSer");
    QCOMPARE(list->count(), ServicesOn(t, 0));
    QVERIFY(list->item(0)->text().startsWith("1:  "));
    QCOMPARE(db.GetViewMode(), int(VIEW_TRANSPONDER));
    QVERIFY(!f.form->Document().dataModified);
  }

  void numberEditsCheckEveryKeyAndRestoreTheStoredValue() {
    m_DataBase& db = Db();
    Click(3, 1);
    const int t = Selected();
    QCOMPARE(t, Slot(3));
    QLineEdit* fre = f.Find<QLineEdit>("E_SatTpFre");
    QLineEdit* sym = f.Find<QLineEdit>("E_SatTpSys");
    // Small numbers are shown with leading zeros, five digits each; the row keeps its place.
    TypeOver(fre, "10");
    TypeOver(sym, "950");
    QCOMPARE(Cell(3, 1), QString("00010"));
    QCOMPARE(Cell(3, 3), QString("00950"));
    QCOMPARE(Cell(3, 0), QString("3"));
    QCOMPARE(Cell(3, 5), QString::number(db.GetTransponderSatellite(t) + 1));
    QCOMPARE(fre->text(), QString("10"));
    QVERIFY(f.form->Document().dataModified);
    QCOMPARE(f.MessageCount(), size_t(0));
    // 1275 is stored on the way; the fifth digit makes 12751 and is refused.
    TypeOver(fre, "12751");
    QCOMPARE(f.LastMessage(), QString("Transponder Frequency is Invalid."));
    QCOMPARE(fre->text(), QString("1275"));
    QCOMPARE(db.GetTransponderFrequency(t), 1275);
    TypeOver(sym, "45001");
    QCOMPARE(f.LastMessage(), QString("Transponder Symbolrate is Invalid."));
    QCOMPARE(sym->text(), QString("4500"));
    // Erasing the last digit is invalid too.
    fre->selectAll();
    QTest::keyClick(fre, Qt::Key_Backspace);
    QCOMPARE(fre->text(), QString("1275"));
    QCOMPARE(f.MessageCount(), size_t(3));
  }

  void keysThatTypeNothingChangeNothing() {
    QLineEdit* fre = f.Find<QLineEdit>("E_SatTpFre");
    fre->setFocus();
    QTest::keyClick(fre, Qt::Key_End);
    QTest::keyClick(fre, Qt::Key_Left);
    QVERIFY(!f.form->Document().dataModified);
    QCOMPARE(f.MessageCount(), size_t(0));
  }

  void modulationBoxTakesChoicesOnly() {
    m_DataBase& db = Db();
    auto* mod = f.Find<QComboBox>("CB_SatTpMod");
    const int t = Selected();
    QTest::keyClick(mod, Qt::Key_A);
    QCOMPARE(f.LastMessage(), QString("Coulden't input anything here!!"));
    QVERIFY(!f.form->Document().dataModified);
    tp->CB_SatTpModSelect(1);
    QCOMPARE(QString::fromStdString(db.GetTransponderModulationText(t)), QString("S2"));
    QCOMPARE(mod->currentIndex(), 1);
    QVERIFY(f.form->Document().dataModified);
  }

  void fecAndPolarityApplyToTheMarkedTransponders() {
    m_DataBase& db = Db();
    // Marks by double click in "TP.NO"; the selected transponder (row 1) stays unmarked.
    DoubleClick(2, 0);
    DoubleClick(4, 0);
    Click(1, 1);
    QCOMPARE(Selected(), Slot(1));
    QVERIFY(db.IsTransponderMarked(Slot(2)) && db.IsTransponderMarked(Slot(4)));
    const int fec1 = db.GetTransponderFec(Slot(1));
    const int pol1 = db.GetTransponderPolarity(Slot(1));
    Trigger("PM_SatTpFEC", "3/4");
    Trigger("PM_SatTpPol", pol1 == 1 ? "Horizontal" : "Vertical");
    for (int row : {2, 4}) {
      QCOMPARE(Cell(row, 4), QString("3/4"));
      QCOMPARE(db.GetTransponderPolarity(Slot(row)), pol1 == 1 ? 0 : 1);
    }
    QCOMPARE(db.GetTransponderFec(Slot(1)), fec1);
    QCOMPARE(db.GetTransponderPolarity(Slot(1)), pol1);
    // Without marks the selected transponder takes the change.
    Action("PM_SatTpUnAll")->trigger();
    Trigger("PM_SatTpFEC", "7/8");
    QCOMPARE(db.GetTransponderFec(Slot(1)), 6);
    QCOMPARE(f.Find<QToolButton>("SB_TpFEC")->text(), QString("7/8"));
    QCOMPARE(db.GetTransponderFec(Slot(2)), 3);
  }

  void rangeInTheNumberColumnInvertsMarks() {
    m_DataBase& db = Db();
    DoubleClick(3, 0);  // row 3 marked beforehand: the range inverts it back
    Click(2, 0);
    Click(5, 0, Qt::ShiftModifier);
    QCOMPARE(tp->LastMouseColumn(), 0);
    std::vector<bool> marks;
    for (int r = 1; r <= 6; ++r) marks.push_back(db.IsTransponderMarked(Slot(r)));
    QCOMPARE(marks, (std::vector<bool>{false, true, false, true, true, false}));
    // "Select Antenna" marks the whole satellite; "Select Others" inverts.
    Action("PM_SatTpAnt")->trigger();
    QCOMPARE(db.CountMarkedTransponders(), db.GetTransponderViewCount());
    Action("PM_SatTpOth")->trigger();
    QCOMPARE(db.CountMarkedTransponders(), 0);
    QVERIFY(!f.form->Document().dataModified);
  }

  void addingTakesTheRowsPlaceAndRenumbers() {
    m_DataBase& db = Db();
    Click(3, 1);
    const std::vector<int> before = {Slot(3), Slot(4), Slot(5)};
    const int count = db.GetTransponderViewCount();
    Action("PM_SatTpAddTp")->trigger();
    const int added = Selected();
    QCOMPARE(db.GetTransponderViewCount(), count + 1);
    QCOMPARE(Slot(3), added);
    QCOMPARE(tp->GridRow(), 3);
    QCOMPARE(db.GetTransponderNumber(added), 3);
    for (int i = 0; i < 3; ++i) QCOMPARE(db.GetTransponderNumber(before[static_cast<size_t>(i)]), 4 + i);
    QCOMPARE(Cell(3, 1), QString("04000"));
    QCOMPARE(Cell(3, 3), QString("28125"));
    QCOMPARE(Cell(3, 2), QString("H"));
    QCOMPARE(Cell(3, 4), QString("Auto"));
    QCOMPARE(Model()->rowCount(), count + 1);
    QVERIFY(f.form->Document().dataModified);
  }

  void deletingAsksAndRemovesTheServices() {
    m_DataBase& db = Db();
    int row = 1;
    while (db.CountTransponderServices(Slot(row)) == 0) ++row;
    Click(row, 1);
    const int t = Selected();
    const int services = db.CountTransponderServices(t);
    const int count = db.GetTransponderViewCount();
    // No: nothing changes.
    f.dialogs->answers = {Answer::No};
    Action("PM_SatTpDelTp")->trigger();
    QVERIFY(f.LastMessage().startsWith("Be careful: all information and all services belonging"));
    QVERIFY(f.LastMessage().endsWith("are you sure to execute it?"));
    QVERIFY(db.IsTransponderUsed(t));
    QVERIFY(!f.form->Document().dataModified);
    // Yes: the transponder and its services are gone; the numbers close up; the row stays.
    f.dialogs->answers = {Answer::Yes};
    Action("PM_SatTpDelTp")->trigger();
    QVERIFY(!db.IsTransponderUsed(t));
    QCOMPARE(db.CountTransponderServices(t), 0);
    QVERIFY(services > 0);
    QCOMPARE(db.GetTransponderViewCount(), count - 1);
    std::vector<int> expected(static_cast<size_t>(count - 1));
    for (int i = 0; i < count - 1; ++i) expected[static_cast<size_t>(i)] = i + 1;
    QCOMPARE(Numbers(), expected);
    QCOMPARE(tp->GridRow(), row);
    QCOMPARE(Selected(), Slot(row));
    QVERIFY(f.form->Document().dataModified);
  }

  void emptySatelliteGetsADefaultTransponderBackAfterDeletingItsLast() {
    m_DataBase& db = Db();
    const int p = EmptySatellitePosition();
    QVERIFY(p > 0);
    tp->PM_SatTpSatListClick(p);
    QCOMPARE(db.GetSelectedSatellite(), db.GetSatelliteViewEntry(p));
    QCOMPARE(Model()->rowCount(), 1);
    QCOMPARE(Cell(1, 0), QString());
    Action("PM_SatTpAddTp")->trigger();
    QCOMPARE(db.GetTransponderViewCount(), 1);
    QCOMPARE(Cell(1, 5), QString::number(db.GetSelectedSatellite() + 1));
    tp->SetGridRow(1);
    const int first = Selected();
    db.SetTransponderFrequency(first, "11000");
    f.dialogs->answers = {Answer::Yes};
    Action("PM_SatTpDelTp")->trigger();
    QCOMPARE(db.GetTransponderViewCount(), 1);
    QCOMPARE(db.GetSatelliteTransponderCount(db.GetSelectedSatellite()), 1);
    QCOMPARE(Cell(1, 1), QString("04000"));
    QCOMPARE(Selected(), Slot(1));
  }

  void aSatelliteTakesAtMost300Transponders() {
    m_DataBase& db = Db();
    const int sat = db.GetSelectedSatellite();
    while (db.GetSatelliteTransponderCount(sat) < 300) QVERIFY(db.AddTransponder(1) >= 0);
    tp->RefreshTransponderPage();
    Action("PM_SatTpAddTp")->trigger();
    QCOMPARE(f.LastMessage(), QString("Transponder table is full!"));
    QCOMPARE(db.GetSatelliteTransponderCount(sat), 300);
    QCOMPARE(Model()->rowCount(), 300);
  }

  void hidingEmptyTranspondersTogglesTheCaption() {
    m_DataBase& db = Db();
    tp->PM_SatTpSatListClick(EmptySatellitePosition());
    Action("PM_SatTpAddTp")->trigger();
    Action("PM_SatTpAddTp")->trigger();
    QAction* hide = Action("PM_SatTpHide");
    QCOMPARE(hide->text(), QString("Hide all empty transponders"));
    hide->trigger();
    QCOMPARE(hide->text(), QString("Show all transponders"));
    QCOMPARE(db.GetTransponderViewCount(), 0);
    QCOMPARE(Model()->rowCount(), 1);
    QCOMPARE(Cell(1, 0), QString());
    hide->trigger();
    QCOMPARE(hide->text(), QString("Hide all empty transponders"));
    QCOMPARE(Model()->rowCount(), 2);
  }

  void draggingRow5OntoRow2LeavesItOnRow2() {
    m_DataBase& db = Db();
    const std::vector<int> old = {Slot(1), Slot(2), Slot(3), Slot(4), Slot(5), Slot(6)};
    tp->XSG_TpMouseDown(1, 5);
    tp->XSG_TpDragDrop(2);
    QCOMPARE(Slot(2), old[4]);
    QCOMPARE((std::vector<int>{Slot(1), Slot(3), Slot(4), Slot(5), Slot(6)}),
             (std::vector<int>{old[0], old[1], old[2], old[3], old[5]}));
    QCOMPARE(db.GetTransponderNumber(old[4]), 2);
    QCOMPARE(tp->GridRow(), 2);
    QVERIFY(f.form->Document().dataModified);
    // Marked transponders move as a block behind the drop row.
    DoubleClick(1, 0);
    DoubleClick(3, 0);
    const int a = Slot(1), b = Slot(3);
    tp->XSG_TpMouseDown(1, 1);
    tp->XSG_TpDragDrop(5);
    QCOMPARE((std::vector<int>{Slot(4), Slot(5)}), (std::vector<int>{a, b}));
  }

  void contextMenuDescribesTheTransponderUnderTheMouse() {
    m_DataBase& db = Db();
    db.SetTransponderPolarity(Slot(2), 1);
    db.SetTransponderFec(Slot(2), 2);
    tp->XSG_TpMouseDown(1, 2);
    tp->PM_SatTpRightPopup();
    QCOMPARE(Action("PM_TpPol")->text(), QString("Polarity:    Vertical"));
    QCOMPARE(Action("PM_TpFEC")->text(), QString("FEC:    2/3"));
    QVERIFY(Action("PM_SatTpAnt")->isVisible());
  }

  void terrestrialTransponders() {
    m_DataBase& db = Db();
    f.Find<QToolButton>("SB_Ter")->click();
    QVERIFY(db.GetTransponderViewCount() > 0);
    QCOMPARE(Model()->columnCount(), 4);
    QVERIFY(f.Find<QWidget>("TB_TerTp")->isVisibleTo(tp));
    QVERIFY(!f.Find<QWidget>("TB_SatTp")->isVisibleTo(tp));
    Click(1, 1);
    const int t = Selected();
    // The frequency is entered and shown in kHz; the grid shows MHz.
    QLineEdit* fre = f.Find<QLineEdit>("E_TerTpFre");
    QCOMPARE(fre->text(), QString::number(db.GetTerTransponderFrequency(t)));
    TypeOver(fre, "474000");
    QCOMPARE(db.GetTerTransponderFrequency(t), 474000);
    QCOMPARE(Cell(1, 2), QString("474.0  MHz"));
    QCOMPARE(fre->text(), QString("474000"));
    QLineEdit* ch = f.Find<QLineEdit>("E_TerTpChNo");
    TypeOver(ch, "256");
    QCOMPARE(f.LastMessage(), QString("Transponder Channel NO is Invalid."));
    QCOMPARE(ch->text(), QString("25"));
    QCOMPARE(Cell(1, 1), QString("25"));
    Trigger("PM_TerTpBW", "8 MHz");
    QCOMPARE(Cell(1, 3), QString("8 MHz"));
    QCOMPARE(f.Find<QToolButton>("SB_TerTpBW")->text(), QString("8 MHz"));
    tp->XSG_TpMouseDown(1, 1);
    tp->PM_SatTpRightPopup();
    QCOMPARE(Action("PM_TpPol")->text(), QString("Band Width:  [8 MHz]"));
    QCOMPARE(Action("PM_TpFEC")->text(), QString("Frequency:  [474.0] MHz"));
    QVERIFY(!Action("PM_SatTpAnt")->isVisible());
  }

  void satelliteChooserListsTheSatelliteView() {
    m_DataBase& db = Db();
    tp->TB_TpAntClick();
    QMenu* list = tp->SatelliteMenu();
    QCOMPARE(list->actions().size(), db.GetSatelliteViewCount());
    list->close();
    const int other = db.GetSelectedSatellite() == db.GetSatelliteViewEntry(2) ? 1 : 2;
    list->actions().at(other - 1)->trigger();
    const int sat = db.GetSatelliteViewEntry(other);
    QCOMPARE(db.GetSelectedSatellite(), sat);
    QCOMPARE(Selected(), Slot(1));
    QCOMPARE(tp->GridRow(), 1);
    QCOMPARE(Model()->rowCount(), db.GetSatelliteTransponderCount(sat));
    QCOMPARE(f.Find<QToolButton>("TB_TpAnt")->text(), QString::fromStdString(db.GetAntennaLabel(sat)));
  }

  void leavingWithATransponderWithoutSatelliteSelectsItsRow() {
    m_DataBase& db = Db();
    tp->SetGridRow(1);
    db.SetTransponderSatellite(Slot(3), 0xFF);  // a damaged record in the shown list
    QTabBar* bar = f.form->PageControl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(f.form->PageControl()->currentIndex(), TransponderPage::kTab);
    QCOMPARE(f.LastMessage(), QString("No select Antenna."));
    QCOMPARE(tp->GridRow(), 3);
    QVERIFY(tp->Grid()->hasFocus() || !tp->isActiveWindow());
  }

  void listSwitchRefillsTheServiceList() {
    f.Find<QToolButton>("SB_Radio")->click();
    QCOMPARE(f.Find<QListWidget>("LB_SatTpSer")->count(), ServicesOn(Selected(), 1));
  }
};

QTEST_MAIN(TestTransponderPage)
#include "TestTransponderPage.moc"
