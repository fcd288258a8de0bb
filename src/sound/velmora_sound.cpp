// The sound helper library: handles are audio outputs, buffers are decoded
// sounds; the audio callback mixes every sounding buffer of its output.
//
// The C interface hands out integer identifiers, so the library keeps one
// registry of outputs and buffers behind a mutex. The audio thread never
// takes that mutex: it sees only its own output's voices, which are changed
// with the output locked (SDL_LockAudioDevice).
//
// SDL starts and stops its audio subsystem, and opens and closes devices,
// without any lock of its own; the library does all of that under a second
// mutex and counts who needs the subsystem: every open output, and every
// wave being decoded (shutting audio down frees SDL's resampler tables).
#include "velmora_sound.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "format/wave_header.hpp"
#include "wave_image.hpp"

namespace {

using velmora::sound::DecodedWave;
using velmora::sound::kOutputChannels;
using velmora::sound::kOutputRate;

using Samples = std::shared_ptr<const std::vector<float>>;

// One sounding buffer on an output.
struct Voice {
  intptr_t buffer = 0;
  Samples samples;
  double position = 0;  // in frames of `samples`
  double step = 1;      // frames per output frame
  float left = 1, right = 1;
  bool looping = false;
};

struct Output {
  SDL_AudioDeviceID device = 0;
  std::vector<Voice> voices;  // touched by the audio thread; change only with the device locked
};

struct Buffer {
  intptr_t output = 0;
  Samples samples;
  int source_rate = 0;
  int volume = 0, pan = 0, frequency = 0;
};

struct Registry {
  std::mutex mutex;
  std::map<intptr_t, std::unique_ptr<Output>> outputs;
  std::map<intptr_t, Buffer> buffers;
  intptr_t next_id = 1;
};

Registry& registry() {
  static Registry r;
  return r;
}

struct Audio {
  std::mutex mutex;
  int users = 0;  // open outputs and decodings in progress
};

Audio& audio() {
  static Audio a;
  return a;
}

// Both with audio().mutex held.
bool use_audio(Audio& a) {
  velmora::sound::make_wave_reading_strict();  // while no audio thread of ours runs
  if (a.users == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  ++a.users;
  return true;
}
void release_audio(Audio& a) {
  if (--a.users == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Keeps SDL's audio subsystem up for as long as it lives.
class AudioInUse {
 public:
  AudioInUse() {
    std::lock_guard lock(audio().mutex);
    held_ = use_audio(audio());
  }
  ~AudioInUse() {
    if (!held_) return;
    std::lock_guard lock(audio().mutex);
    release_audio(audio());
  }
  AudioInUse(const AudioInUse&) = delete;
  AudioInUse& operator=(const AudioInUse&) = delete;
  explicit operator bool() const { return held_; }

 private:
  bool held_ = false;
};

// Adds one voice into the output, frame by frame; false once a one-shot
// voice has played to its end.
bool mix_voice(Voice& v, float* out, int frames) {
  const auto& s = *v.samples;
  const auto length = static_cast<double>(s.size() / kOutputChannels);
  if (length == 0) return false;
  for (int i = 0; i < frames; ++i) {
    if (v.position >= length) {
      if (!v.looping) return false;
      v.position = std::fmod(v.position, length);
    }
    const auto at = static_cast<std::size_t>(v.position);
    const auto frac = static_cast<float>(v.position - static_cast<double>(at));
    std::size_t next = at + 1;
    if (next >= s.size() / kOutputChannels) next = v.looping ? 0 : at;
    const float l = s[2 * at] + (s[2 * next] - s[2 * at]) * frac;
    const float r = s[2 * at + 1] + (s[2 * next + 1] - s[2 * at + 1]) * frac;
    out[2 * i] += l * v.left;
    out[2 * i + 1] += r * v.right;
    v.position += v.step;
  }
  return v.looping || v.position < length;
}

void SDLCALL mix(void* userdata, Uint8* stream, int bytes) {
  auto& output = *static_cast<Output*>(userdata);
  auto* out = reinterpret_cast<float*>(stream);
  const int frames = bytes / static_cast<int>(sizeof(float) * kOutputChannels);
  std::fill(out, out + frames * kOutputChannels, 0.0f);
  std::erase_if(output.voices, [&](Voice& v) { return !mix_voice(v, out, frames); });
  for (int i = 0; i < frames * kOutputChannels; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

float decibels(int hundredths) { return hundredths <= -10000 ? 0.0f : std::pow(10.0f, hundredths / 2000.0f); }

void apply_settings(const Buffer& b, Voice& v) {
  const float gain = decibels(b.volume);
  v.left = gain * (b.pan > 0 ? decibels(-b.pan) : 1.0f);
  v.right = gain * (b.pan < 0 ? decibels(b.pan) : 1.0f);
  v.step = b.frequency == 0 || b.source_rate <= 0 ? 1.0 : static_cast<double>(b.frequency) / b.source_rate;
}

// Runs `change` on the voices of the buffer's output with the output locked.
// The caller holds the registry's mutex.
template <typename Change>
bool with_voices(Registry& r, intptr_t buffer, Change change) {
  const auto b = r.buffers.find(buffer);
  if (b == r.buffers.end()) return false;
  const auto o = r.outputs.find(b->second.output);
  if (o == r.outputs.end()) return false;
  SDL_LockAudioDevice(o->second->device);
  change(b->second, o->second->voices);
  SDL_UnlockAudioDevice(o->second->device);
  return true;
}

void remove_voice(std::vector<Voice>& voices, intptr_t buffer) {
  std::erase_if(voices, [&](const Voice& v) { return v.buffer == buffer; });
}

int start(intptr_t buffer, bool looping) {
  auto& r = registry();
  std::lock_guard lock(r.mutex);
  return with_voices(r, buffer, [&](const Buffer& b, std::vector<Voice>& voices) {
    remove_voice(voices, buffer);
    Voice v;
    v.buffer = buffer;
    v.samples = b.samples;
    v.looping = looping;
    apply_settings(b, v);
    voices.push_back(std::move(v));
  });
}

template <typename Set>
int change_setting(intptr_t buffer, Set set) {
  auto& r = registry();
  std::lock_guard lock(r.mutex);
  return with_voices(r, buffer, [&](Buffer& b, std::vector<Voice>& voices) {
    set(b);
    for (auto& v : voices)
      if (v.buffer == buffer) apply_settings(b, v);
  });
}

intptr_t create(intptr_t handle, const std::uint8_t* image, std::size_t available) {
  auto& r = registry();
  {
    std::lock_guard lock(r.mutex);
    if (!r.outputs.contains(handle)) return 0;
  }
  // Decoding may take a while; it needs nothing of the registry.
  std::optional<DecodedWave> wave;
  if (const AudioInUse in_use; in_use) wave = velmora::sound::decode_wave(image, available);
  if (!wave) return 0;
  std::lock_guard lock(r.mutex);
  if (!r.outputs.contains(handle)) return 0;
  const intptr_t id = r.next_id++;
  Buffer b;
  b.output = handle;
  b.source_rate = wave->source_rate;
  b.samples = std::make_shared<const std::vector<float>>(std::move(wave->samples));
  r.buffers.emplace(id, std::move(b));
  return id;
}

}  // namespace

extern "C" {

intptr_t dsInitialize(intptr_t) {
  auto output = std::make_unique<Output>();
  SDL_AudioSpec want{};
  want.freq = kOutputRate;
  want.format = AUDIO_F32SYS;
  want.channels = kOutputChannels;
  want.samples = 1024;
  want.callback = mix;
  want.userdata = output.get();
  {
    auto& a = audio();
    std::lock_guard lock(a.mutex);
    if (!use_audio(a)) return 0;
    // No changes allowed: SDL converts to whatever the device really takes.
    output->device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (output->device == 0) {
      release_audio(a);
      return 0;
    }
    SDL_PauseAudioDevice(output->device, 0);
  }
  auto& r = registry();
  std::lock_guard lock(r.mutex);
  const intptr_t id = r.next_id++;
  r.outputs.emplace(id, std::move(output));
  return id;
}

int dsTerminate(intptr_t handle) {
  auto& r = registry();
  std::unique_ptr<Output> output;
  {
    std::lock_guard lock(r.mutex);
    const auto o = r.outputs.find(handle);
    if (o == r.outputs.end()) return 0;
    output = std::move(o->second);
    r.outputs.erase(o);
    std::erase_if(r.buffers, [&](const auto& entry) { return entry.second.output == handle; });
  }
  // Closing waits for the audio thread, which may still be mixing this output.
  auto& a = audio();
  std::lock_guard lock(a.mutex);
  SDL_CloseAudioDevice(output->device);
  release_audio(a);
  return 1;
}

intptr_t dsCreateDSB(intptr_t handle, intptr_t image, int) {
  // Only the header tells how long the image is; the caller vouches for it.
  return create(handle, reinterpret_cast<const std::uint8_t*>(image), velmora::長さ不明);
}

intptr_t dsCreateResDSB(intptr_t handle, intptr_t, const char* name, int) {
  if (name == nullptr) return 0;
  std::FILE* fp = std::fopen(name, "rb");
  if (!fp) return 0;
  std::vector<std::uint8_t> image;
  std::uint8_t chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, fp)) > 0) image.insert(image.end(), chunk, chunk + n);
  const bool ok = !std::ferror(fp);
  std::fclose(fp);
  return ok ? create(handle, image.data(), image.size()) : 0;
}

int dsPlay(intptr_t buffer) { return start(buffer, false); }

int dsPlayPan(intptr_t buffer, int pan) { return dsSetPan(buffer, pan) ? dsPlay(buffer) : 0; }

int dsPlayEx(intptr_t buffer, int volume, int pan, int frequency) {
  if (!dsSetVolume(buffer, volume) || !dsSetPan(buffer, pan) || !dsSetFrequency(buffer, frequency)) return 0;
  return dsPlay(buffer);
}

int dsPlayLooping(intptr_t buffer) { return start(buffer, true); }

int dsPlayLoopingEx(intptr_t buffer, int volume, int pan, int frequency) {
  if (!dsSetVolume(buffer, volume) || !dsSetPan(buffer, pan) || !dsSetFrequency(buffer, frequency)) return 0;
  return dsPlayLooping(buffer);
}

int dsStop(intptr_t buffer) {
  auto& r = registry();
  std::lock_guard lock(r.mutex);
  return with_voices(r, buffer,
                     [&](const Buffer&, std::vector<Voice>& voices) { remove_voice(voices, buffer); });
}

int dsFree(intptr_t buffer) {
  auto& r = registry();
  std::lock_guard lock(r.mutex);
  if (!with_voices(r, buffer,
                   [&](const Buffer&, std::vector<Voice>& voices) { remove_voice(voices, buffer); }))
    return 0;
  r.buffers.erase(buffer);
  return 1;
}

int dsSetVolume(intptr_t buffer, int volume) {
  return change_setting(buffer, [&](Buffer& b) { b.volume = std::clamp(volume, -10000, 0); });
}

int dsSetPan(intptr_t buffer, int pan) {
  return change_setting(buffer, [&](Buffer& b) { b.pan = std::clamp(pan, -10000, 10000); });
}

int dsSetFrequency(intptr_t buffer, int frequency) {
  return change_setting(
      buffer, [&](Buffer& b) { b.frequency = frequency == 0 ? 0 : std::clamp(frequency, 100, 200000); });
}

}  // extern "C"
