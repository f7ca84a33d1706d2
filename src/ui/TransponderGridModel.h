// The rows of the transponder grid `XSG_Tp`, read from the database's transponder view on
// demand: grid row r (from 1) is model row r-1 and shows transponder-view position r. The
// satellite layout has six columns, the terrestrial one four.
#pragma once
#include <QAbstractTableModel>
#include <vector>

class m_DataBase;

class TransponderGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TransponderGridModel(m_DataBase& db, QObject* parent = nullptr);

  // FillTransponderGrid: takes the layout of the delivery kind and the view's row count (at
  // least one, empty, data row).
  void Fill(bool terrestrial);
  // Rewrites the given grid rows.
  void RefreshRows(const std::vector<int>& gridRows);
  void Repaint();

  bool Terrestrial() const { return m_terrestrial; }
  // The transponder slot a grid row shows, -1 for none.
  int TransponderAtRow(int gridRow) const;
  QString CellText(int gridRow, int column) const;
  static int ColumnWidth(bool terrestrial, int column);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  m_DataBase& m_db;
  bool m_terrestrial = false;
  int m_rows = 1;
};
