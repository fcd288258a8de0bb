// The sound port of the window.
#pragma once

#include <memory>

#include "input/ports.hpp"
#include "view/ports.hpp"

namespace velmora::app {

struct WindowSound : velmora::SoundPort {
  virtual ~WindowSound() = default;
};

// The sound library when it is built in, else a port with no device: it
// fails to initialise, so the game plays silently after its warning.
std::unique_ptr<WindowSound> make_sound_port();

}  // namespace velmora::app
