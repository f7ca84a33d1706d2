#include "link/window/TFormUpgrade.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/MessageCatalogue.h"
#include "app/UserDialogs.h"
#include "link/ComChannel.h"

TFormUpgrade::TFormUpgrade(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("FormUpgrade");
  setWindowTitle("FormUpgrade");
  setFixedSize(484, 200);
  // A progress window left open must not keep the program running once the main window closes.
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  m_E_Com = AddField(grid, 0, 0, "Shape_ComState", "COM:", "E_Com", &m_Shape_ComState);
  m_E_Com->setText("COM 1");
  m_Shape_ComState->setAutoFillBackground(true);
  m_E_Bau = AddField(grid, 0, 2, "Label4", "Baudrates:", "E_Bau");
  m_E_Bau->setText("115200[bps]");
  m_E_FileName = AddField(grid, 1, 0, "Label_FileName", "File Name:", "E_FileName");
  m_E_Start = AddField(grid, 2, 0, "Label_State", "Nonce State:", "E_Start");
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  outer->addLayout(grid);

  m_ProgressBarMain = new QProgressBar(this);
  m_ProgressBarMain->setObjectName("ProgressBarMain");
  m_ProgressBarMain->setRange(0, 100);
  m_ProgressBarMain->setValue(0);
  m_ProgressBarMain->setTextVisible(false);
  outer->addWidget(m_ProgressBarMain);
  outer->addStretch(1);

  auto* bottom = new QWidget(this);
  bottom->setObjectName("P_Bottom");
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->addStretch(1);
  m_SB_Cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", bottom);
  m_SB_Cancel->setObjectName("SB_Cancel");
  m_SB_Cancel->setMinimumWidth(96);
  bottomLayout->addWidget(m_SB_Cancel);
  outer->addWidget(bottom);
  connect(m_SB_Cancel, &QPushButton::clicked, this, &TFormUpgrade::SB_CancelClick);
}

QLineEdit* TFormUpgrade::AddField(QGridLayout* grid, int row, int column, const char* labelName,
                                  const QString& label, const char* name, QLabel** labelOut) {
  auto* l = new QLabel(label, this);
  l->setObjectName(labelName);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  l->setBuddy(edit);
  grid->addWidget(l, row, column);
  // The first row holds two fields; the others run the whole width.
  grid->addWidget(edit, row, column + 1, 1, row == 0 ? 1 : 3);
  if (labelOut) *labelOut = l;
  return edit;
}

void TFormUpgrade::Attach(rlink::ComChannel* channel, UserDialogs* dialogs, QWidget* mainWindow) {
  m_Channel = channel;
  m_Dialogs = dialogs;
  m_MainWindow = mainWindow;
}

void TFormUpgrade::SetCaptionNumber(int number) {
  setWindowTitle(number > 0 ? QString::fromStdString(GetMessageText(static_cast<uint16_t>(number)))
                            : QString());
}

void TFormUpgrade::OnPortName(const std::string& displayName) {
  m_E_Com->setText(QString::fromStdString(displayName));
}

void TFormUpgrade::OnPortState(bool configured) {
  m_Shape_ComState->setStyleSheet(configured ? "background-color: lime;" : "background-color: red;");
}

void TFormUpgrade::OnPortError(const std::string& message) {
  if (m_Dialogs) m_Dialogs->Notify(notice::kValidationError, message);
}

void TFormUpgrade::OnFileName(const std::string& path) {
  m_E_FileName->setText(QString::fromStdString(path));
}

void TFormUpgrade::OnProgressReset() { m_ProgressBarMain->setValue(0); }

void TFormUpgrade::OnTransferRunning() {
  if (m_MainWindow) m_MainWindow->setEnabled(false);
}

void TFormUpgrade::OnStatus(const std::string& text) {
  m_E_Start->setText(QString::fromStdString(text));
  // Drawn now: the last text of a download stays up while nothing else runs.
  if (m_E_Start->isVisible()) m_E_Start->repaint();
}

void TFormUpgrade::OnProgress(rlink::ProgressPhase /*phase*/, int /*step*/, int count) {
  if (count <= 0) return;
  const int current = qBound(0, m_ProgressBarMain->value(), count);
  m_ProgressBarMain->setRange(0, count);
  // One step per report; a step past the end starts the bar over, so it fills once a phase.
  int next = current + 1;
  if (next > count) next -= count;
  m_ProgressBarMain->setValue(next);
  if (m_ProgressBarMain->isVisible()) m_ProgressBarMain->repaint();
}

void TFormUpgrade::SB_CancelClick() {
  if (m_Channel) m_Channel->CloseComPort();
  hide();
}

void TFormUpgrade::closeEvent(QCloseEvent* event) {
  if (m_Channel) m_Channel->CloseComPort();
  event->accept();
}
