#include "app/sound_port.hpp"

#ifdef VELMORA_SOUND_LIBRARY
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "sound/library_port.hpp"
#endif

namespace velmora::app {

namespace {

#ifdef VELMORA_SOUND_LIBRARY

// The sound library on a thread of its own: decoding the waves takes longer
// than anything a frame needs, so every call of the game goes to that thread
// in the order the game made it, and only the start's result is waited for
// (the game warns at once when there is no sound device). The buffer
// identifiers the game holds are the port's own, each standing for the
// library's buffer once it is made (0 when it could not be).
class LibrarySound final : public WindowSound {
 public:
  LibrarySound() : worker_([this] { work(); }) {}

  ~LibrarySound() override {
    post({});  // the end of the queue
    worker_.join();
  }

  std::intptr_t initialize(std::intptr_t window) override {
    std::packaged_task<std::intptr_t()> start([this, window] { return port_.initialize(window); });
    std::future<std::intptr_t> handle = start.get_future();
    post([&start] { start(); });
    return handle.get();
  }

  void terminate(std::intptr_t handle) override {
    post([this, handle] { port_.terminate(handle); });
  }

  std::intptr_t create(std::intptr_t handle, const std::uint8_t* image, std::size_t size,
                       int flags) override {
    // The caller's image is gone when this returns: the copy is decoded.
    const std::intptr_t id = next_id_++;
    post([this, id, handle, flags, bytes = std::vector<std::uint8_t>(image, image + size)] {
      buffers_[id] = port_.create(handle, bytes.data(), bytes.size(), flags);
    });
    return id;
  }

  void play(std::intptr_t buffer, velmora::Sound which) override {
    post([this, buffer, which] { port_.play(library(buffer), which); });
  }
  void play_looping(std::intptr_t buffer, velmora::Sound which) override {
    post([this, buffer, which] { port_.play_looping(library(buffer), which); });
  }
  void stop(std::intptr_t buffer, velmora::Sound which) override {
    post([this, buffer, which] { port_.stop(library(buffer), which); });
  }
  void free(std::intptr_t buffer) override {
    post([this, buffer] {
      port_.free(library(buffer));
      buffers_.erase(buffer);
    });
  }

 private:
  using Call = std::function<void()>;

  void post(Call call) {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(std::move(call));
    }
    wake_.notify_one();
  }

  void work() {
    for (;;) {
      Call call;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return !queue_.empty(); });
        call = std::move(queue_.front());
        queue_.pop_front();
      }
      if (!call) return;
      call();
    }
  }

  // The library's buffer for the port's identifier (worker thread only).
  std::intptr_t library(std::intptr_t buffer) const {
    const auto it = buffers_.find(buffer);
    return it == buffers_.end() ? 0 : it->second;
  }

  velmora::LibrarySoundPort port_;
  std::intptr_t next_id_ = 1;                                 // game thread only
  std::unordered_map<std::intptr_t, std::intptr_t> buffers_;  // worker thread only
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Call> queue_;
  std::thread worker_;  // last: it starts once everything it uses is there
};

#else

// Built without the library: no device, so the game warns once and plays
// silently.
class SilentSound final : public WindowSound {
 public:
  std::intptr_t initialize(std::intptr_t) override { return 0; }
  void terminate(std::intptr_t) override {}
  std::intptr_t create(std::intptr_t, const std::uint8_t*, std::size_t, int) override { return 0; }
  void play(std::intptr_t, velmora::Sound) override {}
  void play_looping(std::intptr_t, velmora::Sound) override {}
  void stop(std::intptr_t, velmora::Sound) override {}
  void free(std::intptr_t) override {}
};

#endif

}  // namespace

std::unique_ptr<WindowSound> make_sound_port() {
#ifdef VELMORA_SOUND_LIBRARY
  return std::make_unique<LibrarySound>();
#else
  return std::make_unique<SilentSound>();
#endif
}

}  // namespace velmora::app
