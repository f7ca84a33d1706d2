#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("[Velmora]");
  QLabel w("Torvane 2.0.12");
  w.setWindowTitle("Torvane 2.0.12");
  w.resize(640, 480);
  w.show();
  return app.exec();
}
