// Whole-file reads and writes for the file layer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fileio {

bool Exists(const std::string& path);
// Reads at most `limit` bytes from the start of the file.
bool ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t limit);
// `why`, when given, receives the system's reason for a failure.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* why = nullptr);
// Writes a uniquely named file beside the target, flushes it to the disk and renames it over
// the target (keeping the target's permissions), so a failed write leaves the target intact.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* why = nullptr);
// Overwrites `count` bytes at `offset` of an existing file.
bool WriteAt(const std::string& path, size_t offset, const uint8_t* bytes, size_t count);
std::string Join(const std::string& dir, const char* name);

}  // namespace fileio
