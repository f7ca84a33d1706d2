// The Service page's refresh, grid fill, edit bar display, row refresh, leave check and the
// reactions to the window's list switches.
#include "ui/RecordText.h"
#include "ui/ServicePage.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/DropDownCombo.h"
#include "ui/ServiceGridModel.h"

namespace {
void ShowText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);  // an unchanged text keeps the cursor
}

void ShowText(QLineEdit* edit, const std::string& text) { ShowText(edit, FromRecord(text)); }

// A choice-only combo shows one item: the stored value's text.
void ShowSingleItem(QComboBox* combo, const QString& text) {
  if (combo->count() == 1 && combo->itemText(0) == text) return;
  combo->clear();
  combo->addItem(text);
}
}  // namespace

bool ServicePage::Loaded() const { return m_form.Document().databaseLoaded; }

bool ServicePage::OnHdPage() const { return m_form.PageControl()->currentIndex() == kHdTab; }

bool ServicePage::Satellite() const { return m_db.GetViewDelivery() != DELIVERY_TERRESTRIAL; }

void ServicePage::SetModified() { m_form.Document().dataModified = true; }

void ServicePage::SyncViewState() {
  m_db.SetViewServiceType(m_form.ServiceType());
  m_db.SetViewDelivery(m_form.DeliveryKind());
  m_db.SetHdViewFlag(m_form.HdView());
}

int ServicePage::ServiceAtRow(int row) const { return m_model->ServiceAtRow(row); }

int ServicePage::GridRow() const { return m_grid->Row(); }

void ServicePage::SetGridRow(int row) { m_grid->SetRow(row); }

void ServicePage::MakeRowCurrent() { m_db.SetCurrentService(ServiceAtRow(GridRow())); }

void ServicePage::RestartServiceList() {
  SetGridRow(1);
  MakeRowCurrent();
  ShowCurrentService();
}

void ServicePage::RepaintGrid() { m_grid->viewport()->update(); }

void ServicePage::RefreshServicePage() {
  SyncViewState();
  SetPasteEnabled(false);  // a refresh ends any pending cut
  if (!OnHdPage()) m_SB_HdEdit->setText(m_form.HdView() ? "OUT HDChannel" : "TO HDChannel");
  m_db.SetViewMode(m_form.HdView() ? VIEW_ALL_HD : VIEW_ALL);
  m_db.BuildSatelliteView();
  m_db.BuildProviderView();
  m_db.BuildCasView();
  m_db.BuildServiceView();
  FillServiceGrid();
  if (m_db.GetCurrentService() < 0 && m_db.GetServiceViewCount() > 0)
    m_db.SetCurrentService(m_db.GetServiceViewEntry(1));
  SetGridRow(1);
  SetGridRow(m_db.FindServiceViewPosition(m_db.GetCurrentService()));
  MakeRowCurrent();
  ShowCurrentService();
  m_db.BuildTransponderView();
}

void ServicePage::FillServiceGrid() {
  const int keep = GridRow();
  if (OnHdPage()) {
    m_LB_Hd->clear();
    QStringList items;
    items.reserve(m_db.GetServiceViewCount());
    for (int i = 1; i <= m_db.GetServiceViewCount(); ++i)
      items << QString("%1:  %2").arg(i).arg(
          FromRecord(m_db.GetServiceName(m_db.GetServiceViewEntry(i))));
    m_LB_Hd->addItems(items);
  }
  m_model->Fill(m_favEdit ? ServiceGridModel::Favorite : ServiceGridModel::Program);
  ApplyLayout();
  SetGridRow(keep);
}

void ServicePage::ApplyLayout() {
  const bool program = !m_favEdit;
  QHeaderView* head = m_grid->horizontalHeader();
  if (program) {
    static const int kWidths[ServiceGridModel::kProgramColumns] = {40, 200, 200, 230, -1, -1, -1, -1, -1, -1,
                                                                   -1, -1,  30,  30,  30, 30, 60, 60, 60, 75};
    for (int c = 0; c < ServiceGridModel::kProgramColumns; ++c) {
      m_grid->setColumnHidden(c, kWidths[c] < 0);
      if (kWidths[c] >= 0) m_grid->setColumnWidth(c, kWidths[c]);
    }
    head->show();
  } else {
    for (int c = 0; c < ServiceGridModel::kFavoriteColumns; ++c) {
      m_grid->setColumnHidden(c, false);
      m_grid->setColumnWidth(c, c == 0 ? 40 : c == 1 ? 150 : 19);
    }
    head->hide();  // TB_Service3 stands in its place
  }
  m_TB_Service3->setVisible(!program);
  for (QToolButton* b : m_SB_Fav) b->setEnabled(!program);
  m_L_Sev_Fav_ProNo->setEnabled(!program);
  m_L_Sev_Fav_Name->setEnabled(!program);
  for (QWidget* w : std::initializer_list<QWidget*>{m_SB_Lock, m_SB_Skip, m_SB_Scr, m_E_Pmt, m_E_Vid, m_E_Aud,
                                                    m_E_PCR, m_E_SID, m_SB_HdEdit, m_CB_SerPro, m_P_TerTp_sev,
                                                    m_P_SatTp_Sev, m_TB_SerAnt})
    w->setEnabled(program);
  m_SB_Hd->setEnabled(program && m_form.ServiceType() == 0);
  m_E_SerName->setReadOnly(!program);
  for (QAction* a :
       {m_PM_SerLocked, m_PM_SerSkip, m_PM_SerScr, m_PM_SerHd, m_PM_SerAdd, m_PM_SerDelete, m_Moveto1,
        m_form.findChild<QAction*>("PM_SerCut"), m_form.findChild<QAction*>("PM_SerPaste")})
    a->setVisible(program);
  m_PM_Favorite->menuAction()->setVisible(program);
  if (Loaded()) SetCutEnabled(program && m_form.SortMode() == SORT_ORIGINAL);
}

void ServicePage::SetCutEnabled(bool on) {
  m_form.findChild<QToolButton*>("TB_Cut")->setEnabled(on);
  m_form.findChild<QAction*>("PM_SerCut")->setEnabled(on);
  m_form.findChild<QAction*>("Menu_SerCut")->setEnabled(on);
}

void ServicePage::SetPasteEnabled(bool on) {
  m_form.findChild<QToolButton*>("TB_Paste")->setEnabled(on);
  m_form.findChild<QAction*>("PM_SerPaste")->setEnabled(on);
  m_form.findChild<QAction*>("Menu_SerPaste")->setEnabled(on);
}

void ServicePage::SetTransponderDetailsEnabled(bool on) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_CB_TerTpBW, m_E_TerTpFre_Sev, m_E_TerTpChNo_Sev, m_CB_SerTpFEC,
                                       m_E_SerTpFre, m_CB_SerTpPol, m_E_SerTpSys, m_CB_SerTpMod})
    w->setEnabled(on);
}

void ServicePage::ShowCurrentService() {
  const int s = m_db.IsServiceUsed(m_db.GetCurrentService()) ? m_db.GetCurrentService() : -1;
  m_currentRow = m_db.FindServiceViewPosition(s);
  m_TB_SerAnt->setEnabled(!m_favEdit);
  m_TB_SerAntHd->setEnabled(!m_favEdit);
  const bool satellite = Satellite();
  if (s < 0) {
    ShowText(m_E_SerName, QStringLiteral("No Service"));
    if (satellite) {
      const QString label = FromRecord(m_db.GetAntennaLabel(m_db.GetSelectedSatellite()));
      m_TB_SerAnt->setText(label);
      m_TB_SerAntHd->setText(label);
    }
    m_db.SetSelectedTransponder(m_db.GetTransponderViewCount() > 0 ? m_db.GetTransponderViewEntry(1) : -1);
    m_db.SetSelectedProvider(m_db.GetProviderViewCount() > 0 ? m_db.GetProviderViewEntry(1) : -1);
    ShowServiceFavorites(-1);
    for (QToolButton* b : {m_SB_Lock, m_SB_Skip, m_SB_Scr, m_SB_Hd}) b->setChecked(false);
    for (QLineEdit* e : {m_E_Pmt, m_E_Vid, m_E_Aud, m_E_PCR, m_E_SID}) ShowText(e, QStringLiteral("0"));
    return;
  }
  ShowText(m_E_SerName, m_db.GetServiceName(s));
  if (satellite) {
    const int sat = m_db.GetServiceSatellite(s);
    const QString label = FromRecord(m_db.GetAntennaLabel(sat));
    m_TB_SerAnt->setText(label);
    m_TB_SerAntHd->setText(label);
    m_db.SetSelectedSatellite(sat);
  }
  const int t = m_db.GetServiceTransponder(s);
  if (!m_favEdit) SetTransponderDetailsEnabled(t >= 0);
  const QString label = FromRecord(m_db.GetTransponderLabel(t, m_db.GetViewDelivery()));
  if (satellite) {
    m_CB_SerTpFEC->setCurrentIndex(t >= 0 ? m_db.GetTransponderFec(t) : -1);
    ShowText(m_E_SerTpFre, t >= 0 ? m_db.GetTransponderFrequencyText(t) : std::string());
    ShowText(m_E_SerTpSys, t >= 0 ? m_db.GetTransponderSymbolRateText(t) : std::string());
    m_CB_SerTpMod->setCurrentIndex(t >= 0 ? m_db.GetTransponderModulation(t) : -1);
    m_CB_SerTpPol->setCurrentIndex(t >= 0 ? m_db.GetTransponderPolarity(t) : -1);
    ShowSingleItem(m_CB_SerTp, label);
  } else {
    m_CB_TerTpBW->setCurrentIndex(t >= 0 ? m_db.GetTerTransponderBandwidth(t) : -1);
    ShowText(m_E_TerTpFre_Sev,
             m_db.IsTerTransponderUsed(t) ? std::to_string(m_db.GetTerTransponderFrequency(t)) : std::string());
    ShowText(m_E_TerTpChNo_Sev, t >= 0 ? QString::number(m_db.GetTerTransponderChannel(t)) : QString());
    ShowSingleItem(m_CB_TerTpDetail, label);
  }
  m_db.SetSelectedTransponder(t);
  const int p = m_db.GetServiceProvider(s);
  m_CB_SerPro->setEditText(p < 0 ? QStringLiteral("  [Blank], Please Select.")
                                 : QStringLiteral("  ") + FromRecord(m_db.GetProviderName(p)));
  if (p >= 0) m_db.SetSelectedProvider(p);
  m_db.SetSelectedCas(m_db.FindCasByIdentifier(m_db.GetServiceCa(s, 0)));
  ShowServiceFavorites(s);
  m_SB_Lock->setChecked(m_db.IsServiceLocked(s));
  m_SB_Skip->setChecked(m_db.IsServiceSkipped(s));
  m_SB_Scr->setChecked(m_db.IsServiceScrambled(s));
  m_SB_Hd->setChecked(m_db.IsServiceHd(s));
  ShowText(m_E_Pmt, m_db.GetServicePmtPidText(s));
  ShowText(m_E_Vid, m_db.GetServiceVideoPidText(s));
  ShowText(m_E_Aud, m_db.GetServiceAudioPidText(s));
  ShowText(m_E_PCR, m_db.GetServicePcrPidText(s));
  ShowText(m_E_SID, m_db.GetServiceIdText(s));
}

void ServicePage::ShowServiceFavorites(int service) {
  const bool groups = m_db.FavoriteGroupsPresent();
  const uint32_t mask = service >= 0 ? m_db.GetServiceFavoriteMask(service) : 0;
  for (int k = 1; k <= 32; ++k) {
    QToolButton* b = m_SB_Fav[static_cast<size_t>(k - 1)];
    if (groups) {
      b->setText(QString("%1").arg(k, 2, 10, QLatin1Char('0')));
      b->setToolTip(FromRecord(m_db.GetFavoriteGroupName(k - 1)));
    }
    b->setChecked(service >= 0 && (mask & (1u << (k - 1))) != 0);
  }
}

void ServicePage::RefreshServiceRows() {
  std::vector<int> rows;
  for (int p = 1; p <= m_db.GetServiceViewCount(); ++p)
    if (m_db.IsServiceMarked(m_db.GetServiceViewEntry(p))) rows.push_back(p);
  if (rows.empty() && m_db.IsServiceUsed(m_db.GetCurrentService()))
    rows.push_back(m_db.FindServiceViewPosition(m_db.GetCurrentService()));
  m_model->RefreshRows(rows);
}

int ServicePage::CheckServices(int* row) const {
  // Terrestrial services belong to no satellite; only their transponder is required.
  const bool satellite = Satellite();
  for (int p = 1; p <= m_db.GetServiceViewCount(); ++p) {
    const int s = m_db.GetServiceViewEntry(p);
    int code = 0;
    if (satellite && m_db.GetServiceSatellite(s) < 0)
      code = 21;
    else if (m_db.GetServiceTransponder(s) < 0)
      code = 22;
    if (code) {
      if (row) *row = p;
      return code;
    }
  }
  return 0;
}

void ServicePage::SelectRow(int row) {
  SetGridRow(row);
  m_grid->setFocus();
}

void ServicePage::OnEditorReset() {
  m_lastColumn = m_lastRow = -1;
  m_cutRow = 0;
  m_currentRow = 1;
  m_SB_HdEdit->setText("TO HDChannel");
  for (QWidget* w : std::initializer_list<QWidget*>{m_SB_Hd, m_SB_HdEdit}) w->setEnabled(true);
  m_PM_SerHd->setEnabled(true);
  m_Moveto1->setEnabled(true);
  m_P_SatTp_Sev->show();
  m_P_TerTp_sev->hide();
  m_TB_SerAnt->show();
  m_db.ApplySortCommand(SORT_ORIGINAL);  // the window's sort mode is back to "Original"
  m_LB_Hd->clear();
  m_model->Fill(m_favEdit ? ServiceGridModel::Favorite : ServiceGridModel::Program);
}

void ServicePage::AfterListKindChange() {
  SyncViewState();
  const bool tv = m_form.ServiceType() == 0;
  m_PM_SerHd->setEnabled(tv);
  m_SB_Hd->setEnabled(tv && !m_favEdit);
  m_SB_HdEdit->setEnabled(tv && !m_favEdit);
  if (!tv) m_SB_HdEdit->setText("TO HDChannel");  // the HD view went off with the radio list
  SetPasteEnabled(false);
  if (m_form.PageCode() != 0) return;
  m_db.BuildServiceView();
  FillServiceGrid();
  RestartServiceList();
}

void ServicePage::AfterDeliveryChange() {
  SyncViewState();
  const bool satellite = Satellite();
  m_TB_SerAnt->setVisible(satellite);
  m_P_SatTp_Sev->setVisible(satellite);
  m_P_TerTp_sev->setVisible(!satellite);
  SetPasteEnabled(false);
  if (m_form.PageCode() != 0) return;
  m_db.SetViewMode(VIEW_ALL);
  m_db.BuildTransponderView();
  m_db.BuildServiceView();
  FillServiceGrid();
  RestartServiceList();
}
