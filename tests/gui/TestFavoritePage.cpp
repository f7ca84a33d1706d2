// The Favorite page through the real window on the demo file: paging through the 32 groups,
// drag and drop into a group and inside it, the full group, names, taking a service out, and
// the language-service form of a file without favorite groups.
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "PageFixture.h"
#include "app/DocumentIO.h"
#include "files/Bytes.h"
#include "ui/FavoriteGrid.h"
#include "ui/FavoritePage.h"

namespace {
// The slots of a group that the page lists: TV services of satellite delivery, in group order.
std::vector<int> ListedMembers(m_DataBase& db, int group) {
  std::vector<int> found;
  for (int i = 0; i < db.GetFavoriteGroupCount(group); ++i) {
    const int s = db.GetFavoriteGroupEntry(group, i);
    if (db.GetServiceType(s) == 0 && db.GetServiceDelivery(s) == DELIVERY_SATELLITE) found.push_back(s);
  }
  return found;
}
}  // namespace

class TestFavoritePage : public QObject {
  Q_OBJECT
  PageFixture f;

  FavoritePage& Page() { return f.frame->Favorite(); }
  FavoriteGridView* List() { return Page().ServiceList(); }
  FavoriteGridView* Group(int tag) { return Page().GroupGrid(tag); }
  QToolButton* Next() { return f.Find<QToolButton>("SB_NextPage"); }
  void Enter() { f.form->PageControl()->setCurrentIndex(FavoritePage::kFavoriteTab); }

  void Click(FavoriteGridView* grid, int row, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellCenter(row, column));
  }
  void MarkRow(FavoriteGridView* grid, int row) {
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->CellCenter(row, 0));
  }
  // Sends a drag from the grid named `source` over `target` and drops it on `row`; returns
  // whether the target accepted the drag.
  bool Drop(FavoriteGridView* target, const QString& source, int row) {
    QMimeData mime;
    mime.setData(FavoriteGridView::kSourceMime, source.toUtf8());
    const QPoint at = target->CellCenter(row, 1);
    QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target->viewport(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target->viewport(), &drop);
    return true;
  }
  // Drags the service on `row` of the service list into the grid with `tag`.
  void DragFromList(int row, int tag) {
    Click(List(), row, 1);
    QTest::mouseMove(List()->viewport(), List()->CellCenter(row, 1));
    QVERIFY(Drop(Group(tag), "XSG_FavSer", 1));
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void pagingShowsTheGroupsFourAtATime() {
    m_DataBase& db = f.Db();
    for (int g = 28; g < 32; ++g) db.SetFavoriteGroupName(1u << g, "Last " + std::to_string(g));
    Enter();
    QCOMPARE(f.form->PageCode(), 1);
    QCOMPARE(Next()->text(), QString("Next Page (1/8)"));
    QCOMPARE(f.form->statusBar()->currentMessage(), QString("Use Drag&Drop to set the favorite."));
    QCOMPARE(List()->GridModel()->ServiceCount(), [&] {
      db.SetViewMode(VIEW_ALL);
      db.BuildServiceView();
      return db.GetServiceViewCount();
    }());
    for (int tag = 1; tag <= 4; ++tag) {
      QCOMPARE(Page().NameEdit(tag)->text(), QString::fromStdString(db.GetFavoriteGroupName(tag - 1)));
      QCOMPARE(Group(tag)->GridModel()->Services(), ListedMembers(db, tag - 1));
    }
    QVERIFY(!Page().NameEdit(1)->text().isEmpty());
    QCOMPARE(Group(1)->GridModel()->CellText(2, 0), QString("2"));
    for (int press = 2; press <= 7; ++press) {
      Next()->click();
      QCOMPARE(Next()->text(), QString("Next Page (%1/8)").arg(press));
    }
    Next()->click();
    QCOMPARE(Next()->text(), QString("Previous Page (8/8)"));
    for (int tag = 1; tag <= 4; ++tag)
      QCOMPARE(Page().NameEdit(tag)->text(), QString("Last %1").arg(27 + tag));
    Next()->click();
    QCOMPARE(Next()->text(), QString("Next Page (1/8)"));
    QCOMPARE(Page().NameEdit(1)->text(), QString::fromStdString(db.GetFavoriteGroupName(0)));
    QVERIFY(!f.form->Document().dataModified);
  }

  void droppingServicesAddsThemOnce() {
    m_DataBase& db = f.Db();
    Enter();
    // One service dragged from the list joins group 0 at its end.
    int row = 1;
    while (db.IsServiceInFavorite(List()->GridModel()->ServiceAtRow(row), 1)) ++row;
    const int s = List()->GridModel()->ServiceAtRow(row);
    const int before = db.GetFavoriteGroupCount(0);
    DragFromList(row, 1);
    QCOMPARE(db.GetFavoriteGroupCount(0), before + 1);
    QCOMPARE(db.GetFavoriteGroupEntry(0, before), s);
    QVERIFY(db.GetServiceFavoriteMask(s) & 1u);
    QCOMPARE(Group(1)->GridModel()->Services().back(), s);
    QVERIFY(f.form->Document().dataModified);
    // The same service again is named and left out.
    DragFromList(row, 1);
    QCOMPARE(f.LastMessage(), QString::fromStdString("Sevice " + db.GetServiceName(s) +
                                                     " is already in list and will not be added."));
    QCOMPARE(db.GetFavoriteGroupCount(0), before + 1);
    // Three marked services go into an empty group in list order, and the marks are gone.
    Next()->click();  // groups 4 to 7; group 6 is empty in the demo
    QCOMPARE(db.GetFavoriteGroupCount(6), 0);
    for (int r : {7, 3, 5}) MarkRow(List(), r);
    for (int r : {3, 5, 7}) QVERIFY(db.IsServiceMarked(List()->GridModel()->ServiceAtRow(r)));
    Click(List(), 9, 1);
    QVERIFY(Drop(Group(3), "XSG_FavSer", 1));
    const std::vector<int> expected = {List()->GridModel()->ServiceAtRow(3), List()->GridModel()->ServiceAtRow(5),
                                       List()->GridModel()->ServiceAtRow(7)};
    QCOMPARE(Group(3)->GridModel()->Services(), expected);
    for (int m : expected) QVERIFY(!db.IsServiceMarked(m));
    // No drag goes from one group's grid into another's.
    const std::vector<int> third = Group(3)->GridModel()->Services();
    QVERIFY(!Drop(Group(3), "XSG_Fav2", 1));
    QVERIFY(!Drop(List(), "XSG_FavSer", 1));
    QCOMPARE(Group(3)->GridModel()->Services(), third);
  }

  void fullGroupRefusesMore() {
    m_DataBase& db = f.Db();
    std::vector<int> outside;
    for (int s = 0, added = 0; s < dblayout::kServiceCount; ++s) {
      if (!db.IsServiceUsed(s)) continue;
      if (added < 200 && db.ToggleServiceFavorite(s, 1u << 6))
        ++added;
      else if (db.GetServiceType(s) == 0 && db.GetServiceDelivery(s) == DELIVERY_SATELLITE)
        outside.push_back(s);
    }
    QCOMPARE(db.GetFavoriteGroupCount(6), 200);
    QVERIFY(outside.size() >= 2);
    Enter();
    Next()->click();
    auto rowOf = [&](int s) {
      const auto& all = List()->GridModel()->Services();
      return int(std::find(all.begin(), all.end(), s) - all.begin()) + 1;
    };
    // One service, then two marked ones: each attempt is refused with one notice.
    DragFromList(rowOf(outside[0]), 3);
    QCOMPARE(f.LastMessage(), QString("Current favorite table is full!"));
    const size_t shown = f.MessageCount();
    MarkRow(List(), rowOf(outside[0]));
    MarkRow(List(), rowOf(outside[1]));
    QVERIFY(Drop(Group(3), "XSG_FavSer", 1));
    QCOMPARE(f.MessageCount(), shown + 1);
    QCOMPARE(f.LastMessage(), QString("Current favorite table is full!"));
    QCOMPARE(db.GetFavoriteGroupCount(6), 200);
    QVERIFY(!(db.GetServiceFavoriteMask(outside[0]) & (1u << 6)));
  }

  void draggingInsideAGroupReorders() {
    m_DataBase& db = f.Db();
    Enter();
    const std::vector<int> before = Group(1)->GridModel()->Services();
    QVERIFY(before.size() >= 5);
    Click(Group(1), 1, 1);
    QCOMPARE(db.GetCurrentService(), before[0]);
    QVERIFY(Drop(Group(1), "XSG_Fav1", 4));
    const std::vector<int> after = Group(1)->GridModel()->Services();
    QCOMPARE(after[3], before[0]);
    QCOMPARE(std::vector<int>(after.begin(), after.begin() + 3), std::vector<int>(before.begin() + 1, before.begin() + 4));
    QCOMPARE(Group(1)->Row(), 4);
    // Back up again: row 4 onto row 1.
    Click(Group(1), 4, 1);
    QVERIFY(Drop(Group(1), "XSG_Fav1", 1));
    QCOMPARE(Group(1)->GridModel()->Services(), before);
    // Two marked services move as a block behind row 5.
    MarkRow(Group(1), 1);
    MarkRow(Group(1), 3);
    Click(Group(1), 1, 1);
    QVERIFY(Drop(Group(1), "XSG_Fav1", 5));
    const std::vector<int> block = Group(1)->GridModel()->Services();
    const std::vector<int> expected = {before[1], before[3], before[4], before[0], before[2]};
    QCOMPARE(std::vector<int>(block.begin(), block.begin() + 5), expected);
  }

  void renamingAndRemovingAMember() {
    m_DataBase& db = f.Db();
    Enter();
    QLineEdit* second = Page().NameEdit(2);
    second->selectAll();
    QTest::keyClicks(second, "Sports");
    QCOMPARE(QString::fromStdString(db.GetFavoriteGroupName(1)), QString("Sports"));
    QVERIFY(f.form->Document().dataModified);
    // Every name edit stops at the 15 characters the name field keeps.
    QLineEdit* first = Page().NameEdit(1);
    first->selectAll();
    QTest::keyClicks(first, "ABCDEFGHIJKLMNOPQ");
    QCOMPARE(first->text(), QString("ABCDEFGHIJKLMNO"));
    QCOMPARE(QString::fromStdString(db.GetFavoriteGroupName(0)), QString("ABCDEFGHIJKLMNO"));
    // "Del" takes the service on the grid's row out of the group, list and mask alike.
    const std::vector<int> members = Group(2)->GridModel()->Services();
    Click(Group(2), 2, 1);
    Page().PM_FavDelClick(Group(2));
    std::vector<int> expected = members;
    expected.erase(expected.begin() + 1);
    QCOMPARE(Group(2)->GridModel()->Services(), expected);
    QCOMPARE(ListedMembers(db, 1), expected);
    QVERIFY(!(db.GetServiceFavoriteMask(members[1]) & 2u));
    // With marks, "Del" takes the marked ones.
    Page().PM_FavSelectClick(Group(2), 0);
    QCOMPARE(db.CountMarkedServices(), int(expected.size()));
    Page().PM_FavDelClick(Group(2));
    QCOMPARE(Group(2)->GridModel()->ServiceCount(), 0);
    QCOMPARE(db.CountMarkedServices(), 0);
  }

  void languageServiceFormWithoutFavoriteGroups() {
    // A copy of the demo whose program header says the favorite groups are absent.
    const std::string path = f.dir.filePath("language.dld").toStdString();
    {
      auto db = std::make_unique<m_DataBase>();
      db->SetFileKind(17);
      QVERIFY(LoadDldFile(*db, f.demo, "").ok);
      std::vector<uint8_t> block = db->EncodeDatabase();
      bytes::PutU32(block.data() + dblayout::kProgramHeaderOffset, dblayout::kMarkerNoFavorites);
      db->DecodeDatabase(block.data());
      QVERIFY(SaveDldFile(*db, path, "", false).ok);
    }
    f.dialogs->paths.push_back(path);
    f.form->findChild<QAction*>("Menu_OpenData")->trigger();
    QVERIFY(f.form->LanguageServiceMode());
    Enter();
    QCOMPARE(f.form->PageCode(), 7);
    QCOMPARE(f.form->statusBar()->currentMessage(), QString("Use Drag&Drop to set the language."));
    const QStringList first = {"English", "French", "Turkish", "Russian"};
    for (int tag = 1; tag <= 4; ++tag) {
      QCOMPARE(Page().NameEdit(tag)->text(), first[tag - 1]);
      QCOMPARE(Group(tag)->GridModel()->ServiceCount(), 0);
      QCOMPARE(Group(tag)->model()->rowCount(), 1);
    }
    for (int press = 0; press < 4; ++press) Next()->click();
    QCOMPARE(Page().PageNumber(), 5);
    QCOMPARE(Page().NameEdit(1)->text(), QString("Portuguese"));
    for (int tag = 2; tag <= 4; ++tag) QVERIFY(!Page().NameEdit(tag)->isEnabled());
    Next()->click();
    QCOMPARE(Page().PageNumber(), 1);
    // Nothing is added to a language group and its name is fixed.
    DragFromList(1, 1);
    QCOMPARE(Group(1)->GridModel()->ServiceCount(), 0);
    QTest::keyClicks(Page().NameEdit(1), "x");
    QCOMPARE(Page().NameEdit(1)->text(), QString("English"));
    QVERIFY(!f.form->Document().dataModified);
  }
};

QTEST_MAIN(TestFavoritePage)
#include "TestFavoritePage.moc"
