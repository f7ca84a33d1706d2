// The Service page's commands from menus and tool buttons: the context menu captions, sorting,
// selection, adding and deleting services, "Move to ..." and the search.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "ui/RecordText.h"
#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/FormFind.h"
#include "ui/FormMove.h"
#include "ui/ServiceGridModel.h"
#include "ui/ServicePage.h"

void ServicePage::ConnectWindowCommands() {
  auto action = [this](const char* name) { return m_form.findChild<QAction*>(name); };
  auto button = [this](const char* name) { return m_form.findChild<QToolButton*>(name); };
  connect(button("TB_Find"), &QToolButton::clicked, this, &ServicePage::TB_FindClick);
  connect(action("Menu_Search"), &QAction::triggered, this, &ServicePage::TB_FindClick);
  connect(button("TB_Cut"), &QToolButton::clicked, this, &ServicePage::PM_SerCutClick);
  connect(action("Menu_SerCut"), &QAction::triggered, this, &ServicePage::PM_SerCutClick);
  connect(action("PM_SerCut"), &QAction::triggered, this, &ServicePage::PM_SerCutClick);
  connect(button("TB_Paste"), &QToolButton::clicked, this, &ServicePage::PM_SerPasteClick);
  connect(action("Menu_SerPaste"), &QAction::triggered, this, &ServicePage::PM_SerPasteClick);
  connect(action("PM_SerPaste"), &QAction::triggered, this, &ServicePage::PM_SerPasteClick);
  const char* const selectItems[] = {"Menu_SelectAll", "Menu_UnselectAll", "Menu_SelectOthers",
                                     "Menu_SelectPro", "Menu_SelectTp",    "Menu_SelectAnt"};
  for (int c = 0; c < 6; ++c)
    connect(action(selectItems[c]), &QAction::triggered, this, [this, c] { SelectServicesCommand(c); });
  for (const char* name : {"Menu_SortOriginal", "Menu_SortAlpha", "Menu_SortProvider", "Menu_SortTransponder",
                           "Menu_SortAntenna"}) {
    QAction* item = action(name);
    connect(item, &QAction::triggered, this, [this, item] { PM_SortAlphaClick(item->data().toInt()); });
  }
}

void ServicePage::PM_ServiceRightPopup() {
  const int s = ServiceAtRow(m_lastRow);
  m_PM_SerLocked->setText(m_db.IsServiceLocked(s) ? "YES   Locked" : "NO    Locked");
  m_PM_SerSkip->setText(m_db.IsServiceSkipped(s) ? "YES   Skip" : "NO    Skip");
  m_PM_SerScr->setText(m_db.IsServiceScrambled(s) ? "Scrambled" : "Free");
  m_PM_SerHd->setText(m_db.IsServiceHd(s) ? "YES   HD" : "NO    HD");
  const uint32_t mask = s >= 0 ? m_db.GetServiceFavoriteMask(s) : 0;
  for (int g = 0; g < 32; ++g)
    m_PM_Fav[static_cast<size_t>(g)]->setText((mask & (1u << g) ? "YES    " : "NO     ") +
                                              FromRecord(m_db.GetFavoriteGroupName(g)));
  m_form.findChild<QAction*>("PM_SerPaste")->setEnabled(m_form.Document().cutPending);
}

void ServicePage::PM_SortAlphaClick(int sortMode) {
  if (!Loaded()) return;
  const bool serviceOrder = m_db.ApplySortCommand(sortMode);
  m_form.SetSortMode(m_db.GetSortMode());
  m_Moveto1->setEnabled(serviceOrder);
  SetCutEnabled(serviceOrder && !m_favEdit);
  FillServiceGrid();
  SetGridRow(m_db.FindServiceViewPosition(m_db.GetCurrentService()));
  ShowCurrentService();
}

void ServicePage::SelectServicesCommand(int command) {
  if (!Loaded()) return;
  const int row = GridRow();
  // Every command but "Select Others" starts from no marks, which also ends a pending cut.
  if (command != 2) {
    m_form.Document().cutPending = false;
    SetPasteEnabled(false);
  }
  switch (command) {
    case 0:
      m_db.SelectAllServices();
      break;
    case 1:
      m_db.UnselectAllServices();
      break;
    case 2:
      m_db.InvertServiceMarks();
      break;
    case 3:
      m_db.MarkServicesOfProvider(row);
      break;
    case 4:
      m_db.MarkServicesOfTransponder(row);
      break;
    case 5:
      m_db.MarkServicesOfAntenna(row);
      break;
    case 6:
      m_db.MarkHdServices();
      break;
    default:
      break;
  }
  RepaintGrid();
}

void ServicePage::PM_SerAddServiceClick() {
  if (!Loaded() || m_favEdit) return;
  const int row = GridRow();
  const int slot = m_db.AddService(row, m_form.HdView());
  if (slot < 0) return;
  SetModified();
  m_db.SetCurrentService(slot);
  FillServiceGrid();
  SetGridRow(m_db.FindServiceViewPosition(slot));
  ShowCurrentService();
}

void ServicePage::PM_SerDeleteServiceClick() {
  if (!Loaded() || m_favEdit) return;
  if (!m_db.IsServiceUsed(m_db.GetCurrentService()) && m_db.CountMarkedServices() == 0) return;
  if (!AskMessage(m_form.Dialogs(), 54)) return;
  const int row = GridRow();
  m_db.DeleteMarkedServices();
  SetModified();
  FillServiceGrid();
  const int count = m_db.GetServiceViewCount();
  SetGridRow(row <= count ? row : count > 0 ? count : 1);
  MakeRowCurrent();
  ShowCurrentService();
}

void ServicePage::Moveto1Click() {
  if (!Loaded() || m_favEdit || m_db.GetServiceViewCount() == 0) return;
  const int target = m_formMove->Run(m_db.GetServiceViewCount());
  if (target < 1) return;
  SetModified();
  // The row the menu was opened on; the grid row when the menu came from the keyboard.
  const int source = m_lastRow >= 1 && m_lastRow <= m_db.GetServiceViewCount() ? m_lastRow : GridRow();
  m_db.MoveServicesToPosition(source, target);
  FillServiceGrid();
  SetGridRow(target);
}

void ServicePage::TB_FindClick() {
  if (!Loaded()) return;
  const int found = m_formFind->Run();
  if (found < 0) return;
  int row = 0;
  for (int p = 1; p <= m_db.GetServiceViewCount(); ++p)
    if (m_db.GetServiceViewEntry(p) == found) row = p;
  if (row > 0) SetGridRow(row);
  MakeRowCurrent();
  ShowCurrentService();
  m_grid->setFocus();
}
