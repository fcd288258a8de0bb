#include "app/display.hpp"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace velmora::app {

namespace {

// Qt's messages while it starts its platform: held back, and passed on once
// it has started, or dropped for the game's own message when it cannot.
struct Held {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};

struct Opening {
  std::mutex mutex;
  std::vector<Held> held;
  QtMessageHandler previous = nullptr;
};

Opening& opening() {
  static Opening o;
  return o;
}

void cannot_open() {
  const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
  if (x11.isEmpty() && wayland.isEmpty()) {
    std::fputs("velmora: cannot open the display: neither DISPLAY nor WAYLAND_DISPLAY is set\n", stderr);
  } else {
    std::fprintf(stderr, "velmora: cannot open the display \"%s\"\n",
                 (x11.isEmpty() ? wayland : x11).constData());
  }
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(1);
}

void while_opening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) cannot_open();
  Opening& o = opening();
  std::lock_guard lock(o.mutex);
  o.held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                    context.category ? context.category : "", context.line, text});
}

}  // namespace

std::unique_ptr<QApplication> open_display(int& argc, char** argv) {
  Opening& o = opening();
  o.previous = qInstallMessageHandler(while_opening);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(o.previous);
  std::lock_guard lock(o.mutex);
  for (const Held& h : o.held) {
    const QMessageLogContext context(h.file.c_str(), h.line, h.function.c_str(), h.category.c_str());
    if (o.previous) {
      o.previous(h.type, context, h.text);
    } else {
      qt_message_output(h.type, context, h.text);
    }
  }
  o.held.clear();
  return app;
}

}  // namespace velmora::app
