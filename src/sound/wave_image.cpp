#include "wave_image.hpp"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <mutex>

#include "format/wave_header.hpp"

namespace velmora::sound {

namespace {

struct WavData {
  Uint8* bytes = nullptr;
  ~WavData() { SDL_FreeWAV(bytes); }
};

struct Stream {
  SDL_AudioStream* s = nullptr;
  ~Stream() { SDL_FreeAudioStream(s); }
};

}  // namespace

void make_wave_reading_strict() {
  // The RIFF size bounds every chunk, and a chunk cut short is an error
  // rather than a sound that stops early.
  static std::once_flag hints;
  std::call_once(hints, [] {
    SDL_SetHintWithPriority(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "force", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "verystrict", SDL_HINT_OVERRIDE);
  });
}

std::optional<DecodedWave> decode_wave(const std::uint8_t* image, std::size_t available) {
  const auto size = RIFFの長さ(image, available);
  if (!size || *size > std::size_t{INT_MAX}) return std::nullopt;

  make_wave_reading_strict();
  SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(*size));
  if (!rw) return std::nullopt;
  SDL_AudioSpec wave_format{};
  WavData wav;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &wave_format, &wav.bytes, &length)) return std::nullopt;

  const int frame_bytes = SDL_AUDIO_BITSIZE(wave_format.format) / 8 * wave_format.channels;
  // Rates and channel counts outside what any real wave uses are refused
  // here: SDL's converter computes buffer sizes from them and misbehaves.
  if (frame_bytes <= 0 || wave_format.freq < 100 || wave_format.freq > 384000) return std::nullopt;
  if (wave_format.channels < 1 || wave_format.channels > 8) return std::nullopt;
  const double seconds = static_cast<double>(length / frame_bytes) / wave_format.freq;
  if (seconds * kOutputRate > static_cast<double>(kMaxFrames)) return std::nullopt;

  length -= length % static_cast<Uint32>(frame_bytes);
  DecodedWave out;
  out.source_rate = wave_format.freq;
  if (length == 0) return out;
  Stream stream{SDL_NewAudioStream(wave_format.format, wave_format.channels, wave_format.freq, AUDIO_F32SYS,
                                   kOutputChannels, kOutputRate)};
  if (!stream.s) return std::nullopt;
  // Fed in small pieces and drained after each: SDL's resampler drops part
  // of a large piece put at once.
  const std::size_t piece = static_cast<std::size_t>(frame_bytes) * 128;
  out.samples.reserve(static_cast<std::size_t>(seconds * kOutputRate * 1.01 + 256) * kOutputChannels);
  float drained[4096];
  const auto drain = [&] {
    int got;
    while ((got = SDL_AudioStreamGet(stream.s, drained, sizeof drained)) > 0)
      out.samples.insert(out.samples.end(), drained, drained + got / static_cast<int>(sizeof(float)));
    return got == 0;
  };
  for (std::size_t at = 0; at < length; at += piece) {
    const auto n = static_cast<int>(std::min<std::size_t>(piece, length - at));
    if (SDL_AudioStreamPut(stream.s, wav.bytes + at, n) != 0 || !drain()) return std::nullopt;
  }
  if (SDL_AudioStreamFlush(stream.s) != 0 || !drain()) return std::nullopt;
  out.samples.resize(out.samples.size() / kOutputChannels * kOutputChannels);
  // A float wave may carry NaN or infinity; one such sample would poison the mix.
  for (float& x : out.samples)
    if (!std::isfinite(x)) x = 0.0f;
  return out;
}

}  // namespace velmora::sound
