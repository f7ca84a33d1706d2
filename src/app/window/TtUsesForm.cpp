#include "app/window/TtUsesForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TtUsesForm::TtUsesForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("tUsesForm");
  setWindowTitle(QString());
  setFixedSize(500, 45);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  m_label = new QLabel(this);
  m_label->setObjectName("Label1");
  m_label->setAutoFillBackground(true);
  QPalette lp = m_label->palette();
  lp.setColor(QPalette::Window, Qt::black);
  lp.setColor(QPalette::WindowText, Qt::red);
  m_label->setPalette(lp);
  QFont font("Arial");
  font.setPointSize(17);
  m_label->setFont(font);
  m_label->move(50, 9);
}

void TtUsesForm::ShowNotice(const QString& text) {
  m_label->setText(text);
  m_label->adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
  repaint();
  QCoreApplication::processEvents();
}

void TtUsesForm::HideNotice() { hide(); }
