// The Provider and CASystem pages through the real window on the demo file: the lists, the
// services of the selected entry, clicks that make a service current, and renaming.
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include "PageFixture.h"
#include "ui/ProviderPage.h"
#include "ui/ProviderPageLists.h"

namespace {
constexpr int kProviderTab = 3;
constexpr int kCasTab = 4;
}  // namespace

class TestProviderPages : public QObject {
  Q_OBJECT
  PageFixture f;

  ProviderPage& Page(int tab) { return tab == kProviderTab ? f.frame->Provider() : f.frame->CaSystem(); }
  void Enter(int tab) { f.form->PageControl()->setCurrentIndex(tab); }
  void ClickItem(ColumnListView* list, int item) {
    const QModelIndex at = list->model()->index(item, 0);
    list->scrollTo(at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
  }
  // The TV services of satellite delivery, in service order, that `belongs` accepts.
  template <typename Pred>
  std::vector<int> Expected(Pred belongs) {
    std::vector<int> found;
    for (int s : f.Db().ServiceOrder())
      if (f.Db().GetServiceType(s) == 0 && f.Db().GetServiceDelivery(s) == DELIVERY_SATELLITE && belongs(s))
        found.push_back(s);
    return found;
  }
  std::vector<int> Listed(ColumnListView* list) {
    std::vector<int> found;
    for (int i = 0; i < list->ListModel()->Count(); ++i) found.push_back(list->ListModel()->SlotAt(i));
    return found;
  }
  bool ResolvesTo(int s, int cas) {
    for (int i = 0; i < 4; ++i)
      if (f.Db().GetServiceCa(s, i) && f.Db().FindCasByIdentifier(f.Db().GetServiceCa(s, i)) == cas) return true;
    return false;
  }

 private slots:
  void initTestCase() { QVERIFY(f.MakeDemo()); }
  void init() { f.OpenWindow(); }
  void cleanup() { f.CloseWindow(); }

  void providerPageListsTheCurrentServicesProvider() {
    m_DataBase& db = f.Db();
    const int current = db.GetCurrentService();
    db.SetSelectedProvider(-1);
    Enter(kProviderTab);
    ProviderPage& page = Page(kProviderTab);
    const int provider = db.GetServiceProvider(current);
    QCOMPARE(db.GetSelectedProvider(), provider);
    QCOMPARE(page.OwnerList()->ListModel()->Count(), 18);
    QCOMPARE(page.OwnerList()->ListModel()->SlotAt(page.OwnerList()->ItemIndex()), provider);
    QCOMPARE(page.NameEdit()->text(), QString::fromStdString(db.GetProviderName(provider)));
    const std::vector<int> expected = Expected([&](int s) { return db.GetServiceProvider(s) == provider; });
    QVERIFY(!expected.empty());
    QCOMPARE(Listed(page.ServiceList()), expected);
    QCOMPARE(page.ServiceList()->ListModel()->ItemText(0),
             "1:  " + QString::fromStdString(db.GetServiceName(expected[0])));

    // Another provider, then the third of its services, which the Service page then shows.
    const int item = page.OwnerList()->ItemIndex() == 2 ? 3 : 2;
    ClickItem(page.OwnerList(), item);
    const int other = page.OwnerList()->ListModel()->SlotAt(item);
    QCOMPARE(db.GetSelectedProvider(), other);
    const std::vector<int> others = Expected([&](int s) { return db.GetServiceProvider(s) == other; });
    QCOMPARE(Listed(page.ServiceList()), others);
    QCOMPARE(db.GetCurrentService(), others.front());
    QVERIFY(others.size() >= 3);
    ClickItem(page.ServiceList(), 2);
    QCOMPARE(db.GetCurrentService(), others[2]);
    Enter(0);
    QCOMPARE(f.Find<QLineEdit>("E_SerName")->text(), QString::fromStdString(db.GetServiceName(others[2])));

    // The radio list shows the provider's radio services.
    Enter(kProviderTab);
    f.Find<QToolButton>("SB_Radio")->click();
    for (int s : Listed(page.ServiceList())) QCOMPARE(db.GetServiceType(s), 1);
  }

  void aFreedProviderGivesWayToTheFirstListed() {
    m_DataBase& db = f.Db();
    db.SetSelectedProvider(dblayout::kProviderCount - 1);  // not used in the demo
    QVERIFY(!db.IsProviderUsed(dblayout::kProviderCount - 1));
    Enter(kProviderTab);
    ProviderPage& page = Page(kProviderTab);
    QCOMPARE(page.OwnerList()->ItemIndex(), 0);
    const int first = page.OwnerList()->ListModel()->SlotAt(0);
    QCOMPARE(db.GetSelectedProvider(), first);
    QCOMPARE(Listed(page.ServiceList()), Expected([&](int s) { return db.GetServiceProvider(s) == first; }));
  }

  void casPageListsTheServicesOfACaSystem() {
    m_DataBase& db = f.Db();
    db.SetSelectedCas(-1);
    Enter(kCasTab);
    ProviderPage& page = Page(kCasTab);
    db.BuildCasView();
    QCOMPARE(db.GetSelectedCas(), db.GetCasViewEntry(1));
    QCOMPARE(page.OwnerList()->ListModel()->Count(), 10);
    QCOMPARE(page.OwnerList()->ItemIndex(), 0);
    for (int item = 0; item < 3; ++item) {
      ClickItem(page.OwnerList(), item);
      const int cas = page.OwnerList()->ListModel()->SlotAt(item);
      QCOMPARE(page.NameEdit()->text(), QString::fromStdString(db.GetCasName(cas)));
      QCOMPARE(Listed(page.ServiceList()), Expected([&](int s) { return ResolvesTo(s, cas); }));
    }
  }

  void renamingKeepsTheNameLimit_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("provider") << kProviderTab << "ABCDEFGHIJKLMNOP" << "ABCDEFGHIJKLM";
    QTest::newRow("provider short") << kProviderTab << "ABC" << "ABC";
    QTest::newRow("ca system") << kCasTab << "ABCDEFG" << "ABCD";
  }
  void renamingKeepsTheNameLimit() {
    QFETCH(int, tab);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    m_DataBase& db = f.Db();
    Enter(tab);
    ProviderPage& page = Page(tab);
    const int item = page.OwnerList()->ItemIndex();
    QVERIFY(item >= 0);
    const int slot = page.OwnerList()->ListModel()->SlotAt(item);
    page.NameEdit()->selectAll();
    QTest::keyClicks(page.NameEdit(), typed);
    QCOMPARE(page.NameEdit()->text(), kept);
    const std::string stored = tab == kProviderTab ? db.GetProviderName(slot) : db.GetCasName(slot);
    QCOMPARE(QString::fromStdString(stored), kept);
    QCOMPARE(page.OwnerList()->ListModel()->ItemText(item), kept);
    QCOMPARE(page.OwnerList()->ItemIndex(), -1);
    QVERIFY(f.form->Document().dataModified);
  }
};

QTEST_MAIN(TestProviderPages)
#include "TestProviderPages.moc"
