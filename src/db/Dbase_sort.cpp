// The sort command, the service and transponder selection commands and the name search.
#include <algorithm>

#include "db/M_database.h"

namespace {

// Index of a sort key's direction flag: name, provider, transponder, satellite.
int DirectionIndex(int key) {
  switch (key) {
    case SORT_NAME: return 0;
    case SORT_PROVIDER: return 1;
    case SORT_TRANSPONDER: return 2;
    case SORT_SATELLITE: return 3;
    default: return -1;
  }
}

bool SameLetter(unsigned char a, unsigned char b) {
  if (a == b) return true;
  if (a >= 0x80 || b >= 0x80) return false;
  auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c; };
  return lower(a) == lower(b) && ((a >= 'A' && a <= 'Z') || (a >= 'a' && a <= 'z'));
}

}  // namespace

bool m_DataBase::IsSortAscending(int key) const {
  const int i = DirectionIndex(key);
  return i >= 0 && m_sortAscending[i];
}

bool m_DataBase::ApplySortCommand(int sortMode) {
  const int i = DirectionIndex(sortMode);
  if (sortMode != SORT_ORIGINAL && i < 0) return m_sortMode == SORT_ORIGINAL;
  m_sortMode = sortMode;
  if (i >= 0) {
    m_sortAscending[i] = !m_sortAscending[i];
    m_activeSortKey = sortMode;
  }
  m_view.serviceSort = sortMode;
  if (m_view.viewMode == VIEW_FAVORITE)
    BuildFavoriteServiceView(m_view.favoriteMask);
  else
    BuildServiceView();
  return sortMode == SORT_ORIGINAL;
}

void m_DataBase::FindServicesByName(const std::string& text) {
  const size_t compared = std::min<size_t>(text.size(), 31);
  int kept = 0;
  for (int p = 0; p < m_serviceViewCount; ++p) {
    const int s = m_serviceView[p];
    const std::string name = GetServiceName(s);
    if (name.size() < text.size()) continue;
    bool match = true;
    for (size_t i = 0; i < compared && match; ++i)
      match = SameLetter(static_cast<unsigned char>(name[i]), static_cast<unsigned char>(text[i]));
    if (match) m_serviceView[kept++] = s;
  }
  std::fill(m_serviceView + kept, m_serviceView + m_serviceViewCount, kNone);
  m_serviceViewCount = kept;
}

// ---- Service selection ----------------------------------------------------------------------

void m_DataBase::UnselectAllServices() {
  for (int p = 0; p < m_serviceViewCount; ++p) SetServiceMark(m_serviceView[p], false);
}

void m_DataBase::InvertServiceMarks() {
  for (int p = 0; p < m_serviceViewCount; ++p) ToggleServiceMark(m_serviceView[p]);
}

void m_DataBase::SelectAllServices() {
  UnselectAllServices();
  InvertServiceMarks();
}

void m_DataBase::MarkServicesOfProvider(int row) {
  UnselectAllServices();
  const int provider = ServiceProviderSlot(GetServiceViewEntry(row));
  for (int p = 0; p < m_serviceViewCount; ++p)
    if (ServiceProviderSlot(m_serviceView[p]) == provider) SetServiceMark(m_serviceView[p], true);
}

void m_DataBase::MarkServicesOfTransponder(int row) {
  UnselectAllServices();
  const int tp = ServiceTransponderSlot(GetServiceViewEntry(row));
  for (int p = 0; p < m_serviceViewCount; ++p)
    if (ServiceTransponderSlot(m_serviceView[p]) == tp) SetServiceMark(m_serviceView[p], true);
}

void m_DataBase::MarkServicesOfAntenna(int row) {
  UnselectAllServices();
  const int sat = GetServiceSatellite(GetServiceViewEntry(row));
  for (int p = 0; p < m_serviceViewCount; ++p)
    if (GetServiceSatellite(m_serviceView[p]) == sat) SetServiceMark(m_serviceView[p], true);
}

void m_DataBase::MarkHdServices() {
  UnselectAllServices();
  for (int p = 0; p < m_serviceViewCount; ++p)
    if (IsServiceHd(m_serviceView[p])) SetServiceMark(m_serviceView[p], true);
}

// ---- Transponder selection ------------------------------------------------------------------

void m_DataBase::UnselectAllTransponders() {
  for (int p = 0; p < m_transponderViewCount; ++p) SetTransponderMark(m_transponderView[p], false);
}

void m_DataBase::InvertTransponderMarks() {
  for (int p = 0; p < m_transponderViewCount; ++p) ToggleTransponderMark(m_transponderView[p]);
}

void m_DataBase::SelectAllTransponders() {
  UnselectAllTransponders();
  InvertTransponderMarks();
}

void m_DataBase::MarkTranspondersOfAntenna(int row) {
  UnselectAllTransponders();
  const int sat = GetTransponderSatellite(GetTransponderViewEntry(row));
  for (int p = 0; p < m_transponderViewCount; ++p)
    if (GetTransponderSatellite(m_transponderView[p]) == sat) SetTransponderMark(m_transponderView[p], true);
}
