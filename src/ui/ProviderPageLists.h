// The list boxes of the Provider and CASystem pages: a list model over a copy of a view's entries
// whose texts are read from the database when drawn, and a list view that flows its items into
// a fixed number of columns and reports clicks and keyboard moves as item clicks.
#pragma once
#include <QAbstractListModel>
#include <QListView>
#include <functional>
#include <vector>

class SlotListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  // `text` gives the item text of a list item (from 0) showing a slot.
  using TextOf = std::function<QString(int item, int slot)>;
  SlotListModel(TextOf text, int itemHeight, QObject* parent = nullptr);

  void Fill(std::vector<int> entries);
  int SlotAt(int item) const;
  int Count() const { return static_cast<int>(m_slots.size()); }
  QString ItemText(int item) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  TextOf m_text;
  int m_itemHeight;
  std::vector<int> m_slots;
};

class ColumnListView : public QListView {
  Q_OBJECT
 public:
  ColumnListView(const char* name, int columns, int itemHeight, QWidget* parent = nullptr);

  SlotListModel* ListModel() const { return static_cast<SlotListModel*>(model()); }
  // The selected item, -1 when none.
  int ItemIndex() const;
  void SetItemIndex(int item);

 signals:
  void itemClicked(int item);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateGrid();

  int m_columns;
  int m_itemHeight;
};
