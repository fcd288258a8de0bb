// The position: the board `BAN` indexed [x][y] (x the column from the left of
// the drawn board, y the row from the top, 1..9 used, index 0 always empty),
// both hands with their totals, and where the two kings stand. Also the piece
// codes and the small helpers every part of the program reads the board with.
#pragma once

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

using 盤面 = int[10][10];

struct 局面 {
  盤面 BAN{};
  int SITA_MOTI[8]{};  // the bottom side's hand, slots MOTI_HU..MOTI_SYA
  int UE_MOTI[8]{};    // the top side's hand
  int SITA_MOTI_SU = 0;
  int UE_MOTI_SU = 0;
  int SITA_OU_X = 0, SITA_OU_Y = 0;  // where the survey last found each king
  int UE_OU_X = 0, UE_OU_Y = 0;
};

// The start of a game: the standard setup, both hands empty. The king squares
// are left for the next survey.
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

}  // namespace velmora
