#include "app/sound_port.hpp"

#ifdef VELMORA_SOUND_LIBRARY
#include "sound/library_port.hpp"
#endif

namespace velmora::app {

namespace {

#ifdef VELMORA_SOUND_LIBRARY

// The sound helper library.
class LibrarySound final : public WindowSound {
 public:
  std::intptr_t initialize(std::intptr_t window) override { return port_.initialize(window); }
  void terminate(std::intptr_t handle) override { port_.terminate(handle); }
  std::intptr_t create(std::intptr_t handle, const std::uint8_t* image, std::size_t size,
                       int flags) override {
    return port_.create(handle, image, size, flags);
  }
  void play(std::intptr_t buffer, velmora::Sound which) override { port_.play(buffer, which); }
  void play_looping(std::intptr_t buffer, velmora::Sound which) override {
    port_.play_looping(buffer, which);
  }
  void stop(std::intptr_t buffer, velmora::Sound which) override { port_.stop(buffer, which); }
  void free(std::intptr_t buffer) override { port_.free(buffer); }

 private:
  velmora::LibrarySoundPort port_;
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
