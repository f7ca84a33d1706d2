// Mouse handling of the transponder grid: the selected transponder, marks by double click or a
// range in the "TP.NO" column, and reordering by drag and drop.
#include <QHeaderView>

#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/TransponderGridModel.h"
#include "ui/TransponderPage.h"

void TransponderPage::GridMouseDown(int column, int row) {
  if (!Loaded()) return;
  if (column < 0 || row < 0) return;  // outside any cell the previous cell stays
  m_lastColumn = column;
  m_lastRow = row;
  if (row > 0 && column >= 1) SetGridRow(row);
}

void TransponderPage::GridClick() {
  if (!Loaded()) return;
  SelectTransponderAtRow();
  ShowSelectedTransponder();
}

bool TransponderPage::GridMouseMove(int column, int row, Qt::MouseButtons buttons) {
  if (column >= 0 && row >= 0) {
    m_lastColumn = column;
    m_lastRow = row;
  }
  if (row < 0 || column < 0) return false;
  m_grid->viewport()->setCursor(column == 0 ? Qt::ArrowCursor : Qt::PointingHandCursor);
  return Loaded() && column >= 1 && row > 0 && (buttons & Qt::LeftButton);
}

void TransponderPage::GridHeadMove(int column) {
  (void)column;
  m_grid->horizontalHeader()->viewport()->setCursor(Qt::ForbiddenCursor);
  m_grid->setToolTip(QString());
}

void TransponderPage::GridMouseUp() {
  if (!Loaded()) return;
  int top, bottom;
  m_grid->SelectionSpan(&top, &bottom);
  if (m_lastRow > 0 && m_lastColumn == 0 && bottom > top) {
    for (int r = top; r <= bottom; ++r) {
      const int t = m_model->TransponderAtRow(r);
      if (t >= 0) m_db.ToggleTransponderMark(t);
    }
  }
  RepaintGrid();
}

void TransponderPage::GridDblClick() {
  if (!Loaded()) return;
  if (m_lastColumn == 0 && m_lastRow > 0) {
    const int t = m_model->TransponderAtRow(m_lastRow);
    if (t >= 0) m_db.ToggleTransponderMark(t);
  }
  RepaintGrid();
}

void TransponderPage::GridDragDrop(int row) { XSG_TpDragDrop(row); }

void TransponderPage::XSG_TpDragDrop(int b) {
  if (!Loaded()) return;
  SetModified();
  const bool satellite = Satellite();
  const int s = satellite ? m_db.GetSelectedSatellite() : -1;
  const int a = m_lastRow;
  m_lastRow = b;
  const int count = m_db.GetTransponderViewCount();
  if (a == b || b < 1 || b > count) return;
  if (m_db.CountMarkedTransponders() > 0) {
    const int first = m_db.GatherMarkedTransponders(s);
    if (m_db.FindTransponderViewPosition(first) < b)
      m_db.MoveMarkedTranspondersAfter(b, s);
    else
      m_db.MoveMarkedTranspondersBefore(b, s);
  } else {
    const int source = m_model->TransponderAtRow(a);
    const int anchor = m_model->TransponderAtRow(b);
    if (source < 0 || anchor < 0) return;
    if (satellite) {
      if (a < b)
        m_db.MoveTransponderAfter(s, source, anchor);
      else
        m_db.MoveTransponderBefore(s, source, anchor);
    } else {
      if (a < b)
        m_db.MoveTerTransponderAfter(source, anchor);
      else
        m_db.MoveTerTransponderBefore(source, anchor);
    }
    m_db.BuildTransponderView();
  }
  FillTransponderGrid();
  ShowSelectedTransponder();
  SetGridRow(b);
}
