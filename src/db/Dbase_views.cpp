// The view lists: service, satellite, transponder, provider and CA-system views, their filters,
// the service sort and the position look-ups.
#include <algorithm>

#include "db/M_database.h"

namespace {

int ClampedEntry(const int* view, int capacity, int position) {
  if (position < 1 || position > capacity) position = 1;
  return view[position - 1];
}

int FindPosition(const int* view, int count, int slot) {
  if (slot < 0) return 1;
  for (int p = 0; p < count; ++p)
    if (view[p] == slot) return p + 1;
  return 1;
}

}  // namespace

bool m_DataBase::ServiceInCurrentList(int slot) const {
  if (!IsServiceUsed(slot)) return false;
  if (GetServiceType(slot) != m_view.serviceType) return false;
  return m_view.deliveryKind == DELIVERY_ANY || GetServiceDelivery(slot) == m_view.deliveryKind;
}

bool m_DataBase::ServiceMatchesView(int slot) const {
  if (!ServiceInCurrentList(slot)) return false;
  bool match = true;
  bool honoursHd = false;
  switch (m_view.viewMode) {
    case VIEW_ALL:
    case VIEW_ALL_HD:
      honoursHd = true;
      break;
    case VIEW_SATELLITE:
      match = GetServiceSatellite(slot) == m_view.satellite;
      honoursHd = true;
      break;
    case VIEW_FAVORITE:
      match = m_view.favoriteMask == 0 ? GetServiceFavoriteMask(slot) != 0
                                       : IsServiceInFavorite(slot, m_view.favoriteMask);
      break;
    case VIEW_PROVIDER:
      match = m_view.provider == dblayout::kProviderCount || ServiceProviderSlot(slot) == m_view.provider;
      break;
    case VIEW_CAS: {
      match = false;
      const int n = std::min(GetServiceCaCount(slot), 4);
      for (int i = 0; i < n && !match; ++i)
        match = m_view.casSystem >= 0 && FindCasByIdentifier(GetServiceCa(slot, i)) == m_view.casSystem;
      break;
    }
    case VIEW_TRANSPONDER:
    case VIEW_USED_TRANSPONDERS:
      match = ServiceTransponderSlot(slot) == m_view.transponder;
      break;
    case VIEW_ACTIVE_SATELLITES:
      match = GetServiceDelivery(slot) == DELIVERY_SATELLITE;
      honoursHd = true;
      break;
    default:
      break;
  }
  if (match && honoursHd && m_hdView) match = IsServiceHd(slot);
  return match;
}

void m_DataBase::BuildServiceView() {
  std::fill(std::begin(m_serviceView), std::end(m_serviceView), kNone);
  m_serviceViewCount = 0;
  for (int s : ServiceOrder())
    if (ServiceMatchesView(s)) m_serviceView[m_serviceViewCount++] = s;
  if (m_serviceViewCount == 0) m_currentService = kNone;
  if (m_view.serviceSort != SORT_ORIGINAL && m_serviceViewCount > 1) SortServiceView(1, m_serviceViewCount);
}

void m_DataBase::BuildFavoriteServiceView(uint32_t mask) {
  std::fill(std::begin(m_serviceView), std::end(m_serviceView), kNone);
  m_serviceViewCount = 0;
  const int group = FavoriteGroupOfBit(mask);
  if (group < 0) return;
  const int count = std::min<int>(GetFavoriteGroupCount(group), dblayout::kFavoriteGroupCapacity);
  std::vector<bool> seen(dblayout::kServiceCount, false);
  for (int i = 0; i < count; ++i) {
    const int s = GetFavoriteGroupEntry(group, i);
    if (s < 0 || s >= dblayout::kServiceCount || seen[s]) continue;
    seen[s] = true;
    if (ServiceInCurrentList(s)) m_serviceView[m_serviceViewCount++] = s;
  }
  if (m_view.serviceSort != SORT_ORIGINAL && m_serviceViewCount > 1) SortServiceView(1, m_serviceViewCount);
}

int m_DataBase::CompareServices(int a, int b, int key) const {
  switch (key) {
    case SORT_NAME: {
      const std::string na = GetServiceName(a);
      const std::string nb = GetServiceName(b);
      const size_t n = std::min(na.size(), nb.size());
      for (size_t i = 0; i < n; ++i) {
        unsigned ca = static_cast<unsigned char>(na[i]);
        unsigned cb = static_cast<unsigned char>(nb[i]);
        if (ca == cb) continue;
        if (ca < 0x80 && cb < 0x80) {
          if (ca >= 0x41 && ca <= 0x5A) ca += 0x20;
          if (cb >= 0x41 && cb <= 0x5A) cb += 0x20;
          if (ca == cb) continue;
          return ca < cb ? -1 : 1;
        }
        if (ca >= 0x80 && cb >= 0x80) return ca < cb ? -1 : 1;
        return ca >= 0x80 ? 1 : -1;
      }
      if (na.empty() != nb.empty()) return na.empty() ? 1 : -1;
      return 0;
    }
    case SORT_TRANSPONDER: {
      const int ta = ServiceTransponderSlot(a) < 0 ? 0xFFF : ServiceTransponderSlot(a);
      const int tb = ServiceTransponderSlot(b) < 0 ? 0xFFF : ServiceTransponderSlot(b);
      return ta < tb ? -1 : (ta > tb ? 1 : 0);
    }
    case SORT_PROVIDER: {
      const int pa = ServiceProviderSlot(a) < 0 ? 0xFFFF : ServiceProviderSlot(a);
      const int pb = ServiceProviderSlot(b) < 0 ? 0xFFFF : ServiceProviderSlot(b);
      return pa < pb ? -1 : (pa > pb ? 1 : 0);
    }
    case SORT_SATELLITE: {
      const int sa = GetServiceSatellite(a);
      const int sb = GetServiceSatellite(b);
      return sa < sb ? -1 : (sa > sb ? 1 : 0);
    }
    default:
      return 0;
  }
}

void m_DataBase::SortServiceView(int first, int last) {
  first = std::max(first, 1);
  last = std::min(last, m_serviceViewCount);
  if (first >= last) return;
  SortPartition(first, last, IsSortAscending(m_activeSortKey));
}

// The receiver's partition sort over view positions; the order it leaves equal keys in is part
// of what the pages show, so it is kept exactly as it is.
void m_DataBase::SortPartition(int first, int last, bool ascending) {
  const int key = m_view.serviceSort;
  auto cmp = [&](int a, int b) { return ascending ? CompareServices(a, b, key) : -CompareServices(a, b, key); };
  int* v = m_serviceView - 1;  // 1-based positions
  const int pivot = v[(first + last) / 2];
  int i = first;
  int j = last;
  while (i <= j) {
    while (i <= last && cmp(v[i], pivot) < 0) ++i;
    while (j >= first && cmp(v[j], pivot) > 0) --j;
    if (i <= j) {
      if (i != j && cmp(v[i], v[j]) != 0) std::swap(v[i], v[j]);
      ++i;
      --j;
    }
  }
  if (first < j) SortPartition(first, j, ascending);
  if (i < last) SortPartition(i, last, ascending);
}

int m_DataBase::GetServiceViewEntry(int position) const {
  return ClampedEntry(m_serviceView, dblayout::kServiceCount, position);
}

int m_DataBase::FindServiceViewPosition(int slot) const {
  return FindPosition(m_serviceView, m_serviceViewCount, slot);
}

std::vector<int> m_DataBase::CountServicesPerSatellite() const {
  std::vector<int> counts(dblayout::kSatelliteCount, 0);
  for (int s = 0; s < dblayout::kServiceCount; ++s) {
    if (!IsServiceUsed(s) || GetServiceDelivery(s) != DELIVERY_SATELLITE) continue;
    const int sat = GetServiceSatellite(s);
    if (sat >= 0 && sat < dblayout::kSatelliteCount) ++counts[sat];
  }
  return counts;
}

void m_DataBase::BuildSatelliteView() {
  std::fill(std::begin(m_satelliteView), std::end(m_satelliteView), kNone);
  m_satelliteViewCount = 0;
  if (m_view.viewMode == VIEW_ACTIVE_SATELLITES) {
    const std::vector<int> counts = CountServicesPerSatellite();
    for (int sat = 0; sat < dblayout::kSatelliteCount; ++sat)
      if (counts[sat] != 0) m_satelliteView[m_satelliteViewCount++] = sat;
  } else {
    for (int sat = 0; sat < dblayout::kSatelliteCount; ++sat) m_satelliteView[m_satelliteViewCount++] = sat;
  }
}

int m_DataBase::GetSatelliteViewEntry(int position) const {
  return ClampedEntry(m_satelliteView, dblayout::kSatelliteCount, position);
}

int m_DataBase::FindSatelliteViewPosition(int slot) const {
  return FindPosition(m_satelliteView, m_satelliteViewCount, slot);
}

void m_DataBase::BuildTransponderView() {
  std::fill(std::begin(m_transponderView), std::end(m_transponderView), kNone);
  m_transponderViewCount = 0;
  if (m_view.deliveryKind == DELIVERY_TERRESTRIAL) {
    for (int n = 1; n <= dblayout::kTerCount; ++n) {
      const int tp = FindTransponderByNumber(-1, n);
      if (tp >= 0) m_transponderView[m_transponderViewCount++] = tp;
    }
  } else if (m_view.satellite >= 0 && m_view.satellite < dblayout::kSatelliteCount) {
    const int count = std::min<int>(GetSatelliteTransponderCount(m_view.satellite), dblayout::kTranspondersPerSatellite);
    for (int n = 1; n <= count; ++n) {
      const int tp = FindTransponderByNumber(m_view.satellite, n);
      if (tp >= 0) m_transponderView[m_transponderViewCount++] = tp;
    }
  }
  if (m_view.viewMode == VIEW_USED_TRANSPONDERS) {
    const std::vector<int> all(m_transponderView, m_transponderView + m_transponderViewCount);
    std::fill(std::begin(m_transponderView), std::end(m_transponderView), kNone);
    m_transponderViewCount = 0;
    for (int tp : all)
      if (CountTransponderServices(tp) > 0) m_transponderView[m_transponderViewCount++] = tp;
  }
}

int m_DataBase::GetTransponderViewEntry(int position) const {
  const int capacity = m_view.deliveryKind == DELIVERY_TERRESTRIAL ? dblayout::kTerCount : dblayout::kTransponderCount;
  return ClampedEntry(m_transponderView, capacity, position);
}

int m_DataBase::FindTransponderViewPosition(int slot) const {
  return FindPosition(m_transponderView, m_transponderViewCount, slot);
}

int m_DataBase::CountTransponderServices(int transponder) const {
  if (transponder < 0) return 0;
  int n = 0;
  for (int s = 0; s < dblayout::kServiceCount; ++s)
    if (IsServiceUsed(s) && ServiceTransponderSlot(s) == transponder) ++n;
  return n;
}
