// libvelmora through its C interface, playing for real into SDL's "disk"
// audio driver, which writes the mixed stream (32-bit float stereo, 44100 Hz)
// to a file that the tests then search.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "velmora_sound.h"
#include "wave_builder.hpp"

namespace velmora::sound {
namespace {

using testing::float_stereo_wave;

void sleep_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// A pattern of distinct sample values: any run of it found in the stream can
// only have come from this sound.
std::vector<float> pattern(std::size_t frames, float scale = 1.0f) {
  std::vector<float> s(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    s[2 * i] = scale * (0.05f + 0.9f * float((i * 7919) % frames) / float(frames));
    s[2 * i + 1] = -s[2 * i] / 2;
  }
  return s;
}

class DiskOutput : public ::testing::Test {
 protected:
  std::filesystem::path file;
  intptr_t handle = 0;

  void SetUp() override {
    const char* tmp = std::getenv("VELMORA_TEST_TMP");
    const auto dir = std::filesystem::path(tmp ? tmp : "/tmp") / ("disk-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    file = dir / (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".raw");
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    handle = dsInitialize(0);
    ASSERT_NE(handle, 0);
  }
  void TearDown() override {
    if (handle) dsTerminate(handle);
    std::filesystem::remove(file);
  }

  // Waits until the output has written `frames` more frames (and the
  // device's buffers besides), however slowly the machine runs.
  void wait_frames(std::size_t frames) {
    std::error_code ec;
    const auto start = std::filesystem::file_size(file, ec);
    const std::uintmax_t target = (ec ? 0 : start) + (frames + 4 * 1024) * 2 * sizeof(float);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      const auto now = std::filesystem::file_size(file, ec);
      if (!ec && now >= target) return;
      sleep_ms(10);
    }
    ADD_FAILURE() << "the disk output stalled";
  }

  intptr_t create(const std::vector<float>& samples) {
    image_ = float_stereo_wave(samples);
    const intptr_t b = dsCreateDSB(handle, reinterpret_cast<intptr_t>(image_.data()), 3);
    image_.assign(image_.size(), '\0');  // the library must have copied what it needs
    return b;
  }

  // Closes the output and returns what it played.
  std::vector<float> stream() {
    EXPECT_EQ(dsTerminate(handle), 1);
    handle = 0;
    std::ifstream in(file, std::ios::binary);
    std::string raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<float> s(raw.size() / sizeof(float));
    std::memcpy(s.data(), raw.data(), s.size() * sizeof(float));
    return s;
  }

 private:
  std::string image_;
};

// Positions (in samples) where `needle` starts in `hay`.
std::vector<std::size_t> find_all(const std::vector<float>& hay, const std::vector<float>& needle) {
  std::vector<std::size_t> at;
  if (needle.empty() || hay.size() < needle.size()) return at;
  for (std::size_t i = 0; i + needle.size() <= hay.size(); i += 2)
    if (std::equal(needle.begin(), needle.end(), hay.begin() + static_cast<std::ptrdiff_t>(i)))
      at.push_back(i);
  return at;
}

std::vector<float> head(const std::vector<float>& s, std::size_t frames) {
  return {s.begin(), s.begin() + static_cast<std::ptrdiff_t>(2 * frames)};
}

bool silent_from(const std::vector<float>& s, std::size_t from) {
  return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(from), s.end(),
                     [](float x) { return x == 0.0f; });
}

TEST_F(DiskOutput, APlayedSoundAppearsOnceInTheStreamSampleForSample) {
  const auto sound = pattern(4410);
  const intptr_t b = create(sound);
  ASSERT_NE(b, 0);
  ASSERT_EQ(dsPlay(b), 1);
  wait_frames(4410);
  const auto out = stream();
  const auto at = find_all(out, sound);
  ASSERT_EQ(at.size(), 1u);
  EXPECT_TRUE(silent_from(out, at[0] + sound.size()));
}

TEST_F(DiskOutput, ALoopingSoundRepeatsBackToBackUntilStopped) {
  const auto sound = pattern(2205);  // 50 ms
  const intptr_t b = create(sound);
  ASSERT_EQ(dsPlayLooping(b), 1);
  wait_frames(4 * 2205);
  ASSERT_EQ(dsStop(b), 1);
  wait_frames(2 * 2205);
  const auto out = stream();
  const auto at = find_all(out, sound);
  ASSERT_GE(at.size(), 3u);
  for (std::size_t k = 1; k < at.size(); ++k) EXPECT_EQ(at[k] - at[k - 1], sound.size());
  // Stopped: nothing after the last sample it played.
  const auto tail = find_all(out, head(sound, 1));
  ASSERT_FALSE(tail.empty());
  std::size_t end = tail.back();
  while (end < out.size() && out[end] != 0.0f) end += 2;
  EXPECT_TRUE(silent_from(out, end));
  EXPECT_GT(out.size() - end, 2u * 2205);
}

TEST_F(DiskOutput, StoppingAndLoopingAgainStartsFromTheBeginning) {
  const auto tune = pattern(3 * 44100);  // played only briefly each time
  const intptr_t b = create(tune);
  dsPlayLooping(b);
  wait_frames(1024);
  dsStop(b);
  wait_frames(1024);
  dsPlayLooping(b);
  wait_frames(1024);
  const auto out = stream();
  const auto starts = find_all(out, head(tune, 512));
  ASSERT_EQ(starts.size(), 2u);
  // Silence between the two: the tune was stopped, then began again (the
  // pattern itself is never zero).
  EXPECT_NE(std::find(out.begin() + static_cast<std::ptrdiff_t>(starts[0]),
                      out.begin() + static_cast<std::ptrdiff_t>(starts[1]), 0.0f),
            out.begin() + static_cast<std::ptrdiff_t>(starts[1]));
}

TEST_F(DiskOutput, PlayingAgainWhileSoundingRestartsIt) {
  const auto sound = pattern(2 * 44100);
  const intptr_t b = create(sound);
  dsPlay(b);
  wait_frames(1024);
  dsPlay(b);
  wait_frames(2 * 44100);
  const auto out = stream();
  EXPECT_EQ(find_all(out, head(sound, 512)).size(), 2u);
  EXPECT_EQ(find_all(out, sound).size(), 1u);  // the first play was cut off by the second
}

TEST_F(DiskOutput, SoundsPlayingTogetherAreSummedAndClipped) {
  const intptr_t quarter = create(std::vector<float>(2 * 4410, 0.25f));
  const intptr_t eighth = create(std::vector<float>(2 * 4410, 0.125f));
  const intptr_t loud = create(std::vector<float>(2 * 4410, 0.75f));
  dsPlay(quarter);
  dsPlay(eighth);
  wait_frames(4410);
  dsPlay(loud);
  dsPlay(quarter);
  dsPlay(eighth);
  wait_frames(4410);
  const auto out = stream();
  EXPECT_GT(std::count(out.begin(), out.end(), 0.375f), 4410);
  EXPECT_GT(std::count(out.begin(), out.end(), 1.0f), 4410);
  EXPECT_EQ(std::count_if(out.begin(), out.end(), [](float x) { return x > 1.0f; }), 0);
}

TEST_F(DiskOutput, PanVolumeAndFrequencyShapeThePlayback) {
  const auto sound = pattern(4410);
  const intptr_t b = create(sound);
  ASSERT_EQ(dsPlayPan(b, 10000), 1);  // right only
  wait_frames(4410);
  ASSERT_EQ(dsPlayEx(b, 0, 0, 88200), 1);  // centre, twice the rate: every second frame
  wait_frames(2205);
  ASSERT_EQ(dsSetFrequency(b, 0), 1);
  ASSERT_EQ(dsSetVolume(b, -10000), 1);
  ASSERT_EQ(dsPlayLooping(b), 1);  // silent
  wait_frames(4410);
  const auto out = stream();
  std::vector<float> right_only(sound);
  for (std::size_t i = 0; i < right_only.size(); i += 2) right_only[i] = 0.0f;
  EXPECT_EQ(find_all(out, right_only).size(), 1u);
  std::vector<float> doubled;
  for (std::size_t i = 0; i < sound.size(); i += 4) doubled.insert(doubled.end(), {sound[i], sound[i + 1]});
  EXPECT_EQ(find_all(out, head(doubled, 2000)).size(), 1u);
  EXPECT_EQ(find_all(out, head(sound, 64)).size(), 0u);  // never at its own rate and full volume
}

// Times `sound` appears in the stream with its left side scaled by `left` and
// its right by `right`, to float precision.
std::size_t count_scaled(const std::vector<float>& out, const std::vector<float>& sound, double left,
                         double right) {
  const auto near = [](float got, double want) {
    return std::abs(got - want) <= 1e-6 + 1e-5 * std::abs(want);
  };
  std::size_t n = 0;
  for (std::size_t i = 0; i + sound.size() <= out.size(); i += 2) {
    std::size_t k = 0;
    while (k < sound.size() && near(out[i + k], sound[k] * (k % 2 ? right : left))) ++k;
    n += k == sound.size();
  }
  return n;
}

// In hundredths of a decibel: a volume of -600 is -6 dB, 10^(-6/20) = 0.501 of
// the amplitude; a pan of 1200 leaves the far side at 10^(-12/20) = 0.251. A
// new pan reaches a looping buffer at once.
TEST_F(DiskOutput, VolumeAndPanBetweenTheExtremesAndAPanChangedWhileLooping) {
  const auto sound = pattern(2205);
  const intptr_t b = create(sound);
  ASSERT_EQ(dsPlayLoopingEx(b, -600, -1200, 0), 1);
  wait_frames(3 * 2205);
  ASSERT_EQ(dsSetPan(b, 1200), 1);
  wait_frames(3 * 2205);
  const auto out = stream();
  const double volume = std::pow(10.0, -6.0 / 20), pan = std::pow(10.0, -12.0 / 20);
  EXPECT_GE(count_scaled(out, sound, volume, volume * pan), 2u);
  EXPECT_GE(count_scaled(out, sound, volume * pan, volume), 2u);
}

TEST_F(DiskOutput, FreedBuffersAreGoneAndFallSilent) {
  const auto sound = pattern(3 * 44100);
  const intptr_t b = create(sound);
  dsPlayLooping(b);
  wait_frames(1024);
  ASSERT_EQ(dsFree(b), 1);
  EXPECT_EQ(dsPlay(b), 0);
  EXPECT_EQ(dsStop(b), 0);
  EXPECT_EQ(dsSetVolume(b, 0), 0);
  EXPECT_EQ(dsFree(b), 0);
  wait_frames(2048);
  const auto out = stream();
  const auto at = find_all(out, head(sound, 256));
  ASSERT_EQ(at.size(), 1u);
  EXPECT_LT(std::count_if(out.begin(), out.end(), [](float x) { return x != 0.0f; }), int(sound.size()) / 2);
}

TEST_F(DiskOutput, IdentifierZeroAndUnknownIdentifiersDoNothing) {
  for (intptr_t id : {intptr_t{0}, intptr_t{123456}}) {
    EXPECT_EQ(dsPlay(id), 0);
    EXPECT_EQ(dsPlayLooping(id), 0);
    EXPECT_EQ(dsPlayPan(id, 0), 0);
    EXPECT_EQ(dsPlayEx(id, 0, 0, 0), 0);
    EXPECT_EQ(dsPlayLoopingEx(id, 0, 0, 0), 0);
    EXPECT_EQ(dsStop(id), 0);
    EXPECT_EQ(dsFree(id), 0);
    EXPECT_EQ(dsSetVolume(id, 0), 0);
    EXPECT_EQ(dsSetPan(id, 0), 0);
    EXPECT_EQ(dsSetFrequency(id, 0), 0);
    EXPECT_EQ(dsTerminate(id), 0);
  }
  const std::string image = float_stereo_wave(pattern(10));
  EXPECT_EQ(dsCreateDSB(0, reinterpret_cast<intptr_t>(image.data()), 3), 0);
  EXPECT_EQ(dsCreateDSB(handle, 0, 3), 0);
  EXPECT_EQ(dsCreateResDSB(handle, 0, nullptr, 3), 0);
  EXPECT_EQ(dsCreateResDSB(handle, 0, "/no/such/file.wav", 3), 0);
  const auto out = stream();
  EXPECT_TRUE(silent_from(out, 0));
}

TEST_F(DiskOutput, AWaveFileLoadsByPath) {
  const auto sound = pattern(2000);
  const auto path = file.parent_path() / "by_path.wav";
  {
    std::ofstream f(path, std::ios::binary);
    const std::string image = float_stereo_wave(sound);
    f.write(image.data(), static_cast<std::streamsize>(image.size()));
  }
  const intptr_t b = dsCreateResDSB(handle, 0, path.c_str(), 1);
  ASSERT_NE(b, 0);
  dsPlay(b);
  wait_frames(2000);
  std::filesystem::remove(path);
  EXPECT_EQ(find_all(stream(), sound).size(), 1u);
}

TEST_F(DiskOutput, TerminatingReleasesItsBuffers) {
  const intptr_t b = create(pattern(100));
  ASSERT_NE(b, 0);
  stream();
  EXPECT_EQ(dsPlay(b), 0);
  EXPECT_EQ(dsFree(b), 0);
}

TEST(Output, TheDummyDriverInitialisesAndPlays) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  const intptr_t h = dsInitialize(0);
  ASSERT_NE(h, 0);
  const std::string image = float_stereo_wave(pattern(100));
  const intptr_t b = dsCreateDSB(h, reinterpret_cast<intptr_t>(image.data()), 3);
  ASSERT_NE(b, 0);
  EXPECT_EQ(dsPlay(b), 1);
  EXPECT_EQ(dsTerminate(h), 1);
  EXPECT_EQ(dsTerminate(h), 0);
}

TEST(Output, WithoutAUsableDriverInitialisingFails) {
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(dsInitialize(0), 0);
  // And the library recovers once a driver is there again.
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  const intptr_t h = dsInitialize(0);
  EXPECT_NE(h, 0);
  dsTerminate(h);
}

// Four threads at once, each opening an output, playing on it and closing it,
// round after round: the library alone keeps SDL's start and shutdown in order.
TEST(Output, FourThreadsOpenPlayAndCloseAtOnce) {
  const char* tmp = std::getenv("VELMORA_TEST_TMP");
  const auto dir = std::filesystem::path(tmp ? tmp : "/tmp") / ("threads-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", (dir / "out.raw").c_str(), 1);
  const std::string image = float_stereo_wave(pattern(441));
  std::barrier together(4);
  std::atomic<int> failed{0};
  {
    std::vector<std::jthread> threads;
    for (int t = 0; t < 4; ++t)
      threads.emplace_back([&] {
        for (int round = 0; round < 10; ++round) {
          together.arrive_and_wait();
          const intptr_t h = dsInitialize(0);
          const intptr_t b = dsCreateDSB(h, reinterpret_cast<intptr_t>(image.data()), 3);
          if (h == 0 || b == 0 || dsPlay(b) != 1 || dsTerminate(h) != 1) ++failed;
        }
      });
  }
  EXPECT_EQ(failed, 0);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace velmora::sound
