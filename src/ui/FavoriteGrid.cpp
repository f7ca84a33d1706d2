#include "ui/RecordText.h"
#include "ui/FavoriteGrid.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "db/M_database.h"

namespace {
const QColor kActiveCaptionGradient(185, 209, 234);
const QColor kLime(0, 255, 0);
const QColor kDesktop(58, 110, 165);
const QColor kFuchsia(255, 0, 255);
}  // namespace

// ---- Model ---------------------------------------------------------------------------------

FavoriteGridModel::FavoriteGridModel(m_DataBase& db, const QString& listCaption, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_listCaption(listCaption) {}

void FavoriteGridModel::FillFromServiceView() {
  beginResetModel();
  m_slots.clear();
  for (int p = 1; p <= m_db.GetServiceViewCount(); ++p) m_slots.push_back(m_db.GetServiceViewEntry(p));
  endResetModel();
}

void FavoriteGridModel::Clear() {
  beginResetModel();
  m_slots.clear();
  endResetModel();
}

void FavoriteGridModel::Repaint() { emit dataChanged(index(0, 0), index(rowCount() - 1, 1)); }

int FavoriteGridModel::ServiceAtRow(int gridRow) const {
  if (gridRow < 1 || gridRow > ServiceCount()) return -1;
  return m_slots[static_cast<size_t>(gridRow - 1)];
}

QString FavoriteGridModel::CellText(int gridRow, int column) const {
  const int s = ServiceAtRow(gridRow);
  if (s < 0) return QString();
  if (column == 0) return QString::number(gridRow);
  return FromRecord(m_db.GetServiceName(s));
}

int FavoriteGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(1, ServiceCount());
}

int FavoriteGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant FavoriteGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return QVariant();
  return CellText(index.row() + 1, index.column());
}

QVariant FavoriteGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QVariant();
  switch (role) {
    case Qt::DisplayRole:
      return section == 0 ? QStringLiteral("ProNo") : m_listCaption;
    case Qt::FontRole: {
      QFont f;
      f.setBold(true);
      f.setUnderline(true);
      return f;
    }
    case Qt::ForegroundRole:
      return QColor(Qt::darkBlue);  // navy
    default:
      return QVariant();
  }
}

// ---- View ----------------------------------------------------------------------------------

const char FavoriteGridView::kSourceMime[] = "application/x-torvane-favorite-source";

FavoriteGridView::FavoriteGridView(FavoriteGridHandler& handler, const char* name, int tag, QWidget* parent)
    : RowGridView(parent), m_handler(handler), m_tag(tag) {
  setObjectName(name);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setMouseTracking(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(18);
  horizontalHeader()->setFixedHeight(20);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
}

void FavoriteGridView::SetRow(int row) {
  if (!model() || model()->rowCount() == 0) return;
  row = std::max(1, std::min(row, model()->rowCount()));
  const QModelIndex at = model()->index(row - 1, 0);
  selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(at);
}

void FavoriteGridView::CellAt(const QPoint& viewportPos, int* column, int* row) const {
  *column = columnAt(viewportPos.x());
  const int r = rowAt(viewportPos.y());
  *row = r < 0 || *column < 0 ? -1 : r + 1;
}

QPoint FavoriteGridView::CellCenter(int row, int column) const {
  const QModelIndex at = model()->index(row - 1, column);
  return visualRect(at).center();
}

void FavoriteGridView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  m_pressPos = event->position().toPoint();
  m_pressed = event->button() == Qt::LeftButton;
  m_handler.FavGridMouseDown(this, column, row);
  if (row > 0) m_handler.FavGridClick(this);
}

void FavoriteGridView::mouseMoveEvent(QMouseEvent* event) {
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  const bool dragHere = m_handler.FavGridMouseMove(this, column, row, event->buttons());
  if (dragHere && m_pressed && (event->buttons() & Qt::LeftButton)) {
    if ((event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
      m_pressed = false;
      StartDrag();
    }
    return;
  }
  QTableView::mouseMoveEvent(event);
}

void FavoriteGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  m_pressed = false;
  m_handler.FavGridMouseUp(this);
}

// The second press of a double click records the cell like any press, then runs the rule.
void FavoriteGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  m_handler.FavGridMouseDown(this, column, row);
  m_handler.FavGridDblClick(this);
}

void FavoriteGridView::keyPressEvent(QKeyEvent* event) {
  const int before = Row();
  QTableView::keyPressEvent(event);
  if (Row() != before) m_handler.FavGridClick(this);
}

void FavoriteGridView::StartDrag() {
  auto* drag = new QDrag(this);
  auto* mime = new QMimeData;
  mime->setData(kSourceMime, objectName().toUtf8());
  drag->setMimeData(mime);
  drag->exec(Qt::MoveAction);
}

QString FavoriteGridView::SourceOf(const QDropEvent* event) const {
  const QMimeData* mime = event->mimeData();
  if (!mime || !mime->hasFormat(kSourceMime)) return QString();
  return QString::fromUtf8(mime->data(kSourceMime));
}

void FavoriteGridView::dragEnterEvent(QDragEnterEvent* event) {
  if (m_handler.FavGridDragOver(this, SourceOf(event)))
    event->acceptProposedAction();
  else
    event->ignore();
}

void FavoriteGridView::dragMoveEvent(QDragMoveEvent* event) {
  if (m_handler.FavGridDragOver(this, SourceOf(event)))
    event->acceptProposedAction();
  else
    event->ignore();
}

void FavoriteGridView::dropEvent(QDropEvent* event) {
  const QString source = SourceOf(event);
  if (!m_handler.FavGridDragOver(this, source)) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  int column, row;
  CellAt(event->position().toPoint(), &column, &row);
  m_handler.FavGridDragDrop(this, source, row);
}

// ---- Painting ------------------------------------------------------------------------------

FavoriteGridDelegate::FavoriteGridDelegate(m_DataBase& db, QObject* parent) : QStyledItemDelegate(parent), m_db(db) {}

void FavoriteGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const auto* model = static_cast<const FavoriteGridModel*>(index.model());
  const int gridRow = index.row() + 1;
  const int s = model->ServiceAtRow(gridRow);
  QColor brush = option.palette.color(QPalette::Button);
  QColor text = option.palette.color(QPalette::WindowText);
  bool emphasised = false;
  if (s >= 0 && m_db.IsServiceMarked(s)) {
    brush = kActiveCaptionGradient;
    text = kLime;
    emphasised = true;
  }
  if (option.state & QStyle::State_Selected) {
    brush = kDesktop;
    text = kFuchsia;
    emphasised = true;
  }
  painter->save();
  painter->fillRect(option.rect, brush);
  QFont font = option.font;
  if (emphasised) {
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
  }
  painter->setFont(font);
  painter->setPen(text);
  const QString cell = model->CellText(gridRow, index.column());
  if (!cell.isEmpty())
    painter->drawText(option.rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cell);
  painter->restore();
}
