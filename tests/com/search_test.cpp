#include "com/search.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "support/board.hpp"

namespace velmora {
namespace {

using testing::空の局面;

struct 試行 {
  int cap, piece, x1, y1, x2, y2;
  int ue_hu;  // top pawns in hand while the trial is scored
  int board_at_mirror;
};

// A scripted evaluation: scores come from `rule`, every call is remembered.
std::function<double(const 試行&, const 探索の場&)> rule;
std::vector<試行> calls;

double 台本(const 探索の場& s, const 指し手& m, int cap) {
  試行 t{cap,
         m.placed,
         m.x1,
         m.y1,
         m.x2,
         m.y2,
         s.pos.UE_MOTI[1],
         m.x1 >= 1 ? s.pos.BAN[10 - m.x2][10 - m.y2] : 0};
  calls.push_back(t);
  return rule(t, s);
}

struct 数える時計 final : 探索中の時計 {
  int ticks = 0;
  void tick() override { ++ticks; }
};

std::optional<指し手> 探す(testing::試験局面& s, std::function<double(const 試行&, const 探索の場&)> r,
                           数える時計* clock = nullptr) {
  rule = std::move(r);
  calls.clear();
  数える時計 own;
  return 探索(s.場(), clock ? *clock : own, &台本);
}

TEST(Search, EqualScoresGoToTheFirstCandidateInSearchOrder) {
  auto s = 空の局面({{5, 1, OU}, {3, 3, KIN}, {5, 9, -OU}});
  const auto m = 探す(*s, [](const 試行&, const 探索の場&) { return 0.0; });
  ASSERT_TRUE(m);
  EXPECT_EQ(m->x1, 3);
  EXPECT_EQ(m->y1, 3);
  EXPECT_EQ(m->x2, 2);
  EXPECT_EQ(m->y2, 3);
  EXPECT_EQ(m->placed, KIN);
  EXPECT_EQ(s->search.HYOUKA_MAX, 0.0);
  // The last of the equal best moves is never taken; a strictly better one is.
  const auto b = 探す(*s, [](const 試行& t, const 探索の場&) { return t.x1 == 5 ? 0.5 : 0.25; });
  EXPECT_EQ(b->x1, 5);
  EXPECT_EQ(b->x2, 4);
  EXPECT_EQ(b->y2, 1);
  EXPECT_DOUBLE_EQ(s->search.HYOUKA_MAX, 0.5);
}

TEST(Search, TheBoardAndHandsAreAsBeforeAndNoWinnerIsLeft) {
  auto s = testing::初期局面();
  s->pos.BAN[3][3] = KARA;  // a capture with a mirror move becomes possible
  s->pos.BAN[7][7] = KARA;
  s->pos.UE_MOTI[1] = 1;
  const 盤面 before = s->pos.BAN;
  数える時計 clock;
  const auto m = 探す(
      *s, [](const 試行&, const 探索の場&) { return 1.0; }, &clock);
  EXPECT_TRUE(m);
  EXPECT_EQ(before, s->pos.BAN);
  EXPECT_EQ(before, s->search.BAN_MAE);
  EXPECT_EQ(s->pos.UE_MOTI[1], 1);
  EXPECT_EQ(s->pos.SITA_MOTI[1], 0);
  EXPECT_EQ(s->game.SYOUSYA, TEBAN_NASI);
  EXPECT_EQ(s->search.UE_MOTI_SU_MAE, 1);
  EXPECT_EQ(clock.ticks, 9 + 7);  // once per source column and once per kind
}

TEST(Search, AKingCaptureThatBeatsTheBestIsPlayedAtOnce) {
  auto s = 空の局面({{1, 1, SYA}, {1, 5, -OU}, {9, 1, OU}, {9, 5, KIN}});
  const auto m = 探す(*s, [](const 試行& t, const 探索の場&) {
    if (t.cap == -OU) return 1.0;
    return t.x1 == 9 ? 50.0 : 0.0;
  });
  EXPECT_EQ(m->x2, 1);
  EXPECT_EQ(m->y2, 5);
  EXPECT_EQ(calls.size(), 4u);  // (1, 2), (1, 3), (1, 4), then the king
  // A king capture that only equals the best does not stop the search.
  const auto e = 探す(*s, [](const 試行& t, const 探索の場&) { return t.x1 == 9 ? 50.0 : 0.0; });
  EXPECT_EQ(e->x1, 9);
  EXPECT_GT(calls.size(), 4u);
}

TEST(Search, ADropReaching9998StopsTheSearchWhileABoardMoveDoesNot) {
  auto s = 空の局面({{5, 1, OU}, {3, 3, KIN}, {5, 9, -OU}});
  s->pos.UE_MOTI[1] = s->pos.UE_MOTI[5] = 1;
  // Count the board candidates first.
  探す(*s, [](const 試行&, const 探索の場&) { return 0.0; });
  std::size_t board = 0;
  for (const auto& c : calls) board += c.x1 >= 1;
  ASSERT_GT(board, 5u);

  // The first board move reaches 9998: every other board move is still
  // scored, then the first drop scored ends the search without being chosen.
  auto m = 探す(
      *s, [](const 試行& t, const 探索の場&) { return t.x1 == 3 && t.x2 == 2 && t.y2 == 3 ? 9998.0 : 0.0; });
  EXPECT_EQ(calls.size(), board + 1);
  EXPECT_EQ(m->x1, 3);
  EXPECT_EQ(m->x2, 2);

  // The third drop scores 9998 itself and is played.
  int drops = 0;
  m = 探す(*s,
           [&drops](const 試行& t, const 探索の場&) { return t.x1 == -1 && ++drops == 3 ? 9998.5 : 0.0; });
  EXPECT_EQ(calls.size(), board + 3);
  EXPECT_EQ(m->x1, -1);
  EXPECT_EQ(m->y1, 1);  // the kind index
  EXPECT_EQ(m->x2, 1);
  EXPECT_EQ(m->y2, 3);  // pawn drops on column 1 from row 1 on
  EXPECT_EQ(m->placed, HU);
  EXPECT_EQ(m->moving, KIN);  // kept from the board move chosen before
  EXPECT_EQ(calls.back().cap, KARA);
}

TEST(Search, DropsAreTriedOnlyWithPiecesInHand) {
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}});
  数える時計 clock;
  探す(
      *s, [](const 試行& t, const 探索の場&) { return t.x1 == -1 ? 100.0 : 0.0; }, &clock);
  for (const auto& c : calls) EXPECT_GE(c.x1, 1);
  EXPECT_EQ(clock.ticks, 9);
  s->pos.UE_MOTI[5] = 2;
  const auto m = 探す(*s, [](const 試行& t, const 探索の場&) { return t.x1 == -1 ? 100.0 : 0.0; });
  EXPECT_EQ(m->x1, -1);
  EXPECT_EQ(m->y1, 5);
}

TEST(Search, LanceKnightAndSilverPromoteOnlyWhenStrictlyBetterPawnBishopAndRookAlways) {
  // A top silver on (5, 6) stepping to (5, 7) may promote.
  auto s = 空の局面({{5, 1, OU}, {5, 6, GIN}, {1, 9, -OU}});
  const auto score = [](double plain, double promoted) {
    return [=](const 試行& t, const 探索の場&) {
      if (t.x1 != 5 || t.y1 != 6 || t.x2 != 5 || t.y2 != 7) return -1000.0;
      return t.piece == GIN_NARI ? promoted : plain;
    };
  };
  auto m = 探す(*s, score(10, 10));
  EXPECT_EQ(m->placed, GIN);
  EXPECT_EQ(m->moving, GIN);
  m = 探す(*s, score(10, 10.1));
  EXPECT_EQ(m->placed, GIN_NARI);
  EXPECT_DOUBLE_EQ(s->search.HYOUKA_MAX, 10.1);

  // A pawn, a bishop and a rook always promote, keeping the better score,
  // even where the evaluation likes them unpromoted.
  const struct {
    int piece, promoted, x2, y2;
  } always[] = {{HU, TO, 4, 7}, {KAKU, KAKU_NARI, 5, 7}, {SYA, SYA_NARI, 4, 7}};
  for (const auto& a : always) {
    auto p = 空の局面({{5, 1, OU}, {4, 6, a.piece}, {1, 9, -OU}});
    m = 探す(*p, [&](const 試行& t, const 探索の場&) {
      if (t.x1 != 4 || t.y1 != 6 || t.x2 != a.x2 || t.y2 != a.y2) return -1000.0;
      return t.piece == a.promoted ? 3.0 : 7.0;
    });
    ASSERT_TRUE(m) << a.piece;
    EXPECT_EQ(m->x2, a.x2) << a.piece;
    EXPECT_EQ(m->y2, a.y2) << a.piece;
    EXPECT_EQ(m->placed, a.promoted) << a.piece;
    EXPECT_EQ(m->moving, a.piece) << a.piece;
    EXPECT_DOUBLE_EQ(p->search.HYOUKA_MAX, 7.0) << a.piece;
  }

  // A knight going to row 8 must promote: it is scored once, promoted.
  auto n = 空の局面({{5, 1, OU}, {4, 6, KEI}, {1, 9, -OU}});
  m = 探す(*n, [](const 試行& t, const 探索の場&) { return t.x1 == 4 ? 1.0 : -1000.0; });
  int knight = 0;
  for (const auto& c : calls) {
    if (c.x1 != 4) continue;
    ++knight;
    EXPECT_EQ(c.piece, KEI_NARI);
  }
  EXPECT_EQ(knight, 2);
  EXPECT_EQ(m->placed, KEI_NARI);
}

TEST(Search, OnlyMovesThatCannotPromoteAreMadeInFull) {
  // The top pawn on (5, 6) takes a bottom pawn on (5, 7): a promotable move,
  // scored without the capture in hand and without the mirror move. The rook
  // on (1, 4) takes the pawn on (1, 5) in full: the pawn goes into the hand
  // and the bottom pawn on (9, 6) jumps to (9, 5).
  auto s =
      空の局面({{5, 1, OU}, {5, 6, HU}, {5, 7, -HU}, {1, 4, SYA}, {1, 5, -HU}, {9, 6, -HU}, {3, 9, -OU}});
  探す(*s, [](const 試行&, const 探索の場&) { return 0.0; });
  bool saw_pawn = false, saw_rook = false;
  for (const auto& c : calls) {
    if (c.x1 == 5 && c.y1 == 6) {
      saw_pawn = true;
      EXPECT_EQ(c.ue_hu, 0);
      EXPECT_EQ(c.cap, -HU);
    }
    if (c.x1 == 1 && c.y1 == 4 && c.x2 == 1 && c.y2 == 5) {
      saw_rook = true;
      EXPECT_EQ(c.ue_hu, 1);
      EXPECT_EQ(c.board_at_mirror, -HU);  // (9, 5) now holds the mirrored pawn
    }
  }
  EXPECT_TRUE(saw_pawn);
  EXPECT_TRUE(saw_rook);
  EXPECT_EQ(s->pos.UE_MOTI[1], 0);
  EXPECT_EQ(s->pos.BAN[9][6], -HU);
}

TEST(Search, TheEscapeCountIsTakenFromTheMapsBeforeTheSearchsOwnSurvey) {
  auto s = 空の局面({{5, 1, OU}, {5, 5, -OU}});
  // Maps left by an earlier survey cover every neighbour of the bottom king.
  for (int x = 4; x <= 6; ++x)
    for (int y = 4; y <= 6; ++y) s->maps.UE_SEIRYOKU[x][y] = 1;
  s->maps.OU_NIGEMITI[1][1] = 1;
  探す(*s, [](const 試行&, const 探索の場& st) { return static_cast<double>(st.search.OU_KYORI); });
  EXPECT_EQ(s->search.OU_NIGEMITI_MAE, 0);
  EXPECT_EQ(s->maps.OU_NIGEMITI[1][1], KARA);
  EXPECT_EQ(s->search.UE_SEIRYOKU_MAE[5][5], 0);  // the snapshot is of the fresh survey
  EXPECT_EQ(s->search.UE_SEIRYOKU_MAE[5][2], 1);
  // Every candidate is a move of the king on (5, 1), four rows from the bottom king.
  EXPECT_DOUBLE_EQ(s->search.HYOUKA_MAX, 4.0);
}

TEST(Search, WithTheRealEvaluationTheBottomKingIsTaken) {
  // The rook on (9, 5) can take the bottom king on (9, 9) down the file; many
  // other moves come earlier in search order.
  auto s = 空の局面({{5, 1, OU}, {2, 2, KIN}, {3, 1, GIN}, {9, 5, SYA}, {9, 9, -OU}, {4, 9, -KIN}});
  数える時計 clock;
  const auto m = 探索(s->場(), clock);
  EXPECT_EQ(m->x1, 9);
  EXPECT_EQ(m->y1, 5);
  EXPECT_EQ(m->x2, 9);
  EXPECT_EQ(m->y2, 9);
  EXPECT_EQ(s->pos.BAN[9][9], -OU);
  EXPECT_EQ(s->game.SYOUSYA, TEBAN_NASI);
}

TEST(Search, KingSquaresMovedByATrialMirrorMoveAreNotPutBack) {
  // Every move of the top gold on (4, 3) drags the bottom king on (6, 7), its
  // mirror square, in the trial; the next candidate's distance is measured
  // from where the last trial survey found the king.
  auto s = 空の局面({{4, 3, KIN}, {6, 7, -OU}, {9, 1, OU}});
  std::vector<int> distances;
  探す(*s, [&distances](const 試行& t, const 探索の場& st) {
    if (t.x1 == 4) distances.push_back(st.search.OU_KYORI);
    return 0.0;
  });
  // Destinations in order: (3, 3), (3, 4), (4, 2), (4, 4), (5, 3), (5, 4).
  EXPECT_EQ(distances, (std::vector<int>{4, 4, 3, 5, 3, 4}));
  EXPECT_EQ(s->pos.BAN[6][7], -OU);
}

TEST(Search, NoCandidateAtAllIsReported) {
  auto s = 空の局面({{5, 9, -OU}});
  const auto m = 探す(*s, [](const 試行&, const 探索の場&) { return 0.0; });
  EXPECT_FALSE(m.has_value());
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(s->search.HYOUKA_MAX, -99999);
}

#ifndef NDEBUG
// An evaluation that changes the position it is given breaks the search's
// promise to put every trial back; builds with assertions stop there. (A move
// made in full comes back whole from the search's snapshots; the silver's
// moves that may promote put back their two squares only.)
TEST(SearchDeathTest, AnEvaluationThatChangesTheBoardIsCaughtWhenTheTrialIsTakenBack) {
  auto s = 空の局面({{5, 1, OU}, {5, 6, GIN}, {1, 9, -OU}});
  EXPECT_DEATH(
      {
        数える時計 clock;
        探索(s->場(), clock, [](const 探索の場& t, const 指し手&, int) {
          t.pos.BAN[9][9] = -HU;
          return 0.0;
        });
      },
      "left the position changed");
}
#endif

}  // namespace
}  // namespace velmora
