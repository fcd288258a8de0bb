// The smallest Qt 6 window program: the yardstick the benchmark compares
// Velmora's start-up time and memory with.
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "app/measure.hpp"

namespace {

class Plain final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 128, 0)); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Plain w;
  w.resize(727, 573);
  velmora::app::measure_first_frame(&w);
  w.show();
  return app.exec();
}
