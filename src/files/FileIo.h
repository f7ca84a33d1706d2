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
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// Writes beside the target and renames over it, so a failed write leaves the target intact.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes);
// Overwrites `count` bytes at `offset` of an existing file.
bool WriteAt(const std::string& path, size_t offset, const uint8_t* bytes, size_t count);
std::string Join(const std::string& dir, const char* name);

}  // namespace fileio
