// Reading the decimal numbers users type into the table edits, and formatting numbers the
// way the receiver's lists show them.
#pragma once
#include <cstdint>
#include <string>

namespace numbertext {

// A whole decimal number (digits only, blanks around it allowed). False for anything else,
// including an empty text and a value above 0xFFFFFFFF.
bool ParseUnsigned(const std::string& text, uint32_t& value);

// A decimal number of degrees with an optional fraction ("19.2", "330", "350.50"), returned as
// a non-negative double. Blanks around the number are allowed.
bool ParseDecimal(const std::string& text, double& value);

// printf-style "%5.1f" of value.
std::string Format51(double value);

// The text left-padded with '0' to at least `width` characters.
std::string ZeroPad(const std::string& text, size_t width);

}  // namespace numbertext
