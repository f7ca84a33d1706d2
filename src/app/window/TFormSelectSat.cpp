#include "app/window/TFormSelectSat.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFormSelectSat::TFormSelectSat(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("FormSelectSat");
  setWindowTitle("FormSelectSat");
  setFixedSize(480, 271);

  auto* panel = new QFrame(this);
  panel->setObjectName("P_SelectSat");
  panel->setFrameShape(QFrame::StyledPanel);
  m_prompt = new QLabel(panel);
  m_prompt->setObjectName("L_SelectSat");
  m_prompt->setWordWrap(true);
  m_list = new QListWidget(panel);
  m_list->setObjectName("LB_SelectSat");
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  // The labels pad slot numbers and longitudes with blanks: a fixed-pitch font keeps them in columns.
  m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(6, 6, 6, 6);
  panelLayout->addWidget(m_prompt);
  panelLayout->addWidget(m_list, 1);

  m_ok = new QPushButton("OK", this);
  m_ok->setObjectName("SB_OK");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("SB_Can");
  // Enter chooses whatever button holds the focus: OK (once a row is chosen) is the only one it
  // presses, so that Enter never cancels.
  m_ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  m_ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(panel, 1);
  layout->addLayout(buttons);

  connect(m_ok, &QPushButton::clicked, this, &TFormSelectSat::SB_OKClick);
  connect(cancel, &QPushButton::clicked, this, &TFormSelectSat::SB_CanClick);
  connect(m_list, &QListWidget::itemSelectionChanged, this,
          [this] { m_ok->setEnabled(!m_list->selectedItems().isEmpty()); });
  connect(m_list, &QListWidget::itemDoubleClicked, this, &TFormSelectSat::SB_OKClick);
  // Escape and the close box cancel.
  connect(this, &QDialog::rejected, this, [this] { m_SelectedSat = -1; });
}

void TFormSelectSat::Fill(const std::vector<std::string>& labels, const std::string& prompt) {
  m_prompt->setText(QString::fromStdString(prompt));
  m_list->clear();
  for (const std::string& label : labels) m_list->addItem(QString::fromStdString(label));
  m_list->setCurrentRow(-1);
  m_list->clearSelection();
  m_ok->setEnabled(false);
  m_list->setFocus();
  m_SelectedSat = -1;
}

int TFormSelectSat::Choose(const std::vector<std::string>& labels, const std::string& prompt) {
  Fill(labels, prompt);
  exec();
  hide();
  return m_SelectedSat;
}

void TFormSelectSat::SB_OKClick() {
  const QList<QListWidgetItem*> chosen = m_list->selectedItems();
  if (chosen.isEmpty()) return;
  m_SelectedSat = static_cast<int16_t>(m_list->row(chosen.first()));
  accept();
}

void TFormSelectSat::SB_CanClick() { reject(); }
