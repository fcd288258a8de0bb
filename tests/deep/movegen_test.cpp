#include "deep/movegen.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "deep/board.hpp"
#include "deep/position_text.hpp"
#include "positions.hpp"
#include "slow_rules.hpp"
#include "support/rules_by_hand.hpp"

namespace velmora {
namespace {

using deep::perft;
using deep::手;
using deep::生成;
using deep::盤;

局面 読む(const char* text, int& side) {
  const auto r = deep::局面を読む(text);
  EXPECT_TRUE(r.ok()) << deep::局面文の誤りの説明(r.誤り) << " at line " << r.行;
  side = r.side;
  return r.pos;
}

std::vector<指し手> 速い合法手(const 盤& b, 生成 mode = 生成::全部) {
  手 moves[deep::最大手数];
  const int n = 手を生成(b, mode, moves);
  std::vector<指し手> out;
  for (int i = 0; i < n; ++i) out.push_back(deep::ゲームの手(b, moves[i]));
  return out;
}

// Walks the tree to `depth`, and at every position compares the generator's
// moves with the slow ones, and each move's position with the one the game's
// move procedures make. Returns the leaves, as perft counts them.
std::uint64_t 見比べる(盤& b, const 局面& slow, int side, int depth) {
  if (depth == 0) return 1;
  auto fast_moves = 速い合法手(b);
  auto slow_moves = testing::遅い合法手(slow, side);
  testing::並べる(fast_moves);
  testing::並べる(slow_moves);
  EXPECT_EQ(fast_moves.size(), slow_moves.size());
  for (std::size_t i = 0; i < std::min(fast_moves.size(), slow_moves.size()); ++i)
    if (testing::手の鍵(fast_moves[i]) != testing::手の鍵(slow_moves[i])) {
      ADD_FAILURE() << "first difference: fast " << fast_moves[i].x1 << fast_moves[i].y1 << "-"
                    << fast_moves[i].x2 << fast_moves[i].y2 << " " << fast_moves[i].placed << ", slow "
                    << slow_moves[i].x1 << slow_moves[i].y1 << "-" << slow_moves[i].x2 << slow_moves[i].y2
                    << " " << slow_moves[i].placed;
      return 0;
    }
  if (::testing::Test::HasFailure()) return 0;
  std::uint64_t n = 0;
  手 moves[deep::最大手数];
  const int count = 手を生成(b, 生成::全部, moves);
  for (int i = 0; i < count; ++i) {
    const 指し手 g = deep::ゲームの手(b, moves[i]);
    const 局面 after = testing::遅く指す(slow, g);
    deep::戻す情報 u;
    b.指す(moves[i], u);
    if (!testing::同じ盤(b.局面へ(), after)) {
      ADD_FAILURE() << "the move " << g.x1 << g.y1 << "-" << g.x2 << g.y2 << " " << g.placed
                    << " leaves another position";
      b.戻す(moves[i], u);
      return 0;
    }
    n += 見比べる(b, after, -side, depth - 1);
    b.戻す(moves[i], u);
    if (::testing::Test::HasFailure()) return 0;
  }
  return n;
}

TEST(Perft, TheStartPositionToDepthThreeAsTheGamesOwnRulesCountIt) {
  局面 p;
  局面_初期配置(p);
  盤 b = 盤::局面から(p, -1);
  EXPECT_EQ(perft(b, 1), 30u);
  const std::uint64_t slow = 見比べる(b, p, -1, 3);
  EXPECT_EQ(perft(b, 3), slow);
  EXPECT_EQ(perft(b, 2), testing::遅いperft(p, -1, 2));
}

TEST(Perft, PositionsWithHandsPromotionsAndKingsDraggingEachOther) {
  for (const char* text : {testing::王の鏡_下手番, testing::王の鏡_上手番, testing::王が中央}) {
    int side = 0;
    const 局面 p = 読む(text, side);
    盤 b = 盤::局面から(p, side);
    const std::uint64_t slow = 見比べる(b, p, side, 2);
    EXPECT_EQ(perft(b, 2), slow);
    EXPECT_GT(slow, 0u);
  }
}

TEST(Perft, TheKingsReallyDragEachOtherAndCaptureEachOtherInThoseTrees) {
  // What the positions are there for: the generator met those cases.
  int side = 0;
  const 局面 p = 読む(testing::王の鏡_下手番, side);
  const 局面 after = testing::遅く指す(p, {5, 8, 4, 7, -OU, -OU});
  EXPECT_EQ(after.BAN[6][3], OU);  // the top king jumped from (5, 2)

  const 局面 c = 読む(testing::王が中央, side);
  盤 b = 盤::局面から(c, side);
  deep::戻す情報 u;
  const 手 aside = deep::盤上の手(deep::桝(5, 6), deep::桝(4, 5), false);
  b.指す(aside, u);  // the top king is dragged from (5, 4) to (6, 5)
  EXPECT_EQ(b.玉の桝(deep::上側), deep::桝(6, 5));
  b.戻す(aside, u);
  b.指す(deep::盤上の手(deep::桝(5, 6), deep::桝(5, 5), false), u);  // onto the centre: no jump
  EXPECT_EQ(b.玉の桝(deep::上側), deep::桝(5, 4));
  const auto replies = 速い合法手(b);
  const bool takes_king = std::any_of(replies.begin(), replies.end(), [](const 指し手& m) {
    return m.x1 == 5 && m.y1 == 4 && m.x2 == 5 && m.y2 == 5 && m.moving == OU;
  });
  EXPECT_TRUE(takes_king);
  b.指す(deep::盤上の手(deep::桝(5, 4), deep::桝(5, 5), false), u);
  EXPECT_TRUE(b.終局());
  EXPECT_EQ(perft(b, 1), 0u);  // a game whose king was taken has no moves
}

TEST(Perft, RandomGamesAgreeWithTheSlowRulesTwoMovesDeep) {
  std::mt19937 rng(2024);
  for (int game = 0; game < 6; ++game) {
    局面 p;
    局面_初期配置(p);
    const int played = testing::乱数で進める(p, rng, 40 + 10 * game);
    const int side = played % 2 == 0 ? -1 : 1;
    盤 b = 盤::局面から(p, side);
    見比べる(b, p, side, 2);
  }
}

TEST(Generation, TheSearchLeavesOutOnlyPawnsBishopsAndRooksThatDeclineToPromote) {
  int side = 0;
  std::size_t all_moves = 0, search_moves = 0;
  for (const char* text : {testing::王の鏡_下手番, testing::王の鏡_上手番, testing::王が中央}) {
    const 局面 p = 読む(text, side);
    const 盤 b = 盤::局面から(p, side);
    auto all = 速い合法手(b);
    auto search = 速い合法手(b, 生成::探索);
    auto captures = 速い合法手(b, 生成::取る手);
    std::vector<指し手> expected_search, expected_captures;
    for (const auto& m : all) {
      const int kind = std::abs(m.moving);
      int promoted = 0;
      const bool declines =
          !m.成り() && !m.打ち() && 調査_駒成(m.x1, m.y1, m.x2, m.y2, m.moving, promoted) == YES;
      if (declines && (kind == HU || kind == KAKU || kind == SYA)) continue;
      expected_search.push_back(m);
      const bool capture = !m.打ち() && p.BAN[m.x2][m.y2] != KARA;
      const bool big_promotion = m.成り() && (kind == HU || kind == KAKU || kind == SYA);
      if (capture || big_promotion) expected_captures.push_back(m);
    }
    for (auto* v : {&search, &captures, &expected_search, &expected_captures}) testing::並べる(*v);
    EXPECT_EQ(search.size(), expected_search.size());
    EXPECT_TRUE(std::equal(search.begin(), search.end(), expected_search.begin(), expected_search.end(),
                           [](auto& a, auto& b) { return testing::手の鍵(a) == testing::手の鍵(b); }));
    EXPECT_TRUE(std::equal(captures.begin(), captures.end(), expected_captures.begin(),
                           expected_captures.end(),
                           [](auto& a, auto& b) { return testing::手の鍵(a) == testing::手の鍵(b); }));
    all_moves += all.size();
    search_moves += search.size();
  }
  EXPECT_LT(search_moves, all_moves);
}

TEST(Attacks, ASquareIsAttackedExactlyWhenAPieceOfThatSideCouldMoveThere) {
  // The attack test against the game's legality over random positions: every
  // square, both sides.
  std::mt19937 rng(7);
  for (int game = 0; game < 20; ++game) {
    局面 p;
    局面_初期配置(p);
    testing::乱数で進める(p, rng, 30 + 3 * game);
    const 盤 b = 盤::局面から(p, -1);
    for (int side : {-1, 1})
      for (int x2 = 1; x2 <= 9; ++x2)
        for (int y2 = 1; y2 <= 9; ++y2) {
          bool reaches = false;
          for (int x = 1; x <= 9 && !reaches; ++x)
            for (int y = 1; y <= 9 && !reaches; ++y) {
              const int c = p.BAN[x][y];
              if (side > 0 ? !上の駒(c) : !下の駒(c)) continue;
              // Whatever stands on the target: the legality check refuses
              // one's own piece there, so ask as if it were empty.
              局面 q = p;
              q.BAN[x2][y2] = KARA;
              reaches = 移動チェック(q, x, y, x2, y2, c) == YES;
            }
          EXPECT_EQ(deep::利いている(b, deep::桝(x2, y2), side > 0 ? deep::上側 : deep::下側), reaches)
              << "square " << x2 << "," << y2 << " side " << side;
        }
  }
}

}  // namespace
}  // namespace velmora
