#include "window/settings.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "format/encoding.hpp"
#include "game/clock.hpp"
#include "input/game_menu.hpp"
#include "script/fakes.hpp"
#include "support/marks.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using testing::read_file;
using testing::WorkDir;
using testing::write_file;

const std::string kDefaultFile =
    "\x94\x77\x8C\x69\x89\xE6=Velmora\r\n"
    "\x88\xDA\x93\xAE\x8E\x77\x93\xB1=OFF\r\n"
    "\x8C\x6F\x89\xDF\x8E\x9E\x8A\xD4=ON\r\n"
    "BGM=ON\r\n";

std::string ini_text() { return cp932からutf8(read_file("Velmora.ini")).value_or("<not CP932>"); }

// The background items of the menu checked now.
int checked_backgrounds(const Form1& f) {
  int n = 0;
  for (const char* item : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"}) n += testing::印(f, item);
  return n;
}

struct SettingsFile : ::testing::Test {
  WorkDir dir;
  FakeWindow w;
  Form1& f = w.f();
  void read(std::string_view utf8) {
    write_file("Velmora.ini", *utf8からcp932(utf8));
    読込_環境設定ファイル(f);
  }
};

TEST_F(SettingsFile, FirstRunWritesTheDefaultFileAndAppliesTheDefaults) {
  読込_環境設定ファイル(f);
  EXPECT_EQ(read_file("Velmora.ini"), kDefaultFile);
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_MIDORI));
  EXPECT_EQ(checked_backgrounds(f), 1);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_MIDORI);
  EXPECT_FALSE(testing::印(f, "SIDOU"));
  EXPECT_FALSE(f.options.SIDOU_FLAG);
  EXPECT_EQ(移動指導の色(f.options), 2);
  EXPECT_TRUE(f.options.KEIKA);
  EXPECT_TRUE(f.options.BGM);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"BGM loop"});
  EXPECT_TRUE(w.dialogs.boxes.empty());
  // Nothing but the settings file is left behind in the directory.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(SettingsFile, AFileIsReadInAnyOrderAndNotRewritten) {
  const std::string text = "BGM=OFF\r\n経過時間=OFF\r\n移動指導=ON\r\n背景画=宇宙\r\n";
  read(text);
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_UCHU));
  EXPECT_EQ(checked_backgrounds(f), 1);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_UCHU);
  EXPECT_TRUE(testing::印(f, "SIDOU"));
  EXPECT_TRUE(f.options.SIDOU_FLAG);
  EXPECT_EQ(移動指導の色(f.options), 15);
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(f.options.BGM);
  EXPECT_TRUE(w.sound.calls.empty());
  EXPECT_EQ(ini_text(), text);
}

TEST_F(SettingsFile, ValuesAndKeysAreComparedExactlyAndWhatMatchesNothingTakesTheDefault) {
  read("BGM=on\r\n背景画=みどり\r\n 経過時間=OFF\r\n経過時間 =OFF\r\n移動指導=ON \r\n");
  EXPECT_TRUE(f.options.BGM);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"BGM loop"});
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_MIDORI));
  EXPECT_EQ(checked_backgrounds(f), 1);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_MIDORI);
  EXPECT_TRUE(f.options.KEIKA);
  EXPECT_FALSE(testing::印(f, "SIDOU"));
  EXPECT_EQ(移動指導の色(f.options), 2);
}

TEST_F(SettingsFile, UnknownKeysAndLinesWithoutEqualsAreIgnoredAndTheLastOccurrenceWins) {
  read("\r\n# comment\r\n色=赤\r\n背景画=竹\r\n経過時間=ON\r\n背景画=煉瓦\r\nBGM=ON\r\nBGM=ON\r\n");
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_RENGA));
  EXPECT_EQ(checked_backgrounds(f), 1);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_RENGA);
  EXPECT_TRUE(f.options.KEIKA);
  // Each "BGM=ON" starts the tune again.
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"BGM loop", "BGM loop"}));
}

TEST_F(SettingsFile, AFileSavedAsUtf8WithUnixLineEndsIsReadToo) {
  write_file("Velmora.ini", "\xEF\xBB\xBF背景画=畳\n移動指導=ON\n経過時間=OFF\nBGM=OFF\n");
  読込_環境設定ファイル(f);
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_TATAMI));
  EXPECT_TRUE(testing::印(f, "SIDOU"));
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(f.options.BGM);
}

// What a file does not say takes the default; the file is read, not rewritten.
TEST_F(SettingsFile, WhatAFileDoesNotSayTakesTheDefaults) {
  const std::string utf16(
      "\xFF\xFE"
      "B\0G\0M\0=\0O\0F\0F\0",
      16);
  for (const std::string& bytes : {std::string(), utf16, std::string("BGM=OFF")}) {
    FakeWindow fresh;
    write_file("Velmora.ini", bytes);
    読込_環境設定ファイル(fresh.f());
    const 設定& o = fresh.f().options;
    EXPECT_TRUE((o.HAIKEI == HAIKEI_MIDORI) && checked_backgrounds(fresh.f()) == 1 && o.KEIKA &&
                !o.SIDOU_FLAG)
        << bytes;
    EXPECT_EQ(o.BGM, bytes != "BGM=OFF");
    EXPECT_EQ(fresh.sound.calls.size(), o.BGM ? 1u : 0u);
    EXPECT_EQ(read_file("Velmora.ini"), bytes);
  }
}

// A file that is there but cannot be read (a read error, more than 64 KiB, no
// regular file) is left alone for the whole run; the game says so and runs
// with the defaults.
TEST_F(SettingsFile, AFileThatCannotBeReadIsLeftAloneAndTheDefaultsApply) {
  const std::string huge = "BGM=OFF\r\n" + std::string(64 * 1024, '\n');
  for (int which = 0; which < 3; ++which) {
    std::filesystem::remove_all("Velmora.ini");
    if (which == 0) std::filesystem::create_symlink("/proc/self/mem", "Velmora.ini");  // EIO, for root too
    if (which == 1) write_file("Velmora.ini", huge);
    if (which == 2) std::filesystem::create_directory("Velmora.ini");
    FakeWindow fresh;
    読込_環境設定ファイル(fresh.f());
    BGM_Click(fresh.f());
    const 設定& o = fresh.f().options;
    EXPECT_TRUE((o.HAIKEI == HAIKEI_MIDORI) && checked_backgrounds(fresh.f()) == 1 && o.KEIKA && !o.BGM)
        << which;
    EXPECT_EQ(fresh.sound.calls, (std::vector<std::string>{"BGM loop", "BGM stop"}));
    ASSERT_EQ(fresh.dialogs.boxes.size(), 1u) << which;
    EXPECT_EQ(fresh.dialogs.boxes[0].text,
              "設定ファイルを読めません\nVelmora.ini\n既定の設定で始めます。このファイルは書き換えません");
    EXPECT_TRUE(which != 1 || read_file("Velmora.ini") == huge);
  }
}

TEST_F(SettingsFile, OptionClicksRewriteTheWholeFileKeepingItsMode) {
  読込_環境設定ファイル(f);
  const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  std::filesystem::permissions("Velmora.ini", mode);
  TAKE_Click(f);
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_TAKE));
  EXPECT_EQ(checked_backgrounds(f), 1);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_TAKE);
  EXPECT_EQ(ini_text(), "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
  SIDOU_Click(f);
  EXPECT_TRUE(f.options.SIDOU_FLAG);
  EXPECT_EQ(移動指導の色(f.options), 15);
  BGM_Click(f);
  EXPECT_EQ(ini_text(), "背景画=竹\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n");
  SIDOU_Click(f);
  EXPECT_FALSE(f.options.SIDOU_FLAG);
  EXPECT_EQ(移動指導の色(f.options), 2);
  UCHU_Click(f);
  RENGA_Click(f);
  TATAMI_Click(f);
  EXPECT_EQ(ini_text(), "背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n");
  MIDORI_Click(f);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_MIDORI);
  EXPECT_EQ(read_file("Velmora.ini").substr(0, 16), "\x94\x77\x8C\x69\x89\xE6=Velmora\r\n");
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  EXPECT_EQ(std::filesystem::status("Velmora.ini").permissions(), mode);
}

// When the options cannot be written but the default file can (a limit on
// file sizes between the two stands in for a nearly full disk), the defaults
// are written and the menus show them.
TEST_F(SettingsFile, WhenTheOptionsCannotBeWrittenTheDefaultsAreWrittenAndShown) {
  読込_環境設定ファイル(f);
  SIDOU_Click(f);
  BGM_Click(f);
  w.sound.calls.clear();
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{kDefaultFile.size(), limit.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  KEIKA_Click(f);  // "経過時間=OFF": one byte more than the default file
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(read_file("Velmora.ini"), kDefaultFile);
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_MIDORI) && f.options.KEIKA && f.options.BGM &&
              !f.options.SIDOU_FLAG);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"BGM loop"});
}

// 最終手表示 is a fifth line, written only while it is on: a file of four
// lines means off.
TEST_F(SettingsFile, TheLastMoveMarksAreAFifthLineOnlyWhenOn) {
  読込_環境設定ファイル(f);
  EXPECT_FALSE(f.options.SAISYUTE);
  SAISYUTE_Click(f);
  EXPECT_TRUE(testing::印(f, "SAISYUTE"));
  EXPECT_EQ(ini_text(), "背景画=Velmora\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n最終手表示=ON\r\n");
  SAISYUTE_Click(f);
  EXPECT_EQ(ini_text(), "背景画=Velmora\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
  read("最終手表示=ON\r\nBGM=ON\r\n");
  EXPECT_TRUE(f.options.SAISYUTE);
  read("最終手表示=on\r\n");
  EXPECT_FALSE(f.options.SAISYUTE);
}

// アニメーション is on from the start, and a line of its own only while off.
TEST_F(SettingsFile, AnimationIsOnUnlessALineSaysOff) {
  読込_環境設定ファイル(f);
  EXPECT_TRUE(f.options.ANIME);
  EXPECT_TRUE(testing::印(f, "ANIME"));
  ANIME_Click(f);
  EXPECT_FALSE(testing::印(f, "ANIME"));
  EXPECT_EQ(ini_text(), "背景画=Velmora\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\nアニメーション=OFF\r\n");
  ANIME_Click(f);
  EXPECT_EQ(read_file("Velmora.ini"), kDefaultFile);
  read("アニメーション=OFF\r\n");
  EXPECT_FALSE(f.options.ANIME);
  read("BGM=ON\r\n");
  EXPECT_TRUE(f.options.ANIME);
}

TEST_F(SettingsFile, ClickingTheCheckedBackgroundStillRewritesTheFile) {
  読込_環境設定ファイル(f);
  std::filesystem::remove("Velmora.ini");
  MIDORI_Click(f);
  EXPECT_EQ(f.options.HAIKEI, HAIKEI_MIDORI);
  EXPECT_EQ(read_file("Velmora.ini"), kDefaultFile);
}

TEST_F(SettingsFile, TheWriterNamesTheBackgroundChosen) {
  f.options.HAIKEI = HAIKEI_TAKE;
  書込_環境設定ファイル(f);
  EXPECT_EQ(ini_text(), "背景画=竹\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  f.options.HAIKEI = HAIKEI_TATAMI;
  書込_環境設定ファイル(f);
  EXPECT_EQ(ini_text().substr(0, 15), "背景画=畳\r\n");
  // A picture that is no background has no name: the line is left out.
  f.options.HAIKEI = 1;
  書込_環境設定ファイル(f);
  EXPECT_EQ(ini_text(), "移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");
}

TEST_F(SettingsFile, BgmOffAndOnAgainStopsAndRestartsTheTune) {
  読込_環境設定ファイル(f);
  BGM_Click(f);
  EXPECT_FALSE(f.options.BGM);
  BGM_Click(f);
  EXPECT_TRUE(f.options.BGM);
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"BGM loop", "BGM stop", "BGM loop"}));
  EXPECT_EQ(ini_text().substr(ini_text().size() - 8), "BGM=ON\r\n");
}

TEST_F(SettingsFile, ExactlyTheChosenBackgroundIsCheckedAndAnotherPictureChecksNone) {
  for (int id = HAIKEI_MIDORI; id <= HAIKEI_RENGA; ++id) {
    f.options.HAIKEI = id;
    EXPECT_EQ(checked_backgrounds(f), 1);
  }
  EXPECT_TRUE(testing::印(f, "RENGA"));
  f.options.HAIKEI = HAIKEI_TAKE;
  EXPECT_TRUE(testing::印(f, "TAKE"));
  for (int id : {1, 7}) {
    f.options.HAIKEI = id;
    EXPECT_EQ(checked_backgrounds(f), 0);
  }
}

// A directory the game may not write to: the game goes on with the defaults
// at start-up, and later changes keep what the player chose.
struct ReadOnlyDirectory : ::testing::Test {
  WorkDir dir;
  void SetUp() override {
    if (::geteuid() == 0) {
      // Root writes everywhere it has permissions for; /proc refuses new files to anyone.
      std::filesystem::current_path("/proc");
    } else {
      std::filesystem::permissions(dir.path(),
                                   std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
  }
};

TEST_F(ReadOnlyDirectory, StartUpAppliesTheDefaultsWithoutAFile) {
  FakeWindow w;
  読込_環境設定ファイル(w.f());
  EXPECT_FALSE(std::filesystem::exists("Velmora.ini"));
  EXPECT_EQ(w.f().options.HAIKEI, HAIKEI_MIDORI);
  EXPECT_TRUE(w.f().options.KEIKA);
  EXPECT_TRUE(w.f().options.BGM);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"BGM loop"});
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(ReadOnlyDirectory, OptionChangesStayAsChosen) {
  FakeWindow w;
  Form1& f = w.f();
  読込_環境設定ファイル(f);
  BGM_Click(f);
  RENGA_Click(f);
  SIDOU_Click(f);
  EXPECT_FALSE(f.options.BGM);
  EXPECT_TRUE((f.options.HAIKEI == HAIKEI_RENGA));
  EXPECT_EQ(checked_backgrounds(f), 1);
  EXPECT_TRUE(testing::印(f, "SIDOU"));
  EXPECT_TRUE(f.options.SIDOU_FLAG);
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"BGM loop", "BGM stop"}));
  EXPECT_FALSE(std::filesystem::exists("Velmora.ini"));
}

}  // namespace
}  // namespace velmora
