#include "ui/PageGridDelegate.h"

#include <QPainter>

namespace {
const QColor kActiveCaptionGradient(185, 209, 234);
const QColor kLime(0, 255, 0);
const QColor kDesktop(58, 110, 165);
const QColor kFuchsia(255, 0, 255);
}  // namespace

PageGridDelegate::PageGridDelegate(std::function<bool(int)> marked, QObject* parent)
    : QStyledItemDelegate(parent), m_marked(std::move(marked)) {}

void PageGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QColor brush = option.palette.color(QPalette::Button);
  QColor text = option.palette.color(QPalette::WindowText);
  bool emphasised = false;
  if (m_marked && m_marked(index.row() + 1)) {
    brush = kActiveCaptionGradient;
    text = kLime;
    emphasised = true;
  }
  if (option.state & QStyle::State_Selected) {
    brush = kDesktop;
    text = kFuchsia;
    emphasised = true;
  }
  const QRect r = option.rect;
  painter->save();
  painter->fillRect(r, brush);
  QFont font = option.font;
  if (emphasised) {
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
  }
  painter->setFont(font);
  painter->setPen(text);
  painter->drawText(r.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
  if (option.state & QStyle::State_HasFocus) {
    painter->setPen(QPen(text, 1, Qt::DotLine));
    painter->drawRect(r.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}
