#include "files/FileIo.h"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fileio {

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t limit) {
  out.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.resize(limit);
  in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(limit));
  out.resize(static_cast<size_t>(in.gcount()));
  return !in.bad();
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* why) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
  }
  if (out) return true;
  if (why) *why = errno ? std::strerror(errno) : "write error";
  return false;
}

bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* why) {
  QSaveFile file(QString::fromStdString(path));
  const qint64 size = static_cast<qint64>(bytes.size());
  if (file.open(QIODevice::WriteOnly) &&
      file.write(reinterpret_cast<const char*>(bytes.data()), size) == size && file.commit())
    return true;
  if (why) *why = file.errorString().toStdString();
  file.cancelWriting();
  return false;
}

bool WriteAt(const std::string& path, size_t offset, const uint8_t* bytes, size_t count) {
  std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
  if (!f) return false;
  f.seekp(static_cast<std::streamoff>(offset));
  f.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
  f.close();
  return static_cast<bool>(f);
}

std::string Join(const std::string& dir, const char* name) {
  return (std::filesystem::path(dir) / name).string();
}

}  // namespace fileio
