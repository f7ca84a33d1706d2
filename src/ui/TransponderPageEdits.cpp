// The Transponder page's edit bar, satellite chooser and context menu commands.
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
#include "ui/NumericEntry.h"
#include "ui/TransponderGridModel.h"
#include "ui/TransponderPage.h"

namespace {
const char kChoiceOnly[] = "Coulden't input anything here!!";
const char kTableFull[] = "Transponder table is full!";
}  // namespace

bool TransponderPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    auto it = m_numberEdits.find(watched);
    if (it != m_numberEdits.end() && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
      NumberEditKeyUp(it->second);
  } else if (event->type() == QEvent::KeyPress && watched == m_CB_SatTpMod) {
    CB_SatTpModKeyDown();
    return true;  // nothing is typed into the modulation box
  }
  return QWidget::eventFilter(watched, event);
}

void TransponderPage::BuildContextMenu() {
  m_PM_SatTpRight = new QMenu(this);
  m_PM_SatTpRight->setObjectName("PM_SatTpRight");
  connect(m_PM_SatTpRight, &QMenu::aboutToShow, this, &TransponderPage::PM_SatTpRightPopup);
  auto add = [](QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
  };
  m_PM_TpPol = add(m_PM_SatTpRight, "PM_TpPol", "Polarity:");
  m_PM_TpFEC = add(m_PM_SatTpRight, "PM_TpFEC", "FEC:");
  m_PM_SatTpRight->addSeparator();
  QAction* addTp = add(m_PM_SatTpRight, "PM_SatTpAddTp", "Add Transponder");
  QAction* delTp = add(m_PM_SatTpRight, "PM_SatTpDelTp", "Delete Transponder");
  addTp->setShortcut(QKeySequence("Ctrl+N"));
  delTp->setShortcut(QKeySequence(Qt::Key_Delete));
  for (QAction* a : {addTp, delTp}) {
    a->setShortcutContext(Qt::WidgetShortcut);
    m_grid->addAction(a);  // the shortcuts work while the grid has the focus
  }
  connect(addTp, &QAction::triggered, this, &TransponderPage::PM_SatTpAddTpClick);
  connect(delTp, &QAction::triggered, this, &TransponderPage::PM_SatTpDelTpClick);
  m_PM_SatTpRight->addSeparator();
  QMenu* select = m_PM_SatTpRight->addMenu("Select Transponder");
  select->setObjectName("PM_SatTpSelect");
  const char* const names[] = {"PM_SatTpAll", "PM_SatTpUnAll", "PM_SatTpOth", "PM_SatTpAnt"};
  const char* const captions[] = {"Select All", "Unselect All", "Select Others", "Select Antenna"};
  for (int c = 0; c < 4; ++c) {
    QAction* a = add(select, names[c], captions[c]);
    connect(a, &QAction::triggered, this, [this, c] { SelectTranspondersCommand(c); });
    if (c == 3) m_PM_SatTpAnt = a;
  }
  m_PM_SatTpHide = add(m_PM_SatTpRight, "PM_SatTpHide", "Hide all empty transponders");
  connect(m_PM_SatTpHide, &QAction::triggered, this, &TransponderPage::PM_SatTpHideClick);
  QMenu* go = m_PM_SatTpRight->addMenu("Go to...");
  go->setObjectName("PM_SatTpGoTo");
  const struct {
    const char* name;
    const char* caption;
    int tab;
  } targets[] = {{"PM_TpGoService", "Go to Service", 0},
                 {"PM_TpGoFav", "Go to Favorite", 1},
                 {"PM_TpGoProvider", "Go to Provider", 3},
                 {"PM_TpGoCas", "Go to CASystem", 4},
                 {"PM_TpGoAntenna", "Go to Antenna", 6}};
  for (const auto& t : targets) {
    const int tab = t.tab;
    connect(add(go, t.name, t.caption), &QAction::triggered, this, [this, tab] { emit goToPage(tab); });
  }
  m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { m_PM_SatTpRight->popup(m_grid->viewport()->mapToGlobal(pos)); });
}

// ---- Edit bar ----------------------------------------------------------------------------------

QString TransponderPage::StoredNumberText(QLineEdit* edit) const {
  const int t = m_db.GetSelectedTransponder();
  if (edit == m_E_SatTpFre) return FromRecord(m_db.GetTransponderFrequencyText(t));
  if (edit == m_E_SatTpSys) return FromRecord(m_db.GetTransponderSymbolRateText(t));
  // The terrestrial frequency is entered in kHz, so the edit shows the stored kHz.
  if (edit == m_E_TerTpFre)
    return m_db.IsTerTransponderUsed(t) ? QString::number(m_db.GetTerTransponderFrequency(t)) : QString();
  if (edit == m_E_TerTpChNo)
    return m_db.IsTerTransponderUsed(t) ? QString::number(m_db.GetTerTransponderChannel(t)) : QString();
  return QString();
}

void TransponderPage::RestoreNumberEdit(QLineEdit* edit) { edit->setText(StoredNumberText(edit)); }

void TransponderPage::NumberEditKeyUp(QLineEdit* edit) {
  if (!Loaded()) return;
  const int t = m_db.GetSelectedTransponder();
  const bool terrestrialEdit = edit == m_E_TerTpFre || edit == m_E_TerTpChNo;
  if (terrestrialEdit ? !m_db.IsTerTransponderUsed(t) : !m_db.IsTransponderUsed(t)) return;
  long long max = 0;
  uint16_t code = 0;
  if (edit == m_E_SatTpFre) max = 12750, code = 44;
  if (edit == m_E_SatTpSys) max = 45000, code = 45;
  if (edit == m_E_TerTpFre) max = 1000000, code = 44;
  if (edit == m_E_TerTpChNo) max = 255, code = 46;
  if (!IsValidNumber(edit->text(), 0, max)) {
    ShowMessage(m_form.Dialogs(), code, notice::kValidationError);
    RestoreNumberEdit(edit);
    edit->setFocus();
    return;
  }
  if (edit->text() == StoredNumberText(edit)) return;  // a key that typed nothing
  const std::string text = ToRecord(edit->text());
  bool written = false;
  if (edit == m_E_SatTpFre) written = m_db.SetTransponderFrequency(t, text);
  if (edit == m_E_SatTpSys) written = m_db.SetTransponderSymbolRate(t, text);
  if (edit == m_E_TerTpFre) written = m_db.SetTerTransponderFrequency(t, text);
  if (edit == m_E_TerTpChNo) written = m_db.SetTerTransponderChannel(t, text);
  if (!written) return;
  SetModified();
  m_typing = edit;  // the edit keeps the text and cursor the user is typing
  ShowAfterEdit();
  m_typing = nullptr;
}

void TransponderPage::ShowAfterEdit() {
  RefreshTransponderRows();
  ShowSelectedTransponder();
}

void TransponderPage::PM_SatTpPolHClick(int tag) {
  if (!Loaded() || m_db.GetSelectedTransponder() < 0) return;
  m_db.SetMarkedTranspondersPolarity(tag);
  SetModified();
  ShowAfterEdit();
}

void TransponderPage::PM_SatTpFECAutoClick(int tag) {
  if (!Loaded() || m_db.GetSelectedTransponder() < 0) return;
  m_db.SetMarkedTranspondersFec(tag);
  SetModified();
  ShowAfterEdit();
}

void TransponderPage::N6MHz1Click(int tag) {
  if (!Loaded() || !m_db.IsTerTransponderUsed(m_db.GetSelectedTransponder())) return;
  if (!m_db.SetTerTransponderBandwidth(m_db.GetSelectedTransponder(), tag)) return;
  SetModified();
  ShowAfterEdit();
}

void TransponderPage::CB_SatTpModSelect(int index) {
  if (!Loaded() || !m_db.IsTransponderUsed(m_db.GetSelectedTransponder())) return;
  if (!m_db.SetTransponderModulation(m_db.GetSelectedTransponder(), index == 1 ? 1 : 0)) return;
  SetModified();
  ShowAfterEdit();
}

void TransponderPage::CB_SatTpModKeyDown() {
  if (!Loaded()) return;
  m_form.Dialogs().Notify(notice::kValidationError, kChoiceOnly);
  ShowSelectedTransponder();
  RefreshTransponderRows();
}

// ---- Satellite chooser and the view switch -----------------------------------------------------

void TransponderPage::TB_TpAntClick() {
  if (!Loaded() || !Satellite()) return;
  m_PM_SatTpSatList->clear();
  for (int i = 1; i <= m_db.GetSatelliteViewCount(); ++i)
    m_PM_SatTpSatList->addAction(FromRecord(m_db.GetAntennaLabel(m_db.GetSatelliteViewEntry(i))))
        ->setData(i);
  m_PM_SatTpSatList->popup(QCursor::pos());
}

void TransponderPage::PM_SatTpSatListClick(int position) {
  if (!Loaded() || position < 1 || position > m_db.GetSatelliteViewCount()) return;
  m_db.SetViewMode(VIEW_SATELLITE);
  m_db.SetSelectedSatellite(m_db.GetSatelliteViewEntry(position));
  m_db.BuildTransponderView();
  SetHideCaption(false);
  m_db.SetViewMode(VIEW_TRANSPONDER);
  m_db.SetSelectedTransponder(m_db.GetTransponderViewCount() > 0 ? m_db.GetTransponderViewEntry(1) : -1);
  FillTransponderGrid();
  SetGridRow(1);
  m_grid->setFocus();
  ShowSelectedTransponder();
}

void TransponderPage::PM_SatTpHideClick() {
  if (!Loaded()) return;
  const bool hiding = m_db.GetViewMode() != VIEW_USED_TRANSPONDERS;
  m_db.SetViewMode(hiding ? VIEW_USED_TRANSPONDERS : VIEW_SATELLITE);
  SetHideCaption(hiding);
  m_db.BuildTransponderView();
  FillTransponderGrid();
  m_grid->setFocus();
  SelectTransponderAtRow();
  ShowSelectedTransponder();
}

// ---- Context menu ------------------------------------------------------------------------------

void TransponderPage::PM_SatTpRightPopup() {
  if (!Loaded()) return;
  const bool satellite = Satellite();
  m_PM_SatTpAnt->setVisible(satellite);
  const int t = m_model->TransponderAtRow(m_lastRow);
  if (t < 0) return;
  if (satellite) {
    const int pol = m_db.GetTransponderPolarity(t);
    m_PM_TpPol->setText(QString("Polarity:    ") + (pol == 0   ? "Horizontal"
                                                    : pol == 1 ? "Vertical"
                                                               : "Auto"));
    m_PM_TpFEC->setText("FEC:    " + FromRecord(m_db.GetTransponderFecText(t)));
  } else {
    m_PM_TpPol->setText("Band Width:  [" + FromRecord(m_db.GetTerTransponderBandwidthText(t)) +
                        "]");
    m_PM_TpFEC->setText("Frequency:  [" + FromRecord(m_db.GetTerTransponderFrequencyText(t)) +
                        "] MHz");
  }
}

void TransponderPage::PM_SatTpAddTpClick() {
  if (!Loaded()) return;
  const int row = GridRow();
  const int slot = m_db.AddTransponder(row);
  if (slot < 0) {
    m_form.Dialogs().Notify(notice::kValidationError, kTableFull);
    return;
  }
  SetModified();
  m_db.SetSelectedTransponder(slot);
  FillTransponderGrid();
  SetGridRow(row);
  ShowSelectedTransponder();
}

void TransponderPage::PM_SatTpDelTpClick() {
  if (!Loaded()) return;
  if (m_db.GetTransponderViewCount() == 0 || m_model->TransponderAtRow(GridRow()) < 0) return;
  if (!AskMessage(m_form.Dialogs(), 42)) return;
  SetModified();
  const int row = GridRow();
  m_db.DeleteMarkedTransponders();
  FillTransponderGrid();
  if (m_db.GetTransponderViewCount() == 0) {
    SetGridRow(1);
    PM_SatTpAddTpClick();
    return;
  }
  SetGridRow(std::min(row, m_db.GetTransponderViewCount()));
  SelectTransponderAtRow();
  ShowSelectedTransponder();
}

void TransponderPage::SelectTranspondersCommand(int command) {
  if (!Loaded()) return;
  switch (command) {
    case 0:
      m_db.SelectAllTransponders();
      break;
    case 1:
      m_db.UnselectAllTransponders();
      break;
    case 2:
      m_db.InvertTransponderMarks();
      break;
    case 3:
      if (Satellite()) m_db.MarkTranspondersOfAntenna(GridRow());
      break;
    default:
      return;
  }
  RepaintGrid();
}
