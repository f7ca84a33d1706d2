// Construction of the Satellite page and its page operations: refresh, grid fill, row refresh,
// the tool bar and auto scan bar of the selected satellite and its service list.
#include "ui/RecordText.h"
#include "ui/SatellitePage.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/NumericEntry.h"
#include "ui/PageBars.h"
#include "ui/PageGridDelegate.h"
#include "ui/SatelliteGridModel.h"

using pagebars::ShowText;

namespace {
QString Q(const std::string& text) { return FromRecord(text); }

const char* const kLnbMenu[] = {"Uni(9750/10600)", "Uni(9750/10750)", "LowBand(9750)", "HighBand(10600)",
                                "One Cable L",     "One Cable H",     "C-Band(5150)",  "Ku(10000/10450)",
                                "Ku-Band(11300)",  "User(5150)"};
const char* const kLnbButton[] = {"Uni.(9750/10600)", "Uni.(9750/10750)", "LowBand(9750)",
                                  "HighBand(10600)",  "One Cable L",      "One Cable H",
                                  "C-Band(5150)",     "Ku(10000/10450)",  "Ku-Band(11300)"};
}  // namespace

QString LnbTypeMenuCaption(int type) { return type >= 0 && type <= 9 ? kLnbMenu[type] : QString(); }

QString LnbTypeButtonCaption(int type, int userFrequency) {
  if (type == 9) return QString("User(%1)").arg(userFrequency);
  return type >= 0 && type < 9 ? kLnbButton[type] : QString();
}

SatellitePage::SatellitePage(TSDIAppForm& form)
    : QWidget(form.PageControl()->widget(kTab)), m_form(form), m_db(form.Database()) {
  setObjectName("P_SatellitePage");
  QWidget* sheet = form.PageControl()->widget(kTab);
  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  sheetLayout->addWidget(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  BuildToolBar(this);
  BuildAutoScanBar(this);

  auto* body = new QHBoxLayout;
  body->setSpacing(2);
  auto* panel = new QWidget(this);
  panel->setObjectName("P_Antenna");
  panel->setFixedWidth(755);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  m_model = new SatelliteGridModel(m_db, this);
  m_grid = new ServiceGridView(*this, panel);
  m_grid->setObjectName("XSG_Antenna");
  m_grid->setModel(m_model);
  m_grid->setDragDropMode(QAbstractItemView::NoDragDrop);
  m_grid->setAcceptDrops(false);
  m_grid->viewport()->setAcceptDrops(false);
  m_delegate = new PageGridDelegate({}, this);
  m_grid->setItemDelegate(m_delegate);
  for (int c = 0; c < SatelliteGridModel::kColumns; ++c)
    m_grid->setColumnWidth(c, SatelliteGridModel::ColumnWidth(c));
  panelLayout->addWidget(m_grid);
  body->addWidget(panel);
  m_LB_AntennaSer = new QListWidget(this);
  m_LB_AntennaSer->setObjectName("LB_AntennaSer");
  m_LB_AntennaSer->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_LB_AntennaSer->setUniformItemSizes(true);
  connect(m_LB_AntennaSer, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { LB_AntennaSerClick(m_LB_AntennaSer->row(item)); });
  body->addWidget(m_LB_AntennaSer, 1);
  layout->addLayout(body, 1);

  BuildContextMenu();
  FillSatelliteGrid();
}

// The window's database is gone by the time its child widgets are destroyed.
SatellitePage::~SatellitePage() = default;

bool SatellitePage::Loaded() const { return m_form.Document().databaseLoaded; }

int SatellitePage::Selected() const {
  const int s = m_db.GetSelectedSatellite();
  return s >= 0 && s < dblayout::kSatelliteCount ? s : -1;
}

void SatellitePage::SetModified() { m_form.Document().dataModified = true; }

int SatellitePage::GridRow() const { return m_grid->Row(); }

void SatellitePage::SetGridRow(int row) { m_grid->SetRow(row); }

void SatellitePage::RefreshSatellitePage() {
  m_db.SetViewServiceType(m_form.ServiceType());
  m_db.SetViewDelivery(m_form.DeliveryKind());
  m_db.SetHdViewFlag(m_form.HdView());
  m_autoScan = 0;
  m_TB_AntTpNext->setText("Next (1/3)");
  m_TB_AntTpNext->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
  m_db.SetViewMode(VIEW_SATELLITE);
  m_PM_ShowSat->setText("Show active satellites");
  if (Selected() < 0 && m_db.IsServiceUsed(m_db.GetCurrentService()))
    m_db.SetSelectedSatellite(m_db.GetServiceSatellite(m_db.GetCurrentService()));
  m_db.BuildSatelliteView();
  FillSatelliteGrid();
  SetGridRow(1);
  SetGridRow(m_db.FindSatelliteViewPosition(Selected()));
  // Without a satellite to start from, the edits go to the one the grid shows.
  if (Selected() < 0) m_db.SetSelectedSatellite(m_model->SatelliteAtRow(GridRow()));
  ShowSelectedSatellite();
}

void SatellitePage::FillSatelliteGrid() {
  const int keep = GridRow();
  m_model->Fill();
  SetGridRow(keep);
}

void SatellitePage::ShowSatelliteRow(int satellite) { m_model->RefreshSatellite(satellite); }

void SatellitePage::ShowSelectedSatellite() {
  const int s = Selected();
  if (s < 0) return;
  m_showing = true;
  if (m_typing != m_E_AntName) ShowText(m_E_AntName, Q(m_db.GetAntennaName(s)));
  if (m_typing != m_E_SatLong) ShowText(m_E_SatLong, Q(m_db.GetAntennaLongitudeText(s)).trimmed());
  const int type = m_db.GetAntennaLnbType(s);
  const int user = m_db.GetAntennaUserLnbFrequency(s);
  m_SB_AntType->setText(LnbTypeButtonCaption(type, user));
  m_CB_AntFreq->setEnabled(type == 9);
  if (m_typing != m_CB_AntFreq && m_CB_AntFreq->currentText() != QString::number(user))
    m_CB_AntFreq->setEditText(QString::number(user));
  const bool universal = type == 0 || type == 1;
  m_SB_22K->setText(universal ? QStringLiteral("Auto") : Q(M_antenna::OnOffText(m_db.GetAntenna22K(s))));
  m_SB_22K->setEnabled(!universal);
  m_SB_12V->setText(Q(m_db.GetAntenna12VText(s)));
  m_SB_Power->setText(Q(m_db.GetAntennaPowerText(s)));
  m_SB_DiSEqC->setText(Q(m_db.GetAntennaDiseqcText(s)));
  m_SB_Motor->setText(Q(m_db.GetAntennaMotorText(s)));
  m_showing = false;
  ShowAutoScanTransponder();
  FillSatelliteServices();
}

void SatellitePage::ShowAutoScanTransponder() {
  const int s = Selected();
  if (s < 0) return;
  ShowText(m_E_AntAutoTpFreq, Q(m_db.GetAutoScanTpFrequencyText(s, m_autoScan)));
  ShowText(m_E_AntAutoTpSym, Q(m_db.GetAutoScanTpSymbolRateText(s, m_autoScan)));
  const int pol = m_db.GetAutoScanTpPolarity(s, m_autoScan);
  m_SB_AntPol->setText(pol == 0 ? "Horizontal" : pol == 1 ? "Vertical" : "Auto");
}

void SatellitePage::FillSatelliteServices() {
  m_LB_AntennaSer->clear();
  const int mode = m_db.GetViewMode();
  m_db.SetViewMode(VIEW_SATELLITE);
  m_db.BuildServiceView();
  m_db.SetViewMode(mode);
  for (int i = 1; i <= m_db.GetServiceViewCount(); ++i) {
    const int slot = m_db.GetServiceViewEntry(i);
    auto* item = new QListWidgetItem(QString("%1:  %2").arg(i).arg(Q(m_db.GetServiceName(slot))));
    item->setData(Qt::UserRole, slot);  // the list keeps its services whatever rebuilds the view
    m_LB_AntennaSer->addItem(item);
  }
}

void SatellitePage::AfterListKindChange() {
  m_db.SetViewServiceType(m_form.ServiceType());
  if (m_form.PageCode() == 5) FillSatelliteServices();
}

void SatellitePage::OnEditorReset() {
  m_autoScan = 0;
  m_lastColumn = m_lastRow = -1;
  m_TB_AntTpNext->setText("Next (1/3)");
  m_LB_AntennaSer->clear();
  m_model->Fill();
}
