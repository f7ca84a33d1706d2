// The Service page's edit bar: name, PID and transponder edits, the choice-only combos, the
// transponder, provider and satellite choosers, and the HD and favorite-edit switches.
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "ui/RecordText.h"
#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/DropDownCombo.h"
#include "ui/NumericEntry.h"
#include "ui/ServicePage.h"

namespace {
const char kChoiceOnly[] = "Coulden't input anything here!!";
}

bool ServicePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    auto it = m_keyUp.find(watched);
    if (it != m_keyUp.end() && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
      const auto handler = it->second;  // the handler may rebuild controls
      handler();
    }
  } else if (event->type() == QEvent::KeyPress) {
    if (std::find(m_choiceOnly.begin(), m_choiceOnly.end(), watched) != m_choiceOnly.end()) {
      ChoiceOnlyKeyDown();
      return true;  // nothing is typed into a choice-only box
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ServicePage::ChoiceOnlyKeyDown() {
  if (!Loaded()) return;
  m_form.Dialogs().Notify(notice::kValidationError, kChoiceOnly);
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::E_SerNameKeyUp() {
  if (!Loaded() || m_favEdit) return;
  const int s = m_db.GetCurrentService();
  if (!m_db.IsServiceUsed(s)) return;
  const std::string text = ToRecord(m_E_SerName->text());
  if (text == m_db.GetServiceName(s)) return;  // nothing typed
  m_db.SetServiceName(s, text);
  SetModified();
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::PidKeyUp(QLineEdit* edit) {
  if (!Loaded()) return;
  const int s = ServiceAtRow(GridRow());
  if (!m_db.IsServiceUsed(s)) return;
  struct Field {
    QLineEdit* edit;
    long long max;
    std::string (M_program::*get)(int) const;
    bool (M_program::*set)(int, const std::string&);
  };
  const Field fields[] = {{m_E_Pmt, 8191, &M_program::GetServicePmtPidText, &M_program::SetServicePmtPid},
                          {m_E_Vid, 8191, &M_program::GetServiceVideoPidText, &M_program::SetServiceVideoPid},
                          {m_E_Aud, 8191, &M_program::GetServiceAudioPidText, &M_program::SetServiceAudioPid},
                          {m_E_PCR, 8191, &M_program::GetServicePcrPidText, &M_program::SetServicePcrPid},
                          {m_E_SID, 65535, &M_program::GetServiceIdText, &M_program::SetServiceId}};
  for (const Field& f : fields) {
    if (f.edit != edit) continue;
    const std::string stored = (m_db.*f.get)(s);
    if (!IsValidNumber(edit->text(), 0, f.max)) {
      ShowMessage(m_form.Dialogs(), 53);
      edit->setText(FromRecord((m_db.*f.get)(s)));
      edit->setFocus();
      return;
    }
    if (ToRecord(edit->text()) == stored) return;  // nothing typed
    (m_db.*f.set)(s, ToRecord(edit->text()));
    SetModified();
    if (edit != m_E_Pmt) RefreshServiceRows();
    ShowCurrentService();
  }
}

void ServicePage::RestoreTransponderEdit(QLineEdit* edit) {
  const int t = m_db.GetSelectedTransponder();
  QString text;
  if (edit == m_E_SerTpFre) text = FromRecord(m_db.GetTransponderFrequencyText(t));
  if (edit == m_E_SerTpSys) text = FromRecord(m_db.GetTransponderSymbolRateText(t));
  // The terrestrial frequency is entered in kHz, so the edit shows the stored kHz.
  if (edit == m_E_TerTpFre_Sev && m_db.IsTerTransponderUsed(t)) text = QString::number(m_db.GetTerTransponderFrequency(t));
  if (edit == m_E_TerTpChNo_Sev) text = QString::number(m_db.GetTerTransponderChannel(t));
  edit->setText(text);
}

void ServicePage::TransponderEditKeyUp(QLineEdit* edit) {
  if (!Loaded()) return;
  const int t = m_db.GetSelectedTransponder();
  if (t < 0) return;
  long long max = 0;
  uint16_t code = 0;
  if (edit == m_E_SerTpFre) max = 12750, code = 44;
  if (edit == m_E_SerTpSys) max = 45000, code = 45;
  if (edit == m_E_TerTpFre_Sev) max = 1000000, code = 44;
  if (edit == m_E_TerTpChNo_Sev) max = 255, code = 46;
  if (!IsValidNumber(edit->text(), 0, max)) {
    ShowMessage(m_form.Dialogs(), code);
    RestoreTransponderEdit(edit);
    edit->setFocus();
    return;
  }
  const QString typed = edit->text();
  RestoreTransponderEdit(edit);
  const bool same = edit->text() == typed;
  edit->setText(typed);
  if (same) return;  // nothing typed
  const std::string text = ToRecord(typed);
  bool written = false;
  if (edit == m_E_SerTpFre) written = m_db.SetTransponderFrequency(t, text);
  if (edit == m_E_SerTpSys) written = m_db.SetTransponderSymbolRate(t, text);
  if (edit == m_E_TerTpFre_Sev) written = m_db.SetTerTransponderFrequency(t, text);
  if (edit == m_E_TerTpChNo_Sev) written = m_db.SetTerTransponderChannel(t, text);
  if (!written) return;
  SetModified();
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::CB_SerTpFECSelect(int index) {
  if (!Loaded() || m_db.GetSelectedTransponder() < 0) return;
  m_db.SetMarkedTranspondersFec(index);
  SetModified();
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::CB_SerTpPolSelect(int index) {
  if (!Loaded() || m_db.GetSelectedTransponder() < 0) return;
  m_db.SetMarkedTranspondersPolarity(index);
  SetModified();
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::CB_SerTpModSelect(int index) {
  if (!Loaded()) return;
  if (m_db.SetTransponderModulation(m_db.GetSelectedTransponder(), index)) SetModified();
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::CB_TerTpBWSelect(int index) {
  if (!Loaded() || m_db.GetSelectedTransponder() < 0) return;
  if (m_db.SetTerTransponderBandwidth(m_db.GetSelectedTransponder(), index)) SetModified();
  m_form.PreparePage();
  ShowCurrentService();
}

// ---- Choosers -------------------------------------------------------------------------------

void ServicePage::TransponderDropDown() {
  if (!Loaded()) return;
  DropDownCombo* chooser = Satellite() ? m_CB_SerTp : m_CB_TerTpDetail;
  chooser->clear();
  QStringList labels;
  for (int i = 1; i <= m_db.GetTransponderViewCount(); ++i)
    labels << FromRecord(
        m_db.GetTransponderLabel(m_db.GetTransponderViewEntry(i), m_db.GetViewDelivery()));
  chooser->addItems(labels);
  chooser->setCurrentIndex(0);
}

void ServicePage::TransponderSelect(int index) {
  if (!Loaded() || index < 0 || index >= m_db.GetTransponderViewCount()) return;
  const int t = m_db.GetTransponderViewEntry(index + 1);
  const int current = m_db.GetCurrentService();
  if (!m_db.IsServiceUsed(current) || m_db.GetServiceTransponder(current) == t) {
    ShowCurrentService();  // the box shows the stored transponder again
    return;
  }
  const int n = std::max(1, m_db.CountMarkedServices());
  if (m_db.CountTransponderServices(t) + n < 121) {
    SetModified();
    m_db.SetMarkedServicesTransponder(t);
    RefreshServiceRows();
  } else {
    ShowMessage(m_form.Dialogs(), 43);
  }
  ShowCurrentService();
}

void ServicePage::CB_SerProDropDown() {
  if (!Loaded()) return;
  m_CB_SerPro->clear();
  QStringList names;
  for (int i = 1; i <= m_db.GetProviderViewCount(); ++i)
    names << FromRecord(m_db.GetProviderName(m_db.GetProviderViewEntry(i)));
  m_CB_SerPro->addItems(names);
  m_CB_SerPro->setCurrentIndex(0);
}

void ServicePage::CB_SerProSelect(int index) {
  if (!Loaded() || index < 0 || index >= m_db.GetProviderViewCount()) return;
  const int provider = m_db.GetProviderViewEntry(index + 1);
  m_db.SetSelectedProvider(provider);  // the click
  if (!m_db.IsServiceUsed(m_db.GetCurrentService())) return;
  SetModified();
  m_db.SetMarkedServicesProvider(provider);
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::CB_SerProKeyUp() {
  if (!Loaded()) return;
  SetModified();
  RefreshServiceRows();
  ShowCurrentService();
}

void ServicePage::TB_SerAntClick() {
  if (!Loaded() || m_db.CountMarkedServices() > 1) return;
  m_PM_SerSatList->clear();
  auto add = [this](const QString& caption, int tag) {
    QAction* a = m_PM_SerSatList->addAction(caption);
    a->setData(tag);
    connect(a, &QAction::triggered, this, [this, tag] { PM_SerSatListClick(tag); });
  };
  add("  All Satellite", 65);
  for (int i = 1; i <= m_db.GetSatelliteViewCount(); ++i)
    add(FromRecord(m_db.GetAntennaLabel(m_db.GetSatelliteViewEntry(i))), i);
  m_PM_SerSatList->popup(QCursor::pos());
}

bool ServicePage::ReportPageProblem() {
  int row = 0;
  const int code = m_form.CheckPageBeforeLeaving(&row);
  if (!code) return false;
  ShowMessage(m_form.Dialogs(), static_cast<uint16_t>(code), notice::kValidationError);
  SelectRow(row);
  return true;
}

void ServicePage::PM_SerSatListClick(int tag) {
  if (!Loaded()) return;
  if (!OnHdPage() && ReportPageProblem()) return;
  if (tag == 65) {
    m_db.SetViewMode(VIEW_ALL);
  } else {
    m_db.SetSelectedSatellite(m_db.GetSatelliteViewEntry(tag));
    m_db.SetViewMode(VIEW_SATELLITE);
  }
  m_db.BuildTransponderView();
  m_db.BuildServiceView();
  SetGridRow(1);
  m_db.SetCurrentService(m_db.GetServiceViewCount() > 0 ? m_db.GetServiceViewEntry(1) : -1);
  FillServiceGrid();
  SetGridRow(1);
  if (OnHdPage() && tag == 65)
    m_TB_SerAntHd->setText("All Satellite");
  else
    ShowCurrentService();
}

// ---- Switches -------------------------------------------------------------------------------

void ServicePage::SB_HdEditClick() {
  if (!Loaded()) return;
  m_form.SetHdView(!m_form.HdView());
  if (ReportPageProblem()) {
    m_form.SetHdView(!m_form.HdView());  // the switch stays where it was
    return;
  }
  m_SB_HdEdit->setText(m_form.HdView() ? "OUT HDChannel" : "TO HDChannel");
  SyncViewState();
  m_db.BuildTransponderView();
  m_db.BuildServiceView();
  FillServiceGrid();
  RestartServiceList();
}

void ServicePage::SB_FavEditClick() {
  if (!Loaded()) return;
  m_favEdit = !m_favEdit;
  m_SB_FavEdit->setText(m_favEdit ? "OUT FAVEdit" : "TO FAVEdit");
  m_db.BuildTransponderView();
  m_db.BuildServiceView();
  FillServiceGrid();
  RestartServiceList();
}
