// What the computer's search keeps besides the position and the maps: the
// snapshots it takes before it tries candidates (the board, the hands, four
// maps, the bottom king's escape count), the values of the candidate being
// scored, the best score so far, and the tables of the position probes.
#pragma once

#include "rules/position.hpp"
#include "rules/survey.hpp"

namespace velmora {

struct 探索表 {
  // --- taken once before the candidates (探索前の記録) ---
  盤面 BAN_MAE{};
  int SITA_MOTI_MAE[8]{};
  int UE_MOTI_MAE[8]{};
  盤面 SITA_SEIRYOKU_MAE{};
  盤面 UE_SEIRYOKU_MAE{};
  盤面 UE_TORI_X_MAE{};
  盤面 UE_TORI_Y_MAE{};
  int UE_MOTI_SU_MAE = 0;
  int OU_NIGEMITI_MAE = 0;

  // --- tables of the position probes, built once before the candidates ---
  盤面 SITA_UGOKENAI{};    // bottom pieces whose king a top slider would reach without them
  盤面 MOTI_KAKU_NERAI{};  // squares a bottom bishop dropped there would check the top king from
  int UE_UGOKENAI_ARI = NO;

  // --- the candidate being scored, and the best score so far ---
  int KOUHO_KOMA = 0;  // the moving piece's code (the dropped piece's for a drop)
  int OU_KYORI = 0;    // its source's distance to the bottom king
  double HYOUKA_MAX = 0;
};

// What the search and its evaluation work on: the live position, on which
// each candidate is tried and taken back; the maps, which every trial's
// survey rewrites (the last trial's maps stay, and are read on the
// computer's next turn); the search's own table; the level. It is a view of
// those parts: however it is passed, what it refers to may be written.
struct 探索の場 {
  局面& pos;
  勢力図& maps;
  探索表& search;
  int COM_LEVEL;
};

}  // namespace velmora
