// The Options dialog: serial port and the two show-options switches of the receiver transfers.
// OK commits the pending port and writes every option to the settings file; Cancel only closes.
#pragma once
#include <QDialog>

#include "app/OptionValues.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class SettingsFile;

class TFormOptions : public QDialog {
  Q_OBJECT
public:
  // The dialog reads and sets `options` (owned by the main window) and writes to `settings`.
  TFormOptions(OptionValues& options, SettingsFile& settings, QWidget* parent = nullptr);

  int PendingPort() const { return m_pendingPort; }
  // Selects the first page; the commands that show the dialog call it first.
  void SelectFirstPage();

private slots:
  void RB_Com0Click(int tag);
  void CB_UpgradeRunClick(bool checked);
  void CB_DownloadRunClick(bool checked);
  void SB_OKClick();
  void SB_CanClick();

private:
  void FormCreate();
  void ShowDevices();

  OptionValues& m_options;
  SettingsFile& m_settings;
  uint16_t m_pendingPort = 1;
  QTabWidget* m_pages;
  QButtonGroup* m_comGroup;
  QRadioButton* m_bau;
  QCheckBox* m_upgradeRun;
  QCheckBox* m_downloadRun;
  QLabel* m_devices;
};
