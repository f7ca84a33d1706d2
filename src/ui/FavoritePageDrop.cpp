// The Favorite page's grids: current service, marks, range marking, drag and drop into a group
// and reordering inside a group.
#include <QApplication>
#include <QCursor>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/FavoritePage.h"

namespace {
const char kFavSer[] = "XSG_FavSer";
constexpr int kGroupCapacity = 200;
}  // namespace

void FavoritePage::RecordMouseCell(int column, int row) {
  if (row < 0) return;  // outside any cell the previous cell stays
  m_lastColumn = column;
  m_lastRow = row;
}

void FavoritePage::MakeRowCurrent(FavoriteGridView* grid) {
  const int s = grid->GridModel()->ServiceAtRow(grid->Row());
  if (s >= 0) m_db.SetCurrentService(s);
}

void FavoritePage::FavGridMouseDown(FavoriteGridView* grid, int column, int row) {
  if (!Loaded()) return;
  RecordMouseCell(column, row);
  if (row > 0 && row <= grid->model()->rowCount()) grid->SetRow(row);
  if (grid == m_XSG_FavSer) return;
  const int group = GroupOfTag(grid->Tag());
  if (!LanguageMode() && group >= 0) {
    const uint32_t bit = 1u << group;
    if (m_db.GetViewMode() != VIEW_FAVORITE || m_db.GetViewFavoriteMask() != bit) ShowGroupView(bit);
  }
  MakeRowCurrent(grid);
}

void FavoritePage::FavGridClick(FavoriteGridView* grid) {
  if (!Loaded()) return;
  MakeRowCurrent(grid);
}

bool FavoritePage::FavGridMouseMove(FavoriteGridView* grid, int column, int row, Qt::MouseButtons buttons) {
  (void)buttons;
  if (!Loaded()) return false;
  if (grid == m_XSG_FavSer && m_db.GetViewMode() != VIEW_ALL) {
    m_db.SetViewMode(VIEW_ALL);
    m_db.BuildServiceView();
  }
  MakeRowCurrent(grid);
  RecordMouseCell(column, row);
  if (row < 1 || row > grid->GridModel()->ServiceCount()) return false;
  if (column == 0) {
    // Over the numbers a drag marks a range of rows.
    grid->viewport()->setCursor(Qt::ArrowCursor);
    grid->SetRangeSelect(true);
    return false;
  }
  // Over the names a drag carries the service.
  grid->viewport()->setCursor(Qt::PointingHandCursor);
  grid->SetRangeSelect(false);
  return column == 1;
}

void FavoritePage::FavGridMouseUp(FavoriteGridView* grid) {
  if (!Loaded()) return;
  FavoriteGridModel* model = grid->GridModel();
  int top, bottom;
  grid->SelectionSpan(&top, &bottom);
  if (m_lastRow >= 1 && m_lastRow <= model->ServiceCount() && m_lastColumn == 0 && bottom > top)
    for (int r = top; r <= bottom; ++r)
      if (model->ServiceAtRow(r) >= 0) m_db.ToggleServiceMark(model->ServiceAtRow(r));
  grid->viewport()->update();
}

void FavoritePage::FavGridDblClick(FavoriteGridView* grid) {
  if (!Loaded()) return;
  const int s = grid->GridModel()->ServiceAtRow(m_lastRow);
  if (m_lastColumn != 0 || s < 0) return;
  m_db.ToggleServiceMark(s);
  grid->viewport()->update();
}

bool FavoritePage::FavGridDragOver(FavoriteGridView* grid, const QString& source) {
  if (grid == m_XSG_FavSer) return source != kFavSer;
  // A service cannot go from one group straight into another.
  return source == kFavSer || source == grid->objectName();
}

void FavoritePage::FavGridDragDrop(FavoriteGridView* grid, const QString& source, int row) {
  if (grid == m_XSG_FavSer) return;  // a drop on the service list does nothing
  XSG_Fav1DragDrop(grid, source, row);
}

void FavoritePage::XSG_Fav1DragDrop(FavoriteGridView* grid, const QString& source, int row) {
  if (!Loaded() || grid == m_XSG_FavSer || !FavGridDragOver(grid, source)) return;
  // Language groups hold no services and nothing is added to them.
  if (LanguageMode()) return;
  const int group = GroupOfTag(grid->Tag());
  if (group < 0) return;
  const uint32_t bit = 1u << group;
  SetModified();
  int gridRow = 1;
  if (source == kFavSer) {
    AddServicesToGroup(group, bit);
    for (int s = 0; s < dblayout::kServiceCount; ++s) m_db.SetServiceMark(s, false);
    m_form.Document().cutPending = false;
    m_XSG_FavSer->viewport()->update();
  } else {
    const int from = m_lastRow;
    if (row >= 0) m_lastRow = row;
    if (from == row || row < 1 || row > grid->GridModel()->ServiceCount()) return;
    ReorderGroup(group, bit, from, row);
    gridRow = row;
  }
  FillFavoriteGroupGrid(bit);
  grid->SetRow(gridRow);
}

void FavoritePage::AddServicesToGroup(int group, uint32_t bit) {
  auto alreadyListed = [this](int s) {
    Warn("Sevice " + m_db.GetServiceName(s) + " is already in list and will not be added.");
  };
  const std::vector<int>& all = m_XSG_FavSer->GridModel()->Services();
  int marked = 0;
  for (int s : all) marked += m_db.IsServiceMarked(s) ? 1 : 0;
  if (marked > 1) {
    for (int s : all) {
      if (!m_db.IsServiceMarked(s)) continue;
      if (m_db.IsServiceInFavorite(s, bit))
        alreadyListed(s);
      else
        m_db.ToggleServiceFavorite(s, bit);  // refuses a 201st service with its own notice
      if (m_db.GetFavoriteGroupCount(group) >= kGroupCapacity) break;
    }
    return;
  }
  const int s = m_db.GetCurrentService();
  if (!m_db.IsServiceUsed(s)) return;
  if (m_db.IsServiceInFavorite(s, bit))
    alreadyListed(s);
  else if (m_db.GetFavoriteGroupCount(group) < kGroupCapacity)
    m_db.ToggleServiceFavorite(s, bit);
  else
    Warn("Current favorite table is full!");
}

void FavoritePage::ReorderGroup(int group, uint32_t bit, int from, int to) {
  ShowGroupView(bit);
  if (m_db.CountMarkedServices() > 1) {
    const int first = m_db.GatherFavoriteEntries(group, m_db.MarkedOrCurrentServices());
    m_db.BuildFavoriteServiceView(bit);
    const int firstRow = m_db.FindServiceViewPosition(first);
    const int anchor = m_db.GetServiceViewEntry(to);
    const std::vector<int> block = m_db.MarkedOrCurrentServices();
    if (firstRow < to)
      m_db.MoveFavoriteEntriesAfter(group, block, anchor);
    else
      m_db.MoveFavoriteEntriesBefore(group, block, anchor);
  } else {
    FavoriteGridModel* model = GroupGrid(group % 4 + 1)->GridModel();
    const int service = model->ServiceAtRow(from);
    const int anchor = model->ServiceAtRow(to);
    if (service < 0 || anchor < 0) return;
    if (from < to)
      m_db.MoveFavoriteEntryAfter(group, service, anchor);
    else
      m_db.MoveFavoriteEntryBefore(group, service, anchor);
  }
  m_db.BuildFavoriteServiceView(bit);
}

// ---- Context menu of the group grids ---------------------------------------------------------

void FavoritePage::PM_FavDelClick(FavoriteGridView* grid) {
  if (!Loaded() || LanguageMode() || !grid || grid == m_XSG_FavSer) return;
  const int group = GroupOfTag(grid->Tag());
  if (group < 0) return;
  const uint32_t bit = 1u << group;
  std::vector<int> chosen;
  for (int s : grid->GridModel()->Services())
    if (m_db.IsServiceMarked(s)) chosen.push_back(s);
  if (chosen.empty() && grid->GridModel()->ServiceAtRow(grid->Row()) >= 0)
    chosen.push_back(grid->GridModel()->ServiceAtRow(grid->Row()));
  if (chosen.empty()) return;
  for (int s : chosen) {
    if (m_db.IsServiceInFavorite(s, bit)) m_db.ToggleServiceFavorite(s, bit);
    m_db.SetServiceMark(s, false);  // a mark left behind would ride along on the next drop
  }
  SetModified();
  const int row = grid->Row();
  FillFavoriteGroupGrid(bit);
  grid->SetRow(row);
  m_XSG_FavSer->viewport()->update();
}

void FavoritePage::PM_FavSelectClick(FavoriteGridView* grid, int command) {
  if (!Loaded() || !grid) return;
  for (int s : grid->GridModel()->Services()) {
    if (command == 2)
      m_db.ToggleServiceMark(s);
    else
      m_db.SetServiceMark(s, command == 0);
  }
  grid->viewport()->update();
  m_XSG_FavSer->viewport()->update();
}
