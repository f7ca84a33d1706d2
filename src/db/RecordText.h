// Text helpers of the table records: fixed-width single-byte name fields and decimal number texts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace recordtext {

// The text of a fixed-width field: up to the first NUL or the end of the field.
inline std::string ReadFixed(const uint8_t* field, size_t width) {
  size_t n = 0;
  while (n < width && field[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(field), n);
}

// A name as it can be stored: cut at an embedded NUL and at maxChars characters.
inline std::string Storable(const std::string& text, size_t maxChars) {
  std::string s = text.substr(0, text.find('\0'));
  if (s.size() > maxChars) s.resize(maxChars);
  return s;
}

// Clears the first clearBytes bytes of the field, then copies the text with its terminating NUL.
// The text must already be Storable (at most clearBytes - 1 characters or fitting the field).
inline void WriteFixed(uint8_t* field, size_t clearBytes, const std::string& text) {
  std::memset(field, 0, clearBytes);
  std::memcpy(field, text.data(), text.size());
  field[text.size()] = 0;
}

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

inline std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

// Reads a decimal number (blanks around it allowed); false when the text is not a number in 0..max.
inline bool ParseDecimal(const std::string& text, uint32_t max, uint32_t* value) {
  const std::string t = Trim(text);
  if (t.empty() || t.size() > 10) return false;
  uint64_t v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  if (v > max) return false;
  *value = static_cast<uint32_t>(v);
  return true;
}

}  // namespace recordtext
