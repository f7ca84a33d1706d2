// The rows of the service grid `XSG_Service`, read from the database's service view on demand:
// grid row r (from 1) is model row r-1 and shows service-view position r. Nothing is copied per
// cell; a fill only resets the row count, a row refresh only repaints the rows it names.
#pragma once
#include <QAbstractTableModel>
#include <vector>

class m_DataBase;

class ServiceGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Layout { Program, Favorite };
  static constexpr int kProgramColumns = 20;
  static constexpr int kFavoriteColumns = 34;
  // Program layout columns.
  enum Column {
    ColNumber = 0,
    ColName = 1,
    ColProvider = 2,
    ColTransponder = 3,
    ColLock = 12,
    ColSkip = 13,
    ColScrambled = 14,
    ColHd = 15,
    ColVideo = 16,
    ColAudio = 17,
    ColPcr = 18,
    ColId = 19
  };
  static constexpr int kFirstFavoriteColumn = 2;

  ServiceGridModel(m_DataBase& db, QObject* parent = nullptr);

  // FillServiceGrid: the row count becomes the view count (at least one, empty, data row).
  void Fill(Layout layout);
  // RefreshServiceRows: rewrites the given grid rows with the texts of a row refresh.
  void RefreshRows(const std::vector<int>& gridRows);
  // Repaints every row (marks, cut state and flags changed).
  void Repaint();

  Layout CurrentLayout() const { return m_layout; }
  // Number of grid data rows (at least 1).
  int DataRows() const { return m_rows; }
  // The service slot a grid row shows, -1 for none.
  int ServiceAtRow(int gridRow) const;
  // The text of a data cell, as the grid shows it.
  QString CellText(int gridRow, int column) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  m_DataBase& m_db;
  Layout m_layout = Program;
  int m_rows = 1;
  // 1 for rows last written by a row refresh, whose "no provider / no transponder" texts differ
  // from those of a fill.
  std::vector<unsigned char> m_refreshed;
};
