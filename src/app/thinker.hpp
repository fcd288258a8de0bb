// The window's thinker: levels 4 and 5 and the hint think on a thread of
// their own, by time, while the window goes on painting, the clocks run and
// Escape quits. The game's request is kept until the window starts it, so the
// window decides when the thinking begins; the answer comes back on the
// window's thread, to the function given to on_answer.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <thread>

#include "game/thinker.hpp"

namespace velmora::app {

class WindowThinker final : public QObject, public velmora::Thinker {
 public:
  explicit WindowThinker(QObject* parent = nullptr);
  // Stops a search under way and waits for its thread.
  ~WindowThinker() override;

  // Keeps r until start(): the answer always comes later.
  bool think(const velmora::思考の依頼& r, std::optional<velmora::指し手>& move) override;
  // Forgets the kept request; a search under way is stopped through its stop
  // flag and its thread joined before this returns; its answer never comes.
  void cancel() override;

  // Where answers go, on the window's thread.
  void on_answer(std::function<void(const std::optional<velmora::指し手>&)> answer) {
    answer_ = std::move(answer);
  }
  // A request is kept, not yet started.
  bool kept() const { return kept_.has_value(); }
  // Starts the kept request on a thread of its own.
  void start();
  // A search is under way (started, not yet answered nor cancelled).
  bool thinking() const { return worker_.joinable(); }

  // Seconds for every level instead of each level's own (0: the level's own).
  void set_seconds(double seconds) { seconds_ = seconds; }
  // The last search that ended, answered or cancelled (read it while none
  // is under way).
  const velmora::深読み結果& last() const { return last_; }

 private:
  void finished(unsigned serial);
  void cancel_search();

  velmora::思考の頭脳 brain_;  // used by the worker alone while it runs
  std::optional<velmora::思考の依頼> kept_;
  std::thread worker_;
  velmora::停止フラグ stop_{false};
  unsigned serial_ = 0;  // the search whose answer is awaited
  double seconds_ = 0;
  velmora::深読み結果 last_;  // written by the worker, read once it is joined
  std::function<void(const std::optional<velmora::指し手>&)> answer_;
};

}  // namespace velmora::app
