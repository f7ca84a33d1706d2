// The five grids of the Favorite page: the service list `XSG_FavSer` and the group grids
// `XSG_Fav1` to `XSG_Fav4`. The page fills all five from the database's one service view, which
// it switches between them, so each grid keeps the service slots of its last fill; a cell's text
// is read from the database when it is painted.
#pragma once
#include <QAbstractTableModel>
#include <QPoint>
#include <QStyledItemDelegate>
#include "ui/RowGridView.h"
#include <vector>

class m_DataBase;
class FavoriteGridView;

class FavoriteGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  FavoriteGridModel(m_DataBase& db, const QString& listCaption, QObject* parent = nullptr);

  // Takes the service view as it stands: one data row per view position, at least one.
  void FillFromServiceView();
  void Clear();
  void Repaint();
  // The service slot of a grid row (from 1), -1 for none.
  int ServiceAtRow(int gridRow) const;
  int ServiceCount() const { return static_cast<int>(m_slots.size()); }
  const std::vector<int>& Services() const { return m_slots; }
  QString CellText(int gridRow, int column) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  m_DataBase& m_db;
  QString m_listCaption;
  std::vector<int> m_slots;
};

// What the page does with the grids' mouse and drag-and-drop events. Rows are grid rows: 0 the
// head row, -1 outside any cell.
class FavoriteGridHandler {
 public:
  virtual ~FavoriteGridHandler() = default;
  virtual void FavGridMouseDown(FavoriteGridView* grid, int column, int row) = 0;
  virtual void FavGridClick(FavoriteGridView* grid) = 0;
  // Returns true when a press that started here may start dragging.
  virtual bool FavGridMouseMove(FavoriteGridView* grid, int column, int row, Qt::MouseButtons buttons) = 0;
  virtual void FavGridMouseUp(FavoriteGridView* grid) = 0;
  virtual void FavGridDblClick(FavoriteGridView* grid) = 0;
  // `source` is the object name of the grid the drag began in, empty for any other control.
  virtual bool FavGridDragOver(FavoriteGridView* grid, const QString& source) = 0;
  virtual void FavGridDragDrop(FavoriteGridView* grid, const QString& source, int row) = 0;
};

class FavoriteGridView : public RowGridView {
  Q_OBJECT
 public:
  // The mime type of a drag from a favorite grid; its data is the source grid's object name.
  static const char kSourceMime[];

  FavoriteGridView(FavoriteGridHandler& handler, const char* name, int tag, QWidget* parent = nullptr);

  int Tag() const { return m_tag; }
  FavoriteGridModel* GridModel() const { return static_cast<FavoriteGridModel*>(model()); }
  void SetRow(int row);
  void CellAt(const QPoint& viewportPos, int* column, int* row) const;
  QPoint CellCenter(int row, int column) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QString SourceOf(const QDropEvent* event) const;
  void StartDrag();

  FavoriteGridHandler& m_handler;
  int m_tag;
  QPoint m_pressPos;
  bool m_pressed = false;
};

// Painting of the data cells: marked rows lime on the active-caption gradient, the selected row
// fuchsia on the desktop colour, text 1 pixel in from the cell corner.
class FavoriteGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  FavoriteGridDelegate(m_DataBase& db, QObject* parent = nullptr);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  m_DataBase& m_db;
};
