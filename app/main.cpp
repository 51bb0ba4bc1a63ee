#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel w("Velmira");
  w.show();
  return app.exec();
}
