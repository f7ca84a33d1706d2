#include "ui/NumericEntry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

bool IsValidNumber(const QString& text, long long min, long long max) {
  if (text.isEmpty() || text.size() > 18) return false;
  long long value = 0;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    value = value * 10 + (c.unicode() - '0');
  }
  return value >= min && value <= max;
}

DigitsOnlyFilter* DigitsOnlyFilter::Instance() {
  static DigitsOnlyFilter* filter = new DigitsOnlyFilter(QCoreApplication::instance());
  return filter;
}

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys that type nothing, and shortcuts, are not characters.
    if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return QObject::eventFilter(watched, event);
    const QChar c = text.at(0);
    const bool digit = text.size() == 1 && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const bool backspace = key->key() == Qt::Key_Backspace;
    if (!digit && !backspace) return true;
  }
  return QObject::eventFilter(watched, event);
}

void InstallDigitsOnlyFilter(QLineEdit* edit) { edit->installEventFilter(DigitsOnlyFilter::Instance()); }
