#include "ui/RecordText.h"
#include "ui/FormMove.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/MessageCatalogue.h"
#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "ui/NumericEntry.h"

FormMove::FormMove(TSDIAppForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_form(form),
      m_move(GetMessageText(1)) {
  setObjectName("FormMove");
  setWindowTitle("Service Move");
  setModal(true);
  auto* layout = new QGridLayout(this);
  auto* label = new QLabel("Service move to :", this);
  label->setObjectName("Label1");
  m_E_Move = new QLineEdit(this);
  m_E_Move->setObjectName("E_Move");
  InstallDigitsOnlyFilter(m_E_Move);  // E_MoveKeyPress: digits and backspace only
  m_L_Area = new QLabel(this);
  m_L_Area->setObjectName("L_Area");
  auto* go = new QPushButton("Go", this);
  go->setObjectName("SB_OK");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("SB_Can");
  go->setAutoDefault(false);
  cancel->setAutoDefault(false);
  layout->addWidget(label, 0, 0);
  layout->addWidget(m_E_Move, 0, 1);
  layout->addWidget(m_L_Area, 1, 0, 1, 2);
  layout->addWidget(go, 2, 0);
  layout->addWidget(cancel, 2, 1);
  connect(go, &QPushButton::clicked, this, &FormMove::SB_OKClick);
  connect(m_E_Move, &QLineEdit::returnPressed, this, &FormMove::SB_OKClick);
  connect(cancel, &QPushButton::clicked, this, &FormMove::SB_CanClick);
}

int FormMove::Run(int viewCount) {
  m_move.Show(viewCount);
  m_L_Area->setText(FromRecord(m_move.AreaLabel()));
  exec();
  hide();
  return m_move.Result();
}

void FormMove::SB_OKClick() {
  if (m_move.Go(ToRecord(m_E_Move->text()))) {
    accept();
    return;
  }
  m_form.Dialogs().Notify(notice::kValidationError, m_move.ErrorText());
  m_E_Move->clear();
  m_E_Move->setFocus();
}

void FormMove::SB_CanClick() {
  m_move.Cancel();
  QDialog::reject();
}

void FormMove::reject() { SB_CanClick(); }
