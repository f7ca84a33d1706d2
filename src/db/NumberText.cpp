#include "db/NumberText.h"

#include <cstdio>

namespace numbertext {

namespace {

// The text without leading and trailing blanks.
std::string Trim(const std::string& text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return text.substr(b, e - b);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseUnsigned(const std::string& text, uint32_t& value) {
  const std::string t = Trim(text);
  if (t.empty()) return false;
  uint64_t v = 0;
  for (char c : t) {
    if (!IsDigit(c)) return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
    if (v > 0xFFFFFFFFull) return false;
  }
  value = static_cast<uint32_t>(v);
  return true;
}

bool ParseDecimal(const std::string& text, double& value) {
  const std::string t = Trim(text);
  if (t.empty() || t.size() > 32) return false;
  double whole = 0;
  double fraction = 0;
  double scale = 1;
  bool point = false;
  bool digits = false;
  for (char c : t) {
    if (c == '.') {
      if (point) return false;
      point = true;
    } else if (IsDigit(c)) {
      digits = true;
      if (point) {
        scale /= 10;
        fraction += (c - '0') * scale;
      } else {
        whole = whole * 10 + (c - '0');
      }
    } else {
      return false;
    }
  }
  if (!digits) return false;
  value = whole + fraction;
  return true;
}

std::string Format51(double value) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%5.1f", value);
  return buf;
}

std::string ZeroPad(const std::string& text, size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), '0') + text;
}

}  // namespace numbertext
