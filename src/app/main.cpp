// Velmora: the shogi window.
#include <QApplication>

#include "app/main_window.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  velmora::app::MainWindow window;
  window.start();
  window.show();
  return app.exec();
}
