// The moves worked out from the record, by what the window shows of them: the
// last-move texts of 戻 and 進, the move list beside the board, the last move
// marked on the board, and a record file's texts below it.
#include "game/moves.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/game_support.hpp"
#include "game/language.hpp"
#include "game/navigation.hpp"
#include "game/notation.hpp"
#include "input/game_menu.hpp"
#include "support/board.hpp"
#include "view/move_list.hpp"
#include "view/paint_support.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

// The texts still on the window in row `row`, columns c1..c2, left to right
// (shadows left out): a text goes when a picture is painted on the cell it
// starts in.
std::string 見える文字(const std::vector<PaintOp>& ops, int row, int c1, int c2) {
  auto cell = [](const PaintOp& op) {
    return std::pair{int(std::floor(列(op.x) + 1e-9)), int(std::floor(行(op.y) + 1e-9))};
  };
  std::vector<PaintOp> shown;
  for (const auto& op : ops) {
    if (op.kind == PaintOp::Picture)
      std::erase_if(shown, [&](const PaintOp& t) { return cell(t) == cell(op); });
    if (op.kind == PaintOp::Text && op.id_or_colour != IRO_KAGE) shown.push_back(op);
  }
  std::sort(shown.begin(), shown.end(), [](const PaintOp& a, const PaintOp& b) { return a.x < b.x; });
  std::string out;
  for (const auto& t : shown)
    if (cell(t).second == row && cell(t).first >= c1 && cell(t).first <= c2) out += t.text;
  return out;
}

class MovesTest : public ::testing::Test {
 protected:
  void SetUp() override { Form_Load(f); }
  // The last-move texts of the bottom side (right of the board) and the top side.
  std::string 下の手() const { return 見える文字(w.canvas.ops, 2, 12, 14); }
  std::string 上の手() const { return 見える文字(w.canvas.ops, 8, -2, 0); }
  // The move list as lines of text: "7▲同　角", and each mirror jump on its own.
  std::vector<std::string> 一覧() const {
    std::vector<std::string> out;
    for (const auto& l : w.moves.lines) {
      out.push_back(l.number + l.move);
      if (!l.mirror.empty()) out.push_back(l.mirror);
    }
    return out;
  }
  // The top side as the first player, as "後手" sets the sides.
  void 上が先手() {
    人間対局開始(w);
    f.game.MAN_TEBAN = -1;
    f.game.COM_TEBAN = 1;
  }
  FakeWindow w;
  Form1& f = w.f();
};

// The same two positions twice: the bottom side's ７六歩 with the top pawn
// jumping from ３三 to ３四, and the top side's ３四歩 with the bottom pawn
// jumping from ７七 to ７六. Only whose turn it was tells them apart.
TEST_F(MovesTest, StepsNameTheMoveOfTheSideWhoseTurnItWasInItsSlot) {
  for (const bool top_first : {false, true}) {
    SCOPED_TRACE(top_first ? "the top side first" : "the bottom side first");
    FakeWindow w;
    Form_Load(w.f());
    if (top_first) {
      人間対局開始(w);
      w.f().game.MAN_TEBAN = -1;
      w.f().game.COM_TEBAN = 1;
      指す(w, {7, 3, 7, 4, HU, 1});
      指す(w, {5, 7, 5, 6, -HU, 1});
      指す(w, {1, 3, 1, 4, HU, 1});
    } else {
      人間対局開始(w);
      指す(w, {3, 7, 3, 6, -HU, 1});
      指す(w, {5, 3, 5, 4, HU, 1});
      指す(w, {1, 7, 1, 6, -HU, 1});
    }
    for (int i = 0; i < 3; ++i) REPLAY_Click(w.f());
    // Each text taken back went from its own side's slot.
    EXPECT_EQ(見える文字(w.canvas.ops, 2, 12, 14), "");
    EXPECT_EQ(見える文字(w.canvas.ops, 8, -2, 0), "");
    AFTER_Click(w.f());
    EXPECT_EQ(見える文字(w.canvas.ops, 2, 12, 14), top_first ? "" : "７六歩");
    EXPECT_EQ(見える文字(w.canvas.ops, 8, -2, 0), top_first ? "３四歩" : "");
    AFTER_Click(w.f());
    EXPECT_EQ(見える文字(w.canvas.ops, 2, 12, 14), top_first ? "５六歩" : "７六歩");
    // (進 always clears the top side's row, where "思考中" would stand.)
    EXPECT_EQ(見える文字(w.canvas.ops, 8, -2, 0), top_first ? "" : "５四歩");
  }
}

// 戻 erases the text of the move it takes back, not the other side's: after
// the top side's reply is taken back, the bottom side's move still shows.
TEST_F(MovesTest, TakingBackErasesOnlyTheTextOfTheMoveTakenBack) {
  人間対局開始(w);
  指す(w, {3, 7, 3, 6, -HU, 1});
  指す(w, {5, 3, 5, 4, HU, 1});
  REPLAY_Click(f);
  EXPECT_EQ(下の手(), "７六歩");
  REPLAY_Click(f);
  EXPECT_EQ(下の手(), "");
}

// Captures, promotion, drops, the same square again and the mirror jumps, in
// the standard notation, numbered as the counter numbers them.
TEST_F(MovesTest, TheListHasEveryMoveWithItsJumpAndMarksTheCurrentOne) {
  二十手指す(w);
  const std::vector<std::string> head = {
      "開始局面",   "1▲７六歩", "　鏡 △３三歩→３四", "2△７四歩",   "　鏡 ▲３七歩→３六",
      "3▲２二角成", "4△同　銀", "　鏡 ▲７九銀→８八", "5▲５五角打", "6△５四角打",
      "7▲同　角",   "8△同　歩", "　鏡 ▲５七歩→５六"};
  const auto lines = 一覧();
  ASSERT_GE(lines.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
  EXPECT_EQ(w.moves.lines.size(), 21u);
  EXPECT_EQ(w.moves.current, 20);
  // Stepping moves the mark, not the list.
  REPLAY_Click(f);
  REPLAY_Click(f);
  EXPECT_EQ(w.moves.current, 18);
  AFTER_Click(f);
  EXPECT_EQ(w.moves.current, 19);
  EXPECT_EQ(w.moves.lines.size(), 21u);  // the live twentieth move was kept when the steps left it
  // Starting again empties it; a reversal starts a new record, numbered on.
  REVERSE_Click(f);
  EXPECT_EQ(一覧(), std::vector<std::string>{"開始局面"});
  int x = 1;
  while (x < 9 && !(f.pos.BAN[x][7] == -HU && f.pos.BAN[x][6] == KARA)) ++x;
  ASSERT_EQ(f.pos.BAN[x][7], -HU);
  指す(w, {x, 7, x, 6, -HU, 1});
  EXPECT_EQ(w.moves.lines.back().number, "20");
  CANCEL_Click(f);
  EXPECT_TRUE(w.moves.lines.empty());
  EXPECT_EQ(w.moves.current, -1);
}

// In a translation the same moves in the Western notation, the mirror jumps
// under them as the catalogue words them.
TEST_F(MovesTest, InEnglishTheListIsInTheWesternNotation) {
  ASSERT_TRUE(言語_設定(f.lang, {"en"}));
  二十手指す(w);
  EXPECT_EQ(一覧(),
            (std::vector<std::string>{
                "Start",    "1▲P-7f",           "  mirror △P3c-3d", "2△P-7d",           "  mirror ▲P3g-3f",
                "3▲Bx2b+",  "4△Sx2b",           "  mirror ▲S7i-8h", "5▲B*5e",           "6△B*5d",
                "7▲Bx5d",   "8△Px5d",           "  mirror ▲P5g-5f", "9▲P-9f",           "  mirror △P1c-1d",
                "10△P-9d",  "  mirror ▲P1g-1f", "11▲P-9e",          "  mirror △P1d-1e", "12△Px9e",
                "13▲Lx9e",  "14△P*9d",          "15▲Lx9d",          "16△N-9c",          "  mirror ▲N2i-1g",
                "17▲Lx9c+", "18△Lx9c",          "19▲N*8e",          "20△L-9g=",         "  mirror ▲N1g-1c"}));
}

// Against the computer the list follows its moves too.
TEST_F(MovesTest, TheComputersMoveJoinsTheList) {
  SENTE_Click(f);
  EXPECT_EQ(一覧(), std::vector<std::string>{"開始局面"});
  w.clock.advance(2);
  指す(w, {3, 7, 3, 6, -HU, 2});
  ASSERT_EQ(w.moves.lines.size(), 3u);
  EXPECT_EQ(w.moves.lines[2].move.substr(0, 3), "△");
  EXPECT_EQ(w.moves.current, 2);
}

// 対局(COM) → 先手 in the middle of a game goes on with the same game: the
// list keeps every move played, the newest one marked, and the game's next
// move joins it; the last move's text stays where it was.
TEST_F(MovesTest, StartingAgainstTheComputerMidGameKeepsTheList) {
  SENTE_Click(f);
  指す(w, {3, 7, 3, 6, -HU, 2});
  指す(w, {1, 7, 1, 6, -HU, 2});
  const auto before = 一覧();
  ASSERT_EQ(w.moves.lines.size(), 5u);
  SENTE_Click(f);
  EXPECT_EQ(一覧(), before);
  EXPECT_EQ(w.moves.current, 4);
  EXPECT_EQ(下の手(), "９六歩");
  指す(w, {5, 7, 5, 6, -HU, 2});
  const auto after = 一覧();
  EXPECT_EQ(w.moves.lines.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + before.size()), before);
  // And so after 戻: the moves the record still holds stay in the list.
  REPLAY_Click(f);
  REPLAY_Click(f);
  SENTE_Click(f);
  EXPECT_EQ(一覧(), before);
  EXPECT_EQ(w.moves.current, 4);
}

// The texts beside the board name a piece as the list does: a promoted one
// by its own name (馬, 龍, 成香), not as the piece it was and 成; in English
// by its letter. The computer's move that takes the king is shown as well.
TEST_F(MovesTest, TheLastMoveTextsNamePromotedPiecesAsTheListDoes) {
  for (const bool english : {false, true}) {
    SCOPED_TRACE(english ? "English" : "Japanese");
    FakeWindow w;
    Form1& f = w.f();
    Form_Load(f);
    if (english) {
      ASSERT_TRUE(言語_設定(f.lang, {"en"}));
    }
    人間対局開始(w);
    指す(w, {3, 7, 3, 6, -HU, 1});
    指す(w, {3, 3, 3, 4, HU, 1});
    指す(w, {2, 8, 8, 2, -KAKU_NARI, 1});
    EXPECT_EQ(見える文字(w.canvas.ops, 2, 12, 14), english ? "+B to 2b" : "２二馬");
    // The rook up the cleared second column, promoting.
    f.pos.BAN[8][7] = KARA;
    f.pos.BAN[8][3] = KARA;
    指す(w, {7, 1, 8, 2, GIN, 1});
    指す(w, {8, 8, 8, 3, -SYA_NARI, 1});
    EXPECT_EQ(見える文字(w.canvas.ops, 2, 12, 14), english ? "+R to 2c" : "２三龍");
    EXPECT_EQ(w.moves.lines.back().move, english ? "▲R-2c+" : "▲２三飛成");
  }
  auto s = 空の局面({{5, 9, -OU}, {5, 1, OU}, {5, 5, SYA}});
  f.pos = s->pos;
  f.game.MAN_TEBAN = -1;
  f.game.COM_TEBAN = 1;
  f.game.TEBAN = 1;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  com_ban(f);
  ASSERT_EQ(f.game.SYOUSYA, 1);
  const std::string taken = 上の手();
  EXPECT_TRUE(taken == "５九飛" || taken == "５九龍") << taken;
}

// 不成, and which of two pieces moved: by the way it went, by where it stood
// as its own player sees the board, or straight ahead.
TEST(Notation, DeclinedPromotionAndTheTwinPiecesMarks) {
  struct Case {
    std::vector<std::pair<std::pair<int, int>, int>> pieces;  // square, code
    指し手 move;
    bool bottom;
    std::string text, western;
  };
  const Case cases[] = {
      {{{{3, 4}, -GIN}}, {3, 4, 3, 3, -GIN, -GIN}, true, "▲７三銀不成", "▲S-7c="},
      {{{{4, 9}, -KIN}, {{6, 9}, -KIN}}, {6, 9, 5, 8, -KIN, -KIN}, true, "▲５八金右", "▲G4i-5h"},
      {{{{4, 9}, -KIN}, {{6, 9}, -KIN}}, {4, 9, 5, 8, -KIN, -KIN}, true, "▲５八金左", "▲G6i-5h"},
      {{{{5, 9}, -KIN}, {{6, 9}, -KIN}}, {5, 9, 5, 8, -KIN, -KIN}, true, "▲５八金直", "▲G5i-5h"},
      {{{{5, 9}, -KIN}, {{4, 8}, -KIN}}, {4, 8, 5, 8, -KIN, -KIN}, true, "▲５八金寄", "▲G6h-5h"},
      {{{{5, 9}, -KIN}, {{4, 8}, -KIN}}, {5, 9, 5, 8, -KIN, -KIN}, true, "▲５八金上", "▲G5i-5h"},
      {{{{4, 7}, -GIN}, {{4, 9}, -GIN}}, {4, 7, 5, 8, -GIN, -GIN}, true, "▲５八銀引", "▲S6g-5h"},
      {{{{4, 7}, -GIN}, {{4, 9}, -GIN}}, {4, 9, 5, 8, -GIN, -GIN}, true, "▲５八銀上", "▲S6i-5h"},
      // The top side's right is the bottom side's left.
      {{{{6, 1}, KIN}, {{4, 1}, KIN}}, {4, 1, 5, 2, KIN, KIN}, false, "△５二金右", "△G6a-5b"},
      // One piece of its kind needs no square it came from; a promoted one its "+".
      {{{{4, 8}, -KIN}, {{5, 9}, -GIN}}, {4, 8, 5, 8, -KIN, -KIN}, true, "▲５八金", "▲G-5h"},
      {{{{5, 5}, -KAKU_NARI}}, {5, 5, 5, 4, -KAKU_NARI, -KAKU_NARI}, true, "▲５四馬", "▲+B-5d"},
  };
  for (const Case& c : cases) {
    棋譜局面 before;
    for (const auto& [sq, code] : c.pieces) before.BAN[sq.first][sq.second] = code;
    棋譜局面 after = before;
    after.BAN[c.move.x1][c.move.y1] = KARA;
    after.BAN[c.move.x2][c.move.y2] = c.move.placed;
    const 棋譜の手 m = 割出し_指し手(before, after, c.bottom);
    ASSERT_TRUE(m.分かる) << c.text;
    EXPECT_EQ(表記_日本式(m, c.bottom), c.text);
    EXPECT_EQ(表記_西洋式(m, c.bottom), c.western);
    // Taken for the other side's move, it is none.
    EXPECT_FALSE(割出し_指し手(before, after, !c.bottom).分かる);
  }
}

// No piece is ever dropped promoted: a promoted piece that comes out of a
// hand is no move either side can make, and reads "？" as every move that
// cannot be worked out; its unpromoted kind is a drop.
TEST(Notation, APromotedPieceIsNeverDropped) {
  const std::pair<int, int> kinds[] = {{HU, TO},        {KYOU, KYOU_NARI}, {KEI, KEI_NARI},
                                       {GIN, GIN_NARI}, {KAKU, KAKU_NARI}, {SYA, SYA_NARI}};
  for (const bool bottom : {true, false}) {
    for (const auto& [plain, promoted] : kinds) {
      const int sign = bottom ? -1 : 1;
      棋譜局面 before;
      (bottom ? before.SITA_MOTI : before.UE_MOTI)[持駒番号(plain)] = 1;
      棋譜局面 after;
      after.BAN[5][5] = sign * promoted;
      const 棋譜の手 m = 割出し_指し手(before, after, bottom);
      EXPECT_FALSE(m.分かる) << promoted;
      EXPECT_TRUE(表記_日本式(m, true).ends_with("？")) << 表記_日本式(m, true);
      EXPECT_TRUE(表記_西洋式(m, true).ends_with(" (?)")) << 表記_西洋式(m, true);
      after.BAN[5][5] = sign * plain;
      EXPECT_TRUE(割出し_指し手(before, after, bottom).分かる) << plain;
    }
  }
  棋譜局面 before, after;
  before.SITA_MOTI[MOTI_HU] = 1;
  after.BAN[5][5] = -TO;
  EXPECT_EQ(表記_日本式(割出し_指し手(before, after, true), true), "▲５五と？");
  EXPECT_EQ(表記_西洋式(割出し_指し手(before, after, true), true), "▲+P5e (?)");
}

// 進 onto a position that no move of the side to move leads to (an identical
// snapshot, a piece from nowhere) names no move: the slot of that side is
// cleared, where a zero column used to be read as the pawn's code ("歩",
// "to P") or the first changed square shown as if it were the move.
// A move the record cannot explain (a record read from a file whose snapshot
// no move leads to: the same as the one before, a piece out of nowhere) has
// no text beside the board when 進 steps onto it.
TEST_F(MovesTest, AStepThatNoMoveExplainsShowsNoMoveText) {
  for (const bool english : {false, true}) {
    for (const bool identical : {true, false}) {
      FakeWindow w;
      Form1& f = w.f();
      Form_Load(f);
      if (english) {
        ASSERT_TRUE(言語_設定(f.lang, {"en"}));
      }
      人間対局開始(w);
      指す(w, {3, 7, 3, 6, -HU, 1});
      指す(w, {5, 3, 5, 4, HU, 1});
      指す(w, {1, 7, 1, 6, -HU, 1});
      // Snapshot 2 follows the top side's move: made the same as snapshot 1,
      // or with two top pawns moved at once; the move is worked out again as
      // a record read from a file has it.
      f.record[2] = f.record[1];
      if (!identical) {
        std::swap(f.record[2].BAN[9][3], f.record[2].BAN[9][4]);
        std::swap(f.record[2].BAN[1][3], f.record[2].BAN[1][4]);
      }
      f.moves.手[1] = 割出し_指し手(f.record[1], f.record[2], false);
      ASSERT_FALSE(f.moves.手[1].分かる);
      for (int i = 0; i < 3; ++i) REPLAY_Click(f);
      AFTER_Click(f);
      AFTER_Click(f);
      EXPECT_EQ(見える文字(w.canvas.ops, 8, -2, 0), "") << english << identical;
      EXPECT_EQ(見える文字(w.canvas.ops, 2, 12, 14), english ? "P to 7f" : "７六歩") << english << identical;
    }
  }
}

// A record file does not say who moved first: a capture by the bottom side
// on move 2 makes move 1 the top side's, shown in the top side's slot and
// marked ▲ in the list. The title and the bottom player stand in the free
// row below the board, which starting a game clears; 戻 from the first move
// comes back to the position the record starts from.
TEST_F(MovesTest, ALoadedRecordKnowsItsSidesAndKeepsItsTextsOffTheBoard) {
  const auto dir = 作業場所("moves-loaded");
  上が先手();
  指す(w, {7, 3, 7, 4, HU, 1});          // ３四歩, the bottom pawn jumps to ７六
  指す(w, {2, 8, 8, 2, -KAKU_NARI, 1});  // takes the bishop and promotes
  指す(w, {7, 1, 8, 2, GIN, 1});         // takes back
  保存(w, dir, "top-first", "練習対局", "山田", "田中");

  FakeWindow r;
  Form_Load(r.f());
  r.record.path = dir.string();
  棋譜一覧_Click(r.f(), "top-first.棋譜");
  EXPECT_EQ(見える文字(r.canvas.ops, 10, -3, 15), "練習対局田中");
  EXPECT_EQ(見える文字(r.canvas.ops, 9, -3, 15).find("田中"), std::string::npos);
  ASSERT_GE(r.moves.lines.size(), 3u);
  EXPECT_EQ(r.moves.lines[1].move, "▲３四歩");
  EXPECT_EQ(r.moves.lines[2].move, "△２二角成");
  AFTER_Click(r.f());
  EXPECT_EQ(見える文字(r.canvas.ops, 8, -2, 0), "３四歩");
  EXPECT_EQ(見える文字(r.canvas.ops, 2, 12, 14), "");
  REPLAY_Click(r.f());
  EXPECT_EQ(r.f().pos.BAN[3][7], -HU);
  EXPECT_EQ(r.f().pos.BAN[7][3], HU);
  SENTE_Click(r.f());
  EXPECT_EQ(見える文字(r.canvas.ops, 10, -3, 15), "");
}

// With 最終手表示 on, the squares of the last move are tinted, its mirror
// jump's in another tint, after every move and step; off, the marks go.
TEST_F(MovesTest, TheLastMoveIsMarkedOnTheBoardWhenTheOptionIsOn) {
  auto tints = [&] {
    std::vector<std::string> out;
    for (const auto& op : 種類(w.canvas.ops, PaintOp::Tint))
      out.push_back(std::to_string(op.id_or_colour) + "@" + std::to_string(int(列(op.x))) + "," +
                    std::to_string(int(行(op.y))));
    w.canvas.ops.clear();
    return out;
  };
  人間対局開始(w);
  指す(w, {3, 7, 3, 6, -HU, 1});
  EXPECT_TRUE(tints().empty());  // off by default
  SAISYUTE_Click(f);
  EXPECT_EQ(tints(), (std::vector<std::string>{"14@3,7", "14@3,6", "11@7,3", "11@7,4"}));
  指す(w, {8, 3, 8, 4, HU, 1});  // ２四歩, its jump from ８七 to ８六
  const auto marks = tints();
  EXPECT_EQ(marks, (std::vector<std::string>{"14@8,3", "14@8,4", "11@2,7", "11@2,6"}));
  REPLAY_Click(f);
  EXPECT_EQ(tints(), (std::vector<std::string>{"14@3,7", "14@3,6", "11@7,3", "11@7,4"}));
  // Turned off, each marked square is painted again as it stands.
  SAISYUTE_Click(f);
  EXPECT_TRUE(tints().empty());
  EXPECT_EQ(f.view.印数, 0);
  w.canvas.ops.clear();
  SAISYUTE_Click(f);
  SAISYUTE_Click(f);
  EXPECT_EQ(絵の列(w.canvas.ops, 7, 4), std::vector<int>{HU});
}

}  // namespace
}  // namespace velmora
