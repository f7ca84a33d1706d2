// Owner painting of the service grid's data cells: mark and cut colours, the selected row, the
// flag icons of the program layout and the favorite ticks of the favorite layout.
#pragma once
#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

class m_DataBase;
class ServiceGridModel;

struct ServiceCellStyle {
  QColor brush;
  QColor text;
  bool emphasised = false;  // bold, italic and underlined
};

class ServiceGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  ServiceGridDelegate(m_DataBase& db, ServiceGridModel& model, std::function<bool()> cutPending,
                      QObject* parent = nullptr);

  // Colours of a data cell of `gridRow`; `selected` when the row is the grid's selected row.
  ServiceCellStyle StyleOf(int gridRow, bool selected, const QPalette& palette) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  m_DataBase& m_db;
  ServiceGridModel& m_model;
  std::function<bool()> m_cutPending;
};
