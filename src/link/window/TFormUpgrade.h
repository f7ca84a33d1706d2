// The progress window of the receiver transfers (FormUpgrade): port, speed, file, status
// field, progress bar and Cancel. It is the transfer's observer; Cancel closes the channel,
// which ends every wait of the running transfer.
#pragma once
#include <QPointer>
#include <QWidget>
#include <string>

#include "link/TransferObserver.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class UserDialogs;

namespace rlink {
class ComChannel;
}

class TFormUpgrade : public QWidget, public rlink::TransferObserver {
  Q_OBJECT
 public:
  explicit TFormUpgrade(QWidget* parent = nullptr);

  // What one transfer uses: the channel Cancel closes, the dialogs that show a port error and the
  // main window that is disabled while the transfer runs. Any may be null.
  void Attach(rlink::ComChannel* channel, UserDialogs* dialogs, QWidget* mainWindow);

  // Caption from the message catalogue; 0 gives an empty caption.
  void SetCaptionNumber(int number);

  // TransferObserver
  void OnPortName(const std::string& displayName) override;
  void OnPortState(bool configured) override;
  void OnPortError(const std::string& message) override;
  void OnFileName(const std::string& path) override;
  void OnProgressReset() override;
  void OnTransferRunning() override;
  void OnStatus(const std::string& text) override;
  void OnProgress(rlink::ProgressPhase phase, int step, int count) override;

  QLabel* ComState() const { return m_Shape_ComState; }
  QLineEdit* ComField() const { return m_E_Com; }
  QLineEdit* FileNameField() const { return m_E_FileName; }
  QLineEdit* StatusField() const { return m_E_Start; }
  QProgressBar* ProgressBar() const { return m_ProgressBarMain; }
  QPushButton* CancelButton() const { return m_SB_Cancel; }

 public slots:
  void SB_CancelClick();

 protected:
  // The window has no close button; a close the window system asks for anyway acts as Cancel.
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* AddField(class QGridLayout* grid, int row, int column, const char* labelName,
                      const QString& label, const char* name, QLabel** labelOut = nullptr);

  rlink::ComChannel* m_Channel = nullptr;
  UserDialogs* m_Dialogs = nullptr;
  QPointer<QWidget> m_MainWindow;

  QLabel* m_Shape_ComState = nullptr;
  QLineEdit* m_E_Com = nullptr;
  QLineEdit* m_E_Bau = nullptr;
  QLineEdit* m_E_FileName = nullptr;
  QLineEdit* m_E_Start = nullptr;
  QProgressBar* m_ProgressBarMain = nullptr;
  QPushButton* m_SB_Cancel = nullptr;
};
