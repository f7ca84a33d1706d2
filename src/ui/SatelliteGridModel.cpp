#include "ui/RecordText.h"
#include "ui/SatelliteGridModel.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

#include "db/M_database.h"

namespace {
const char* const kCaptions[] = {"Index", "LONG.", "Antenna.Name", "LNB Frequency", "22K",
                                 "12V",   "Power", "DiSEqC",       "Motor"};
const int kWidths[] = {50, 70, 200, 100, 60, 60, 60, 70, 70};

QString Q(const std::string& text) { return FromRecord(text); }
}  // namespace

SatelliteGridModel::SatelliteGridModel(m_DataBase& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db) {}

void SatelliteGridModel::Fill() {
  beginResetModel();
  m_rows = std::max(1, m_db.GetSatelliteViewCount());
  endResetModel();
}

void SatelliteGridModel::RefreshSatellite(int slot) {
  for (int r = 1; r <= std::min(m_rows, m_db.GetSatelliteViewCount()); ++r)
    if (m_db.GetSatelliteViewEntry(r) == slot) emit dataChanged(index(r - 1, 0), index(r - 1, kColumns - 1));
}

int SatelliteGridModel::SatelliteAtRow(int gridRow) const {
  if (gridRow < 1 || gridRow > m_db.GetSatelliteViewCount()) return -1;
  return m_db.GetSatelliteViewEntry(gridRow);
}

int SatelliteGridModel::ColumnWidth(int column) {
  return column >= 0 && column < kColumns ? kWidths[column] : 0;
}

QString SatelliteGridModel::CellText(int gridRow, int column) const {
  const int s = SatelliteAtRow(gridRow);
  if (s < 0) return QString();
  switch (column) {
    case 0:
      return QString::number(s + 1);
    case 1:
      return Q(m_db.GetAntennaLongitudeText(s));
    case 2:
      return Q(m_db.GetAntennaName(s));
    case 3:
      return Q(m_db.GetAntennaLnbFrequencyText(s));
    case 4:
      return Q(m_db.GetAntenna22KText(s));
    case 5:
      return Q(m_db.GetAntenna12VText(s));
    case 6:
      return Q(m_db.GetAntennaPowerText(s));
    case 7:
      return Q(m_db.GetAntennaDiseqcText(s));
    case 8:
      return Q(m_db.GetAntennaMotorText(s));
    default:
      return QString();
  }
}

int SatelliteGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int SatelliteGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant SatelliteGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return QVariant();
  return CellText(index.row() + 1, index.column());
}

// The head row: navy, bold and underlined.
QVariant SatelliteGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return QVariant();
  if (role == Qt::DisplayRole) return QString(kCaptions[section]);
  if (role == Qt::ForegroundRole) return QBrush(QColor(0, 0, 128));
  if (role == Qt::FontRole) {
    QFont font;
    font.setBold(true);
    font.setUnderline(true);
    return font;
  }
  return QVariant();
}
