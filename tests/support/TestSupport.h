// Helpers shared by the test programs.
#pragma once
#include <string>
#include <vector>
#include <cstdint>

namespace testsupport {
// A fresh empty folder under the system temp folder, removed at process exit.
std::string TempDir();
std::vector<uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
}  // namespace testsupport
