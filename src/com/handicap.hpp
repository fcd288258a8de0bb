// The handicap ladder: HANDE_LEVEL -10..10. Each step away from 0 takes one
// more piece of one army off the board (the top army above 0, the bottom
// army below 0); each step towards 0 puts the last one back.
#pragma once

#include <optional>

#include "rules/position.hpp"

namespace velmora {

inline constexpr int ハンデ_上限 = 10;

struct ハンデ駒 {
  int x = 0, y = 0;
  int code = 0;  // the unpromoted code of the piece standing there initially
};

// The piece that leaves the board on reaching `level` from the 0 side
// (level -10..-1 or 1..10).
ハンデ駒 ハンデ_段の駒(int level);

struct ハンデ変更 {
  int level = 0;  // the new level
  int x = 0, y = 0;
  int code = 0;  // what the square now holds (KARA when a piece left)
};

// One step of the ladder (step +1 or -1) applied to HANDE_LEVEL and the
// board: the new level, the square that changed and its new code, or nullopt
// at either end (nothing changes). Hands, hand totals and kings are left alone.
std::optional<ハンデ変更> ハンデ_一段(局面& p, int& HANDE_LEVEL, int step);

}  // namespace velmora
