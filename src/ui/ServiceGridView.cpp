#include "ui/ServiceGridView.h"

#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {
const char kRowMime[] = "application/x-torvane-service-row";
}

ServiceGridView::ServiceGridView(ServiceGridHandler& handler, QWidget* parent)
    : RowGridView(parent), m_handler(handler) {
  setObjectName("XSG_Service");
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setMouseTracking(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  setShowGrid(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();  // no fixed column
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(18);
  horizontalHeader()->setFixedHeight(20);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMouseTracking(true);
  horizontalHeader()->viewport()->setMouseTracking(true);
  horizontalHeader()->viewport()->installEventFilter(this);
  connect(horizontalHeader(), &QHeaderView::sectionPressed, this,
          [this](int section) { m_handler.GridMouseDown(section, 0); });
}

void ServiceGridView::SetRow(int row) {
  if (!model() || model()->rowCount() == 0) return;
  row = std::max(1, std::min(row, model()->rowCount()));
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  const QModelIndex at = model()->index(row - 1, column);
  selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(at);
}

void ServiceGridView::CellAt(const QPoint& viewportPos, int* column, int* row) const {
  *column = columnAt(viewportPos.x());
  const int r = rowAt(viewportPos.y());
  *row = r < 0 ? -1 : r + 1;
}

void ServiceGridView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  m_pressPos = event->position().toPoint();
  m_pressed = event->button() == Qt::LeftButton;
  m_handler.GridMouseDown(column, row);
  if (row > 0 && column >= 0) m_handler.GridClick();
}

void ServiceGridView::mouseMoveEvent(QMouseEvent* event) {
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  const bool dragHere = m_handler.GridMouseMove(column, row, event->buttons());
  if (dragHere && m_pressed && (event->buttons() & Qt::LeftButton)) {
    if ((event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
      m_pressed = false;
      StartDrag();
    }
    return;
  }
  QTableView::mouseMoveEvent(event);
}

void ServiceGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  m_pressed = false;
  m_handler.GridMouseUp();
}

// The second press of a double click arrives as the double click itself: it records the cell
// like any press, then runs the double-click rule.
void ServiceGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  m_handler.GridMouseDown(column, row);
  m_handler.GridDblClick();
}

void ServiceGridView::keyPressEvent(QKeyEvent* event) {
  const int before = Row();
  QTableView::keyPressEvent(event);
  if (Row() != before) m_handler.GridClick();
}

void ServiceGridView::StartDrag() {
  auto* drag = new QDrag(this);
  auto* mime = new QMimeData;
  mime->setData(kRowMime, QByteArray::number(Row()));
  drag->setMimeData(mime);
  drag->exec(Qt::MoveAction);
}

// Every drop is accepted; the source row is always the grid's own last mouse row.
void ServiceGridView::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void ServiceGridView::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void ServiceGridView::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  m_handler.GridDragDrop(row);
}

bool ServiceGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseMove) {
    auto* move = static_cast<QMouseEvent*>(event);
    m_handler.GridHeadMove(horizontalHeader()->logicalIndexAt(move->position().toPoint()));
  }
  return QTableView::eventFilter(watched, event);
}
