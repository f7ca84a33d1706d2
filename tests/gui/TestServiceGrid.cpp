// The service grid's mouse handling through the real window: drag and drop, marks, Cut and
// Paste, flag and favorite columns, sorting by head, and the search and move-to dialogs.
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "PageFixture.h"
#include "ui/FormFind.h"
#include "ui/FormMove.h"
#include "ui/ServiceGridDelegate.h"
#include "ui/ServiceIcons.h"

class TestServiceGrid : public QObject {
  Q_OBJECT
  PageFixture f;

  // Runs `step` once the modal dialog `dialog` is up.
  void WhenShown(QWidget* dialog, std::function<void()> step) {
    QTimer::singleShot(0, dialog, [dialog, step] {
      QTRY_VERIFY(dialog->isVisible());
      step();
    });
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void dragRow3OntoRow7AndBack() {
    const std::vector<int> before = f.Rows(1, 10);
    f.ClickCell(3, 0);
    f.page->XSG_ServiceDragDrop(7);
    QVERIFY(f.form->Document().dataModified);
    // The dragged service ends on row 7, rows 4 to 7 move up by one.
    QCOMPARE(f.Rows(1, 10), (std::vector<int>{before[0], before[1], before[3], before[4], before[5],
                                              before[6], before[2], before[7], before[8], before[9]}));
    QCOMPARE(f.page->GridRow(), 7);
    f.ClickCell(7, 0);
    f.page->XSG_ServiceDragDrop(3);
    QCOMPARE(f.Rows(1, 10), before);
    // A drop on its own row or on the head row changes nothing.
    f.ClickCell(5, 0);
    f.page->XSG_ServiceDragDrop(5);
    f.page->XSG_ServiceDragDrop(0);
    QCOMPARE(f.Rows(1, 10), before);
  }

  void marksCutAndPaste() {
    m_DataBase& db = f.Db();
    const std::vector<int> before = f.Rows(1, 12);
    // A double click in column 3 marks nothing; in the Name column it marks the row.
    f.DoubleClickCell(4, 3);
    QCOMPARE(db.CountMarkedServices(), 0);
    f.DoubleClickCell(2, 1);
    f.DoubleClickCell(5, 1);
    QVERIFY(db.IsServiceMarked(before[1]) && db.IsServiceMarked(before[4]));
    QCOMPARE(db.CountMarkedServices(), 2);
    const ServiceCellStyle marked = f.page->GridDelegate()->StyleOf(2, false, f.Grid()->palette());
    QCOMPARE(marked.text, QColor(0, 255, 0));
    QVERIFY(marked.emphasised);

    f.Find<QToolButton>("TB_Cut")->click();
    QVERIFY(f.form->Document().cutPending);
    QVERIFY(f.Find<QToolButton>("TB_Paste")->isEnabled());
    QCOMPARE(f.page->GridDelegate()->StyleOf(2, false, f.Grid()->palette()).brush, QColor(192, 192, 192));
    f.ClickCell(9, 0);
    f.Find<QToolButton>("TB_Paste")->click();
    // The two services follow the one that was on row 9, in their order.
    const int anchor = db.FindServiceViewPosition(before[8]);
    QCOMPARE(db.FindServiceViewPosition(before[1]), anchor + 1);
    QCOMPARE(db.FindServiceViewPosition(before[4]), anchor + 2);
    QCOMPARE(f.page->GridRow(), 9);
    QVERIFY(!f.form->Document().cutPending);
    QVERIFY(!f.Find<QToolButton>("TB_Paste")->isEnabled());
    QVERIFY(db.IsServiceMarked(before[1]));  // the marks stay
  }

  void unmarkingTheLastCutServiceEndsTheCut() {
    m_DataBase& db = f.Db();
    f.ClickCell(4, 0);
    f.Find<QToolButton>("TB_Cut")->click();  // nothing marked: the current service is cut
    QCOMPARE(db.CountMarkedServices(), 1);
    QVERIFY(db.IsServiceMarked(f.Slot(4)));
    f.DoubleClickCell(4, 1);
    QCOMPARE(db.CountMarkedServices(), 0);
    QVERIFY(!f.form->Document().cutPending);
    QVERIFY(!f.Find<QToolButton>("TB_Paste")->isEnabled());
  }

  void flagPicturesRender() {
    for (ServiceIcon icon :
         {ServiceIcon::Lock, ServiceIcon::Skip, ServiceIcon::Scrambled, ServiceIcon::Hd, ServiceIcon::Tick}) {
      const QImage image = ServiceIconPixmap(icon).toImage().convertToFormat(QImage::Format_ARGB32);
      QVERIFY(!image.isNull());
      int inked = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
      QVERIFY(inked > 16);
    }
  }

  void lockColumnTogglesAndPaintsTheIcon() {
    m_DataBase& db = f.Db();
    int row = 1;
    while (db.IsServiceLocked(f.Slot(row))) ++row;
    const QRect cell = f.Grid()->visualRect(f.page->GridModel()->index(row - 1, 12));
    const QImage unlocked = f.Grid()->viewport()->grab(cell).toImage();
    f.ClickCell(row, 12);
    QVERIFY(db.IsServiceLocked(f.Slot(row)));
    QVERIFY(f.form->Document().dataModified);
    f.ClickCell(row, 0);  // move the selected row away so only the icon differs
    f.ClickCell(row == 1 ? 2 : 1, 0);
    QVERIFY(f.Grid()->viewport()->grab(cell).toImage() != unlocked);
    f.ClickCell(row, 12);
    QVERIFY(!db.IsServiceLocked(f.Slot(row)));
  }

  void favoriteEditColumnTogglesGroupZero() {
    m_DataBase& db = f.Db();
    f.Find<QToolButton>("SB_FavEdit")->click();
    QCOMPARE(f.page->GridModel()->columnCount(), 34);
    QVERIFY(f.Find<QWidget>("TB_Service3")->isVisible());
    QVERIFY(f.Find<QLineEdit>("E_SerName")->isReadOnly());
    int row = 1;
    while (db.GetServiceFavoriteMask(f.Slot(row)) & 1u) ++row;
    const int s = f.Slot(row);
    const int count = db.GetFavoriteGroupCount(0);
    f.ClickCell(row, 2);
    QVERIFY(db.GetServiceFavoriteMask(s) & 1u);
    QCOMPARE(db.GetFavoriteGroupCount(0), count + 1);
    QVERIFY(f.Find<QToolButton>("SB_Fav1")->isChecked());
    f.ClickCell(row, 2);
    QVERIFY(!(db.GetServiceFavoriteMask(s) & 1u));
    QCOMPARE(db.GetFavoriteGroupCount(0), count);
    f.Find<QToolButton>("SB_FavEdit")->click();
    QCOMPARE(f.page->GridModel()->columnCount(), 20);
  }

  void contextMenuFavoriteTogglesEachServiceOnce() {
    m_DataBase& db = f.Db();
    int row = 1;
    while (db.GetServiceFavoriteMask(f.Slot(row)) & 2u) ++row;
    const int s = f.Slot(row);
    f.ClickCell(row, 0);
    f.DoubleClickCell(row, 1);  // the current service is also the one marked service
    QCOMPARE(db.CountMarkedServices(), 1);
    f.page->TB_Fav1Click(1);
    QVERIFY(db.GetServiceFavoriteMask(s) & 2u);
    // With two marked services both join, and the current one only once.
    int other = row + 1;
    while (db.GetServiceFavoriteMask(f.Slot(other)) & 2u) ++other;
    f.DoubleClickCell(other, 1);
    f.page->TB_Fav1Click(1);  // toggles both: s leaves, the other joins
    QVERIFY(!(db.GetServiceFavoriteMask(s) & 2u));
    QVERIFY(db.GetServiceFavoriteMask(f.Slot(other)) & 2u);
  }

  void contextMenuFavoriteRefusesAFullGroup() {
    m_DataBase& db = f.Db();
    // Fill group 0 to its 200 services.
    for (int r = 1; r <= db.GetServiceViewCount() && db.GetFavoriteGroupCount(0) < 200; ++r)
      if (!(db.GetServiceFavoriteMask(f.Slot(r)) & 1u)) db.ToggleServiceFavorite(f.Slot(r), 1u);
    QCOMPARE(db.GetFavoriteGroupCount(0), 200);
    f.page->TB_Fav1Click(0);
    QCOMPARE(f.LastMessage(), QString("Current favorite table is full!"));
    QCOMPARE(db.GetFavoriteGroupCount(0), 200);
    QVERIFY(!f.form->Document().dataModified);
  }

  void contextMenuCaptionsFollowTheRow() {
    m_DataBase& db = f.Db();
    f.ClickCell(6, 12);  // locks the service on row 6
    const int s = f.Slot(6);
    QVERIFY(db.IsServiceLocked(s));
    f.page->PM_ServiceRightPopup();
    auto caption = [&](const char* name) { return f.form->findChild<QAction*>(name)->text(); };
    QCOMPARE(caption("PM_SerLocked"), QString("YES   Locked"));
    QCOMPARE(caption("PM_SerSkip"), db.IsServiceSkipped(s) ? QString("YES   Skip") : QString("NO    Skip"));
    QCOMPARE(caption("PM_SerScr"), db.IsServiceScrambled(s) ? QString("Scrambled") : QString("Free"));
    QVERIFY(!f.form->findChild<QAction*>("PM_SerPaste")->isEnabled());
    const QString group = QString::fromStdString(db.GetFavoriteGroupName(0));
    QCOMPARE(caption("PM_Fav1"), ((db.GetServiceFavoriteMask(s) & 1u) ? "YES    " : "NO     ") + group);
  }

  void addAndDeleteServiceKeepTheRow() {
    m_DataBase& db = f.Db();
    const int count = db.GetServiceViewCount();
    const int below = f.Slot(4);
    f.ClickCell(4, 0);
    f.form->findChild<QAction*>("PM_SerAddService")->trigger();
    QCOMPARE(db.GetServiceViewCount(), count + 1);
    QCOMPARE(f.page->GridRow(), 4);
    QCOMPARE(f.Slot(5), below);
    QCOMPARE(f.Find<QLineEdit>("E_SerName")->text(), QString("New Service"));
    QVERIFY(f.form->Document().dataModified);
    // Deleting asks first; only Yes deletes.
    f.dialogs->answers.push_back(Answer::Cancel);
    f.form->findChild<QAction*>("PM_SerDeleteService")->trigger();
    QCOMPARE(db.GetServiceViewCount(), count + 1);
    f.dialogs->answers.push_back(Answer::Yes);
    f.form->findChild<QAction*>("PM_SerDeleteService")->trigger();
    QVERIFY(f.LastMessage().startsWith("Be careful: all information of the service"));
    QCOMPARE(db.GetServiceViewCount(), count);
    QCOMPARE(f.page->GridRow(), 4);
    QCOMPARE(db.GetCurrentService(), below);
  }

  void sortByHeadAlternates() {
    m_DataBase& db = f.Db();
    const int count = db.GetServiceViewCount();
    const std::vector<int> original = f.Rows(1, count);
    auto nameOrder = [&] { return db.CompareServices(f.Slot(1), f.Slot(count), SORT_NAME); };
    const int current = db.GetCurrentService();
    f.ClickHead(1);
    const std::vector<int> ascending = f.Rows(1, count);
    QCOMPARE(f.form->SortMode(), int(SORT_NAME));
    QVERIFY(nameOrder() < 0);
    QVERIFY(!f.Find<QToolButton>("TB_Cut")->isEnabled());
    QVERIFY(!f.form->findChild<QAction*>("Moveto1")->isEnabled());
    QCOMPARE(f.page->GridRow(), db.FindServiceViewPosition(current));
    f.ClickHead(1);
    QVERIFY(nameOrder() > 0);
    f.ClickHead(1);
    QCOMPARE(f.Rows(1, count), ascending);
    // Other heads keep their own direction: provider starts ascending.
    f.ClickHead(2);
    QCOMPARE(f.form->SortMode(), int(SORT_PROVIDER));
    QVERIFY(db.CompareServices(f.Slot(1), f.Slot(count), SORT_PROVIDER) <= 0);
    f.ClickHead(0);
    QCOMPARE(f.Rows(1, count), original);
    QVERIFY(f.Find<QToolButton>("TB_Cut")->isEnabled());
    QVERIFY(f.form->findChild<QAction*>("Moveto1")->isEnabled());
  }

  void searchKeepsPrefixesAndCancelRestores() {
    m_DataBase& db = f.Db();
    const std::vector<int> before = f.Rows(1, db.GetServiceViewCount());
    const int wanted = f.Slot(12);
    const QString prefix = QString::fromStdString(db.GetServiceName(wanted)).left(3).toLower();
    FormFind* find = f.page->FindForm();
    int shown = 0;
    bool allMatch = true;
    WhenShown(find, [&] {
      find->findChild<QLineEdit*>("E_ProgName")->setText(prefix);
      shown = db.GetServiceViewCount();
      for (int p = 1; p <= shown; ++p)
        allMatch &=
            QString::fromStdString(db.GetServiceName(db.GetServiceViewEntry(p))).toLower().startsWith(prefix);
      find->findChild<QPushButton*>("SB_Close")->click();
    });
    f.Find<QToolButton>("TB_Find")->click();
    QVERIFY(shown >= 1 && shown < static_cast<int>(before.size()));
    QVERIFY(allMatch);
    QCOMPARE(find->Result(), -1);
    QCOMPARE(f.Rows(1, db.GetServiceViewCount()), before);

    // "Find" with the wanted service's row selected makes it current.
    const QString name = QString::fromStdString(db.GetServiceName(wanted));
    WhenShown(find, [&] {
      find->findChild<QLineEdit*>("E_ProgName")->setText(name);
      auto* results = find->findChild<QTableView*>("XSG_FindSer");
      for (int r = 0; r < results->model()->rowCount(); ++r)
        if (results->model()->index(r, 0).data().toInt() == wanted + 1) results->selectRow(r);
      find->findChild<QPushButton*>("SB_Find")->click();
    });
    f.Find<QToolButton>("TB_Find")->click();
    QCOMPARE(find->Result(), wanted);
    QCOMPARE(db.GetCurrentService(), wanted);
    QCOMPARE(f.page->GridRow(), 12);
    QCOMPARE(f.Rows(1, db.GetServiceViewCount()), before);
  }

  void moveToRefusesOutsideTheView() {
    m_DataBase& db = f.Db();
    const int count = db.GetServiceViewCount();
    const int moved = f.Slot(5);
    f.ClickCell(5, 0);
    FormMove* move = f.page->MoveForm();
    const QString area = QString("(area: 1 ~ %1)").arg(count);
    QStringList notices;
    WhenShown(move, [&] {
      auto* box = move->findChild<QLineEdit*>("E_Move");
      auto* go = move->findChild<QPushButton*>("SB_OK");
      for (const QString& text : {QString("0"), QString::number(count + 1), QString()}) {
        box->setText(text);
        go->click();
        notices << f.LastMessage();
        QVERIFY(move->isVisible());
        QVERIFY(box->text().isEmpty());
      }
      box->setText("2");
      go->click();
    });
    f.form->findChild<QAction*>("Moveto1")->trigger();
    QCOMPARE(notices.size(), 3);
    for (const QString& notice : notices) QCOMPARE(notice, "Invalid data.\n\n" + area);
    QCOMPARE(f.Slot(2), moved);
    QCOMPARE(f.page->GridRow(), 2);
    QVERIFY(f.form->Document().dataModified);
  }
};

QTEST_MAIN(TestServiceGrid)
#include "TestServiceGrid.moc"
