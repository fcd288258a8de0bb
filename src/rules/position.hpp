// The position and everything the rules, the computer and the record share.
//
// All state lives in one plain object: the board `BAN` indexed [x][y] (x the
// column from the left of the drawn board, y the row from the top, 1..9 used,
// index 0 always empty), the hands, the turn values, the influence maps, the
// computer's search snapshots and the per-move record. The window's logic
// (the game layer) derives its state object from this one.
#pragma once

#include <cstdint>

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

// Hand slots 1..7 hold these kinds (index 0 unused).
inline constexpr int 持駒コード[8] = {0, HU, KYOU, KEI, GIN, KIN, KAKU, SYA};

inline constexpr int TEBAN_SENTE = 1;
inline constexpr int TEBAN_GOTE = -1;
inline constexpr int TEBAN_NASI = 0;

inline constexpr int MODE_MAN_MAN = 0;
inline constexpr int MODE_MAN_COM = 1;

inline constexpr int HIDARI_BUTTON = 1;
inline constexpr int MIGI_BUTTON = 2;

// Window geometry in twips.
inline constexpr int BAN_LEFT = 1350;
inline constexpr int BAN_TOP = 100;
inline constexpr int MASU_W = 610;
inline constexpr int MASU_H = 690;

// The record holds snapshots 0..KIFU_T_MAX.
inline constexpr int KIFU_T_MAX = 500;

using 盤面 = int[10][10];

struct EngineState {
  // --- the position ---
  盤面 BAN{};
  int SITA_MOTI[8]{};  // bottom side's hand, slots 1..7
  int UE_MOTI[8]{};    // top side's hand, slots 1..7
  int SITA_MOTI_SU = 0;
  int UE_MOTI_SU = 0;
  int SITA_OU_X = 0, SITA_OU_Y = 0;
  int UE_OU_X = 0, UE_OU_Y = 0;

  // --- turn and game state ---
  int TEBAN = TEBAN_NASI;
  int MAN_TEBAN = -1;
  int COM_TEBAN = 1;
  int TAISEN_MODE = MODE_MAN_MAN;
  int SYOUSYA = 0;
  int TESUU = 0;
  int TESUU_HYOJI = 0;
  int TESUU_MAX = 0;
  int KIFU_MODE = NO;
  int SAIKAI_MSG = NO;
  int HANTEN = NO;
  int HANDE_SETTEI = NO;
  int HANDE_LEVEL = 0;
  int SENTAKU = 0;
  int COM_LEVEL = 3;
  int NARI_KOMA = 0;  // written by 調査_駒成

  // --- influence maps, recomputed by 勢力調査 ---
  盤面 SITA_SEIRYOKU{};
  盤面 UE_SEIRYOKU{};
  盤面 SITA_MAMORI{};
  盤面 UE_MAMORI{};
  盤面 UE_MAMORI_X{};  // not reset by the survey
  盤面 UE_MAMORI_Y{};  // not reset by the survey
  盤面 SITA_TORI{};
  盤面 SITA_TORI_X{};
  盤面 SITA_TORI_Y{};
  盤面 UE_TORI{};
  盤面 UE_TORI_X{};  // not reset by the survey
  盤面 UE_TORI_Y{};  // not reset by the survey
  盤面 SITA_OUTE{};
  盤面 UE_OUTE{};

  // --- escape squares of the bottom king, written by 調査_自王逃道 ---
  盤面 OU_NIGEMITI{};

  // --- the computer's search ---
  double HYOUKA_MAX = 0;
  盤面 BAN_MAE{};
  int SITA_MOTI_MAE[8]{};
  int UE_MOTI_MAE[8]{};
  盤面 SITA_SEIRYOKU_MAE{};
  盤面 UE_SEIRYOKU_MAE{};
  盤面 UE_TORI_X_MAE{};
  盤面 UE_TORI_Y_MAE{};
  int UE_MOTI_SU_MAE = 0;
  int OU_NIGEMITI_MAE = 0;
  int OU_KYORI = 0;
  int KOUHO_KOMA = 0;

  // --- tables of the position probes ---
  盤面 SITA_UGOKENAI{};
  盤面 MOTI_KAKU_NERAI{};
  int UE_UGOKENAI_ARI = NO;

  // --- the record: snapshot t is the position before move t + 1 ---
  int KIFU_BAN[KIFU_T_MAX + 1][10][10]{};
  int KIFU_SITA_MOTI[KIFU_T_MAX + 1][8]{};
  int KIFU_UE_MOTI[KIFU_T_MAX + 1][8]{};
  double KIFU_MAN_JIKAN[KIFU_T_MAX + 1]{};
  double KIFU_MAN_JIKAN2[KIFU_T_MAX + 1]{};
  double KIFU_COM_JIKAN[KIFU_T_MAX + 1]{};
  double KIFU_COM_JIKAN2[KIFU_T_MAX + 1]{};
};

// The state part of a new game: steps 1 and 3 to 5 of 初期設定, and the pick,
// record-mode and resume flags of step 2. The window adds the timer, the
// clocks and the redraw (see 初期設定 in the game layer).
void 局面_初期化(EngineState& s);

// A window point in twips → the cell it lies in, rounding towards minus
// infinity, so points just left of the board give column -1.
int 座標_列(double twips_x);
int 座標_行(double twips_y);

// Top-left corner of cell (x, y) in twips; x and y may be fractional.
double 座標_左(double x);
double 座標_上(double y);

// Which side a code belongs to.
inline bool 上の駒(int code) { return code >= HU; }
inline bool 下の駒(int code) { return code <= -HU; }

// Is code a piece of either side (promoted ones included)?
bool 駒コード(int code);

// Hand slot (1..7) of a captured code of either side, or 0 for a king or no piece.
int 持駒番号(int code);

}  // namespace velmora
