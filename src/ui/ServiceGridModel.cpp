#include "ui/RecordText.h"
#include "ui/ServiceGridModel.h"

#include <QColor>
#include <QFont>

#include "db/M_database.h"
#include "ui/ServiceIcons.h"

ServiceGridModel::ServiceGridModel(m_DataBase& db, QObject* parent) : QAbstractTableModel(parent), m_db(db) {}

void ServiceGridModel::Fill(Layout layout) {
  beginResetModel();
  m_layout = layout;
  m_rows = std::max(1, m_db.GetServiceViewCount());
  m_refreshed.assign(static_cast<size_t>(m_rows), 0);
  endResetModel();
}

void ServiceGridModel::RefreshRows(const std::vector<int>& gridRows) {
  for (int r : gridRows) {
    if (r < 1 || r > m_rows) continue;
    m_refreshed[static_cast<size_t>(r - 1)] = 1;
    emit dataChanged(index(r - 1, 0), index(r - 1, columnCount() - 1));
  }
}

void ServiceGridModel::Repaint() {
  if (m_rows > 0) emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
}

int ServiceGridModel::ServiceAtRow(int gridRow) const {
  if (gridRow < 1 || gridRow > m_rows || gridRow > m_db.GetServiceViewCount()) return -1;
  return m_db.GetServiceViewEntry(gridRow);
}

QString ServiceGridModel::CellText(int gridRow, int column) const {
  const int s = ServiceAtRow(gridRow);
  if (s < 0) return QString();
  if (column == ColNumber) return QString::number(gridRow);
  if (column == ColName) return FromRecord(m_db.GetServiceName(s));
  if (m_layout == Favorite) return QString();
  const bool refreshed = m_refreshed[static_cast<size_t>(gridRow - 1)] != 0;
  switch (column) {
    case ColProvider: {
      const int p = m_db.GetServiceProvider(s);
      if (p < 0) return refreshed ? QStringLiteral("NO Provider") : QString();
      return FromRecord(m_db.GetProviderName(p));
    }
    case ColTransponder: {
      const int t = m_db.GetServiceTransponder(s);
      if (t < 0) return refreshed ? QStringLiteral("NO TP") : QStringLiteral(" NO TP");
      return FromRecord(m_db.GetTransponderLabel(t, m_db.GetViewDelivery()));
    }
    case ColVideo:
      return FromRecord(m_db.GetServiceVideoPidText(s));
    case ColAudio:
      return FromRecord(m_db.GetServiceAudioPidText(s));
    case ColPcr:
      return FromRecord(m_db.GetServicePcrPidText(s));
    case ColId:
      return FromRecord(m_db.GetServiceIdText(s));
    default:
      return QString();
  }
}

int ServiceGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int ServiceGridModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return m_layout == Program ? kProgramColumns : kFavoriteColumns;
}

QVariant ServiceGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return QVariant();
  return CellText(index.row() + 1, index.column());
}

QVariant ServiceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QVariant();
  switch (role) {
    case Qt::DisplayRole: {
      if (m_layout == Favorite) {
        if (section == 0) return QStringLiteral("ProNo");
        if (section == 1) return QStringLiteral("Name");
        return QStringLiteral("Fav%1").arg(section - 1, 2, 10, QLatin1Char('0'));
      }
      static const char* const kCaptions[kProgramColumns] = {
          "ProNo", "Name", "Provider", "Transponder", "",      "",    "",  "", "", "", "", "", "",
          "",      "",     "",         "Video",       "Audio", "PCR", "ID"};
      return section >= 0 && section < kProgramColumns ? QString::fromLatin1(kCaptions[section]) : QString();
    }
    case Qt::DecorationRole: {
      if (m_layout != Program || section < ColLock || section > ColHd) return QVariant();
      static const ServiceIcon kIcons[] = {ServiceIcon::Lock, ServiceIcon::Skip, ServiceIcon::Scrambled,
                                           ServiceIcon::Hd};
      return ServiceIconPixmap(kIcons[section - ColLock]);
    }
    case Qt::ToolTipRole: {
      static const char* const kHints[] = {"Original Sort", "Alpha Sort", "Provider Sort",
                                           "Transponder Sort"};
      if (m_layout == Program && section >= 0 && section <= ColTransponder)
        return QString::fromLatin1(kHints[section]);
      return QVariant();
    }
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
