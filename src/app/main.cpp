// Velmora: the shogi window.
#include <QApplication>

#include "app/board_view.hpp"
#include "app/e2e_log.hpp"
#include "app/main_window.hpp"
#include "app/measure.hpp"

int main(int argc, char** argv) {
  // The sound library's SDL would otherwise take SIGINT and SIGTERM for
  // itself, and the window would no longer end when the session asks it to.
  if (qEnvironmentVariableIsEmpty("SDL_NO_SIGNAL_HANDLERS")) qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  // The desktop matches the window to its entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
  velmora::app::MainWindow window;
  velmora::app::measure_first_frame(window.view());
  velmora::app::start_e2e_log(window);
  window.start();
  window.show();
  if (velmora::app::measure_redraw(window)) return 0;
  return app.exec();
}
