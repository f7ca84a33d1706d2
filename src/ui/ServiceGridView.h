// The service grid `XSG_Service`: a table view over ServiceGridModel that passes the mouse and
// drag-and-drop events, in grid rows (0 the head row, -1 outside any cell), to its handler.
#pragma once
#include <QPoint>
#include "ui/RowGridView.h"

class ServiceGridHandler {
 public:
  virtual ~ServiceGridHandler() = default;
  virtual void GridMouseDown(int column, int row) = 0;
  virtual void GridClick() = 0;
  // Returns true when a press that started here may start dragging the row.
  virtual bool GridMouseMove(int column, int row, Qt::MouseButtons buttons) = 0;
  virtual void GridMouseUp() = 0;
  virtual void GridDblClick() = 0;
  virtual void GridDragDrop(int row) = 0;
  virtual void GridHeadMove(int column) = 0;
};

class ServiceGridView : public RowGridView {
  Q_OBJECT
 public:
  explicit ServiceGridView(ServiceGridHandler& handler, QWidget* parent = nullptr);

  // Makes `row` the current and only selected row (clamped to the data rows).
  void SetRow(int row);
  // The cell under a viewport point: column and grid row (-1 outside any cell).
  void CellAt(const QPoint& viewportPos, int* column, int* row) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StartDrag();

  ServiceGridHandler& m_handler;
  QPoint m_pressPos;
  bool m_pressed = false;
};
