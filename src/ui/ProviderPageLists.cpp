#include "ui/ProviderPageLists.h"

#include <QKeyEvent>
#include <QScrollBar>

SlotListModel::SlotListModel(TextOf text, int itemHeight, QObject* parent)
    : QAbstractListModel(parent), m_text(std::move(text)), m_itemHeight(itemHeight) {}

void SlotListModel::Fill(std::vector<int> entries) {
  beginResetModel();
  m_slots = std::move(entries);
  endResetModel();
}

int SlotListModel::SlotAt(int item) const {
  return item >= 0 && item < Count() ? m_slots[static_cast<size_t>(item)] : -1;
}

QString SlotListModel::ItemText(int item) const {
  return item >= 0 && item < Count() ? m_text(item, m_slots[static_cast<size_t>(item)]) : QString();
}

int SlotListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant SlotListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return QVariant();
  if (role == Qt::DisplayRole) return ItemText(index.row());
  if (role == Qt::SizeHintRole) return QSize(-1, m_itemHeight);
  return QVariant();
}

ColumnListView::ColumnListView(const char* name, int columns, int itemHeight, QWidget* parent)
    : QListView(parent), m_columns(columns), m_itemHeight(itemHeight) {
  setObjectName(name);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  if (m_columns > 1) {
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
  }
  connect(this, &QListView::clicked, this, [this](const QModelIndex& at) { emit itemClicked(at.row()); });
}

int ColumnListView::ItemIndex() const {
  const QModelIndexList chosen = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
  return chosen.isEmpty() ? -1 : chosen.first().row();
}

void ColumnListView::SetItemIndex(int item) {
  if (!model() || item < 0 || item >= model()->rowCount()) {
    if (selectionModel()) selectionModel()->clear();
    return;
  }
  const QModelIndex at = model()->index(item, 0);
  selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
  scrollTo(at);
}

void ColumnListView::keyPressEvent(QKeyEvent* event) {
  const int before = ItemIndex();
  QListView::keyPressEvent(event);
  if (ItemIndex() != before && ItemIndex() >= 0) emit itemClicked(ItemIndex());
}

void ColumnListView::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  UpdateGrid();
}

void ColumnListView::UpdateGrid() {
  if (m_columns <= 1) return;
  const int width = std::max(40, viewport()->width() / m_columns);
  setGridSize(QSize(width, m_itemHeight));
}
