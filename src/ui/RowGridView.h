// A table view whose rows are numbered from 1, as the pages count grid rows: the current row,
// the span of the selection, and single-row or range selection.
#pragma once
#include <QTableView>

class RowGridView : public QTableView {
  Q_OBJECT
 public:
  using QTableView::QTableView;

  // The grid row (from 1) of the current cell; 1 when there is none.
  int Row() const;
  // Top and bottom grid rows of the selection; both Row() when nothing else is selected.
  void SelectionSpan(int* top, int* bottom) const;
  // Range selection while on, single-row selection otherwise.
  void SetRangeSelect(bool on);
};
