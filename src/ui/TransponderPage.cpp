// Construction of the Transponder page and its page operations: refresh, grid fill, the edit
// bar of the selected transponder, its service list and the row refresh.
#include "ui/RecordText.h"
#include "ui/TransponderPage.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/NumericEntry.h"
#include "ui/PageBars.h"
#include "ui/PageGridDelegate.h"
#include "ui/TransponderGridModel.h"

using pagebars::ShowText;

namespace {
QString Q(const std::string& text) { return FromRecord(text); }

QString PolarityCaption(int polarity) {
  return polarity == 0   ? QStringLiteral("Horizontal")
         : polarity == 1 ? QStringLiteral("Vertical")
                         : QStringLiteral("Auto");
}
}  // namespace

TransponderPage::TransponderPage(TSDIAppForm& form)
    : QWidget(form.PageControl()->widget(kTab)), m_form(form), m_db(form.Database()) {
  setObjectName("P_TransponderPage");
  QWidget* sheet = form.PageControl()->widget(kTab);
  auto* sheetLayout = new QVBoxLayout(sheet);
  sheetLayout->setContentsMargins(0, 0, 0, 0);
  sheetLayout->addWidget(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  BuildEditBars(this);
  layout->addWidget(m_TB_SatTp);
  layout->addWidget(m_TB_TerTp);

  auto* body = new QHBoxLayout;
  body->setSpacing(2);
  m_P_TP = new QWidget(this);
  m_P_TP->setObjectName("P_TP");
  auto* panel = new QVBoxLayout(m_P_TP);
  panel->setContentsMargins(0, 0, 0, 0);
  m_model = new TransponderGridModel(m_db, this);
  m_grid = new ServiceGridView(*this, m_P_TP);
  m_grid->setObjectName("XSG_Tp");
  m_grid->setModel(m_model);
  m_grid->SetRangeSelect(true);
  m_delegate = new PageGridDelegate(
      [this](int row) { return m_db.IsTransponderMarked(m_model->TransponderAtRow(row)); }, this);
  m_grid->setItemDelegate(m_delegate);
  panel->addWidget(m_grid);
  body->addWidget(m_P_TP);
  m_LB_SatTpSer = new QListWidget(this);
  m_LB_SatTpSer->setObjectName("LB_SatTpSer");
  m_LB_SatTpSer->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_LB_SatTpSer->setFlow(QListView::TopToBottom);
  m_LB_SatTpSer->setWrapping(true);  // the list runs in columns
  m_LB_SatTpSer->setResizeMode(QListView::Adjust);
  m_LB_SatTpSer->setUniformItemSizes(true);
  body->addWidget(m_LB_SatTpSer, 1);
  layout->addLayout(body, 1);

  BuildContextMenu();
  FillTransponderGrid();
}

// The window's database is gone by the time its child widgets are destroyed.
TransponderPage::~TransponderPage() = default;

QLineEdit* TransponderPage::AddNumberEdit(QWidget* bar, const char* name, const QString& hint, int width) {
  QLineEdit* edit = pagebars::AddEdit(bar, name, hint, width);
  InstallDigitsOnlyFilter(edit);
  edit->installEventFilter(this);
  m_numberEdits[edit] = edit;
  return edit;
}

void TransponderPage::BuildEditBars(QWidget* parent) {
  using namespace pagebars;
  m_TB_SatTp = NewBar(parent, "TB_SatTp");
  m_TB_TpAnt = AddButton(m_TB_SatTp, "TB_TpAnt", "Antenna", "Satellite");
  m_TB_TpAnt->setMinimumWidth(220);
  connect(m_TB_TpAnt, &QToolButton::clicked, this, &TransponderPage::TB_TpAntClick);
  m_SB_TpFEC = AddButton(m_TB_SatTp, "SB_TpFEC", "Auto", "FEC");
  m_SB_TpFEC->setFixedWidth(60);
  m_SB_TpPol = AddButton(m_TB_SatTp, "SB_TpPol", "Horizontal", "Polarity");
  m_SB_TpPol->setFixedWidth(80);
  m_E_SatTpFre = AddNumberEdit(m_TB_SatTp, "E_SatTpFre", "Frequency", 70);
  m_E_SatTpSys = AddNumberEdit(m_TB_SatTp, "E_SatTpSys", "Symbolrate", 70);
  m_CB_SatTpMod = new QComboBox(m_TB_SatTp);
  m_CB_SatTpMod->setObjectName("CB_SatTpMod");
  m_CB_SatTpMod->setToolTip("TpIsS2");
  m_CB_SatTpMod->addItems({"DVB-S1", "DVB-S2"});
  m_CB_SatTpMod->installEventFilter(this);
  AddToBar(m_TB_SatTp, m_CB_SatTpMod);
  connect(m_CB_SatTpMod, qOverload<int>(&QComboBox::activated), this, &TransponderPage::CB_SatTpModSelect);
  EndBar(m_TB_SatTp);

  m_TB_TerTp = NewBar(parent, "TB_TerTp");
  m_SB_TerTpBW = AddButton(m_TB_TerTp, "SB_TerTpBW", "6 MHz", "Band Width");
  m_SB_TerTpBW->setFixedWidth(60);
  m_E_TerTpFre = AddNumberEdit(m_TB_TerTp, "E_TerTpFre", "Frequency", 80);
  m_E_TerTpChNo = AddNumberEdit(m_TB_TerTp, "E_TerTpChNo", "Chnnel.NO", 60);
  EndBar(m_TB_TerTp);
  m_TB_TerTp->hide();

  m_PM_SatTpPol = NewTagMenu(this, "PM_SatTpPol", {"Horizontal", "Vertical"});
  m_PM_SatTpFEC =
      NewTagMenu(this, "PM_SatTpFEC", {"Auto", "1/2", "2/3", "3/4", "4/5", "5/6", "7/8", "8/9", "9/10"});
  m_PM_TerTpBW = NewTagMenu(this, "PM_TerTpBW", {"6 MHz", "7 MHz", "8 MHz"});
  m_PM_SatTpSatList = new QMenu(this);
  m_PM_SatTpSatList->setObjectName("PM_SatTpSatList");
  connect(m_PM_SatTpPol, &QMenu::triggered, this,
          [this](QAction* a) { PM_SatTpPolHClick(a->data().toInt()); });
  connect(m_PM_SatTpFEC, &QMenu::triggered, this,
          [this](QAction* a) { PM_SatTpFECAutoClick(a->data().toInt()); });
  connect(m_PM_TerTpBW, &QMenu::triggered, this, [this](QAction* a) { N6MHz1Click(a->data().toInt()); });
  connect(m_PM_SatTpSatList, &QMenu::triggered, this,
          [this](QAction* a) { PM_SatTpSatListClick(a->data().toInt()); });
  const std::pair<QToolButton*, QMenu*> popups[] = {
      {m_SB_TpFEC, m_PM_SatTpFEC}, {m_SB_TpPol, m_PM_SatTpPol}, {m_SB_TerTpBW, m_PM_TerTpBW}};
  for (const auto& p : popups) {
    QMenu* menu = p.second;
    connect(p.first, &QToolButton::clicked, this, [this, menu] {
      if (Loaded()) menu->popup(QCursor::pos());
    });
  }
}

bool TransponderPage::Loaded() const { return m_form.Document().databaseLoaded; }

bool TransponderPage::Satellite() const { return m_db.GetViewDelivery() != DELIVERY_TERRESTRIAL; }

void TransponderPage::SetModified() { m_form.Document().dataModified = true; }

void TransponderPage::SyncViewState() {
  m_db.SetViewServiceType(m_form.ServiceType());
  m_db.SetViewDelivery(m_form.DeliveryKind());
}

int TransponderPage::GridRow() const { return m_grid->Row(); }

void TransponderPage::SetGridRow(int row) { m_grid->SetRow(row); }

void TransponderPage::SelectTransponderAtRow() {
  m_db.SetSelectedTransponder(m_model->TransponderAtRow(GridRow()));
}

void TransponderPage::RepaintGrid() { m_grid->viewport()->update(); }

void TransponderPage::SetHideCaption(bool hiding) {
  m_PM_SatTpHide->setText(hiding ? "Show all transponders" : "Hide all empty transponders");
}

void TransponderPage::RefreshTransponderPage() {
  SyncViewState();
  m_db.SetViewMode(VIEW_SATELLITE);
  const bool satellite = Satellite();
  const int selected = m_db.GetSelectedTransponder();
  const bool valid = satellite ? m_db.IsTransponderUsed(selected) : m_db.IsTerTransponderUsed(selected);
  if (!valid) {
    const int s = m_db.GetCurrentService();
    if (m_db.IsServiceUsed(s)) {
      m_db.SetSelectedTransponder(m_db.GetServiceTransponder(s));
    } else {
      m_db.BuildTransponderView();
      m_db.SetSelectedTransponder(m_db.GetTransponderViewCount() > 0 ? m_db.GetTransponderViewEntry(1) : -1);
    }
  }
  m_db.BuildTransponderView();
  for (int p = 1; p <= m_db.GetTransponderViewCount(); ++p)
    m_db.SetTransponderMark(m_db.GetTransponderViewEntry(p), false);
  FillTransponderGrid();
  SetGridRow(1);
  SetGridRow(m_db.FindTransponderViewPosition(m_db.GetSelectedTransponder()));
  SetHideCaption(false);
  m_db.SetViewMode(VIEW_TRANSPONDER);
  SelectTransponderAtRow();
  ShowSelectedTransponder();
}

void TransponderPage::FillTransponderGrid() {
  const int keep = GridRow();
  const bool terrestrial = !Satellite();
  m_model->Fill(terrestrial);
  for (int c = 0; c < m_model->columnCount(); ++c)
    m_grid->setColumnWidth(c, TransponderGridModel::ColumnWidth(terrestrial, c));
  m_P_TP->setFixedWidth(terrestrial ? 450 : 570);
  SetGridRow(keep);
}

void TransponderPage::ShowSelectedTransponder() {
  const bool satellite = Satellite();
  m_TB_SatTp->setVisible(satellite);
  m_TB_TerTp->setVisible(!satellite);
  const int t = m_db.GetSelectedTransponder();
  if (satellite ? !m_db.IsTransponderUsed(t) : !m_db.IsTerTransponderUsed(t)) {
    // Nothing to edit; the chooser still names the satellite whose list is shown.
    if (satellite) m_TB_TpAnt->setText(Q(m_db.GetAntennaLabel(m_db.GetSelectedSatellite())));
    m_LB_SatTpSer->clear();
    return;
  }
  if (satellite) {
    const int sat = m_db.GetTransponderSatellite(t);
    m_db.SetSelectedSatellite(sat);
    m_TB_TpAnt->setText(Q(m_db.GetAntennaLabel(sat)));
    m_SB_TpPol->setText(PolarityCaption(m_db.GetTransponderPolarity(t)));
    m_SB_TpFEC->setText(Q(m_db.GetTransponderFecText(t)));
    if (m_typing != m_E_SatTpFre) ShowText(m_E_SatTpFre, Q(m_db.GetTransponderFrequencyText(t)));
    if (m_typing != m_E_SatTpSys) ShowText(m_E_SatTpSys, Q(m_db.GetTransponderSymbolRateText(t)));
    m_CB_SatTpMod->setCurrentIndex(m_db.GetTransponderModulation(t) == 1 ? 1 : 0);
  } else {
    m_SB_TerTpBW->setText(Q(m_db.GetTerTransponderBandwidthText(t)));
    if (m_typing != m_E_TerTpFre) ShowText(m_E_TerTpFre, StoredNumberText(m_E_TerTpFre));
    if (m_typing != m_E_TerTpChNo) ShowText(m_E_TerTpChNo, StoredNumberText(m_E_TerTpChNo));
  }
  FillTransponderServices();
}

void TransponderPage::FillTransponderServices() {
  m_LB_SatTpSer->clear();
  const int mode = m_db.GetViewMode();
  m_db.SetViewMode(VIEW_TRANSPONDER);
  m_db.BuildServiceView();
  m_db.SetViewMode(mode);
  QStringList items;
  items.reserve(m_db.GetServiceViewCount());
  for (int i = 1; i <= m_db.GetServiceViewCount(); ++i)
    items << QString("%1:  %2").arg(i).arg(Q(m_db.GetServiceName(m_db.GetServiceViewEntry(i))));
  m_LB_SatTpSer->addItems(items);
}

void TransponderPage::RefreshTransponderRows() {
  std::vector<int> rows;
  for (int p = 1; p <= m_db.GetTransponderViewCount(); ++p)
    if (m_db.IsTransponderMarked(m_db.GetTransponderViewEntry(p))) rows.push_back(p);
  if (rows.empty() && m_db.GetSelectedTransponder() >= 0) {
    const int t = m_db.GetSelectedTransponder();
    for (int p = 1; p <= m_db.GetTransponderViewCount(); ++p)
      if (m_db.GetTransponderViewEntry(p) == t) {
        rows.push_back(p);
        break;
      }
  }
  m_model->RefreshRows(rows);
}

void TransponderPage::SelectRow(int row) {
  SetGridRow(row);
  m_grid->setFocus();
}

void TransponderPage::AfterListKindChange() {
  SyncViewState();
  if (m_form.PageCode() == 4) FillTransponderServices();
}

void TransponderPage::AfterDeliveryChange() {
  SyncViewState();
  if (m_form.PageCode() != 4) return;
  m_db.BuildTransponderView();
  FillTransponderGrid();
  SetGridRow(1);
  SelectTransponderAtRow();
  ShowSelectedTransponder();
}

void TransponderPage::OnEditorReset() {
  m_lastColumn = m_lastRow = -1;
  m_LB_SatTpSer->clear();
  m_TB_SatTp->show();
  m_TB_TerTp->hide();
  m_TB_TpAnt->setText("Antenna");
  m_model->Fill(false);
}
