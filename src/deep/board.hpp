// The deep search's own position: a padded mailbox board, both hands, the
// side to move, both king squares, a Zobrist key and the material and
// piece-square sum, all kept up to date by making and unmaking a move (its
// capture and its mirror jump included) so that unmaking restores them exactly.
#pragma once

#include <array>
#include <cstdint>

#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora::deep {

// Sides: the bottom side (negative codes, moving up the board) and the top side.
inline constexpr int 下側 = 0;
inline constexpr int 上側 = 1;

// Kinds. Promotion sets bit 3 (pawn..rook); the kind in hand is the low three bits.
enum : std::uint8_t {
  空 = 0,
  歩 = 1,
  香 = 2,
  桂 = 3,
  銀 = 4,
  角 = 5,
  飛 = 6,
  金 = 7,
  玉 = 8,
  と = 9,
  成香 = 10,
  成桂 = 11,
  成銀 = 12,
  馬 = 13,
  竜 = 14,
};
inline constexpr int 種類数 = 15;
inline constexpr int 持駒種類数 = 8;  // hand kinds 歩..金, index 0 unused

// A square's content: 0 empty, side * 16 + kind for a piece, or a wall.
using 駒 = std::uint8_t;
inline constexpr 駒 壁 = 64;
inline constexpr int 駒数 = 32;
inline constexpr 駒 駒を作る(int side, int kind) { return static_cast<駒>(side * 16 + kind); }
inline constexpr int 駒の側(駒 p) { return p >> 4; }
inline constexpr int 駒の種類(駒 p) { return p & 15; }
inline constexpr bool 駒か(駒 p) { return p != 空 && p != 壁; }
inline constexpr bool 成れる種類(int kind) { return kind >= 歩 && kind <= 飛; }
inline constexpr int 成った種類(int kind) { return kind | 8; }
// The kind a captured piece goes into the hand as (0 for a king).
inline constexpr int 持駒の種類(int kind) { return kind == 玉 ? 0 : (kind & 8 ? kind & 7 : kind); }

// Squares: the board with a wall of one column on each side and two rows
// above and below (a knight's jump), 11 columns by 13 rows. Column x (1..9 on
// the board) and row y (1..9) of the game are the same here.
inline constexpr int 幅 = 11;
inline constexpr int 桝数 = 幅 * 13;
inline constexpr int 桝(int x, int y) { return (y + 1) * 幅 + x; }
inline constexpr int 桝の列(int s) { return s % 幅; }
inline constexpr int 桝の行(int s) { return s / 幅 - 1; }
// The point-symmetric square, where the mirror move is made from and to.
inline constexpr int 鏡の桝(int s) { return 桝(10, 10) + 桝(0, 0) - s; }

// A move in 32 bits: destination, source (0 for a drop), promotion, and the
// dropped kind. Zero is no move.
using 手 = std::uint32_t;
inline constexpr 手 手なし = 0;
inline constexpr 手 盤上の手(int from, int to, bool promote) {
  return static_cast<手>(to | from << 8 | (promote ? 1u << 16 : 0u));
}
inline constexpr 手 打つ手(int kind, int to) { return static_cast<手>(to | kind << 17); }
inline constexpr int 手の先(手 m) { return m & 0xff; }
inline constexpr int 手の元(手 m) { return (m >> 8) & 0xff; }
inline constexpr bool 手の成(手 m) { return (m >> 16) & 1; }
inline constexpr bool 手の打(手 m) { return 手の元(m) == 0; }
inline constexpr int 打つ種類(手 m) { return (m >> 17) & 7; }

// What unmaking a move needs besides the move.
struct 戻す情報 {
  std::uint64_t key;
  std::int32_t material;
  駒 captured;
  bool jumped;  // the mirror move was made
};

// The value of each kind on the board and in hand (in the deep search's
// units), and the piece-square terms, from the owner's side of the board.
struct 駒の価値 {
  std::int16_t 盤上[種類数];
  std::int16_t 持駒[持駒種類数];
  std::int16_t 位置[種類数][桝数];  // indexed by the square as the bottom side sees it
};
const 駒の価値& 標準の駒の価値();

class 盤 {
 public:
  // An empty board, the bottom side to move; the values are the standard
  // ones unless given (they must outlive the board).
  explicit 盤(const 駒の価値* values = nullptr);
  // The game's position with `side` to move (-1 the bottom side, 1 the top side).
  static 盤 局面から(const 局面& p, int side, const 駒の価値* values = nullptr);
  // The game's position (board and hands with their totals; the king squares where they stand).
  局面 局面へ() const;

  駒 at(int s) const { return sq_[s]; }
  int 持駒(int side, int kind) const { return hand_[side][kind]; }
  int 手番() const { return side_; }
  int 玉の桝(int side) const { return king_[side]; }  // 0 when the king is gone
  std::uint64_t key() const { return key_; }
  // Material and piece squares, from the bottom side's view.
  int material() const { return material_; }
  // A king is missing: the game is over, nothing may be played.
  bool 終局() const { return king_[0] == 0 || king_[1] == 0; }

  void 指す(手 m, 戻す情報& u);
  void 戻す(手 m, const 戻す情報& u);
  // Passing: only the side to move changes (the null move of the search).
  void パス() { side_ ^= 1, key_ ^= 手番の鍵(); }

  // The key and the sum worked out again from nothing, to check the running ones.
  std::uint64_t 鍵を数え直す() const;
  int 評価を数え直す() const;
  bool operator==(const 盤& o) const;

  static std::uint64_t 手番の鍵();

 private:
  void 置く(int s, 駒 p);
  void 取る(int s);
  void 持駒を増やす(int side, int kind);
  void 持駒を減らす(int side, int kind);

  std::array<駒, 桝数> sq_{};
  std::uint8_t hand_[2][持駒種類数]{};
  std::uint8_t king_[2]{};
  int side_ = 下側;
  std::uint64_t key_ = 0;
  std::int32_t material_ = 0;
  const 駒の価値* values_;
};

// The game's code of a piece, and the piece of a game's code (0 for none).
int 駒のコード(駒 p);
駒 コードの駒(int code);
// The game's hand slot (MOTI_HU..MOTI_SYA) of a hand kind, and the kind of a slot.
int 持駒の枠(int kind);
int 枠の種類(int slot);

// The game's move for a move on this board (before it is made).
指し手 ゲームの手(const 盤& b, 手 m);

}  // namespace velmora::deep
