// 投了 and 新規対局 from the 対局 menu: resigning ends the game as a king
// taken would, for the right side; a new game asks before it throws away a
// game with moves, then starts the same kind of game again.
#include <gtest/gtest.h>

#include "game/autosave.hpp"
#include "game/flow.hpp"
#include "game/game_support.hpp"
#include "input/game_menu.hpp"
#include "support/rules_by_hand.hpp"
#include "window/menu.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

class GameEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(f);
    clear();
  }
  void clear() {
    w.dialogs.boxes.clear();
    w.events.lines.clear();
    w.sound.calls.clear();
  }
  std::vector<std::string> 箱() const {
    std::vector<std::string> r;
    for (const Box& b : w.dialogs.boxes) r.push_back(box_line(b));
    return r;
  }
  // A move of the side to move, as the mouse would make it.
  void 一手() {
    const auto moves = 合法手(f.pos, f.game.TEBAN == f.game.COM_TEBAN);
    ASSERT_FALSE(moves.empty());
    指す(f, moves[moves.size() / 2]);
  }
  bool 投了できる() const { return メニュー項目_検索("TOURYOU")->enabled(f); }
  FakeWindow w;
  Form1& f = w.f();
};

TEST_F(GameEndTest, AgainstTheComputerTheHumanResignsAndTheComputerWins) {
  LEVEL1_Click(f);
  SENTE_Click(f);
  EXPECT_TRUE(投了できる());
  一手();
  ASSERT_EQ(f.game.TESUU, 2);
  const 局面 before = f.pos;
  f.clock.刻む = true;
  clear();
  TOURYOU_Click(f);
  EXPECT_EQ(箱(),
            (std::vector<std::string>{"box 投了|投了しますか？|yesno=yes", "box 終了|ｺﾝﾋﾟｭｰﾀの勝ちです|ok"}));
  EXPECT_EQ(f.game.SYOUSYA, f.game.COM_TEBAN);
  EXPECT_EQ(w.events.lines, std::vector<std::string>{"終局 side=-1 投了"});
  EXPECT_FALSE(f.clock.刻む);
  EXPECT_TRUE(f.pos == before);  // nothing moves
  EXPECT_FALSE(投了できる());
  EXPECT_FALSE(続きのある対局(f.game));  // kept as a finished game: not offered again
  // The board takes no more moves, as after a king taken.
  clear();
  Form_MouseDown(f, HIDARI_BUTTON, 0, 座標_左(5.5), 座標_上(7.5));
  EXPECT_EQ(箱(), std::vector<std::string>{"box 終局|新規に対局してください|ok"});
}

TEST_F(GameEndTest, TheComputerWinsAlsoWhenItIsToMove) {
  LEVEL1_Click(f);
  GOTE_Click(f);  // the computer moves first
  一手();
  REPLAY_Click(f);
  ASSERT_EQ(f.game.TEBAN, f.game.COM_TEBAN);
  clear();
  TOURYOU_Click(f);
  EXPECT_EQ(f.game.SYOUSYA, f.game.COM_TEBAN);
  EXPECT_EQ(w.events.lines, std::vector<std::string>{"終局 side=1 投了"});
}

TEST_F(GameEndTest, BetweenHumansTheSideToMoveResigns) {
  START_Click(f);
  一手();
  一手();
  一手();
  ASSERT_EQ(f.game.TEBAN, TEBAN_GOTE);
  clear();
  TOURYOU_Click(f);  // the second player resigns: the first wins
  EXPECT_EQ(f.game.SYOUSYA, f.game.MAN_TEBAN);
  EXPECT_EQ(箱().back(), "box 終了|先手の勝ちです|ok");
  EXPECT_EQ(w.events.lines, std::vector<std::string>{"終局 side=1 投了"});

  CANCEL_Click(f);
  START_Click(f);
  一手();
  一手();
  clear();
  TOURYOU_Click(f);  // the first player resigns
  EXPECT_EQ(f.game.SYOUSYA, f.game.COM_TEBAN);
  EXPECT_EQ(箱().back(), "box 終了|後手の勝ちです|ok");
}

TEST_F(GameEndTest, ResigningCanBeThoughtBetterOfAndNeedsAGame) {
  START_Click(f);
  一手();
  const 局面 before = f.pos;
  clear();
  w.dialogs.answers.push_back(false);
  TOURYOU_Click(f);
  EXPECT_EQ(箱(), std::vector<std::string>{"box 投了|投了しますか？|yesno=no"});
  EXPECT_EQ(f.game.SYOUSYA, 0);
  EXPECT_TRUE(f.pos == before);
  EXPECT_TRUE(w.events.lines.empty());

  // No game, a finished game, a record being looked at: nothing to resign.
  CANCEL_Click(f);
  EXPECT_FALSE(投了できる());
  clear();
  TOURYOU_Click(f);
  EXPECT_TRUE(箱().empty());
  f.game.TEBAN = TEBAN_SENTE;
  f.game.KIFU_MODE = true;
  EXPECT_FALSE(投了できる());
  TOURYOU_Click(f);
  EXPECT_TRUE(箱().empty());
  EXPECT_EQ(f.game.SYOUSYA, 0);
}

TEST_F(GameEndTest, ANewGameAsksFirstWhenMovesWouldBeLost) {
  LEVEL2_Click(f);
  GOTE_Click(f);
  一手();
  ASSERT_EQ(f.game.TESUU, 3);
  const 局面 before = f.pos;
  clear();
  w.dialogs.answers.push_back(false);
  SHINKI_Click(f);
  EXPECT_EQ(箱(), std::vector<std::string>{"box 新規対局|対局を終了して新しく始めますか？|yesno=no"});
  EXPECT_TRUE(f.pos == before);
  EXPECT_EQ(f.game.TESUU, 3);

  clear();
  SHINKI_Click(f);
  // Asked, then the board set up as 最初 sets it, and the same game again:
  // the computer first, at the same level, its opening move made.
  ASSERT_FALSE(箱().empty());
  EXPECT_EQ(箱()[0], "box 新規対局|対局を終了して新しく始めますか？|yesno=yes");
  EXPECT_EQ(w.events.lines[0], "初期化 side=0");
  EXPECT_EQ(w.sound.calls[0], "KOMAUCHI");
  EXPECT_EQ(f.game.TAISEN_MODE, MODE_MAN_COM);
  EXPECT_EQ(f.game.MAN_TEBAN, TEBAN_GOTE);
  EXPECT_EQ(f.game.COM_LEVEL, 2);
  EXPECT_EQ(f.game.TESUU, 1);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_EQ(f.game.SYOUSYA, 0);
}

TEST_F(GameEndTest, ANewGameWithoutMovesOrAfterTheEndAsksNothing) {
  LEVEL1_Click(f);
  SENTE_Click(f);
  clear();
  SHINKI_Click(f);  // no move made yet
  EXPECT_EQ(箱(), std::vector<std::string>{"box  |MANの番です|ok"});
  EXPECT_EQ(f.game.MAN_TEBAN, TEBAN_SENTE);
  EXPECT_EQ(f.game.TAISEN_MODE, MODE_MAN_COM);
  一手();
  TOURYOU_Click(f);
  clear();
  SHINKI_Click(f);  // a finished game is thrown away without a word
  EXPECT_EQ(箱(), std::vector<std::string>{"box  |MANの番です|ok"});
  EXPECT_EQ(f.game.SYOUSYA, 0);
  EXPECT_EQ(f.game.TESUU, 0);

  // Between two humans, a game between two humans again.
  START_Click(f);
  CANCEL_Click(f);
  START_Click(f);
  一手();
  clear();
  SHINKI_Click(f);
  EXPECT_EQ(箱(), (std::vector<std::string>{"box 新規対局|対局を終了して新しく始めますか？|yesno=yes",
                                            "box  |先手の番です|ok"}));
  EXPECT_EQ(f.game.TAISEN_MODE, MODE_MAN_MAN);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_EQ(f.game.TESUU, 0);
}

}  // namespace
}  // namespace velmora
