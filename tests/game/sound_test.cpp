#include "game/sound.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "script/fakes.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using testing::WorkDir;
using testing::write_file;

// A sound library that can fail to initialise and remembers every image.
class ScriptedSound final : public SoundPort {
 public:
  std::intptr_t handle = 77;
  std::vector<std::string> log;
  std::vector<std::string> images;
  std::intptr_t initialize(std::intptr_t) override {
    log.push_back("init");
    return handle;
  }
  void terminate(std::intptr_t h) override { log.push_back("term " + std::to_string(h)); }
  std::intptr_t create(std::intptr_t h, const std::uint8_t* image, std::size_t size, int flags) override {
    EXPECT_EQ(h, handle);
    images.emplace_back(reinterpret_cast<const char*>(image), size);
    log.push_back("create " + std::to_string(flags));
    return 100 + static_cast<std::intptr_t>(images.size());
  }
  void play(std::intptr_t b, Sound) override { log.push_back("play " + std::to_string(b)); }
  void play_looping(std::intptr_t b, Sound) override { log.push_back("loop " + std::to_string(b)); }
  void stop(std::intptr_t b, Sound) override { log.push_back("stop " + std::to_string(b)); }
  void free(std::intptr_t b) override { log.push_back("free " + std::to_string(b)); }
};

// A minimal wave image: RIFF header whose size is the rest of the image.
std::string wave(std::string_view tag, std::size_t extra = 0) {
  std::string body = "WAVE" + std::string(tag);
  std::string img = "RIFF";
  const std::uint32_t size = static_cast<std::uint32_t>(body.size() + extra);
  for (int i = 0; i < 4; ++i) img += static_cast<char>((size >> (8 * i)) & 0xFF);
  return img + body;
}

struct SoundStartUp : ::testing::Test {
  WorkDir dir;
  FakeWindow w;
  ScriptedSound sound;
  Form1& f = w.f();
  void SetUp() override { f.p.sound = &sound; }
};

TEST_F(SoundStartUp, WithoutADeviceOneWarningAndSilence) {
  sound.handle = 0;
  write_file("その他.wav", wave("a"));
  サウンド_起動(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  // In the words of this platform, titled with the program's name.
  EXPECT_EQ(w.dialogs.boxes[0].title, "Velmora");
  EXPECT_EQ(w.dialogs.boxes[0].text, "サウンドデバイスを開けませんでした。音なしで続けます。");
  EXPECT_EQ(sound.log, std::vector<std::string>{"init"});
  EXPECT_EQ(f.sound.SND_SONOTA + f.sound.SND_KINSHI + f.sound.SND_KOMAUCHI + f.sound.SND_BGM, 0);
  // Shutdown frees the zero buffers and does not terminate what never started.
  サウンド_解放(f);
  EXPECT_EQ(sound.log, (std::vector<std::string>{"init", "free 0", "free 0", "free 0", "free 0"}));
}

TEST_F(SoundStartUp, TheFourFilesLoadFromTheWorkingDirectoryFirst) {
  write_file("その他.wav", wave("chime"));
  write_file("禁止.wav", wave("buzz"));
  write_file("駒打音.wav", wave("click"));
  write_file("BGM.wav", wave("tune"));
  サウンド_起動(f);
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_EQ(sound.log, (std::vector<std::string>{"init", "create 3", "create 3", "create 3", "create 1"}));
  EXPECT_EQ(sound.images,
            (std::vector<std::string>{wave("chime"), wave("buzz"), wave("click"), wave("tune")}));
  EXPECT_EQ(f.sound.SND_HANDLE, 77);
  EXPECT_EQ(f.sound.SND_SONOTA, 101);
  EXPECT_EQ(f.sound.SND_KINSHI, 102);
  EXPECT_EQ(f.sound.SND_KOMAUCHI, 103);
  EXPECT_EQ(f.sound.SND_BGM, 104);

  sound.log.clear();
  効果音(f, Sound::KINSHI);
  効果音(f, Sound::KOMAUCHI);
  効果音(f, Sound::SONOTA);
  BGM_開始(f);
  BGM_停止(f);
  サウンド_解放(f);
  EXPECT_EQ(sound.log, (std::vector<std::string>{"play 102", "play 103", "play 101", "loop 104", "stop 104",
                                                 "free 101", "free 102", "free 103", "free 104", "term 77"}));
  // A second shutdown frees nothing twice.
  sound.log.clear();
  サウンド_解放(f);
  EXPECT_EQ(sound.log, (std::vector<std::string>{"free 0", "free 0", "free 0", "free 0"}));
}

// However the player quits ("終わり", Escape, the close box), the four buffers
// are freed and then the library is terminated, once: the window's own end
// shuts the sound down again and must release nothing twice.
TEST(SoundShutdown, EveryWayOfQuittingReleasesTheLibraryOnce) {
  const auto escape = [](Form1& f) { Form_KeyPress(f, 27); };
  for (void (*quit)(Form1&) : {&OWARI_Click, +escape, &Form_Unload}) {
    WorkDir dir;
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) write_file(name, wave(name));
    FakeWindow w;
    Form_Load(w.f());
    quit(w.f());
    終了処理(w.f());
    EXPECT_TRUE(w.desktop.quit_requested);
    EXPECT_EQ(w.sound.releases,
              (std::vector<std::string>{"free 1", "free 2", "free 3", "free 4", "terminate 1", "free 0",
                                        "free 0", "free 0", "free 0"}));
  }
}

TEST_F(SoundStartUp, AFileFoundNowhereStaysSilentWithoutAMessage) {
  サウンド_起動(f);
  EXPECT_EQ(読込_サウンド(f, "無い音.wav", 3), 0);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(SoundStartUp, ImagesWhoseHeaderClaimsMoreThanTheFileAreNotHandedOn) {
  初期化_サウンド(f, 0);
  write_file("short.wav", "RIFF");
  write_file("lying.wav", wave("fmt ", 1));
  write_file("notwave.wav", "RIFF\x04\0\0\0AVI ");
  write_file("fits.wav", wave("fmt ") + "trailing bytes are fine");
  EXPECT_EQ(読込_サウンド(f, "short.wav", 3), 0);
  EXPECT_EQ(読込_サウンド(f, "lying.wav", 3), 0);
  EXPECT_EQ(読込_サウンド(f, "notwave.wav", 3), 0);
  EXPECT_NE(読込_サウンド(f, "fits.wav", 3), 0);
  EXPECT_EQ(sound.images.size(), 1u);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(SoundStartUp, AFileThatCannotBeReadWarnsAndStaysSilent) {
  初期化_サウンド(f, 0);
  // A regular file whose first byte cannot be read, even by root.
  std::filesystem::create_symlink("/proc/self/mem", "broken.wav");
  EXPECT_EQ(読込_サウンド(f, "broken.wav", 3), 0);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].title, "Velmora");
  EXPECT_NE(w.dialogs.boxes[0].text.find("broken.wav"), std::string::npos);
  EXPECT_TRUE(sound.images.empty());
}

TEST_F(SoundStartUp, WithoutAHandleNothingIsLoaded) {
  write_file("BGM.wav", wave("tune"));
  EXPECT_EQ(読込_サウンド(f, "BGM.wav", 1), 0);
  EXPECT_TRUE(sound.images.empty());
}

}  // namespace
}  // namespace velmora
