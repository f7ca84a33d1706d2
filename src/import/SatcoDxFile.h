// SatcoDX files: fixed 128-byte text records, one channel of one satellite each, no header and
// no check. The reader takes the fields the import uses and converts every number up front, so
// that a file with a malformed record is refused before anything of it is applied.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace satcodx {

constexpr size_t kRecordSize = 128;
// Larger files are refused: far more channels than any satellite carries.
constexpr uint64_t kMaxFileSize = 64ull * 1024 * 1024;
// The highest orbital position, in tenths of a degree east.
constexpr int kMaxPosition = 3600;

struct SdxRecord {
  std::string satelliteName;  // offset 10, 18 bytes, trailing blanks dropped
  int frequencyMHz = 0;       // offset 33, 9 digits of kHz, remainder dropped
  int polarisationDigit = 0;  // offset 42, 0 for a character that is no digit
  int symbolRate = 0;         // offset 69, 5 digits
  int fec = 0;                // offset 74, 0 for a character that is no digit
};

struct SdxFile {
  bool ok = false;
  std::string error;  // why the file was refused, naming the record and the text
  int position = 0;   // orbital position of the first record, tenths of a degree
  std::vector<SdxRecord> records;
  size_t ignoredTail = 0;  // bytes after the last complete record
};

// A decimal field: leading blanks, then at least one digit and nothing else.
bool ParseNumberField(const char* field, size_t width, long long& value);

// Parses the complete records of a file's bytes; `name` is used in messages.
SdxFile ParseSdx(const std::vector<uint8_t>& bytes, const std::string& name);
// Reads and parses a file from disk.
SdxFile ReadSdxFile(const std::string& path);

}  // namespace satcodx
