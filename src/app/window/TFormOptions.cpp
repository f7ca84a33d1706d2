#include "app/window/TFormOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

TFormOptions::TFormOptions(OptionValues& options, SettingsFile& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_options(options),
      m_settings(settings) {
  // No border icons: the dialog closes only through its buttons.
  setObjectName("FormOptions");
  setWindowTitle("Options");
  setFixedSize(539, 413);

  m_pages = new QTabWidget(this);
  m_pages->setObjectName("PC_Options");
  auto* com = new QWidget;
  com->setObjectName("TS_Com");
  m_pages->addTab(com, "Port");
  connect(m_pages, &QTabWidget::currentChanged, this, [](int) {});  // PC_OptionsChange does nothing

  auto* gbCom = new QGroupBox("COM :", com);
  gbCom->setObjectName("GB_Com");
  auto* comGrid = new QGridLayout(gbCom);
  m_comGroup = new QButtonGroup(this);
  for (int i = 0; i < 10; ++i) {
    auto* rb = new QRadioButton(QString("COM %1").arg(i + 1), gbCom);
    rb->setObjectName(QString("RB_Com%1").arg(i));
    m_comGroup->addButton(rb, i + 1);  // the Tag: port number 1 ... 10
    comGrid->addWidget(rb, i % 5, i / 5);
  }
  m_comGroup->button(1)->setChecked(true);
  connect(m_comGroup, &QButtonGroup::idClicked, this, &TFormOptions::RB_Com0Click);

  auto* gbBau = new QGroupBox("Baudrates :", com);
  gbBau->setObjectName("GB_Bau");
  auto* bauLayout = new QVBoxLayout(gbBau);
  m_bau = new QRadioButton("115200[bps]", gbBau);
  m_bau->setObjectName("RB_Bau");
  bauLayout->addWidget(m_bau);
  bauLayout->addStretch();

  m_upgradeRun = new QCheckBox("Will be displayed when upgrade running?", com);
  m_upgradeRun->setObjectName("CB_UpgradeRun");
  connect(m_upgradeRun, &QCheckBox::clicked, this, &TFormOptions::CB_UpgradeRunClick);
  m_downloadRun = new QCheckBox("Will be displayed when download running?", com);
  m_downloadRun->setObjectName("CB_DownloadRun");
  connect(m_downloadRun, &QCheckBox::clicked, this, &TFormOptions::CB_DownloadRunClick);

  auto* comLayout = new QVBoxLayout(com);
  auto* groups = new QHBoxLayout;
  groups->addWidget(gbCom, 2);
  groups->addWidget(gbBau, 1);
  comLayout->addLayout(groups);
  comLayout->addWidget(m_upgradeRun);
  comLayout->addWidget(m_downloadRun);
  m_devices = new QLabel(com);
  m_devices->setObjectName("L_Devices");
  m_devices->setWordWrap(true);
  comLayout->addWidget(m_devices);
  comLayout->addStretch();

  auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
  ok->setObjectName("SB_OK");
  connect(ok, &QPushButton::clicked, this, &TFormOptions::SB_OKClick);
  auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
  cancel->setObjectName("SB_Can");
  connect(cancel, &QPushButton::clicked, this, &TFormOptions::SB_CanClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* main = new QVBoxLayout(this);
  main->addWidget(m_pages);
  main->addLayout(buttons);

  FormCreate();
}

void TFormOptions::FormCreate() {
  m_pendingPort = m_options.port;
  SelectFirstPage();
  QAbstractButton* current = m_comGroup->button(m_options.port);
  if (current) {
    current->setChecked(true);
  } else {
    // A port outside 1 ... 10 in the settings file: no button is checked.
    m_comGroup->setExclusive(false);
    for (QAbstractButton* b : m_comGroup->buttons()) b->setChecked(false);
    m_comGroup->setExclusive(true);
  }
  m_bau->setChecked(true);
  m_bau->setEnabled(false);
  m_upgradeRun->setChecked(m_options.showUpgrade);
  m_downloadRun->setChecked(m_options.showDownload);
  ShowDevices();
}

void TFormOptions::ShowDevices() {
  // Which device each COM button stands for (section PORTS), and the serial ports present.
  for (int port = 1; port <= kPortCount; ++port)
    m_comGroup->button(port)->setToolTip(QString::fromStdString(m_options.PortDevice(port)));
  QStringList present;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) present << info.systemLocation();
  m_devices->setText("Serial ports on this computer: " +
                     (present.isEmpty() ? QString("none") : present.join(", ")));
}

void TFormOptions::SelectFirstPage() { m_pages->setCurrentIndex(0); }

void TFormOptions::RB_Com0Click(int tag) { m_pendingPort = static_cast<uint16_t>(tag); }

void TFormOptions::CB_UpgradeRunClick(bool checked) { m_options.SetRunShowUpgrade(checked); }

void TFormOptions::CB_DownloadRunClick(bool checked) { m_options.SetRunShowDownload(checked); }

void TFormOptions::SB_OKClick() {
  m_options.port = static_cast<uint8_t>(m_pendingPort);
  m_options.satcoDxWithSame = 1;
  WriteOptions(m_settings, m_options);
  accept();
}

void TFormOptions::SB_CanClick() { reject(); }
