#include "library_port.hpp"

#include "format/wave_header.hpp"
#include "velmora_sound.h"

namespace velmora {

std::intptr_t LibrarySoundPort::initialize(std::intptr_t window) { return dsInitialize(window); }

void LibrarySoundPort::terminate(std::intptr_t handle) { dsTerminate(handle); }

std::intptr_t LibrarySoundPort::create(std::intptr_t handle, const std::uint8_t* image, std::size_t size,
                                       int flags) {
  if (!RIFFの長さ(image, size)) return 0;
  return dsCreateDSB(handle, reinterpret_cast<std::intptr_t>(image), flags);
}

void LibrarySoundPort::play(std::intptr_t buffer, Sound) { dsPlay(buffer); }
void LibrarySoundPort::play_looping(std::intptr_t buffer, Sound) { dsPlayLooping(buffer); }
void LibrarySoundPort::stop(std::intptr_t buffer, Sound) { dsStop(buffer); }
void LibrarySoundPort::free(std::intptr_t buffer) { dsFree(buffer); }

}  // namespace velmora
