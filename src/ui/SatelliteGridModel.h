// The rows of the satellite grid `XSG_Antenna`, read from the database's satellite view on
// demand: grid row r (from 1) is model row r-1 and shows satellite-view position r.
#pragma once
#include <QAbstractTableModel>

class m_DataBase;

class SatelliteGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumns = 9;

  explicit SatelliteGridModel(m_DataBase& db, QObject* parent = nullptr);

  // FillSatelliteGrid: the view's row count, at least one (empty) data row.
  void Fill();
  // ShowSatelliteRow: rewrites the row of one satellite.
  void RefreshSatellite(int slot);

  int SatelliteAtRow(int gridRow) const;  // -1 for none
  QString CellText(int gridRow, int column) const;
  static int ColumnWidth(int column);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  m_DataBase& m_db;
  int m_rows = 1;
};
