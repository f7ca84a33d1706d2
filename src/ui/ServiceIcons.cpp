#include "ui/ServiceIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kSize = 16;

QPixmap Blank() {
  QPixmap p(kSize, kSize);
  p.fill(Qt::transparent);
  return p;
}

QPixmap DrawLock() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(90, 90, 90), 2));
  g.setBrush(Qt::NoBrush);
  g.drawArc(QRectF(4, 1.5, 8, 9), 0, 180 * 16);  // shackle
  g.drawLine(QPointF(4, 6), QPointF(4, 8));
  g.drawLine(QPointF(12, 6), QPointF(12, 8));
  g.setPen(QPen(QColor(120, 80, 0), 1));
  g.setBrush(QColor(230, 170, 30));
  g.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.5, 1.5);  // body
  g.setPen(Qt::NoPen);
  g.setBrush(QColor(80, 50, 0));
  g.drawEllipse(QRectF(7, 9.5, 2, 2));
  g.drawRect(QRectF(7.5, 10.5, 1, 2.5));
  return p;
}

QPixmap DrawSkip() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::NoPen);
  g.setBrush(QColor(30, 110, 200));
  for (int k = 0; k < 2; ++k) {  // two forward triangles
    QPainterPath tri;
    const qreal x = 1 + k * 6;
    tri.moveTo(x, 3);
    tri.lineTo(x + 6, 8);
    tri.lineTo(x, 13);
    tri.closeSubpath();
    g.drawPath(tri);
  }
  g.drawRect(QRectF(13, 3, 2, 10));  // end bar
  return p;
}

QPixmap DrawScrambled() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(150, 20, 20), 1));
  g.setBrush(QColor(220, 60, 50));
  g.drawEllipse(QRectF(1, 4, 7, 7));  // key head
  g.setBrush(Qt::white);
  g.drawEllipse(QRectF(3, 6, 3, 3));
  g.setPen(QPen(QColor(150, 20, 20), 2));
  g.drawLine(QPointF(8, 7.5), QPointF(15, 7.5));  // key shaft and bits
  g.drawLine(QPointF(12, 7.5), QPointF(12, 11));
  g.drawLine(QPointF(14.5, 7.5), QPointF(14.5, 10));
  return p;
}

QPixmap DrawHd() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::NoPen);
  g.setBrush(QColor(20, 120, 60));
  g.drawRoundedRect(QRectF(0.5, 3, 15, 10), 2, 2);
  QFont f;
  f.setPixelSize(8);
  f.setBold(true);
  g.setFont(f);
  g.setPen(Qt::white);
  g.drawText(QRectF(0.5, 3, 15, 10), Qt::AlignCenter, QStringLiteral("HD"));
  return p;
}

QPixmap DrawTick() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(0, 140, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(2.5, 8.5);
  tick.lineTo(6, 12.5);
  tick.lineTo(13.5, 3.5);
  g.drawPath(tick);
  return p;
}
}  // namespace

const QPixmap& ServiceIconPixmap(ServiceIcon icon) {
  static const QPixmap pixmaps[] = {DrawLock(), DrawSkip(), DrawScrambled(), DrawHd(), DrawTick()};
  return pixmaps[static_cast<int>(icon)];
}
