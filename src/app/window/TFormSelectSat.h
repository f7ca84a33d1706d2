// The satellite selection dialog of the SatcoDX import: when no satellite slot is free, the user
// picks the satellite a file's new satellite replaces, or cancels and the file is skipped.
#pragma once
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class TFormSelectSat : public QDialog {
  Q_OBJECT
 public:
  explicit TFormSelectSat(QWidget* parent = nullptr);

  // Lists `labels` (one row per slot, in slot order) under `prompt`, shows the dialog modally
  // and returns the chosen slot, or -1 when cancelled.
  int Choose(const std::vector<std::string>& labels, const std::string& prompt);
  // Fills the dialog for the next showing; nothing is selected and OK is off until a row is.
  void Fill(const std::vector<std::string>& labels, const std::string& prompt);
  // The slot chosen when the dialog last closed; -1 after Cancel.
  int SelectedSatellite() const { return m_SelectedSat; }

  QListWidget* List() const { return m_list; }

 public slots:
  void SB_OKClick();
  void SB_CanClick();

 private:
  QLabel* m_prompt;
  QListWidget* m_list;
  QPushButton* m_ok;
  int16_t m_SelectedSat = -1;
};
