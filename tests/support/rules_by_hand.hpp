// The rules of movement written out a second time, plainly and without the
// engine's procedures, so that tests can judge the engine by them: where a
// piece reaches, every legal move and drop of a side, a move played with its
// capture and its mirror move, and random games made of such moves.
#pragma once

#include <cstdlib>
#include <random>
#include <vector>

#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora::testing {

inline bool 盤上(int x, int y) { return 1 <= x && x <= 9 && 1 <= y && y <= 9; }

// Calls to(x2, y2) for every square the piece on (x, y) reaches by its own
// movement, whatever stands there. A ray ends at the first piece it meets;
// with through_king it runs on behind the opposing king, as the influence
// survey counts it.
template <class F>
void 届く桝(const 局面& p, int x, int y, bool through_king, F to) {
  const int c = p.BAN[x][y];
  const int f = c > 0 ? 1 : -1;  // forward: the top side moves down the board
  const int enemy_king = c > 0 ? -OU : OU;
  const auto step = [&](int dx, int dy) {
    if (盤上(x + dx, y + dy)) to(x + dx, y + dy);
  };
  const auto ray = [&](int dx, int dy) {
    for (int tx = x + dx, ty = y + dy; 盤上(tx, ty); tx += dx, ty += dy) {
      to(tx, ty);
      if (p.BAN[tx][ty] != KARA && !(through_king && p.BAN[tx][ty] == enemy_king)) break;
    }
  };
  switch (std::abs(c)) {
    case HU: step(0, f); break;
    case KYOU: ray(0, f); break;
    case KEI: step(-1, 2 * f), step(1, 2 * f); break;
    case GIN: step(0, f), step(-1, f), step(1, f), step(-1, -f), step(1, -f); break;
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI:
    case KIN: step(0, f), step(-1, f), step(1, f), step(0, -f), step(-1, 0), step(1, 0); break;
    case KAKU_NARI: step(0, 1), step(0, -1), step(1, 0), step(-1, 0); [[fallthrough]];
    case KAKU: ray(1, 1), ray(1, -1), ray(-1, 1), ray(-1, -1); break;
    case SYA_NARI: step(1, 1), step(1, -1), step(-1, 1), step(-1, -1); [[fallthrough]];
    case SYA: ray(0, 1), ray(0, -1), ray(1, 0), ray(-1, 0); break;
    case OU:
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if (dx || dy) step(dx, dy);
      break;
  }
}

// A pawn or lance on the last row, a knight on the last two: it could never move again.
inline bool 行き所なし(int c, int y) {
  const int last = c > 0 ? 9 : 1;
  const int a = std::abs(c);
  return ((a == HU || a == KYOU) && y == last) || (a == KEI && std::abs(y - last) <= 1);
}

// Pawn, lance and knight promote entering the far three rows; silver, bishop
// and rook also moving inside them or leaving them.
inline bool 成れる(int c, int y1, int y2) {
  const auto far = [c](int y) { return c > 0 ? y >= 7 : y <= 3; };
  const int a = std::abs(c);
  if (a == HU || a == KYOU || a == KEI) return far(y2);
  return (a == GIN || a == KAKU || a == SYA) && (far(y1) || far(y2));
}

// Every legal move and drop of one side (the top side when top), each
// promotion that may be made and each move that may stay unpromoted. Moves
// that take the king are left out when keep_kings, so that games run on.
inline std::vector<指し手> 合法手(const 局面& p, bool top, bool keep_kings = true) {
  std::vector<指し手> moves;
  const int s = top ? 1 : -1;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = p.BAN[x][y];
      if (c * s < HU) continue;
      届く桝(p, x, y, false, [&](int x2, int y2) {
        const int there = p.BAN[x2][y2] * s;
        if (there >= HU || (keep_kings && there == -OU)) return;
        if (!行き所なし(c, y2)) moves.push_back({x, y, x2, y2, c, c});
        if (成れる(c, y, y2)) moves.push_back({x, y, x2, y2, c, c + s});
      });
    }
  }
  const int codes[8] = {0, 10, 20, 30, 100, 110, 800, 900};
  for (int k = 1; k <= 7; ++k) {
    if ((top ? p.UE_MOTI[k] : p.SITA_MOTI[k]) <= 0) continue;
    for (int x2 = 1; x2 <= 9; ++x2)
      for (int y2 = 1; y2 <= 9; ++y2)
        if (p.BAN[x2][y2] == KARA && !行き所なし(codes[k] * s, y2))
          moves.push_back({top ? UE_DAI : SITA_DAI, top ? k : k + 2, x2, y2, codes[k] * s, codes[k] * s});
  }
  return moves;
}

// The hand slot a captured piece goes to (0 for a king).
inline int 持駒の枠(int code) {
  switch (std::abs(code)) {
    case HU:
    case TO: return 1;
    case KYOU:
    case KYOU_NARI: return 2;
    case KEI:
    case KEI_NARI: return 3;
    case GIN:
    case GIN_NARI: return 4;
    case KIN: return 5;
    case KAKU:
    case KAKU_NARI: return 6;
    case SYA:
    case SYA_NARI: return 7;
    default: return 0;
  }
}

// Plays m on the position: a drop leaves the hand; a board move sends what it
// takes into the mover's hand by its unpromoted kind (a king into none), and
// then the opponent's piece on the point-symmetric square of the source jumps
// to that of the destination, if that square is empty.
inline void 指す(局面& p, const 指し手& m) {
  const bool top = m.placed > 0;
  持駒& hand = top ? p.UE_MOTI : p.SITA_MOTI;
  if (m.x1 == UE_DAI || m.x1 == SITA_DAI) {
    --hand[top ? m.y1 : m.y1 - 2];
    p.BAN[m.x2][m.y2] = m.placed;
  } else {
    if (const int slot = 持駒の枠(p.BAN[m.x2][m.y2])) ++hand[slot];
    p.BAN[m.x1][m.y1] = KARA;
    p.BAN[m.x2][m.y2] = m.placed;
    const int mirror = p.BAN[10 - m.x1][10 - m.y1];
    if ((top ? mirror <= -HU : mirror >= HU) && p.BAN[10 - m.x2][10 - m.y2] == KARA) {
      p.BAN[10 - m.x2][10 - m.y2] = mirror;
      p.BAN[10 - m.x1][10 - m.y1] = KARA;
    }
  }
}

// Plays up to n random moves from the current position, sides alternating,
// starting with the top side when top. Returns the number played.
inline int 乱数で進める(局面& p, std::mt19937& rng, int n, bool top = false) {
  for (int i = 0; i < n; ++i) {
    auto moves = 合法手(p, top);
    if (moves.empty()) return i;
    指す(p, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)]);
    top = !top;
  }
  return n;
}

}  // namespace velmora::testing
