// Random edit sequences on a generated file with every table at capacity: each operation keeps
// the invariants the verify command checks, a refusal at a limit changes nothing, and the result
// survives a save and a reload through the file pipeline.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

#include "GeneratedFiles.h"

using generated::Errors;

namespace {

constexpr uint32_t kSeed = 0x7A11F00D;
constexpr int kSteps = 3000;
constexpr int kFullCheckEvery = 20;

// The cheap part of the verify invariants, run after every step: header counts against the used
// records, the service order as one list over the used services, transponder numbering of the
// touched list, and no service on a free transponder.
std::string CheapCheck(const m_DataBase& db, int touchedSatellite) {
  std::ostringstream why;
  int used = 0, byType[3] = {0, 0, 0};
  for (int s = 0; s < dblayout::kServiceCount; ++s) {
    if (!db.IsServiceUsed(s)) continue;
    ++used;
    const int type = db.GetServiceType(s);
    if (type >= 0 && type < 3) ++byType[type];
    const int tp = db.GetServiceTransponder(s);
    if (tp < 0) continue;
    const bool terrestrial = db.GetServiceDelivery(s) == DELIVERY_TERRESTRIAL;
    if (terrestrial ? !db.IsTerTransponderUsed(tp) : !db.IsTransponderUsed(tp))
      why << "service " << s << " refers to the free transponder " << tp << "; ";
  }
  if (db.GetUsedServiceCount() != used)
    why << "service count " << db.GetUsedServiceCount() << " vs " << used << "; ";
  for (int t = 0; t < 3; ++t)
    if (db.GetUsedServiceTypeCount(t) != byType[t]) why << "type " << t << " count is off; ";
  std::string order;
  if (!db.IsServiceOrderConsistent(&order)) why << "service order: " << order << "; ";

  int tps = 0;
  std::vector<int> perSat(dblayout::kSatelliteCount, 0);
  for (int t = 0; t < dblayout::kTransponderCount; ++t) {
    if (!db.IsTransponderUsed(t)) continue;
    ++tps;
    const int sat = db.GetTransponderSatellite(t);
    if (sat >= 0 && sat < dblayout::kSatelliteCount) ++perSat[sat];
  }
  if (db.GetTransponderCount() != tps)
    why << "transponder count " << db.GetTransponderCount() << " vs " << tps << "; ";
  for (int sat = 0; sat < dblayout::kSatelliteCount; ++sat)
    if (db.GetSatelliteTransponderCount(sat) != perSat[sat]) why << "satellite " << sat << " count is off; ";
  int ter = 0;
  for (int t = 0; t < dblayout::kTerCount; ++t) ter += db.IsTerTransponderUsed(t);
  if (db.GetTerTransponderCount() != ter)
    why << "terrestrial count " << db.GetTerTransponderCount() << " vs " << ter << "; ";

  const std::vector<int> list = generated::TranspondersInNumberOrder(db, touchedSatellite);
  for (size_t i = 0; i < list.size(); ++i) {
    const int n =
        touchedSatellite < 0 ? db.GetTerTransponderNumber(list[i]) : db.GetTransponderNumber(list[i]);
    const int prev = i == 0 ? 0
                            : (touchedSatellite < 0 ? db.GetTerTransponderNumber(list[i - 1])
                                                    : db.GetTransponderNumber(list[i - 1]));
    // Satellite lists are numbered 1 to count; terrestrial lists may keep gaps but never repeat.
    if (touchedSatellite >= 0 ? n != static_cast<int>(i) + 1 : n <= prev) {
      why << "list " << touchedSatellite << " numbering breaks at " << n << "; ";
      break;
    }
  }
  return why.str();
}

class FullFileRun {
 public:
  explicit FullFileRun(m_DataBase& db) : m_db(db), m_rng(kSeed) {}

  // One random operation; returns a description of a broken expectation, or "".
  std::string Step() {
    m_touched = 0;
    ResetServiceView();
    switch (Pick(16)) {
      case 0:
      case 1:
        return AddService();
      case 2:
      case 3:
        return DeleteService();
      case 4:
        return DeleteMarked();
      case 5:
      case 6:
        return MoveOne();
      case 7:
      case 8:
        return MoveBlock();
      case 9:
        return ToggleFlags();
      case 10:
      case 11:
        return ToggleFavorite();
      case 12:
        return AddTransponder();
      case 13:
        return DeleteTransponders();
      case 14:
        return MoveTransponders();
      default:
        return AssignTransponder();
    }
  }

  int Touched() const { return m_touched; }
  const std::set<std::string>& Refused() const { return m_refused; }

 private:
  int Pick(int n) { return static_cast<int>(m_rng() % static_cast<uint32_t>(n)); }

  void ResetServiceView() {
    ViewState v = m_db.GetViewState();
    v.viewMode = VIEW_ALL;
    v.serviceSort = SORT_ORIGINAL;
    v.serviceType = Pick(10) < 7 ? 0 : Pick(2) + 1;
    const int d = Pick(10);
    v.deliveryKind = d < 7 ? DELIVERY_SATELLITE : d < 9 ? DELIVERY_ANY : DELIVERY_TERRESTRIAL;
    v.satellite = Pick(dblayout::kSatelliteCount);
    m_db.SetViewState(v);
    m_db.BuildServiceView();
  }

  int RandomRow() { return 1 + Pick(std::max(1, m_db.GetServiceViewCount())); }

  int RandomUsedService() {
    for (int tries = 0; tries < 64; ++tries) {
      const int s = Pick(dblayout::kServiceCount);
      if (m_db.IsServiceUsed(s)) return s;
    }
    return m_db.FirstService();
  }

  // Marks up to n random services of the view; returns the marked ones in view order.
  std::vector<int> MarkRandom(int n) {
    m_db.UnselectAllServices();
    const int count = m_db.GetServiceViewCount();
    if (count == 0) return {};
    for (int i = 0; i < n; ++i) m_db.SetServiceMark(m_db.GetServiceViewEntry(1 + Pick(count)), true);
    std::vector<int> marked;
    for (int p = 1; p <= count; ++p)
      if (m_db.IsServiceMarked(m_db.GetServiceViewEntry(p))) marked.push_back(m_db.GetServiceViewEntry(p));
    return marked;
  }

  // Compares the database with a snapshot taken before a refused operation.
  std::string Unchanged(const std::vector<uint8_t>& before, const char* what) {
    m_refused.insert(what);
    return m_db.EncodeDatabase() == before ? std::string()
                                           : std::string(what) + " was refused but changed the database";
  }

  // Adds one to eight services, so that the table refills and meets its limit; a refusal ends
  // the burst.
  std::string AddService() {
    for (int n = 1 + Pick(8); n > 0 && m_db.GetUsedServiceCount() < dblayout::kServiceCount; --n) {
      const std::string broken = AddOneService();
      if (!broken.empty()) return broken;
    }
    return AddOneService();
  }

  std::string AddOneService() {
    const int row = 1 + Pick(m_db.GetServiceViewCount() + 2);
    const bool full = m_db.GetUsedServiceCount() >= dblayout::kServiceCount;
    const std::vector<uint8_t> before = full ? m_db.EncodeDatabase() : std::vector<uint8_t>();
    const int anchor = m_db.GetServiceViewEntry(row);
    const bool anchorUsed = m_db.IsServiceUsed(anchor);
    const int count = m_db.GetUsedServiceCount();
    const int slot = m_db.AddService(row, Pick(2) == 1);
    if (full) return slot < 0 ? Unchanged(before, "adding a service") : "a service was added to a full table";
    if (slot < 0) return "adding a service was refused below the capacity";
    if (m_db.GetUsedServiceCount() != count + 1 || m_db.GetServiceName(slot) != "New Service")
      return "the added service is not counted or not filled";
    if (anchorUsed ? m_db.NextService(slot) != anchor : m_db.LastService() != slot)
      return "the added service is not in front of the row's service";
    return "";
  }

  std::string DeleteService() {
    const int s = RandomUsedService();
    const int count = m_db.GetUsedServiceCount();
    m_db.DeleteService(s);
    if (m_db.IsServiceUsed(s) || m_db.GetUsedServiceCount() != count - 1)
      return "the deleted service is still counted";
    return "";
  }

  std::string DeleteMarked() {
    const std::vector<int> marked = MarkRandom(Pick(6));
    const int current =
        marked.empty() && m_db.GetServiceViewCount() > 0 ? m_db.GetServiceViewEntry(RandomRow()) : -1;
    m_db.SetCurrentService(current);
    const int count = m_db.GetUsedServiceCount();
    const size_t expected = marked.empty() ? (m_db.IsServiceUsed(current) ? 1u : 0u) : marked.size();
    m_db.DeleteMarkedServices();
    if (m_db.GetUsedServiceCount() != count - static_cast<int>(expected))
      return "deleting the marked services miscounted";
    for (int s : marked)
      if (m_db.IsServiceUsed(s)) return "a marked service survived the deletion";
    return "";
  }

  std::string MoveOne() {
    const int s = RandomUsedService();
    const int a = RandomUsedService();
    const bool after = Pick(2) == 0;
    const std::vector<int> before = m_db.ServiceOrder();
    const bool moved = after ? m_db.MoveServiceAfter(s, a) : m_db.MoveServiceBefore(s, a);
    const std::vector<int> order = m_db.ServiceOrder();
    if (!moved) {
      const bool inPlace = s == a || (after ? m_db.NextService(a) == s : m_db.NextService(s) == a);
      if (!inPlace) return "a move was refused although the service was elsewhere";
      return order == before ? std::string() : "a refused move changed the order";
    }
    if (after ? m_db.NextService(a) != s : m_db.NextService(s) != a)
      return "the moved service is not next to its anchor";
    std::vector<int> a1 = before, a2 = order;
    std::sort(a1.begin(), a1.end());
    std::sort(a2.begin(), a2.end());
    return a1 == a2 ? std::string() : "a move changed the set of services in the order";
  }

  std::string MoveBlock() {
    const std::vector<int> marked = MarkRandom(1 + Pick(8));
    if (marked.empty()) return "";
    const int row = RandomRow();
    const bool after = Pick(2) == 0;
    if (Pick(2) == 0) m_db.GatherMarkedServices();
    const int anchor = m_db.GetServiceViewEntry(row);
    const int first = after ? m_db.MoveMarkedServicesAfter(row) : m_db.MoveMarkedServicesBefore(row);
    if (first != marked.front()) return "a block move did not report the first marked service";
    // The marked services stand together in their view order, next to an unmarked anchor.
    const std::vector<int> order = m_db.ServiceOrder();
    const auto at = std::find(order.begin(), order.end(), marked.front());
    if (at == order.end() || order.end() - at < static_cast<long>(marked.size()) ||
        !std::equal(marked.begin(), marked.end(), at))
      return "the moved block is not together in its view order";
    if (std::find(marked.begin(), marked.end(), anchor) == marked.end()) {
      const bool placed = after ? at != order.begin() && *(at - 1) == anchor
                                : at + static_cast<long>(marked.size()) != order.end() &&
                                      *(at + static_cast<long>(marked.size())) == anchor;
      if (!placed) return "the moved block is not next to the row's service";
    }
    return "";
  }

  std::string ToggleFlags() {
    std::vector<int> targets = MarkRandom(Pick(4));
    if (targets.empty()) {
      m_db.SetCurrentService(RandomUsedService());
      targets.push_back(m_db.GetCurrentService());
    }
    struct Flag {
      void (m_DataBase::*toggle)();
      bool (M_program::*get)(int) const;
    };
    static const Flag kFlags[] = {
        {&m_DataBase::ToggleMarkedServicesLocked, &M_program::IsServiceLocked},
        {&m_DataBase::ToggleMarkedServicesSkipped, &M_program::IsServiceSkipped},
        {&m_DataBase::ToggleMarkedServicesScrambled, &M_program::IsServiceScrambled},
        {&m_DataBase::ToggleMarkedServicesHd, &M_program::IsServiceHd}};
    const Flag& f = kFlags[Pick(4)];
    std::vector<bool> before;
    for (int s : targets) before.push_back((m_db.*f.get)(s));
    (m_db.*f.toggle)();
    for (size_t i = 0; i < targets.size(); ++i) {
      // HD applies to TV services only.
      const bool flips = f.get != &M_program::IsServiceHd || m_db.GetServiceType(targets[i]) == 0;
      if ((m_db.*f.get)(targets[i]) != (flips ? !before[i] : before[i]))
        return "a flag toggle missed a service";
    }
    return "";
  }

  std::string ToggleFavorite() {
    const int s = RandomUsedService();
    const int group = Pick(dblayout::kFavoriteGroupCount);
    const uint32_t mask = 1u << group;
    const bool member = m_db.IsServiceInFavorite(s, mask);
    const int count = m_db.GetFavoriteGroupCount(group);
    const bool full = !member && count >= dblayout::kFavoriteGroupCapacity;
    const std::vector<uint8_t> before = full ? m_db.EncodeDatabase() : std::vector<uint8_t>();
    const bool changed = m_db.ToggleServiceFavorite(s, mask);
    if (full)
      return changed ? "a full favorite group took a service" : Unchanged(before, "joining a favorite group");
    if (!changed) return "a favorite toggle was refused below the capacity";
    if (m_db.IsServiceInFavorite(s, mask) == member ||
        m_db.GetFavoriteGroupCount(group) != count + (member ? -1 : 1))
      return "a favorite toggle did not change the membership";
    return "";
  }

  // Points the transponder view at a random satellite (or the terrestrial list).
  int SelectTransponderList() {
    ViewState v = m_db.GetViewState();
    const bool terrestrial = Pick(5) == 0;
    v.deliveryKind = terrestrial ? DELIVERY_TERRESTRIAL : DELIVERY_SATELLITE;
    v.satellite = Pick(dblayout::kSatelliteCount);
    m_db.SetViewState(v);
    m_db.BuildTransponderView();
    m_touched = terrestrial ? -1 : v.satellite;
    return m_touched;
  }

  std::string AddTransponder() {
    const int list = SelectTransponderList();
    const int row = 1 + Pick(m_db.GetTransponderViewCount() + 1);
    const bool full =
        list < 0 ? m_db.GetTerTransponderCount() >= dblayout::kTerCount
                 : m_db.GetTransponderCount() >= dblayout::kTransponderCount ||
                       m_db.GetSatelliteTransponderCount(list) >= dblayout::kTranspondersPerSatellite;
    const std::vector<uint8_t> before = full ? m_db.EncodeDatabase() : std::vector<uint8_t>();
    const int atRow = m_db.GetTransponderViewEntry(row);
    const bool rowHolds = row <= m_db.GetTransponderViewCount();
    const int slot = m_db.AddTransponder(row);
    if (full)
      return slot < 0 ? Unchanged(before, "adding a transponder") : "a transponder was added to a full list";
    if (slot < 0) return "adding a transponder was refused below the capacity";
    if (list >= 0) {
      const std::vector<int> now = generated::TranspondersInNumberOrder(m_db, list);
      const auto at = std::find(now.begin(), now.end(), slot);
      if (at == now.end()) return "the added transponder is not in its satellite's list";
      if (rowHolds && (at + 1 == now.end() || *(at + 1) != atRow))
        return "the added transponder is not in front of the row's transponder";
    }
    return "";
  }

  std::string DeleteTransponders() {
    const int list = SelectTransponderList();
    const int count = m_db.GetTransponderViewCount();
    if (count == 0) return "";
    m_db.UnselectAllTransponders();
    std::vector<int> targets;
    const int marks = Pick(3);
    for (int i = 0; i < marks; ++i)
      m_db.SetTransponderMark(m_db.GetTransponderViewEntry(1 + Pick(count)), true);
    for (int p = 1; p <= count; ++p)
      if (m_db.IsTransponderMarked(m_db.GetTransponderViewEntry(p)))
        targets.push_back(m_db.GetTransponderViewEntry(p));
    if (targets.empty()) {
      m_db.SetSelectedTransponder(m_db.GetTransponderViewEntry(1 + Pick(count)));
      targets.push_back(m_db.GetSelectedTransponder());
    }
    const int before = list < 0 ? m_db.GetTerTransponderCount() : m_db.GetSatelliteTransponderCount(list);
    m_db.DeleteMarkedTransponders();
    const int after = list < 0 ? m_db.GetTerTransponderCount() : m_db.GetSatelliteTransponderCount(list);
    if (after != before - static_cast<int>(targets.size())) return "deleting transponders miscounted";
    for (int t : targets)
      if (list < 0 ? m_db.IsTerTransponderUsed(t) : m_db.IsTransponderUsed(t))
        return "a deleted transponder is still used";
    return "";
  }

  std::string MoveTransponders() {
    const int list = SelectTransponderList();
    const int count = m_db.GetTransponderViewCount();
    if (count < 2) return "";
    const std::vector<int> before = generated::TranspondersInNumberOrder(m_db, list);
    const int tp = m_db.GetTransponderViewEntry(1 + Pick(count));
    const int anchor = m_db.GetTransponderViewEntry(1 + Pick(count));
    const bool after = Pick(2) == 0;
    if (Pick(3) == 0) {
      m_db.UnselectAllTransponders();
      m_db.SetTransponderMark(tp, true);
      m_db.SetTransponderMark(m_db.GetTransponderViewEntry(1 + Pick(count)), true);
      const int row = 1 + Pick(count);
      if (after)
        m_db.MoveMarkedTranspondersAfter(row, list);
      else
        m_db.MoveMarkedTranspondersBefore(row, list);
    } else if (list < 0) {
      if (after)
        m_db.MoveTerTransponderAfter(tp, anchor);
      else
        m_db.MoveTerTransponderBefore(tp, anchor);
    } else if (after) {
      m_db.MoveTransponderAfter(list, tp, anchor);
    } else {
      m_db.MoveTransponderBefore(list, tp, anchor);
    }
    std::vector<int> now = generated::TranspondersInNumberOrder(m_db, list);
    std::vector<int> sortedBefore = before;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(now.begin(), now.end());
    return now == sortedBefore ? std::string() : "a transponder move changed the set of transponders";
  }

  // Puts the marked services (or the current one) on a transponder: each joins while the
  // transponder carries at most 120 services, so it can reach 121. Half of the assignments go to
  // one favoured transponder, which fills up over the run and starts refusing.
  std::string AssignTransponder() {
    // Satellite services only: a terrestrial service's field indexes the terrestrial table.
    ViewState v = m_db.GetViewState();
    v.deliveryKind = DELIVERY_SATELLITE;
    m_db.SetViewState(v);
    m_db.BuildServiceView();
    if (m_db.GetServiceViewCount() == 0) return "";
    std::vector<int> marked = MarkRandom(Pick(7));
    const int current = m_db.GetServiceViewEntry(RandomRow());
    m_db.SetCurrentService(current);
    const std::vector<int> targets = marked.empty() ? std::vector<int>{current} : marked;
    int tp = Pick(2) == 0 ? m_hot : Pick(dblayout::kTransponderCount);
    if (!m_db.IsTransponderUsed(tp)) {
      for (tp = 0; tp < dblayout::kTransponderCount && !m_db.IsTransponderUsed(tp); ++tp) {
      }
      if (tp == dblayout::kTransponderCount) return "";
      m_hot = tp;
    }
    std::vector<int> oldTps;
    for (int s : targets) oldTps.push_back(m_db.GetServiceTransponder(s));
    // The services the limit lets through, in view order.
    int carried = m_db.CountTransponderServices(tp);
    size_t through = 0;
    for (; through < targets.size() && carried <= dblayout::kServicesPerTransponder; ++through)
      carried += oldTps[through] != tp;
    const std::vector<uint8_t> before = through == 0 ? m_db.EncodeDatabase() : std::vector<uint8_t>();
    const bool set = m_db.SetMarkedServicesTransponder(tp);
    if (set != (through == targets.size())) return "assigning a transponder reported the wrong result";
    if (through == 0) return Unchanged(before, "assigning a transponder");
    for (size_t i = 0; i < targets.size(); ++i)
      if (m_db.GetServiceTransponder(targets[i]) != (i < through ? tp : oldTps[i]))
        return "assigning a transponder set the wrong services";
    return "";
  }

  m_DataBase& m_db;
  std::mt19937 m_rng;
  int m_touched = 0;
  std::set<std::string> m_refused;
  int m_hot = 17;
};

}  // namespace

TEST(PropertyFullFile, RandomEditsKeepTheVerifyInvariantsAndSurviveSaveAndReload) {
  auto db = std::make_unique<m_DataBase>();
  ASSERT_EQ(generated::LoadSample(*db, SampleProfile::Full), "");
  ASSERT_EQ(db->GetUsedServiceCount(), dblayout::kServiceCount);
  ASSERT_EQ(db->GetTransponderCount(), dblayout::kTransponderCount);
  ASSERT_EQ(Errors(*db), std::vector<std::string>());

  FullFileRun run(*db);
  for (int step = 0; step < kSteps; ++step) {
    const std::string broken = run.Step();
    ASSERT_EQ(broken, "") << "seed " << kSeed << ", step " << step;
    ASSERT_EQ(CheapCheck(*db, run.Touched()), "") << "seed " << kSeed << ", step " << step;
    if (step % kFullCheckEvery == kFullCheckEvery - 1) {
      ASSERT_EQ(Errors(*db), std::vector<std::string>()) << "seed " << kSeed << ", step " << step;
    }
  }
  ASSERT_EQ(Errors(*db), std::vector<std::string>()) << "seed " << kSeed;
  // The run reaches the limits: the tables and favorite groups start full, the services refill
  // their table and one favoured transponder fills up.
  EXPECT_EQ(run.Refused(), (std::set<std::string>{"adding a service", "adding a transponder",
                                                  "assigning a transponder", "joining a favorite group"}))
      << "seed " << kSeed;

  const std::string path = testsupport::TempDir() + "/edited.dld";
  const std::vector<uint8_t> saved = db->EncodeDatabase();
  const DocResult s = SaveDldFile(*db, path, "", false);
  ASSERT_TRUE(s.ok) << s.message << " " << s.detail;
  auto reloaded = std::make_unique<m_DataBase>();
  const DocResult r = LoadDldFile(*reloaded, path, "");
  ASSERT_TRUE(r.ok) << r.message << " " << r.detail;
  EXPECT_EQ(Errors(*reloaded), std::vector<std::string>()) << "seed " << kSeed;
  EXPECT_EQ(CheapCheck(*reloaded, 0), "") << "seed " << kSeed;
  EXPECT_EQ(reloaded->ServiceOrder(), db->ServiceOrder()) << "seed " << kSeed;
  EXPECT_TRUE(reloaded->EncodeDatabase() == saved) << "seed " << kSeed;
}
