#include "ui/RecordText.h"
#include "ui/TransponderGridModel.h"

#include <algorithm>

#include "db/M_database.h"
#include "db/NumberText.h"

namespace {
const char* const kSatCaptions[] = {"TP.NO", "Freq", "Pol", "Sym", "FEC", "Antenna Index"};
const int kSatWidths[] = {100, 100, 60, 100, 60, 120};
const char* const kTerCaptions[] = {"TP.NO", "CH.Num", "Freq", "Band Mode"};
const int kTerWidths[] = {100, 100, 120, 100};

QString Q(const std::string& text) { return FromRecord(text); }
}  // namespace

TransponderGridModel::TransponderGridModel(m_DataBase& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db) {}

void TransponderGridModel::Fill(bool terrestrial) {
  beginResetModel();
  m_terrestrial = terrestrial;
  m_rows = std::max(1, m_db.GetTransponderViewCount());
  endResetModel();
}

void TransponderGridModel::RefreshRows(const std::vector<int>& gridRows) {
  for (int r : gridRows)
    if (r >= 1 && r <= m_rows) emit dataChanged(index(r - 1, 0), index(r - 1, columnCount() - 1));
}

void TransponderGridModel::Repaint() {
  if (m_rows > 0) emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
}

int TransponderGridModel::TransponderAtRow(int gridRow) const {
  if (gridRow < 1 || gridRow > m_db.GetTransponderViewCount()) return -1;
  return m_db.GetTransponderViewEntry(gridRow);
}

int TransponderGridModel::ColumnWidth(bool terrestrial, int column) {
  if (terrestrial) return column >= 0 && column < 4 ? kTerWidths[column] : 0;
  return column >= 0 && column < 6 ? kSatWidths[column] : 0;
}

QString TransponderGridModel::CellText(int gridRow, int column) const {
  const int t = TransponderAtRow(gridRow);
  if (t < 0) return QString();
  if (column == 0) return QString::number(gridRow);
  if (m_terrestrial) {
    switch (column) {
      case 1:
        return QString::number(m_db.GetTerTransponderChannel(t));
      case 2:
        return Q(m_db.GetTerTransponderFrequencyText(t)) + "  MHz";
      case 3:
        return Q(m_db.GetTerTransponderBandwidthText(t));
      default:
        return QString();
    }
  }
  switch (column) {
    case 1:
      return Q(numbertext::ZeroPad(m_db.GetTransponderFrequencyText(t), 5));
    case 2:
      return Q(m_db.GetTransponderPolarityText(t));
    case 3:
      return Q(numbertext::ZeroPad(m_db.GetTransponderSymbolRateText(t), 5));
    case 4:
      return Q(m_db.GetTransponderFecText(t));
    case 5:
      return QString::number(m_db.GetTransponderSatellite(t) + 1);
    default:
      return QString();
  }
}

int TransponderGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int TransponderGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : (m_terrestrial ? 4 : 6);
}

QVariant TransponderGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return QVariant();
  return CellText(index.row() + 1, index.column());
}

QVariant TransponderGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  if (m_terrestrial) return section >= 0 && section < 4 ? QString(kTerCaptions[section]) : QVariant();
  return section >= 0 && section < 6 ? QString(kSatCaptions[section]) : QVariant();
}
