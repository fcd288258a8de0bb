#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "format/wave_header.hpp"
#include "library_port.hpp"
#include "velmora_sound.h"
#include "wave_builder.hpp"
#include "wave_image.hpp"

namespace velmora::sound {
namespace {

using testing::bytes;
using testing::wave_image;

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<DecodedWave> decode(const std::string& image) {
  return decode_wave(bytes(image), image.size());
}

// Over the first `frames` frames (all when 0).
double rms(const DecodedWave& w, int channel, std::size_t frames = 0) {
  if (frames == 0 || frames > w.frames()) frames = w.frames();
  double sum = 0;
  for (std::size_t i = 0; i < frames; ++i)
    sum += double(w.samples[2 * i + channel]) * w.samples[2 * i + channel];
  return std::sqrt(sum / double(frames));
}

int zero_crossings(const DecodedWave& w, int channel, std::size_t frames) {
  int n = 0;
  for (std::size_t i = 1; i < std::min(frames, w.frames()); ++i)
    if ((w.samples[2 * (i - 1) + channel] < 0) != (w.samples[2 * i + channel] < 0)) ++n;
  return n;
}

struct Format {
  const char* file;
  bool stereo;
  double tolerance;       // relative, on the level
  double seconds = 0.25;  // ADPCM fills its last block with silence
};

void PrintTo(const Format& f, std::ostream* os) { *os << f.file; }

// Every test wave holds 0.25 s of a 441 Hz sine of amplitude 0.5 on the left
// and half that on the right (mono files: the left signal only).
class EveryFormat : public ::testing::TestWithParam<Format> {};

TEST_P(EveryFormat, DecodesToTheSameSignalAtTheOutputRate) {
  const Format& f = GetParam();
  const std::string image = read_file(std::filesystem::path(VELMORA_TEST_WAVES) / f.file);
  ASSERT_GT(image.size(), 44u) << f.file;
  const auto w = decode(image);
  ASSERT_TRUE(w.has_value()) << f.file;
  EXPECT_NEAR(double(w->frames()), f.seconds * kOutputRate, 0.02 * kOutputRate) << f.file;
  const std::size_t signal = kOutputRate / 4;
  const double expected = 0.5 / std::sqrt(2.0);
  EXPECT_NEAR(rms(*w, 0, signal), expected, expected * f.tolerance) << f.file;
  EXPECT_NEAR(rms(*w, 1, signal), f.stereo ? expected / 2 : expected, expected * f.tolerance) << f.file;
  EXPECT_NEAR(zero_crossings(*w, 0, signal), 2 * 441 * 0.25, 6) << f.file;
}

INSTANTIATE_TEST_SUITE_P(Waves, EveryFormat,
                         ::testing::Values(Format{"pcm8_mono_8000.wav", false, 0.05},
                                           Format{"pcm16_mono_22050.wav", false, 0.02},
                                           Format{"pcm16_stereo_44100.wav", true, 0.01},
                                           Format{"pcm24_stereo_48000.wav", true, 0.02},
                                           Format{"pcm24_ext_mono_96000.wav", false, 0.02},
                                           Format{"pcm32_mono_44100.wav", false, 0.01},
                                           Format{"float32_stereo_44100.wav", true, 0.01},
                                           Format{"float32_mono_11025.wav", false, 0.03},
                                           Format{"ima_adpcm_mono_22050.wav", false, 0.08, 6102.0 / 22050}));

TEST(Wave, TheMixersOwnFormatPassesUnchanged) {
  const std::vector<float> samples = {0.5f, -0.25f, 0.125f, 1.0f, -1.0f, 0.0f};
  const auto w = decode(testing::float_stereo_wave(samples));
  ASSERT_TRUE(w.has_value());
  EXPECT_EQ(w->samples, samples);
  EXPECT_EQ(w->source_rate, 44100);
}

TEST(Wave, RealWorldFilesFromTheSystemDecode) {
  const std::filesystem::path file = "/usr/share/sounds/alsa/Front_Center.wav";  // alsa-utils
  ASSERT_TRUE(std::filesystem::exists(file)) << "scripts/setup.sh installs alsa-utils";
  const auto w = decode(read_file(file));
  ASSERT_TRUE(w.has_value());
  EXPECT_GT(w->frames(), std::size_t{kOutputRate / 2});
  EXPECT_GT(rms(*w, 0), 0.01);
  EXPECT_EQ(rms(*w, 0), rms(*w, 1));  // mono on both sides
}

TEST(Wave, TheGameSoundsDecodeAndTheTuneLoopsWithoutAJump) {
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) {
    const auto path = std::filesystem::path(VELMORA_ASSETS) / "sounds" / std::filesystem::u8path(name);
    const auto w = decode(read_file(path));
    ASSERT_TRUE(w.has_value()) << name;
    EXPECT_GT(rms(*w, 0), 0.02) << name;
  }
  const auto bgm_path = std::filesystem::path(VELMORA_ASSETS) / "sounds" / "BGM.wav";
  EXPECT_LE(std::filesystem::file_size(bgm_path), 3u << 20);
  const auto bgm = decode(read_file(bgm_path));
  ASSERT_TRUE(bgm.has_value());
  EXPECT_GE(bgm->frames(), std::size_t{20} * kOutputRate);
  EXPECT_LE(bgm->frames(), std::size_t{60} * kOutputRate);
  // The step from the last sample back to the first is no larger than the
  // steps inside the tune: no click where it loops.
  float largest = 0;
  for (std::size_t i = 1; i < bgm->frames(); ++i)
    largest = std::max(largest, std::abs(bgm->samples[2 * i] - bgm->samples[2 * (i - 1)]));
  EXPECT_LE(std::abs(bgm->samples.front() - bgm->samples[2 * (bgm->frames() - 1)]), largest);
}

TEST(Wave, ImagesThatAreNoWaveAreRefused) {
  EXPECT_FALSE(decode("").has_value());
  EXPECT_FALSE(decode("RIFF").has_value());
  EXPECT_FALSE(decode(std::string("RIFF\4\0\0\0AVI ", 12)).has_value());
  EXPECT_FALSE(decode(std::string("RIFF\4\0\0\0WAVE", 12)).has_value());  // no chunks at all
  std::string junk(4000, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 131 + 7);
  EXPECT_FALSE(decode(junk).has_value());
  EXPECT_FALSE(decode_wave(nullptr, 100).has_value());
}

TEST(Wave, RatesAndChannelCountsNoRealWaveUsesAreRefused) {
  const std::string data(4000, '\0');
  EXPECT_TRUE(decode(wave_image(1, 1, 8000, 16, data)).has_value());
  EXPECT_FALSE(decode(wave_image(1, 1, 7, 16, data)).has_value());
  EXPECT_FALSE(decode(wave_image(1, 1, 3000000, 16, data)).has_value());
  EXPECT_FALSE(decode(wave_image(1, 12, 44100, 16, std::string(4800, '\0'))).has_value());
}

TEST(Wave, TruncatedImagesAreRefused) {
  const std::string good = read_file(std::filesystem::path(VELMORA_TEST_WAVES) / "pcm16_mono_22050.wav");
  ASSERT_TRUE(decode(good).has_value());
  // Cut short: the header claims more than there is.
  std::string cut = good.substr(0, good.size() - 100);
  EXPECT_FALSE(decode(cut).has_value());
  // Cut short with the RIFF size mended: the data chunk still claims more.
  const std::uint32_t riff = static_cast<std::uint32_t>(cut.size() - 8);
  std::memcpy(cut.data() + 4, &riff, 4);
  EXPECT_FALSE(decode(cut).has_value());
  // Cut inside the format chunk.
  std::string head = good.substr(0, 24);
  const std::uint32_t small = 16;
  std::memcpy(head.data() + 4, &small, 4);
  EXPECT_FALSE(decode(head).has_value());
}

TEST(Wave, OnlyTheBytesTheRiffHeaderCountsAreRead) {
  const std::string good = read_file(std::filesystem::path(VELMORA_TEST_WAVES) / "pcm16_mono_22050.wav");
  const auto plain = decode(good);
  ASSERT_TRUE(plain.has_value());
  // Anything after the RIFF chunk is not part of the sound.
  const auto padded = decode(good + std::string(1000, '\x7f'));
  ASSERT_TRUE(padded.has_value());
  EXPECT_EQ(padded->samples, plain->samples);
  // A header that lies about the size is refused, not read past the end.
  std::string lying = good;
  const std::uint32_t huge = 0xFFFFFFF0u;
  std::memcpy(lying.data() + 4, &huge, 4);
  EXPECT_FALSE(decode(lying).has_value());
  EXPECT_FALSE(LibrarySoundPort{}.create(1, bytes(lying), lying.size(), 3));
  EXPECT_EQ(RIFFの長さ(bytes(lying), 長さ不明), std::size_t{0xFFFFFFF0u} + 8);
}

TEST(Wave, SoundsLongerThanTenMinutesAreRefused) {
  // 100 Hz, 8-bit mono: 70 000 bytes are 700 seconds.
  EXPECT_FALSE(decode(wave_image(1, 1, 100, 8, std::string(70000, '\x90'))).has_value());
  const auto short_one = decode(wave_image(1, 1, 100, 8, std::string(100, '\x90')));
  ASSERT_TRUE(short_one.has_value());
  EXPECT_NEAR(double(short_one->frames()), kOutputRate, kOutputRate * 0.02);
}

}  // namespace
}  // namespace velmora::sound
