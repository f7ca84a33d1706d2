#include "app/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <stdlib.h>
#include <unistd.h>

namespace {
std::string XdgFolder(const char* variable, const char* fallbackUnderHome) {
  const char* base = std::getenv(variable);
  std::string folder;
  if (base && *base == '/') {
    folder = base;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home && *home ? home : "/tmp") + "/" + fallbackUnderHome;
  }
  return folder + "/torvane";
}
}  // namespace

std::string ProgramFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

bool IsWritableFolder(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return false;
  // Try it: permission bits alone say nothing for root, and nothing about read-only mounts.
  std::string probe = folder + "/.torvane-probe-XXXXXX";
  int fd = ::mkstemp(probe.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::string UserCacheFolder() { return XdgFolder("XDG_CACHE_HOME", ".cache"); }

std::string SettingsFilePath(const std::string& programFolder) {
  const std::string folder = IsWritableFolder(programFolder) ? programFolder : UserConfigFolder();
  return folder + "/" + kSettingsFileName;
}

std::string WorkingFolder(const std::string& programFolder) {
  if (IsWritableFolder(programFolder)) return programFolder;
  std::string folder = UserCacheFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return folder;
}
