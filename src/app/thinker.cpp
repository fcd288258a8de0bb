#include "app/thinker.hpp"

#include <utility>

namespace velmora::app {

WindowThinker::WindowThinker(QObject* parent) : QObject(parent) {}

WindowThinker::~WindowThinker() { cancel(); }

bool WindowThinker::think(const velmora::思考の依頼& r, std::optional<velmora::指し手>&) {
  cancel();
  kept_ = r;
  return false;
}

void WindowThinker::start() {
  if (!kept_) return;
  cancel_search();
  velmora::思考の依頼 request = std::move(*kept_);
  kept_.reset();
  velmora::深読み設定 limits = velmora::思考の時間(request);
  if (seconds_ > 0) limits.秒 = seconds_;
  stop_ = false;
  const unsigned serial = ++serial_;
  worker_ = std::thread([this, request = std::move(request), limits, serial] {
    last_ = brain_.考える(request, limits, &stop_);
    // Posted to this object: dropped with it, should the window go first.
    QMetaObject::invokeMethod(
        this, [this, serial] { finished(serial); }, Qt::QueuedConnection);
  });
}

void WindowThinker::finished(unsigned serial) {
  // A search that was cancelled was joined then, and its answer is nobody's.
  if (serial != serial_) return;
  worker_.join();
  if (answer_) answer_(last_.手);
}

void WindowThinker::cancel() {
  kept_.reset();
  cancel_search();
}

void WindowThinker::cancel_search() {
  if (!worker_.joinable()) return;
  stop_ = true;
  worker_.join();
  ++serial_;
}

}  // namespace velmora::app
