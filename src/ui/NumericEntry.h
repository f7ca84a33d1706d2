// The numeric-entry rules shared by every numeric edit of the pages: the whole-text check and
// the key filter that lets only digits and backspace through.
#pragma once
#include <QObject>
#include <QString>

class QLineEdit;

// True when the text is not empty, holds only the digits 0 to 9 and min <= value <= max.
bool IsValidNumber(const QString& text, long long min, long long max);

// E_PmtKeyPress: drops every typed character other than 0-9 and backspace. Editing keys that
// type nothing (arrows, delete, shortcuts) pass.
class DigitsOnlyFilter : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // The one filter of the application, created on first use.
  static DigitsOnlyFilter* Instance();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs the digits-only filter on a numeric edit.
void InstallDigitsOnlyFilter(QLineEdit* edit);
