#include "app/SettingsFile.h"

#include <SimpleIni.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

struct SettingsFile::Impl {
  // Keys compare without regard to case, as in Windows INI files.
  CSimpleIniA ini{true, false, false};
};

SettingsFile::SettingsFile(std::string path) : m_path(std::move(path)), m_impl(new Impl) {
  m_impl->ini.SetSpaces(false);
}

SettingsFile::~SettingsFile() = default;

void SettingsFile::Load() {
  m_impl->ini.Reset();
  m_impl->ini.SetSpaces(false);
  m_impl->ini.LoadFile(m_path.c_str());
}

bool SettingsFile::Save() const {
  std::string text;
  if (m_impl->ini.Save(text, false) < 0) return false;
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(m_path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  // Write a sibling file and rename it over the settings file, so that a failed write never
  // leaves a truncated settings file behind.
  const std::string temp = m_path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

long SettingsFile::ReadInt(const char* section, const char* key, long defaultValue) const {
  const char* v = m_impl->ini.GetValue(section, key, nullptr);
  if (!v) return defaultValue;
  // Decimal text; a value that is not a number reads as the default.
  char* end = nullptr;
  errno = 0;
  long n = std::strtol(v, &end, 10);
  if (end == v || errno == ERANGE) return defaultValue;
  return n;
}

std::string SettingsFile::ReadText(const char* section, const char* key,
                                   const std::string& defaultValue) const {
  const char* v = m_impl->ini.GetValue(section, key, nullptr);
  return v ? std::string(v) : defaultValue;
}

void SettingsFile::WriteInt(const char* section, const char* key, long value) {
  m_impl->ini.SetValue(section, key, std::to_string(value).c_str());
}

void SettingsFile::WriteText(const char* section, const char* key, const std::string& value) {
  m_impl->ini.SetValue(section, key, value.c_str());
}
