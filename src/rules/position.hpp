// The position: the board `BAN` indexed [x][y] (x the column from the left of
// the drawn board, y the row from the top, 1..9 used, index 0 always empty)
// and both hands. Also the piece codes and the small helpers every part of
// the program reads the board with.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

// Results of rule checks and stored flags.
inline constexpr int YES = 1;
inline constexpr int NO = 0;

inline constexpr int KARA = 0;  // empty square
inline constexpr int BAN_MAX = 9;

// Piece codes: top side positive, bottom side negative. Promotion adds 1 to a
// top code and subtracts 1 from a bottom code. The codes double as values.
inline constexpr int HU = 10;
inline constexpr int TO = 11;
inline constexpr int KYOU = 20;
inline constexpr int KYOU_NARI = 21;
inline constexpr int KEI = 30;
inline constexpr int KEI_NARI = 31;
inline constexpr int GIN = 100;
inline constexpr int GIN_NARI = 101;
inline constexpr int KIN = 110;
inline constexpr int KAKU = 800;
inline constexpr int KAKU_NARI = 801;
inline constexpr int SYA = 900;
inline constexpr int SYA_NARI = 901;
inline constexpr int OU = 950;

// Hand slots: SITA_MOTI[MOTI_GIN] is the bottom side's silvers in hand.
inline constexpr int MOTI_HU = 1;
inline constexpr int MOTI_KYOU = 2;
inline constexpr int MOTI_KEI = 3;
inline constexpr int MOTI_GIN = 4;
inline constexpr int MOTI_KIN = 5;
inline constexpr int MOTI_KAKU = 6;
inline constexpr int MOTI_SYA = 7;

// The top side's code of the kind each hand slot holds (index 0 unused).
inline constexpr int 持駒コード[8] = {0, HU, KYOU, KEI, GIN, KIN, KAKU, SYA};

// A drop comes from a stand, written as a square off the board: the bottom
// side's slot k from (SITA_DAI, k + 2), the top side's from (UE_DAI, k).
inline constexpr int SITA_DAI = 11;
inline constexpr int UE_DAI = -1;

using 盤面 = std::array<std::array<int, 10>, 10>;
using 持駒 = std::array<int, 8>;  // a hand: the count of each slot MOTI_HU..MOTI_SYA (index 0 unused)

// A position as a value: copies compare equal, and nothing in it is kept
// twice. The number of pieces in a hand is counted from the hand; where the
// kings stand is the board's to say (the survey keeps where it last found
// them, in the maps).
struct 局面 {
  盤面 BAN{};
  持駒 SITA_MOTI{};  // the bottom side's hand
  持駒 UE_MOTI{};    // the top side's hand

  int SITA_MOTI_SU() const { return 数(SITA_MOTI); }
  int UE_MOTI_SU() const { return 数(UE_MOTI); }
  // A position a game can reach: every square empty or a piece, at most one
  // king a side (none once it is taken), no kind more often on the board and
  // in both hands than the set has it, no hand count below zero.
  bool 整合() const;
  bool operator==(const 局面&) const = default;

 private:
  static constexpr int 数(const 持駒& hand) {
    int n = 0;
    for (int k = 1; k < 8; ++k) n += hand[k];
    return n;
  }
};

// Why a position is none a game can reach ("two kings of one side"), for the
// checks of builds with assertions; empty when it is one.
std::string_view 局面の誤り(const 局面& p);

// The start of a game: the standard setup, both hands empty.
void 局面_初期配置(局面& p);

// Is (x, y) a square of the board?
inline constexpr bool 盤内(int x, int y) { return x >= 1 && x <= BAN_MAX && y >= 1 && y <= BAN_MAX; }
inline constexpr bool 盤内(int v) { return v >= 1 && v <= BAN_MAX; }

// The point-symmetric coordinate: the mirror move of a piece on (x, y) is
// made from (相対位置(x), 相対位置(y)).
inline constexpr int 相対位置(int v) { return 10 - v; }

// Which side a code belongs to: the top side's codes are 10 and above, the
// bottom side's -10 and below; anything between is no piece of either.
inline constexpr bool 上の駒(int code) { return code >= HU; }
inline constexpr bool 下の駒(int code) { return code <= -HU; }
// Do two codes belong to opposite sides?
inline constexpr bool 敵同士(int a, int b) { return (上の駒(a) && 下の駒(b)) || (下の駒(a) && 上の駒(b)); }

// Is code a piece of either side (promoted ones included)?
bool 駒コード(int code);

// Hand slot (1..7) of a captured code of either side, or 0 for a king or no piece.
int 持駒番号(int code);

// Pieces on the board and in both hands together: a real move changes this
// only by taking a king, which goes to no hand.
int 駒の数(const 局面& p);

// Where the king of the side of sign `sign` (-1 the bottom side, 1 the top
// side) stands; false when it is not on the board.
bool 王の升(const 局面& p, int sign, int& x, int& y);

}  // namespace velmora
