// The start-up in the window's two steps: everything but the sound, then the
// sound and the music; and Form_Load, both steps in their old order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "script/fakes.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

// Every call of the sound port with the buffer it names.
class CallLog final : public SoundPort {
 public:
  std::vector<std::string> calls;
  std::intptr_t initialize(std::intptr_t) override { return log("initialize"), 7; }
  void terminate(std::intptr_t) override { log("terminate"); }
  std::intptr_t create(std::intptr_t, const std::uint8_t*, std::size_t, int) override {
    log("create");
    return ++buffers_;
  }
  void play(std::intptr_t b, Sound) override { log("play " + std::to_string(b)); }
  void play_looping(std::intptr_t b, Sound) override { log("loop " + std::to_string(b)); }
  void stop(std::intptr_t b, Sound) override { log("stop " + std::to_string(b)); }
  void free(std::intptr_t b) override { log("free " + std::to_string(b)); }

 private:
  void log(const std::string& s) { calls.push_back(s); }
  std::intptr_t buffers_ = 0;
};

const std::vector<std::string> kSoundStart = {"initialize", "create", "create", "create", "create"};

TEST(StartupInTwoSteps, TheFirstStepLeavesTheLibraryAloneAndTheSecondStartsTheMusicOnce) {
  testing::WorkDir dir;
  FakeWindow w;
  CallLog sound;
  w.f().p.sound = &sound;
  起動_画面(w.f());
  // The settings ask for the music while there is no wave yet: nothing sounds.
  EXPECT_EQ(sound.calls, std::vector<std::string>{"loop 0"});
  EXPECT_EQ(w.f().sound.SND_HANDLE, 0);
  sound.calls.clear();
  起動_サウンド(w.f());
  auto expected = kSoundStart;
  expected.push_back("loop 4");
  EXPECT_EQ(sound.calls, expected);
  EXPECT_EQ(w.f().sound.SND_BGM, 4);
}

TEST(StartupInTwoSteps, NoMusicWhenItIsOffAndFormLoadKeepsItsOrder) {
  testing::WorkDir dir;
  {
    FakeWindow w;
    CallLog sound;
    w.f().p.sound = &sound;
    Form_Load(w.f());
    auto expected = kSoundStart;
    expected.push_back("loop 4");  // the sound first, then the settings start the music
    EXPECT_EQ(sound.calls, expected);
    BGM_Click(w.f());  // off, and so written
  }
  FakeWindow w;
  CallLog sound;
  w.f().p.sound = &sound;
  起動_画面(w.f());
  起動_サウンド(w.f());
  EXPECT_EQ(sound.calls, kSoundStart);
}

}  // namespace
}  // namespace velmora
