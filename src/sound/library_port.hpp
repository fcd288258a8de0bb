// The game's SoundPort over libvelmora, for any window that wants real sound.
#pragma once

#include "game/ports.hpp"

namespace velmora {

class LibrarySoundPort final : public SoundPort {
 public:
  std::intptr_t initialize(std::intptr_t window) override;
  void terminate(std::intptr_t handle) override;
  // Refuses an image that is no wave or whose RIFF header claims more than
  // `size` bytes: the library is handed the address alone and reads what the
  // header claims.
  std::intptr_t create(std::intptr_t handle, const std::uint8_t* image, std::size_t size, int flags) override;
  void play(std::intptr_t buffer, Sound which) override;
  void play_looping(std::intptr_t buffer, Sound which) override;
  void stop(std::intptr_t buffer, Sound which) override;
  void free(std::intptr_t buffer) override;
};

}  // namespace velmora
