// Owner painting of the data cells of the transponder and satellite grids: button-face cells,
// marked rows in lime on the active-caption gradient, the grid's selected row in fuchsia on
// the desktop colour, text 1 pixel right of and below the cell corner, and a focus rectangle.
#pragma once
#include <QStyledItemDelegate>
#include <functional>

class PageGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  // `marked` tells whether a grid row (from 1) shows a marked record; empty for no marks.
  explicit PageGridDelegate(std::function<bool(int gridRow)> marked, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  std::function<bool(int)> m_marked;
};
