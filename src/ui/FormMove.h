// The move-to dialog "Service Move": asks for a target row from 1 to the service view count.
// The logic is ServiceMoveTo's; refusals are shown through the window's UserDialogs.
#pragma once
#include <QDialog>

#include "db/ServiceMoveTo.h"

class QLabel;
class QLineEdit;
class TSDIAppForm;

class FormMove : public QDialog {
  Q_OBJECT
 public:
  FormMove(TSDIAppForm& form, QWidget* parent = nullptr);

  // Shows the dialog modally for a view of `viewCount` services; the target row, or -1.
  int Run(int viewCount);
  int Result() const { return m_move.Result(); }

 public slots:
  void SB_OKClick();
  void SB_CanClick();
  void reject() override;

 private:
  TSDIAppForm& m_form;
  ServiceMoveTo m_move;
  QLineEdit* m_E_Move = nullptr;
  QLabel* m_L_Area = nullptr;
};
