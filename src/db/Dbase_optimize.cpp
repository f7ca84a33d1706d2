// The optimiser: removes the transponders no service uses and merges transponders that describe
// the same carrier.
#include <cstdlib>

#include "db/M_database.h"

namespace {
int TextValue(const std::string& text) { return std::atoi(text.c_str()); }
}  // namespace

OptimizeResult m_DataBase::RunOptimize(const OptimizeOptions& options) {
  OptimizeResult result;
  if (options.unusedTp) result.unusedDeleted = RemoveUnusedTransponders();
  if (options.multipleTp) result.multipleMerged = RemoveMultipleTransponders(m_view.satellite, options);
  // Services may have been deleted or moved to another transponder.
  BuildServiceView();
  return result;
}

std::string m_DataBase::OptimizeReport(const OptimizeResult& result) {
  return "Multiple Transponder deleted : " + std::to_string(result.multipleMerged) +
         "\n\nUnused Transponder deleted   : " + std::to_string(result.unusedDeleted);
}

bool m_DataBase::IsTransponderReferenced(int slot) const {
  for (int s = 0; s < dblayout::kServiceCount; ++s)
    if (IsServiceUsed(s) && ServiceTransponderSlot(s) == slot) return true;
  return false;
}

void m_DataBase::MarkUnusedTransponders() {
  UnselectAllTransponders();
  for (int p = 0; p < m_transponderViewCount; ++p)
    if (!IsTransponderReferenced(m_transponderView[p])) SetTransponderMark(m_transponderView[p], true);
}

int m_DataBase::RemoveUnusedTransponders() {
  MarkUnusedTransponders();
  const int n = CountMarkedTransponders();
  if (n > 0) DeleteMarkedTransponders();
  return n;
}

int m_DataBase::RemoveMultipleTransponders(int satellite, const OptimizeOptions& options) {
  std::vector<int> candidates;
  if (satellite >= 0 && satellite < dblayout::kSatelliteCount)
    for (int t = 0; t < dblayout::kTransponderCount; ++t)
      if (IsTransponderUsed(t) && GetTransponderSatellite(t) == satellite) candidates.push_back(t);
  const int tol = options.multipleTpFreq ? 1 : 0;
  int merges = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const int a = candidates[i];
    const int fa = TextValue(GetTransponderFrequencyText(a));
    for (size_t j = i + 1; j < candidates.size(); ++j) {
      const int b = candidates[j];
      const int fb = TextValue(GetTransponderFrequencyText(b));
      bool duplicate = fb - tol <= fa && fa <= fb;
      if (duplicate && options.sameSymbolRate)
        duplicate = GetTransponderSymbolRateText(a) == GetTransponderSymbolRateText(b);
      if (duplicate && options.samePolarity) duplicate = GetTransponderPolarity(a) == GetTransponderPolarity(b);
      if (duplicate && options.sameFec) duplicate = GetTransponderFec(a) == GetTransponderFec(b);
      if (!duplicate) continue;
      ++merges;
      if (MergeTransponders(a, b) == b) candidates.erase(candidates.begin() + static_cast<long>(j));
      break;
    }
  }
  if (merges > 0) BuildTransponderView();
  return merges;
}

int m_DataBase::MergeTransponders(int a, int b) {
  const int na = CountTransponderServices(a);
  if (na == 0) {
    DeleteTransponder(a, false);
    return a;
  }
  const int nb = CountTransponderServices(b);
  if (nb == 0) {
    DeleteTransponder(b, false);
    return b;
  }
  const int victim = na >= nb ? a : b;
  const int keeper = na >= nb ? b : a;
  DeleteTransponder(victim, false);
  for (int s : ServicesOnTransponder(victim, false)) {
    if (ServiceIdExistsOnTransponder(keeper, TextValue(GetServiceIdText(s))))
      DeleteService(s);
    else
      SetServiceTransponder(s, keeper);
  }
  return victim;
}

bool m_DataBase::ServiceIdExistsOnTransponder(int transponder, int serviceId, bool terrestrial) const {
  for (int s : ServiceOrder())
    if (ServiceTransponderSlot(s) == transponder && (GetServiceDelivery(s) == DELIVERY_TERRESTRIAL) == terrestrial &&
        TextValue(GetServiceIdText(s)) == serviceId)
      return true;
  return false;
}
