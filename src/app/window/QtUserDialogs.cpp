#include "app/window/QtUserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/window/TFormSelectSat.h"
#include "app/window/TtUsesForm.h"

namespace {
QMessageBox::StandardButtons ButtonsOf(ButtonSet set) {
  switch (set) {
    case ButtonSet::Ok: return QMessageBox::Ok;
    case ButtonSet::Yes: return QMessageBox::Yes;
    case ButtonSet::YesCancel: return QMessageBox::Yes | QMessageBox::Cancel;
    case ButtonSet::YesNo: return QMessageBox::Yes | QMessageBox::No;
  }
  return QMessageBox::Ok;
}

int ShowBox(QWidget* parent, NoticeStyle style, const std::string& text) {
  QMessageBox::Icon icon = QMessageBox::Critical;
  QString title = "Error";
  if (style.kind == NoticeKind::Confirmation) {
    icon = QMessageBox::Question;
    title = "Confirm";
  } else if (style.kind == NoticeKind::Warning) {
    icon = QMessageBox::Warning;
    title = "Warning";
  }
  QMessageBox box(icon, title, QString::fromStdString(text), ButtonsOf(style.buttons), parent);
  return box.exec();
}
}  // namespace

QString ToQtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(';', ' ');
    // The description already names its pattern in most of our filters; Qt reads the last
    // parenthesised part, so give it the pattern there either way.
    QString description = parts[i];
    const int paren = description.lastIndexOf('(');
    if (paren >= 0) description = description.left(paren).trimmed();
    filters << description + " (" + pattern + ")";
  }
  return filters.join(";;");
}

QtUserDialogs::QtUserDialogs(QWidget* parent, TtUsesForm* busyNotice)
    : m_parent(parent), m_busy(busyNotice) {}

void QtUserDialogs::Notify(NoticeStyle style, const std::string& text) { ShowBox(m_parent, style, text); }

Answer QtUserDialogs::Ask(NoticeStyle style, const std::string& text) {
  switch (ShowBox(m_parent, style, text)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
  }
}

std::string QtUserDialogs::ChooseOpenPath(const FileDialogOptions& options) {
  return QFileDialog::getOpenFileName(m_parent, QString::fromStdString(options.title), QString(),
                                      ToQtFileFilter(options.filter))
      .toStdString();
}

std::string QtUserDialogs::ChooseSavePath(const FileDialogOptions& options) {
  QFileDialog dialog(m_parent, QString::fromStdString(options.title), QString(), ToQtFileFilter(options.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt));
  // The save command asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

void QtUserDialogs::ShowBusyNotice(const std::string& text) {
  if (m_busy) m_busy->ShowNotice(QString::fromStdString(text));
}

void QtUserDialogs::HideBusyNotice() {
  if (m_busy) m_busy->HideNotice();
}

int QtUserDialogs::ChooseSatellite(const std::vector<std::string>& labels, const std::string& prompt) {
  if (TFormSelectSat* form = m_parent ? m_parent->findChild<TFormSelectSat*>() : nullptr)
    return form->Choose(labels, prompt);
  TFormSelectSat form(m_parent);
  return form.Choose(labels, prompt);
}
