// UserDialogs shown with the standard message box and file dialogs, and the busy notice window.
#pragma once
#include <QString>

#include "app/UserDialogs.h"

class QWidget;
class TtUsesForm;

class QtUserDialogs : public UserDialogs {
public:
  QtUserDialogs(QWidget* parent, TtUsesForm* busyNotice);

  void Notify(NoticeStyle style, const std::string& text) override;
  Answer Ask(NoticeStyle style, const std::string& text) override;
  std::string ChooseOpenPath(const FileDialogOptions& options) override;
  std::string ChooseSavePath(const FileDialogOptions& options) override;
  void ShowBusyNotice(const std::string& text) override;
  void HideBusyNotice() override;
  // Shows the window's satellite selection dialog (a child TFormSelectSat of the parent).
  int ChooseSatellite(const std::vector<std::string>& labels, const std::string& prompt) override;

private:
  QWidget* m_parent;
  TtUsesForm* m_busy;
};

// "Description|*.ext|..." as a Qt name filter list ("Description (*.ext);;...").
QString ToQtFileFilter(const std::string& filter);
