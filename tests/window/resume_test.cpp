// The game kept when the program last ran, offered again at the start: taken
// up exactly, or set aside under a time stamp (the newest three kept); a
// damaged file is set aside with one line and never stops the start.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "game/autosave.hpp"
#include "game/game_support.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "view/drawing.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

// The files beside the kept game that were set aside, oldest first.
std::vector<std::string> 退避(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.starts_with("autosave.")) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ResumeTest : public ::testing::Test {
 protected:
  // A window as the program starts one: its files kept in the working folder.
  std::unique_ptr<FakeWindow> 起動(std::deque<bool> answers = {}) {
    auto w = std::make_unique<FakeWindow>();
    w->canvas.recording = false;
    w->f().settings.保存先 = dir.path().string();
    Form_Load(w->f());
    w->dialogs.answers = std::move(answers);
    前回の対局_確認(w->f());
    return w;
  }
  // Plays a game that is left unfinished, and quits.
  std::unique_ptr<FakeWindow> 途中で終わる() {
    auto w = 起動();
    START_Click(w->f());
    for (int i = 0; i < 6; ++i) 指す(*w, 二十手[i]);
    REPLAY_Click(w->f());
    LEVEL2_Click(w->f());
    Form_Unload(w->f());
    return w;
  }
  std::vector<std::string> 箱(FakeWindow& w) {
    std::vector<std::string> r;
    for (const Box& b : w.dialogs.boxes) r.push_back(box_line(b));
    return r;
  }
  WorkDir dir{"resume"};
};

TEST_F(ResumeTest, YesTakesTheGameUpExactlyAsItWas) {
  const auto before = 途中で終わる();
  ASSERT_TRUE(fs::exists(dir.path() / "autosave"));
  const auto w = 起動({true});
  EXPECT_EQ(箱(*w).back(), "box 前回の対局|前回の対局を続けますか？|yesno=yes");
  const Form1 &a = before->f(), &b = w->f();
  EXPECT_TRUE(a.pos == b.pos);
  EXPECT_EQ(b.game.TESUU, 5);
  EXPECT_EQ(b.game.TESUU_MAX, 6);
  EXPECT_EQ(b.game.COM_LEVEL, 2);
  EXPECT_TRUE(b.game.SAIKAI_MSG);
  EXPECT_EQ(b.game.TEBAN, a.game.TEBAN);
  EXPECT_EQ(b.clock.MAN_JIKAN, a.clock.MAN_JIKAN);
  EXPECT_EQ(b.moves.手, a.moves.手);
  EXPECT_EQ(w->events.lines.back().substr(0, 6), "再開");
  // And it goes on: 進 to the last move, which the step kept.
  AFTER_Click(w->f());
  EXPECT_EQ(w->f().game.TESUU, 6);
  EXPECT_EQ(w->f().pos.BAN, before->f().record[6].BAN);
  EXPECT_TRUE(fs::exists(dir.path() / "autosave"));
  EXPECT_TRUE(退避(dir.path()).empty());
}

TEST_F(ResumeTest, NoSetsItAsideAndTheStartIsAsEver) {
  途中で終わる();
  const auto w = 起動({false});
  EXPECT_EQ(箱(*w).back(), "box 前回の対局|前回の対局を続けますか？|yesno=no");
  EXPECT_EQ(w->f().game.TEBAN, TEBAN_NASI);
  EXPECT_EQ(w->f().game.TESUU, 0);
  const auto aside = 退避(dir.path());
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_TRUE(std::regex_match(aside[0], std::regex(R"(autosave\.\d{8}-\d{6}(-\d)?)"))) << aside[0];
  // What was set aside is the game, whole.
  保存された対局 kept;
  EXPECT_EQ(自動保存_解析(read_file(dir.path() / aside[0]), kept), 自動保存の誤り::なし);
  EXPECT_EQ(kept.game.TESUU, 5);
  // The new start is kept from its first change on.
  START_Click(w->f());
  EXPECT_EQ(自動保存_解析(read_file(dir.path() / "autosave"), kept), 自動保存の誤り::なし);
  EXPECT_EQ(kept.game.TESUU, 0);
}

TEST_F(ResumeTest, TheNewestThreeSetAsideAreKept) {
  for (const char* old : {"autosave.20000101-000000", "autosave.20000102-000000", "autosave.20000103-000000",
                          "autosave.20000104-000000"})
    write_file(dir.path() / old, "x");
  write_file(dir.path() / "autosave.bak", "not ours");
  途中で終わる();
  起動({false});
  const auto aside = 退避(dir.path());
  ASSERT_EQ(aside.size(), 4u);
  EXPECT_EQ(aside[0], "autosave.20000103-000000");
  EXPECT_EQ(aside[1], "autosave.20000104-000000");
  EXPECT_EQ(aside[3], "autosave.bak");  // another name is none of these
}

TEST_F(ResumeTest, ADamagedFileIsSetAsideWithOneLineAndTheStartGoesOn) {
  途中で終わる();
  const std::string good = read_file(dir.path() / "autosave");
  struct Case {
    std::string bytes, reason;
  };
  const Case cases[] = {
      {good.substr(0, good.size() / 2), "前回の対局は壊れています"},
      {good.substr(0, good.size() - 1), "前回の対局は壊れています"},
      {"velmora-autosave 7\n" + good.substr(19), "前回の対局は別の版のものです"},
      {"", "前回の対局は壊れています"},
      {std::string(5 * 1024 * 1024, 'x'), "前回の対局を読めません"},
  };
  for (const Case& c : cases) {
    for (const auto& name : 退避(dir.path())) fs::remove(dir.path() / name);
    write_file(dir.path() / "autosave", c.bytes);
    const auto w = 起動();
    ASSERT_EQ(箱(*w).size(), 1u);
    EXPECT_EQ(箱(*w)[0], "box 前回の対局|" + c.reason + "。別の名前で残して新しく始めます|ok");
    EXPECT_EQ(w->f().game.TEBAN, TEBAN_NASI);
    EXPECT_FALSE(fs::exists(dir.path() / "autosave"));
    const auto aside = 退避(dir.path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(read_file(dir.path() / aside[0]).size(), c.bytes.size());
  }
  // A folder in its place is no game either, and a start past it.
  fs::create_directory(dir.path() / "autosave");
  const auto w = 起動();
  EXPECT_EQ(箱(*w).size(), 1u);
  START_Click(w->f());
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "autosave"));
}

TEST_F(ResumeTest, AFinishedGameOrOneWithoutMovesIsNotOffered) {
  {
    auto w = 起動();
    START_Click(w->f());
    Form_Unload(w->f());
  }
  auto w = 起動();
  EXPECT_TRUE(箱(*w).empty());
  START_Click(w->f());
  指す(*w, 二十手[0]);
  w->dialogs.answers.push_back(true);
  TOURYOU_Click(w->f());
  Form_Unload(w->f());
  w = 起動();
  EXPECT_TRUE(箱(*w).empty());
  EXPECT_EQ(w->f().game.TEBAN, TEBAN_NASI);
  EXPECT_TRUE(退避(dir.path()).empty());
}

// Killed while the computer thought, the game was kept with the computer to
// move: taken up again, it waits as any interrupted game does, and the next
// click on the board lets the computer make its move.
class 思考開始で写す final : public 知らせの受け手 {
 public:
  fs::path from, to;
  void 知らせ(const 対局の知らせ& e) override {
    if (e.種類 == 出来事::思考開始 && !fs::exists(to)) fs::copy_file(from, to);
  }
};

TEST_F(ResumeTest, AGameKeptWhileTheComputerThoughtGoesOnWithItsMove) {
  {
    auto w = 起動();
    思考開始で写す ear;
    ear.from = dir.path() / "autosave";
    ear.to = dir.path() / "thinking";
    w->f().p.events = &ear;
    LEVEL1_Click(w->f());
    SENTE_Click(w->f());
    指す(*w, 二十手[0]);
    w->f().p.events = nullptr;
    ASSERT_TRUE(fs::exists(ear.to));
  }
  fs::rename(dir.path() / "thinking", dir.path() / "autosave");
  const auto w = 起動({true});
  Form1& f = w->f();
  ASSERT_EQ(f.game.TESUU, 1);
  ASSERT_EQ(f.game.TEBAN, f.game.COM_TEBAN);
  w->dialogs.boxes.clear();
  Form_MouseDown(f, HIDARI_BUTTON, 0, 座標_左(5.5), 座標_上(7.5));
  EXPECT_EQ(箱(*w).front(), "box 再開(COM)|OKですか？|ok");
  EXPECT_EQ(f.game.TESUU, 2);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
}

TEST_F(ResumeTest, WithARecordAboutToBeOpenedTheGameIsSetAsideUnasked) {
  途中で終わる();
  auto w = std::make_unique<FakeWindow>();
  w->f().settings.保存先 = dir.path().string();
  Form_Load(w->f());
  前回の対局_確認(w->f(), false);
  EXPECT_TRUE(箱(*w).empty());
  EXPECT_EQ(退避(dir.path()).size(), 1u);
}

TEST_F(ResumeTest, WithoutAFolderNothingIsKeptOrOffered) {
  途中で終わる();
  FakeWindow w;
  Form_Load(w.f());
  前回の対局_確認(w.f());
  START_Click(w.f());
  指す(w, 二十手[0]);
  EXPECT_EQ(箱(w), std::vector<std::string>{"box  |先手の番です|ok"});  // no question
  EXPECT_TRUE(w.f().autosave.パス.empty());
}

}  // namespace
}  // namespace velmora
