// The editor's settings file ("Velmora.ini", Windows INI format): sections of "key=value" lines.
// Missing files and keys read as the defaults given; write failures are not reported to the user.
#pragma once
#include <memory>
#include <string>

class SettingsFile {
public:
  explicit SettingsFile(std::string path);
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  const std::string& Path() const { return m_path; }

  // Reads the file anew; a missing or unreadable file gives an empty set of sections.
  void Load();
  // Writes every section back, creating the file and its folder as needed. Returns false when the
  // file could not be written.
  bool Save() const;

  long ReadInt(const char* section, const char* key, long defaultValue) const;
  std::string ReadText(const char* section, const char* key, const std::string& defaultValue) const;
  void WriteInt(const char* section, const char* key, long value);
  void WriteText(const char* section, const char* key, const std::string& value);

private:
  struct Impl;
  std::string m_path;
  std::unique_ptr<Impl> m_impl;
};
