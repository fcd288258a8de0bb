// The recent records: every record read or written goes first in the list,
// eight at most, kept beside the game in play (the settings file stays as it
// is); one opened from the list is read as 読込 reads it, and one that is
// gone leaves the list with a word to the player.
#include "window/recent.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "game/game_support.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

class RecentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    records = dir.path() / "records";
    fs::create_directories(records);
    f.settings.保存先 = dir.path().string();
    Form_Load(f);
    二十手指す(w);
    フォルダ_変更(f, records.string());
  }
  // Writes the game as NAME.棋譜 through the panel, as the window does.
  void 書く(const std::string& name) {
    KIFU_WRITE_Click(f);
    w.record.set_text(棋譜の欄::ファイル名, name);
    棋譜を書く(f);
  }
  std::string パス(const std::string& name) { return (records / (name + ".棋譜")).string(); }
  FakeWindow w;
  Form1& f = w.f();
  WorkDir dir{"recent"};
  fs::path records;
};

TEST_F(RecentTest, RecordsWrittenAndReadGoFirstEightAtMost) {
  for (int i = 1; i <= 10; ++i) 書く("g" + std::to_string(i));
  ASSERT_EQ(f.recent.一覧.size(), 8u);
  EXPECT_EQ(f.recent.一覧.front(), パス("g10"));
  EXPECT_EQ(f.recent.一覧.back(), パス("g3"));
  // Read again from the browser, a record moves to the front, once.
  棋譜を開く(f, "g5.棋譜");
  EXPECT_EQ(f.recent.一覧.size(), 8u);
  EXPECT_EQ(f.recent.一覧[0], パス("g5"));
  EXPECT_EQ(f.recent.一覧[1], パス("g10"));
  EXPECT_EQ(std::count(f.recent.一覧.begin(), f.recent.一覧.end(), パス("g5")), 1);
  // Neither a write refused nor a read refused is listed.
  write_file(records / "bad.棋譜", "x\r\ny\r\nz\r\nnot a snapshot\r\n");
  棋譜を開く(f, "bad.棋譜");
  w.record.set_text(棋譜の欄::ファイル名, "");
  棋譜を書く(f);
  EXPECT_EQ(f.recent.一覧[0], パス("g5"));
}

TEST_F(RecentTest, TheListIsKeptBesideTheGameNotInTheSettingsFile) {
  const std::string settings = read_file(f.settings.パス);
  書く("one");
  書く("two");
  EXPECT_EQ(read_file(dir.path() / "recent"), パス("two") + "\n" + パス("one") + "\n");
  EXPECT_EQ(read_file(f.settings.パス), settings);
  // Read back at the next start.
  FakeWindow next;
  next.f().settings.保存先 = dir.path().string();
  Form_Load(next.f());
  EXPECT_EQ(next.f().recent.一覧, (std::vector<std::string>{パス("two"), パス("one")}));
  // A list edited by hand: blank lines, CR LF, the same path twice, too many.
  std::string edited = "\r\n" + パス("one") + "\r\n" + パス("one") + "\n";
  for (int i = 0; i < 12; ++i) edited += "/nowhere/" + std::to_string(i) + "\n";
  write_file(dir.path() / "recent", edited);
  Form_Load(next.f());
  ASSERT_EQ(next.f().recent.一覧.size(), 8u);
  EXPECT_EQ(next.f().recent.一覧[0], パス("one"));
  EXPECT_EQ(next.f().recent.一覧[1], "/nowhere/0");
}

TEST_F(RecentTest, OneOpenedFromTheListIsReadAsTheBrowserReadsIt) {
  書く("kept");
  フォルダ_変更(f, dir.path().string());  // the browser elsewhere
  w.dialogs.boxes.clear();
  最近の棋譜_開く(f, 0);
  EXPECT_TRUE(f.game.KIFU_MODE);
  EXPECT_EQ(f.game.TESUU_MAX, 20);
  EXPECT_EQ(w.record.path, records.string());  // the browser went to its folder
  ASSERT_GE(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, " 読み込みました");
  // What is no regular file is refused as 読込 refuses it, and stays listed.
  ASSERT_EQ(::mkfifo(パス("fifo").c_str(), 0600), 0);
  最近の棋譜_追加(f, パス("fifo"));
  w.dialogs.boxes.clear();
  最近の棋譜_開く(f, 0);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "棋譜ﾌｧｲﾙを読めません\nfifo.棋譜");
  EXPECT_EQ(f.recent.一覧[0], パス("fifo"));
}

TEST_F(RecentTest, AFileThatIsGoneLeavesTheListWithAWord) {
  書く("first");
  書く("gone");
  fs::remove(パス("gone"));
  w.dialogs.boxes.clear();
  const 局面 before = f.pos;
  最近の棋譜_開く(f, 0);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(box_line(w.dialogs.boxes[0]),
            "box 最近の棋譜|gone.棋譜はもうありません。最近の棋譜から外しました|ok");
  EXPECT_EQ(f.recent.一覧, std::vector<std::string>{パス("first")});
  EXPECT_EQ(read_file(dir.path() / "recent"), パス("first") + "\n");
  EXPECT_TRUE(f.pos == before);
  // Past the end of the list nothing happens.
  w.dialogs.boxes.clear();
  最近の棋譜_開く(f, 5);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(RecentTest, WithoutAFolderTheListIsNotWritten) {
  FakeWindow other;
  Form_Load(other.f());
  二十手指す(other);
  最近の棋譜_追加(other.f(), "/some/where.棋譜");
  EXPECT_EQ(other.f().recent.一覧, std::vector<std::string>{"/some/where.棋譜"});
  EXPECT_FALSE(fs::exists("recent"));
  // A name no line can hold is not listed.
  最近の棋譜_追加(other.f(), "/two\nlines.棋譜");
  EXPECT_EQ(other.f().recent.一覧.size(), 1u);
}

}  // namespace
}  // namespace velmora
