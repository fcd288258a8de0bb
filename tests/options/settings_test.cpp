#include "options/settings.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include "format/encoding.hpp"
#include "options/work_dir.hpp"
#include "script/fakes.hpp"
#include "support/marks.hpp"
#include "ui/drawing.hpp"

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

int checked_backgrounds(const 設定& m) { return m.MIDORI + m.TATAMI + m.TAKE + m.UCHU + m.RENGA; }

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
  EXPECT_TRUE(f.options.MIDORI);
  EXPECT_EQ(checked_backgrounds(f.options), 1);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_MIDORI);
  EXPECT_FALSE(testing::印(f, "SIDOU"));
  EXPECT_EQ(f.options.SIDOU_FLAG, NO);
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
  EXPECT_TRUE(f.options.UCHU);
  EXPECT_EQ(checked_backgrounds(f.options), 1);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_UCHU);
  EXPECT_TRUE(testing::印(f, "SIDOU"));
  EXPECT_EQ(f.options.SIDOU_FLAG, YES);
  EXPECT_EQ(移動指導の色(f.options), 15);
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(f.options.BGM);
  EXPECT_TRUE(w.sound.calls.empty());
  EXPECT_EQ(ini_text(), text);
}

TEST_F(SettingsFile, ValuesAndKeysAreComparedExactly) {
  read("BGM=on\r\n背景画=みどり\r\n 経過時間=ON\r\n経過時間 =ON\r\n移動指導=ON \r\n");
  EXPECT_FALSE(f.options.BGM);
  EXPECT_TRUE(w.sound.calls.empty());
  // The unknown background leaves the marks as they were at start-up.
  EXPECT_EQ(checked_backgrounds(f.options), 0);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_MIDORI);
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(testing::印(f, "SIDOU"));
  EXPECT_EQ(移動指導の色(f.options), 2);
}

TEST_F(SettingsFile, UnknownKeysAndLinesWithoutEqualsAreIgnoredAndTheLastOccurrenceWins) {
  read("\r\n# comment\r\n色=赤\r\n背景画=竹\r\n経過時間=ON\r\n背景画=煉瓦\r\nBGM=ON\r\nBGM=ON\r\n");
  EXPECT_TRUE(f.options.RENGA);
  EXPECT_EQ(checked_backgrounds(f.options), 1);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_RENGA);
  EXPECT_TRUE(f.options.KEIKA);
  // Each "BGM=ON" starts the tune again.
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"BGM loop", "BGM loop"}));
}

TEST_F(SettingsFile, AFileSavedAsUtf8WithUnixLineEndsIsReadToo) {
  write_file("Velmora.ini", "\xEF\xBB\xBF背景画=畳\n移動指導=ON\n経過時間=OFF\nBGM=OFF\n");
  読込_環境設定ファイル(f);
  EXPECT_TRUE(f.options.TATAMI);
  EXPECT_TRUE(testing::印(f, "SIDOU"));
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(f.options.BGM);
}

TEST_F(SettingsFile, AnEmptyFileChangesNothing) {
  write_file("Velmora.ini", "");
  読込_環境設定ファイル(f);
  EXPECT_EQ(checked_backgrounds(f.options), 0);
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(f.options.BGM);
  EXPECT_TRUE(w.sound.calls.empty());
  EXPECT_EQ(read_file("Velmora.ini"), "");
}

TEST_F(SettingsFile, AnUnreadableFileFallsBackToTheDefaults) {
  // A directory of that name can be neither read nor replaced.
  std::filesystem::create_directories("Velmora.ini/inside");
  読込_環境設定ファイル(f);
  EXPECT_TRUE(f.options.MIDORI);
  EXPECT_TRUE(f.options.KEIKA);
  EXPECT_TRUE(f.options.BGM);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"BGM loop"});
  EXPECT_TRUE(std::filesystem::is_directory("Velmora.ini/inside"));
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(SettingsFile, OptionClicksRewriteTheWholeFile) {
  読込_環境設定ファイル(f);
  TAKE_Click(f);
  EXPECT_TRUE(f.options.TAKE);
  EXPECT_EQ(checked_backgrounds(f.options), 1);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_TAKE);
  EXPECT_EQ(ini_text(), "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
  SIDOU_Click(f);
  EXPECT_EQ(f.options.SIDOU_FLAG, YES);
  EXPECT_EQ(移動指導の色(f.options), 15);
  BGM_Click(f);
  EXPECT_EQ(ini_text(), "背景画=竹\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n");
  SIDOU_Click(f);
  EXPECT_EQ(f.options.SIDOU_FLAG, NO);
  EXPECT_EQ(移動指導の色(f.options), 2);
  UCHU_Click(f);
  RENGA_Click(f);
  TATAMI_Click(f);
  EXPECT_EQ(ini_text(), "背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n");
  MIDORI_Click(f);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_MIDORI);
  EXPECT_EQ(read_file("Velmora.ini").substr(0, 16), "\x94\x77\x8C\x69\x89\xE6=Velmora\r\n");
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(SettingsFile, ClickingTheCheckedBackgroundStillRewritesTheFile) {
  読込_環境設定ファイル(f);
  std::filesystem::remove("Velmora.ini");
  f.view.HAIKEI = HAIKEI_TAKE;  // the marks, not HAIKEI, decide whether anything changes
  MIDORI_Click(f);
  EXPECT_EQ(f.view.HAIKEI, HAIKEI_TAKE);
  EXPECT_EQ(read_file("Velmora.ini"), kDefaultFile);
}

TEST_F(SettingsFile, WriterTakesTheFirstCheckedBackgroundInItsOwnOrder) {
  f.options.RENGA = f.options.UCHU = f.options.TATAMI = f.options.TAKE = true;
  書込_環境設定ファイル(f);
  EXPECT_EQ(ini_text(), "背景画=竹\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  f.options = 設定{};
  書込_環境設定ファイル(f);
  EXPECT_EQ(ini_text(), "移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");
  f.options.TATAMI = f.options.UCHU = true;
  書込_環境設定ファイル(f);
  EXPECT_EQ(ini_text().substr(0, 15), "背景画=畳\r\n");
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

TEST_F(SettingsFile, ChecksAreMutuallyExclusiveAndAnOtherIdentifierClearsThemAll) {
  for (int id = 2; id <= 6; ++id) {
    チェック設定(f, id);
    EXPECT_EQ(checked_backgrounds(f.options), 1);
  }
  EXPECT_TRUE(f.options.RENGA);
  チェック設定(f, 4);
  EXPECT_TRUE(f.options.TAKE);
  チェック設定(f, 7);
  EXPECT_EQ(checked_backgrounds(f.options), 0);
  チェック設定(f, 1);
  EXPECT_EQ(checked_backgrounds(f.options), 0);
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
  EXPECT_TRUE(w.f().options.MIDORI);
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
  EXPECT_TRUE(f.options.RENGA);
  EXPECT_EQ(checked_backgrounds(f.options), 1);
  EXPECT_TRUE(testing::印(f, "SIDOU"));
  EXPECT_EQ(f.options.SIDOU_FLAG, YES);
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"BGM loop", "BGM stop"}));
  EXPECT_FALSE(std::filesystem::exists("Velmora.ini"));
}

}  // namespace
}  // namespace velmora
