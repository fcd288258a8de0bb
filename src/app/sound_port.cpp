#include "app/sound_port.hpp"

namespace velmora::app {

namespace {

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

}  // namespace

std::unique_ptr<WindowSound> make_sound_port() { return std::make_unique<SilentSound>(); }

}  // namespace velmora::app
