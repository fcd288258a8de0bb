// The sound library's create path: any bytes as a wave image. The image sits
// in a heap block of exactly its size, so a read past it is caught.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "format/wave_header.hpp"
#include "wave_image.hpp"

namespace {

// Whether a byte of the image itself shows that it is no wave ("RIFF", size,
// "WAVE"): the library must then refuse it without reading past that byte.
bool shows_no_wave(const std::vector<std::uint8_t>& image) {
  static constexpr char header[] = "RIFF....WAVE";
  for (std::size_t i = 0; i < std::min<std::size_t>(image.size(), 12); ++i)
    if (header[i] != '.' && image[i] != static_cast<std::uint8_t>(header[i])) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::sound;
  const std::vector<std::uint8_t> image(data, data + size);
  const auto checked = [](const std::optional<DecodedWave>& w) {
    if (!w) return;
    if (w->frames() > kMaxFrames + kOutputRate || w->samples.size() % kOutputChannels != 0) std::abort();
    for (float x : w->samples)
      if (!std::isfinite(x)) std::abort();
  };
  checked(decode_wave(image.data(), image.size()));
  // dsCreateDSB, handed the address alone, reads exactly what the header
  // claims once its caller has made sure that many bytes are there.
  if (shows_no_wave(image)) {
    if (decode_wave(image.data(), velmora::長さ不明)) std::abort();
  } else if (const auto claimed = velmora::RIFFの長さ(image.data(), size)) {
    const std::vector<std::uint8_t> exact(image.begin(),
                                          image.begin() + static_cast<std::ptrdiff_t>(*claimed));
    checked(decode_wave(exact.data(), velmora::長さ不明));
  }
  return 0;
}
