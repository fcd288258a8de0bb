// Velmora: the shogi window.
#include <QApplication>

#include "app/board_view.hpp"
#include "app/e2e_log.hpp"
#include "app/main_window.hpp"
#include "app/measure.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  velmora::app::MainWindow window;
  velmora::app::measure_first_frame(window.view());
  velmora::app::start_e2e_log(window);
  window.start();
  window.show();
  if (velmora::app::measure_redraw(window)) return 0;
  return app.exec();
}
