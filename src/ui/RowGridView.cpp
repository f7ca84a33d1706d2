#include "ui/RowGridView.h"

#include <QItemSelectionModel>
#include <algorithm>

int RowGridView::Row() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 1;
}

void RowGridView::SelectionSpan(int* top, int* bottom) const {
  *top = *bottom = Row();
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    *top = std::min(*top, range.top() + 1);
    *bottom = std::max(*bottom, range.bottom() + 1);
  }
}

void RowGridView::SetRangeSelect(bool on) {
  setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}
