#include "db/ServiceSearch.h"

#include "db/M_database.h"

void ServiceSearch::Show() {
  m_result = -1;
  m_rows.clear();
}

const std::vector<ServiceSearch::Row>& ServiceSearch::TextChanged(const std::string& text) {
  m_rows.clear();
  if (text.empty()) return m_rows;
  m_db.BuildServiceView();
  m_db.FindServicesByName(text);
  m_db.SetServiceSort(SORT_ORIGINAL);
  for (int p = 1; p <= m_db.GetServiceViewCount(); ++p) {
    const int slot = m_db.GetServiceViewEntry(p);
    m_rows.push_back({slot, std::to_string(slot + 1), m_db.GetServiceName(slot)});
  }
  return m_rows;
}

int ServiceSearch::Find(int selectedRow) {
  const bool shown = selectedRow >= 1 && selectedRow <= static_cast<int>(m_rows.size());
  m_result = shown ? m_rows[selectedRow - 1].slot : -1;
  Close();
  return m_result;
}

void ServiceSearch::Cancel() {
  m_result = -1;
  Close();
}

void ServiceSearch::Close() {
  m_db.SetServiceSort(m_db.GetSortMode());
  m_db.BuildServiceView();
}
