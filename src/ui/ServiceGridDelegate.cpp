#include "ui/ServiceGridDelegate.h"

#include <QPainter>

#include "db/M_database.h"
#include "ui/ServiceGridModel.h"
#include "ui/ServiceIcons.h"

namespace {
const QColor kSilver(192, 192, 192);
const QColor kTeal(0, 128, 128);
const QColor kActiveCaptionGradient(185, 209, 234);
const QColor kLime(0, 255, 0);
const QColor kDesktop(58, 110, 165);
const QColor kFuchsia(255, 0, 255);
}  // namespace

ServiceGridDelegate::ServiceGridDelegate(m_DataBase& db, ServiceGridModel& model,
                                         std::function<bool()> cutPending, QObject* parent)
    : QStyledItemDelegate(parent), m_db(db), m_model(model), m_cutPending(std::move(cutPending)) {}

ServiceCellStyle ServiceGridDelegate::StyleOf(int gridRow, bool selected, const QPalette& palette) const {
  ServiceCellStyle style{palette.color(QPalette::Button), palette.color(QPalette::WindowText), false};
  const int s = m_model.ServiceAtRow(gridRow);
  if (s >= 0 && m_db.IsServiceMarked(s)) {
    const bool cut = m_cutPending && m_cutPending();
    style.brush = cut ? kSilver : kActiveCaptionGradient;
    style.text = cut ? kTeal : kLime;
    style.emphasised = true;
  }
  if (selected) style = {kDesktop, kFuchsia, true};
  return style;
}

void ServiceGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const int gridRow = index.row() + 1;
  const int column = index.column();
  const ServiceCellStyle style = StyleOf(gridRow, option.state & QStyle::State_Selected, option.palette);
  const QRect r = option.rect;
  painter->save();
  painter->fillRect(r, style.brush);
  QFont font = option.font;
  if (style.emphasised) {
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
  }
  painter->setFont(font);
  painter->setPen(style.text);
  const QString text = m_model.CellText(gridRow, column);
  if (!text.isEmpty())
    painter->drawText(r.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);

  const int s = m_model.ServiceAtRow(gridRow);
  if (s >= 0) {
    const QPoint iconAt = r.topLeft() + QPoint(7, 2);
    if (m_model.CurrentLayout() == ServiceGridModel::Program) {
      bool shown = false;
      ServiceIcon icon = ServiceIcon::Lock;
      switch (column) {
        case ServiceGridModel::ColLock:
          shown = m_db.IsServiceLocked(s);
          icon = ServiceIcon::Lock;
          break;
        case ServiceGridModel::ColSkip:
          shown = m_db.IsServiceSkipped(s);
          icon = ServiceIcon::Skip;
          break;
        case ServiceGridModel::ColScrambled:
          shown = m_db.IsServiceScrambled(s);
          icon = ServiceIcon::Scrambled;
          break;
        case ServiceGridModel::ColHd:
          shown = m_db.IsServiceHd(s);
          icon = ServiceIcon::Hd;
          break;
        default:
          break;
      }
      if (shown) painter->drawPixmap(iconAt, ServiceIconPixmap(icon));
    } else if (column >= ServiceGridModel::kFirstFavoriteColumn) {
      const int group = column - ServiceGridModel::kFirstFavoriteColumn;
      if (m_db.GetServiceFavoriteMask(s) & (1u << group))
        painter->drawPixmap(r.topLeft() + QPoint(1, 1), ServiceIconPixmap(ServiceIcon::Tick));
    }
  }
  painter->restore();
}
