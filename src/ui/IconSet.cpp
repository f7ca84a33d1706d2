#include "ui/IconSet.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The resource file lives in a static library, so its registration has to be pulled in by hand.
static void RegisterIconResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  (void)registered;
}

namespace {
QPixmap Render(QSvgRenderer& renderer, int size, qreal ratio) {
  const int device = qRound(size * ratio);
  QPixmap p(device, device);
  p.fill(Qt::transparent);
  {
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    renderer.render(&g, QRectF(0, 0, device, device));
  }
  p.setDevicePixelRatio(ratio);
  return p;
}

qreal ScreenRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }
}  // namespace

QPixmap IconSetPixmap(const QString& name, int size) {
  RegisterIconResources();
  QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
  if (!renderer.isValid()) return QPixmap();
  return Render(renderer, size, ScreenRatio());
}

QIcon IconSetIcon(const QString& name) {
  RegisterIconResources();
  QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
  if (!renderer.isValid()) return QIcon();
  QIcon icon;  // the larger sizes serve high-density screens
  for (int size : {16, 20, 22, 24, 32, 40, 48, 64}) icon.addPixmap(Render(renderer, size, 1.0));
  return icon;
}
