#include "import/SatcoDxFile.h"

#include <fstream>

namespace satcodx {

namespace {

constexpr size_t kNameOffset = 10;
constexpr size_t kNameWidth = 18;
constexpr size_t kFrequencyOffset = 33;
constexpr size_t kFrequencyWidth = 9;
constexpr size_t kPolarisationOffset = 42;
constexpr size_t kPositionOffset = 51;
constexpr size_t kPositionWidth = 4;
constexpr size_t kSymbolRateOffset = 69;
constexpr size_t kSymbolRateWidth = 5;
constexpr size_t kFecOffset = 74;

int DigitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

// The field as the message quotes it: printable characters, others as '?'.
std::string Quoted(const char* field, size_t width) {
  std::string text;
  for (size_t i = 0; i < width; ++i) {
    const unsigned char c = static_cast<unsigned char>(field[i]);
    text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  }
  return "'" + text + "'";
}

}  // namespace

bool ParseNumberField(const char* field, size_t width, long long& value) {
  size_t i = 0;
  while (i < width && field[i] == ' ') ++i;
  if (i == width) return false;
  long long v = 0;
  for (; i < width; ++i) {
    if (field[i] < '0' || field[i] > '9') return false;
    v = v * 10 + (field[i] - '0');
  }
  value = v;
  return true;
}

SdxFile ParseSdx(const std::vector<uint8_t>& bytes, const std::string& name) {
  SdxFile file;
  const size_t count = bytes.size() / kRecordSize;
  file.ignoredTail = bytes.size() % kRecordSize;
  if (count == 0) {
    file.error = name + ": not a SatcoDX file: it holds no complete 128-byte record.";
    return file;
  }
  auto fail = [&](size_t k, const char* what, const char* field, size_t width) {
    file.error = name + ": record " + std::to_string(k + 1) + ": " + Quoted(field, width) +
                 " is not a valid " + what + ".";
    file.records.clear();
    return file;
  };
  const char* first = reinterpret_cast<const char*>(bytes.data());
  long long position = 0;
  if (!ParseNumberField(first + kPositionOffset, kPositionWidth, position) || position > kMaxPosition)
    return fail(0, "orbital position", first + kPositionOffset, kPositionWidth);
  file.position = static_cast<int>(position);
  file.records.reserve(count);
  for (size_t k = 0; k < count; ++k) {
    const char* r = first + k * kRecordSize;
    SdxRecord rec;
    long long frequency = 0, symbolRate = 0;
    if (!ParseNumberField(r + kFrequencyOffset, kFrequencyWidth, frequency))
      return fail(k, "frequency", r + kFrequencyOffset, kFrequencyWidth);
    if (!ParseNumberField(r + kSymbolRateOffset, kSymbolRateWidth, symbolRate))
      return fail(k, "symbol rate", r + kSymbolRateOffset, kSymbolRateWidth);
    rec.frequencyMHz = static_cast<int>(frequency / 1000);
    rec.symbolRate = static_cast<int>(symbolRate);
    rec.polarisationDigit = DigitValue(r[kPolarisationOffset]);
    rec.fec = DigitValue(r[kFecOffset]);
    if (k == 0) {
      std::string n(r + kNameOffset, kNameWidth);
      n = n.substr(0, n.find('\0'));
      while (!n.empty() && n.back() == ' ') n.pop_back();
      rec.satelliteName = n;
    }
    file.records.push_back(rec);
  }
  file.ok = true;
  return file;
}

SdxFile ReadSdxFile(const std::string& path) {
  SdxFile file;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    file.error = path + ": the file cannot be opened.";
    return file;
  }
  const std::streamoff length = in.tellg();
  if (length < 0) {
    file.error = path + ": the file cannot be read.";
    return file;
  }
  if (static_cast<uint64_t>(length) > kMaxFileSize) {
    file.error = path + ": the file is too large for a SatcoDX file (" + std::to_string(length) + " bytes).";
    return file;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  in.seekg(0);
  if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), length)) {
    file.error = path + ": the file cannot be read.";
    return file;
  }
  return ParseSdx(bytes, path);
}

}  // namespace satcodx
