#include "db/ServiceMoveTo.h"

void ServiceMoveTo::Show(int viewCount) {
  m_count = viewCount;
  m_result = -1;
  m_error.clear();
  m_area = "(area: 1 ~ " + std::to_string(viewCount) + ")";
}

bool ServiceMoveTo::Go(const std::string& text) {
  m_text = text;
  long value = -1;
  if (!text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos)
    value = std::stol(text);
  if (value >= 1 && value <= m_count) {
    m_result = static_cast<int>(value);
    m_error.clear();
    return true;
  }
  m_error = m_invalidText + "\n\n" + m_area;
  m_text.clear();
  return false;
}
