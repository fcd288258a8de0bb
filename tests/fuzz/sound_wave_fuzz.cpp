// The sound library's create path: any bytes as a wave image. The image sits
// in a heap block of exactly its size, so a read past it is caught.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "format/wave_header.hpp"
#include "wave_image.hpp"

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
  // dsCreateDSB reads exactly what the header claims, once its caller has
  // made sure that many bytes are there.
  if (size >= 12) {
    const auto claimed = velmora::RIFFの長さ(image.data(), velmora::長さ不明);
    if (claimed && *claimed <= size) {
      const std::vector<std::uint8_t> exact(image.begin(),
                                            image.begin() + static_cast<std::ptrdiff_t>(*claimed));
      checked(decode_wave(exact.data(), exact.size()));
    }
  }
  return 0;
}
