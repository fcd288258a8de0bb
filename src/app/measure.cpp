#include "app/measure.hpp"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/main_window.hpp"
#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "view/drawing.hpp"
#include "window/startup.hpp"

namespace velmora::app {

namespace {

long peak_kib() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

class FirstFrame final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Reported once the paint event has been handled and flushed.
      QMetaObject::invokeMethod(
          this,
          [] {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            std::printf("first-frame-ns %lld\npeak-kib %ld\n", static_cast<long long>(ns), peak_kib());
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  bool seen_ = false;
};

}  // namespace

void measure_first_frame(QWidget* painted) {
  if (!std::getenv("VELMORA_MEASURE_FIRST_FRAME")) return;
  painted->installEventFilter(new FirstFrame(painted));
}

bool measure_redraw(MainWindow& window) {
  const char* n_text = std::getenv("VELMORA_MEASURE_REDRAW");
  if (!n_text) return false;
  const int n = std::max(1, std::atoi(n_text));
  std::vector<double> ms;
  ms.reserve(std::size_t(n));
  for (int i = 0; i < n; ++i) {
    QElapsedTimer t;
    t.start();
    velmora::画面_再描画(window.form());
    ms.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("redraw-median-ms %.3f\nredraw-min-ms %.3f\nredraw-max-ms %.3f\n", ms[ms.size() / 2],
              ms.front(), ms.back());
  std::fflush(stdout);
  return true;
}

}  // namespace velmora::app
