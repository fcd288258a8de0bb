// Levels 4 and 5 and the hint: the deep search asked through the thinker,
// at once (as velmora-script and the fakes think) or later (as the window
// does, on a thread of its own), and the game while it waits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/thinker.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "input/record_panel.hpp"
#include "script/fakes.hpp"
#include "support/board.hpp"
#include "support/marks.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"
#include "window/menu.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

// A thinker that thinks elsewhere: it keeps the request, and the test
// answers for it.
struct 後で答える final : Thinker {
  std::vector<思考の依頼> asked;
  int cancels = 0;
  bool think(const 思考の依頼& r, std::optional<指し手>&) override {
    asked.push_back(r);
    return false;
  }
  void cancel() override { ++cancels; }
};

struct ThinkingTest : ::testing::Test {
  testing::WorkDir dir{"thinking"};
  FakeWindow w;
  Form1& f = w.f();

  ThinkingTest() { Form_Load(f); }

  void click(int x, int y, int button = HIDARI_BUTTON) {
    Form_MouseDown(f, button, 0, BAN_LEFT + MASU_W * (x + 0.5), BAN_TOP + MASU_H * (y + 0.5));
  }
  void menu(std::string_view name) { メニュー項目_検索(name)->handler(f); }
  // A game against the computer at `level`, the human first, and the
  // human's first move 7,7-7,6 (its mirror jump drags the top pawn 3,3-3,4).
  void 人間が指す(int level) {
    menu("LEVEL" + std::to_string(level));
    menu("SENTE");
    click(7, 7);
    click(7, 6);
  }
  // The events told since the last call.
  std::vector<std::string> told() {
    std::vector<std::string> out(w.events.lines.begin() + std::ptrdiff_t(seen), w.events.lines.end());
    seen = w.events.lines.size();
    return out;
  }
  std::size_t seen = 0;
  int 音の数(std::string_view name) {
    int n = 0;
    for (const auto& s : w.sound.calls) n += s == name;
    return n;
  }
};

// The position after the human's first move, and the start before it.
局面 最初の一手の後() {
  局面 p;
  局面_初期配置(p);
  const 指し手 m{7, 7, 7, 6, -HU, -HU};
  駒移動(p, m);
  駒移動_相対駒(p, m);
  return p;
}

TEST_F(ThinkingTest, LevelsFourAndFivePlayTheDeepSearchsMoveThroughTheOneMoveProcedure) {
  for (int level : {4, 5}) {
    FakeWindow fw;
    Form1& g = fw.f();
    Form_Load(g);
    メニュー項目_検索(level == 4 ? "LEVEL4" : "LEVEL5")->handler(g);
    メニュー項目_検索("SENTE")->handler(g);
    fw.events.lines.clear();
    fw.sound.calls.clear();
    Form_MouseDown(g, HIDARI_BUTTON, 0, BAN_LEFT + MASU_W * 7.5, BAN_TOP + MASU_H * 7.5);
    Form_MouseDown(g, HIDARI_BUTTON, 0, BAN_LEFT + MASU_W * 7.5, BAN_TOP + MASU_H * 6.5);

    // The search's own answer for the top side, by the fakes' budget, with
    // the start (the bottom side to move) as the game's one earlier position.
    const 局面 asked = 最初の一手の後();
    局面 start;
    局面_初期配置(start);
    const std::uint64_t earlier[] = {局面の鍵(start, -1)};
    深読み設定 limits;
    limits.局面数 = fw.thinker.局面数;
    limits.残り手数 = KIFU_T_MAX - 1;
    深読み器 engine;
    const std::optional<指し手> expected = engine.探す(asked, 1, limits, nullptr, earlier).手;
    ASSERT_TRUE(expected);
    局面 after = asked;
    駒移動(after, *expected);
    駒移動_相対駒(after, *expected);

    EXPECT_EQ(fw.thinker.回数, 1) << "level " << level;
    EXPECT_TRUE(g.pos == after) << "level " << level;
    // Told as every computer move is: it thinks, shows its piece, moves, ends.
    const auto& said = fw.events.lines;
    ASSERT_EQ(said.size(), 7u) << ::testing::PrintToString(said);
    EXPECT_EQ(said[2], "思考開始 side=-1");
    EXPECT_EQ(said[3].find("着手予告 side=-1 "), 0u);
    const std::string move = said[3].substr(said[3].find(' ', said[3].find("side=")));
    EXPECT_EQ(said[4], "指した side=-1" + move);
    EXPECT_EQ(said[5], "思考終了 side=-1" + move);
    EXPECT_EQ(said[6], "手番 side=1");
    // The position before the computer's move is the record's snapshot 1.
    局面 stored;
    盤と持駒_復元(stored, g.record[1]);
    EXPECT_TRUE(stored == asked);
    EXPECT_EQ(g.game.TESUU, 2);
    EXPECT_EQ(g.game.TESUU_MAX, 1);
    EXPECT_EQ(g.moves.手.size(), 2u);
    EXPECT_EQ(g.moves.手[1].手, *expected);
    EXPECT_EQ(g.game.TEBAN, g.game.MAN_TEBAN);
    EXPECT_EQ(fw.sound.calls, (std::vector<std::string>{"KOMAUCHI", "KOMAUCHI"}));
    EXPECT_FALSE(思考を待つ(g));
  }
}

TEST_F(ThinkingTest, LevelsOneToThreeNeverAskTheThinker) {
  for (int level = 1; level <= 3; ++level) {
    FakeWindow fw;
    Form_Load(fw.f());
    メニュー項目_検索("LEVEL" + std::to_string(level))->handler(fw.f());
    メニュー項目_検索("GOTE")->handler(fw.f());
    EXPECT_EQ(fw.f().game.TESUU, 1) << "level " << level;
    EXPECT_EQ(fw.thinker.回数, 0) << "level " << level;
  }
}

TEST_F(ThinkingTest, TheLevelMenuHasFiveRadioItemsAndTheLabelShowsTheLevel) {
  const char* names[] = {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5"};
  for (int level = 1; level <= 5; ++level) {
    menu(names[level - 1]);
    EXPECT_EQ(f.game.COM_LEVEL, level);
    for (int other = 1; other <= 5; ++other)
      EXPECT_EQ(testing::印(f, names[other - 1]), other == level) << level << " " << other;
  }
  // Against the computer the label left of the board names the level.
  menu("SENTE");
  w.canvas.ops.clear();
  menu("LEVEL4");
  const auto texts = testing::文字(w.canvas.ops);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back().text, " 4");
  // A level no item names changes nothing.
  レベル_設定(f, 6);
  レベル_設定(f, 0);
  EXPECT_EQ(f.game.COM_LEVEL, 4);
}

// The window's way: the request goes out, the game waits, and nothing but
// the answer changes the game meanwhile.
TEST_F(ThinkingTest, WhileTheComputerThinksElsewhereNothingChangesTheGame) {
  後で答える thinker;
  f.p.thinker = &thinker;
  f.options.KEIKA = true;
  人間が指す(5);
  ASSERT_EQ(thinker.asked.size(), 1u);
  const 思考の依頼& r = thinker.asked[0];
  EXPECT_EQ(r.side, 1);
  EXPECT_EQ(r.level, 5);
  EXPECT_TRUE(r.pos == f.pos);
  EXPECT_TRUE(r.pos == 最初の一手の後());
  局面 start;
  局面_初期配置(start);
  EXPECT_EQ(r.history, std::vector<std::uint64_t>{局面の鍵(start, -1)});
  EXPECT_EQ(r.残り手数, KIFU_T_MAX - 1);
  EXPECT_TRUE(思考を待つ(f));
  EXPECT_EQ(f.game.TEBAN, f.game.COM_TEBAN);
  EXPECT_TRUE(f.clock.刻む);  // the computer's clock runs while it thinks
  told();

  const 局面 waiting = f.pos;
  const 対局 game = f.game;
  w.sound.calls.clear();
  click(3, 7);
  click(3, 6);
  for (const char* name :
       {"START", "SENTE", "GOTE", "CANCEL", "REVERSE", "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN", "HINT"})
    menu(name);
  棋譜一覧_Click(f, "any.棋譜");
  EXPECT_TRUE(f.pos == waiting);
  EXPECT_EQ(f.game.TESUU, game.TESUU);
  EXPECT_EQ(f.game.TESUU_HYOJI, game.TESUU_HYOJI);
  EXPECT_EQ(f.game.TEBAN, game.TEBAN);
  EXPECT_EQ(f.game.HANDE_LEVEL, game.HANDE_LEVEL);
  EXPECT_EQ(f.game.HANTEN, game.HANTEN);
  EXPECT_TRUE(w.dialogs.boxes.size() == 1u);  // only SENTE's "MANの番です" before the move
  EXPECT_EQ(音の数("KINSHI"), 13);            // two clicks, ten menus and the file: each refused
  EXPECT_TRUE(told().empty());
  EXPECT_EQ(thinker.asked.size(), 1u);
  // What does not change the game goes on: the level, an option, the clock.
  menu("LEVEL3");
  menu("SIDOU");
  EXPECT_EQ(f.game.COM_LEVEL, 3);
  EXPECT_TRUE(f.options.SIDOU_FLAG);
  w.clock.advance(2);
  時計の刻み(f);
  EXPECT_FALSE(told().empty());

  // The answer comes back and is played as the computer's move always is.
  思考の頭脳 brain;
  const std::optional<指し手> m = brain.考える(r, 思考の局面数(r, 5000)).手;
  ASSERT_TRUE(m);
  思考の答え(f, m);
  EXPECT_FALSE(思考を待つ(f));
  const auto said = told();
  ASSERT_EQ(said.size(), 4u) << ::testing::PrintToString(said);
  EXPECT_EQ(said[0].find("着手予告 side=-1 "), 0u);
  EXPECT_EQ(said[1].find("指した side=-1 "), 0u);
  EXPECT_EQ(said[2].find("思考終了 side=-1 "), 0u);
  EXPECT_EQ(said[3], "手番 side=1");
  EXPECT_EQ(f.moves.手.back().手, *m);
  EXPECT_EQ(f.game.TESUU, 2);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  // An answer nobody waits for any more changes nothing.
  const 局面 played = f.pos;
  思考の答え(f, m);
  EXPECT_TRUE(f.pos == played);
  EXPECT_TRUE(told().empty());
}

TEST_F(ThinkingTest, AnAnswerForAnotherPositionIsDropped) {
  後で答える thinker;
  f.p.thinker = &thinker;
  人間が指す(4);
  ASSERT_TRUE(思考を待つ(f));
  // Whatever moved the board meanwhile, the answer was for the other one.
  f.pos.BAN[1][1] = KARA;
  const 局面 moved = f.pos;
  思考の頭脳 brain;
  思考の答え(f, brain.考える(thinker.asked[0], 思考の局面数(thinker.asked[0], 2000)).手);
  EXPECT_TRUE(f.pos == moved);
  EXPECT_FALSE(思考を待つ(f));
  EXPECT_EQ(f.game.TESUU, 1);
}

TEST_F(ThinkingTest, QuittingWhileTheComputerThinksStopsTheThinker) {
  for (const char* how : {"escape", "OWARI", "unload"}) {
    FakeWindow fw;
    Form1& g = fw.f();
    後で答える thinker;
    g.p.thinker = &thinker;
    Form_Load(g);
    メニュー項目_検索("LEVEL5")->handler(g);
    メニュー項目_検索("SENTE")->handler(g);
    Form_MouseDown(g, HIDARI_BUTTON, 0, BAN_LEFT + MASU_W * 7.5, BAN_TOP + MASU_H * 7.5);
    Form_MouseDown(g, HIDARI_BUTTON, 0, BAN_LEFT + MASU_W * 7.5, BAN_TOP + MASU_H * 6.5);
    ASSERT_TRUE(思考を待つ(g));
    if (std::string_view(how) == "escape")
      Form_KeyPress(g, 27);
    else if (std::string_view(how) == "OWARI")
      メニュー項目_検索("OWARI")->handler(g);
    else
      Form_Unload(g);
    EXPECT_EQ(thinker.cancels, 1) << how;
    EXPECT_FALSE(思考を待つ(g)) << how;
    EXPECT_TRUE(fw.desktop.quit_requested) << how;
  }
}

// The squares the board tinted last, with their colours.
std::vector<std::string> 色付き(const std::vector<PaintOp>& ops) {
  std::vector<std::string> out;
  for (const PaintOp& op : ops)
    if (op.kind == PaintOp::Tint)
      out.push_back(std::to_string(座標_列(op.x + 1)) + "," + std::to_string(座標_行(op.y + 1)) + " " +
                    std::to_string(op.id_or_colour));
  return out;
}

TEST_F(ThinkingTest, TheHintMarksLevelFivesMoveAndPlaysNothing) {
  // Two humans; the first player's bishop can take the top king, which a
  // search always does, and its mirror jump drags the top pawn.
  auto s = testing::空の局面({{9, 9, -OU}, {7, 3, OU}, {2, 8, -KAKU}, {8, 2, HU}});
  f.pos = s->pos;
  f.game.MAN_TEBAN = 1;
  f.game.COM_TEBAN = -1;
  f.game.TEBAN = 1;
  f.game.TAISEN_MODE = MODE_MAN_MAN;
  const 局面 before = f.pos;
  w.canvas.ops.clear();
  told();
  menu("HINT");
  const auto said = told();
  ASSERT_EQ(said.size(), 1u) << ::testing::PrintToString(said);
  // Promoted or not, as the search's moves come.
  EXPECT_EQ(said[0].find("ヒント side=1 2,8-7,3 -800>-80"), 0u) << said[0];
  EXPECT_NE(said[0].find(" takes 950 mirror 8,2-3,7 10>10"), std::string::npos) << said[0];
  EXPECT_TRUE(f.pos == before);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TEBAN, 1);
  EXPECT_TRUE(f.moves.手.empty());
  // In the colours of the last move's marks: its squares, then its jump's.
  const std::string move = std::to_string(最終手の色), jump = std::to_string(鏡の手の色);
  EXPECT_EQ(色付き(w.canvas.ops),
            (std::vector<std::string>{"2,8 " + move, "7,3 " + move, "8,2 " + jump, "3,7 " + jump}));
  EXPECT_EQ(f.view.印数, 4);
  // The next move paints the game's own marks instead (none with the option
  // off).
  velmora::指す(f, {9, 9, 9, 8, -OU, -OU});
  EXPECT_EQ(f.view.印数, 0);
}

TEST_F(ThinkingTest, AHintIsRefusedWhenNoHumanIsToMove) {
  const auto hint_refused = [&](const char* why) {
    w.sound.calls.clear();
    told();
    menu("HINT");
    EXPECT_EQ(w.sound.calls, std::vector<std::string>{"KINSHI"}) << why;
    EXPECT_TRUE(told().empty()) << why;
  };
  hint_refused("no game");
  // The computer to move (a game resumed on its turn).
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.TEBAN = f.game.COM_TEBAN;
  hint_refused("the computer's turn");
  f.game.TEBAN = f.game.MAN_TEBAN;
  f.game.KIFU_MODE = true;
  hint_refused("a record looked at");
  f.game.KIFU_MODE = false;
  f.game.SYOUSYA = f.game.MAN_TEBAN;
  hint_refused("a game over");
  f.game.SYOUSYA = 0;
  f.game.TESUU = KIFU_T_MAX;
  hint_refused("the record full");
  f.game.TESUU = 0;
  後で答える thinker;
  f.p.thinker = &thinker;
  menu("HINT");  // thinks elsewhere now
  ASSERT_EQ(thinker.asked.size(), 1u);
  EXPECT_EQ(thinker.asked[0].side, -1);  // the bottom side, the human's
  EXPECT_EQ(thinker.asked[0].level, 5);
  hint_refused("a hint being thought about");
  EXPECT_EQ(thinker.asked.size(), 1u);
  // Its answer marks the move; the game is the human's again.
  思考の頭脳 brain;
  思考の答え(f, brain.考える(thinker.asked[0], 思考の局面数(thinker.asked[0], 2000)).手);
  const auto said = told();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].find("ヒント side=-1 "), 0u);
  EXPECT_FALSE(思考を待つ(f));
}

}  // namespace
}  // namespace velmora
