#include "format/wave_header.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace velmora {
namespace {

using namespace std::string_literals;

// The image in a heap block of exactly its length: under the address
// sanitizer a read past its end fails the test.
std::optional<std::size_t> claimed(const std::string& image, std::size_t available) {
  const auto block = std::make_unique<std::uint8_t[]>(image.size());
  std::memcpy(block.get(), image.data(), image.size());
  return RIFFの長さ(block.get(), available);
}

TEST(WaveHeader, TheClaimedSizeCountsWhenItFitsWhatIsThere) {
  const std::string wave = "RIFF\x08\0\0\0WAVEdata"s;
  EXPECT_EQ(claimed(wave, wave.size()), 16u);
  EXPECT_EQ(claimed(wave, 長さ不明), 16u);
  EXPECT_EQ(claimed(wave + "more", 20), 16u);
  EXPECT_FALSE(claimed(wave.substr(0, 15), 15));
  for (std::size_t n = 0; n < 12; ++n) EXPECT_FALSE(claimed(wave.substr(0, n), n)) << n;
  const std::string huge = "RIFF\xf8\xff\xff\xffWAVE"s;
  EXPECT_FALSE(claimed(huge, huge.size()));
  EXPECT_EQ(claimed(huge, 長さ不明), std::size_t{0xfffffff8u} + 8);
}

TEST(WaveHeader, AnImageThatIsNoWaveIsRefusedAtItsFirstWrongByte) {
  EXPECT_FALSE(RIFFの長さ(nullptr, 長さ不明));
  // Its length unknown, nothing after the wrong byte may be read.
  for (const std::string& image : {"X"s, "RIX"s, "RIFX"s, "RIFF\x08\0\0\0AVI "s, "RIFF\x08\0\0\0WAVX"s})
    EXPECT_FALSE(claimed(image, 長さ不明)) << image;
}

}  // namespace
}  // namespace velmora
