// Mouse handling of the service grid: the current service, marks, sorting by a head click, the
// flag and favorite columns, drag and drop, Cut and Paste, and the flag and favorite toggles.
#include <QAction>
#include <QHeaderView>
#include <QToolButton>

#include "ui/RecordText.h"
#include "app/UserDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/ServiceGridModel.h"
#include "ui/ServicePage.h"

namespace {
bool IsFavoriteColumn(int column) { return column >= 2 && column <= 33; }
}  // namespace

void ServicePage::GridMouseDown(int column, int row) {
  if (!Loaded()) return;
  const int count = m_db.GetServiceViewCount();
  const int k = count < 1 ? 1 : std::max(1, std::min(m_lastRow, count));
  m_lastColumn = column;
  m_lastRow = row < 0 || column < 0 ? k : row;
  if (row > 0 && column >= 0) SetGridRow(row);
  if (row == 0 && !m_favEdit) {
    static const int kSortOfColumn[] = {SORT_ORIGINAL, SORT_NAME, SORT_PROVIDER, SORT_TRANSPONDER};
    if (column >= 0 && column <= 3) PM_SortAlphaClick(kSortOfColumn[column]);
  }
}

void ServicePage::GridClick() {
  if (!Loaded()) return;
  MakeRowCurrent();
  ShowCurrentService();
}

bool ServicePage::GridMouseMove(int column, int row, Qt::MouseButtons buttons) {
  (void)buttons;
  if (!Loaded()) return false;
  if (column >= 0 && row >= 0) {
    m_lastColumn = column;
    m_lastRow = row;
  }
  m_grid->setToolTip(QString());
  bool drag = false;
  if (row > 0) {
    if (column == 1) {
      m_grid->viewport()->setCursor(Qt::ArrowCursor);
      m_grid->SetRangeSelect(true);  // dragging over the names marks a range of rows
    } else if (!m_favEdit) {
      m_grid->viewport()->setCursor(Qt::PointingHandCursor);
      if (column == 0 || column == 2 || column == 3 || (column >= 15 && column <= 19))
        drag = true;
      else if (column >= 4 && column <= 14)
        m_grid->SetRangeSelect(false);
    } else if (IsFavoriteColumn(column)) {
      m_grid->setToolTip(FromRecord(m_db.GetFavoriteGroupName(column - 2)));
    } else {
      m_grid->viewport()->setCursor(Qt::PointingHandCursor);
      drag = true;
    }
  }
  ClearCutIfUnmarked();
  return drag;
}

void ServicePage::GridHeadMove(int column) {
  if (!Loaded() || m_favEdit) return;
  QWidget* head = m_grid->horizontalHeader()->viewport();
  head->setCursor(column >= 0 && column <= 3 ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
}

void ServicePage::ClearCutIfUnmarked() {
  if (m_form.Document().cutPending && m_db.CountMarkedServices() == 0) {
    m_form.Document().cutPending = false;
    SetPasteEnabled(false);
  }
}

void ServicePage::GridMouseUp() {
  if (!Loaded()) return;
  if (m_lastRow > 0) {
    if (m_favEdit && IsFavoriteColumn(m_lastColumn)) {
      SB_Fav1Click(m_lastColumn - 2);
      return;
    }
    if (!m_favEdit && m_lastColumn >= 2 && m_lastColumn <= 15) {
      switch (m_lastColumn) {
        case ServiceGridModel::ColLock:
          TB_LockClick();
          break;
        case ServiceGridModel::ColSkip:
          TB_SkipClick();
          break;
        case ServiceGridModel::ColScrambled:
          TB_ScrClick();
          break;
        case ServiceGridModel::ColHd:
          SB_HdClick();
          break;
        default:
          break;
      }
      return;
    }
  }
  int top, bottom;
  m_grid->SelectionSpan(&top, &bottom);
  if (bottom > top && m_lastColumn == 1) {
    for (int r = top; r <= bottom; ++r) {
      const int s = ServiceAtRow(r);
      if (s >= 0) m_db.ToggleServiceMark(s);
    }
    m_cutRow = top;
  }
  RepaintGrid();
}

void ServicePage::GridDblClick() {
  if (!Loaded()) return;
  if (m_lastColumn == 1 && m_lastRow > 0) {
    const int s = ServiceAtRow(m_lastRow);
    if (s >= 0) m_db.ToggleServiceMark(s);
    RepaintGrid();
  } else if (m_form.Document().cutPending) {
    const int s = ServiceAtRow(m_currentRow);
    if (s >= 0) m_db.ToggleServiceMark(s);
    RepaintGrid();
  }
  ClearCutIfUnmarked();
}

void ServicePage::GridDragDrop(int row) { XSG_ServiceDragDrop(row); }

void ServicePage::XSG_ServiceDragDrop(int targetRow) {
  if (!Loaded()) return;
  SetModified();
  MoveRule(m_lastRow, targetRow);
}

void ServicePage::MoveRule(int a, int b) {
  if (a == b || b < 1 || b > m_db.GetServiceViewCount()) return;
  const int marked = m_db.CountMarkedServices();
  if (marked == 0) {
    const int source = ServiceAtRow(a);
    const int anchor = ServiceAtRow(b);
    if (source < 0) return;
    if (a < b)
      m_db.MoveServiceAfter(source, anchor);
    else
      m_db.MoveServiceBefore(source, anchor);
    m_db.BuildServiceView();
  } else {
    const int first = m_db.GatherMarkedServices();
    const int i = m_db.FindServiceViewPosition(first);
    if (i < b)
      m_db.MoveMarkedServicesAfter(b);
    else
      m_db.MoveMarkedServicesBefore(b);
  }
  FillServiceGrid();
  SetGridRow(a < b ? b : b + marked);
}

void ServicePage::PM_SerCutClick() {
  if (!Loaded() || m_favEdit) return;
  SetModified();
  m_form.Document().cutPending = true;
  if (m_db.CountMarkedServices() == 0) {
    GridDblClick();
    m_cutRow = GridRow();
  }
  FillServiceGrid();
  ShowCurrentService();
  SetPasteEnabled(true);
}

void ServicePage::PM_SerPasteClick() {
  if (!Loaded() || !m_form.Document().cutPending) return;
  SetModified();
  MoveRule(m_cutRow, m_currentRow);
  m_form.Document().cutPending = false;
  SetPasteEnabled(false);
  RepaintGrid();
}

// ---- Flag and favorite toggles ---------------------------------------------------------------

void ServicePage::TB_LockClick() {
  if (!Loaded()) return;
  SetModified();
  m_db.ToggleMarkedServicesLocked();
  ShowCurrentService();
  RepaintGrid();
}

void ServicePage::TB_SkipClick() {
  if (!Loaded()) return;
  SetModified();
  m_db.ToggleMarkedServicesSkipped();
  ShowCurrentService();
  RepaintGrid();
}

void ServicePage::TB_ScrClick() {
  if (!Loaded()) return;
  SetModified();
  m_db.ToggleMarkedServicesScrambled();
  ShowCurrentService();
  RepaintGrid();
}

void ServicePage::SB_HdClick() {
  if (!Loaded()) return;
  SetModified();
  m_db.ToggleMarkedServicesHd();
  ShowCurrentService();
  RepaintGrid();
}

void ServicePage::TB_Fav1Click(int group) {
  if (!Loaded() || group < 0 || group > 31) return;
  if (m_db.GetFavoriteGroupCount(group) >= 200) {
    m_form.Dialogs().Notify(NoticeStyle{NoticeKind::Warning, ButtonSet::Ok},
                            "Current favorite table is full!");
    return;
  }
  SetModified();
  // The marked services of the view, or the current one when none is marked; the group takes
  // no more than 200.
  m_db.ToggleServicesFavorite(m_db.MarkedOrCurrentServices(), 1u << group);
  ShowCurrentService();
  RepaintGrid();
}

void ServicePage::SB_Fav1Click(int group) {
  if (!Loaded() || !m_favEdit || group < 0 || group > 31) {
    ShowServiceFavorites(m_db.GetCurrentService());  // the button shows the stored state
    return;
  }
  SetModified();
  m_db.ToggleServicesFavorite(m_db.MarkedOrCurrentServices(), 1u << group);
  ShowCurrentService();
  RepaintGrid();
}
