// Texts of the receiver's records are single-byte fields: one character is one byte. The pages
// convert them as Latin-1 so every stored byte shows as one character and comes back unchanged;
// a typed character outside Latin-1 is stored as '?'.
#pragma once
#include <QByteArray>
#include <QString>
#include <string>

inline QString FromRecord(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToRecord(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
