// Wave file images → the mixer's own format: 32-bit float, stereo
// interleaved, at the output rate. SDL reads the wave, SDL converts it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::sound {

inline constexpr int kOutputRate = 44100;
inline constexpr int kOutputChannels = 2;

// The longest sound decoded, in output frames (ten minutes): a small image
// of a tiny rate must not expand into gigabytes.
inline constexpr std::size_t kMaxFrames = std::size_t{kOutputRate} * 600;

struct DecodedWave {
  std::vector<float> samples;  // left, right, left, right, ...
  int source_rate = 0;         // the wave's own sample rate
  std::size_t frames() const { return samples.size() / kOutputChannels; }
};

// Sets SDL's wave reader to the strictness decode_wave relies on, once.
// SDL's hints are process-wide and its own threads read them unlocked, so
// the library calls this before it starts SDL's audio; decode_wave calls it
// too, for use without the library.
void make_wave_reading_strict();

// Decodes the image, reading at most `available` bytes (長さ不明: as many as
// its header claims) and never past its RIFF size. nullopt for anything SDL
// cannot read, a header that claims more than is available, a truncated
// chunk, or a sound longer than kMaxFrames.
std::optional<DecodedWave> decode_wave(const std::uint8_t* image, std::size_t available);

}  // namespace velmora::sound
