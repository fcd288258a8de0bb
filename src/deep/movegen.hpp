// Moves on the deep search's board, exactly as the game lets a player make
// them: every move a piece's movement allows (two pawns on a file, a mating
// pawn drop and a move into check included), promoted where the piece may
// promote and unpromoted unless it could never move again, and every drop
// but a pawn or lance on the far row and a knight on the far two. A game
// whose king was taken has no moves.
#pragma once

#include <cstdint>

#include "deep/board.hpp"

namespace velmora::deep {

// More than any position can have.
inline constexpr int 最大手数 = 1024;

enum class 生成 {
  全部,    // every move the game allows
  探索,    // the same without a pawn, bishop or rook declining a promotion, which never gains
  取る手,  // captures (as 探索) and the promotions of pawns, bishops and rooks that capture nothing
};

// Writes the side to move's moves to out (room for 最大手数) and returns how many.
int 手を生成(const 盤& b, 生成 mode, 手* out);

// The moves that might answer a check to the side to move's king (as 探索):
// every board move, and drops only between the king and a single checking
// slider that stands off. Whether each really answers it is the caller's test.
int 王手を避ける手を生成(const 盤& b, 手* out);

// Does a piece of `side` reach square s?
bool 利いている(const 盤& b, int s, int side);
// Is the side to move's king attacked (and its opponent could take it)?
inline bool 王手されている(const 盤& b) {
  const int k = b.玉の桝(b.手番());
  return k != 0 && 利いている(b, k, b.手番() ^ 1);
}
// Can the side to move take the opposing king?
inline bool 玉を取れる(const 盤& b) {
  const int k = b.玉の桝(b.手番() ^ 1);
  return k != 0 && 利いている(b, k, b.手番());
}

// Is m one of the side to move's moves (as 全部 generates them)?
bool 合法か(const 盤& b, 手 m);

// Counts the leaf positions `depth` moves ahead.
std::uint64_t perft(盤& b, int depth);

}  // namespace velmora::deep
