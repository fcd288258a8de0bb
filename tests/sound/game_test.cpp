// The game's own start-up with the real library behind its sound port: from
// a fresh directory it finds the shipped wave files and the music plays.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "game/sound.hpp"
#include "library_port.hpp"
#include "script/fakes.hpp"
#include "wave_image.hpp"
#include "window/settings.hpp"

namespace velmora {
namespace {

TEST(GameWithLibrary, AFreshDirectoryStartsWithTheShippedSoundsAndTheMusic) {
  const char* tmp = std::getenv("VELMORA_TEST_TMP");
  const auto dir = std::filesystem::path(tmp ? tmp : "/tmp") / ("game-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", (dir / "out.raw").c_str(), 1);

  FakeWindow w;
  LibrarySoundPort library;
  Form1& f = w.f();
  f.p.sound = &library;
  サウンド_起動(f);
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_NE(f.sound.SND_HANDLE, 0);
  EXPECT_NE(f.sound.SND_SONOTA, 0);
  EXPECT_NE(f.sound.SND_KINSHI, 0);
  EXPECT_NE(f.sound.SND_KOMAUCHI, 0);
  EXPECT_NE(f.sound.SND_BGM, 0);
  読込_環境設定ファイル(f);  // no settings file: the defaults, music on
  EXPECT_TRUE(f.options.BGM);
  // Until the output has written the tune's opening and its buffers besides.
  std::error_code ec;
  const auto started = std::filesystem::file_size(dir / "out.raw", ec);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::filesystem::file_size(dir / "out.raw", ec) < started + (2048 + 8192) * 2 * sizeof(float) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  サウンド_解放(f);

  std::ifstream in(dir / "out.raw", std::ios::binary);
  const std::string raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<float> out(raw.size() / sizeof(float));
  std::memcpy(out.data(), raw.data(), out.size() * sizeof(float));

  std::ifstream bgm_file(std::filesystem::path(VELMORA_ASSETS) / "sounds" / "BGM.wav", std::ios::binary);
  const std::string bgm_image{std::istreambuf_iterator<char>(bgm_file), std::istreambuf_iterator<char>()};
  const auto bgm =
      sound::decode_wave(reinterpret_cast<const std::uint8_t*>(bgm_image.data()), bgm_image.size());
  ASSERT_TRUE(bgm.has_value());
  const std::vector<float> opening(bgm->samples.begin(), bgm->samples.begin() + 2 * 2048);
  EXPECT_NE(std::search(out.begin(), out.end(), opening.begin(), opening.end()), out.end());

  std::filesystem::current_path(old);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace velmora
