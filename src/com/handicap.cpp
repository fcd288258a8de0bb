#include "com/handicap.hpp"

#include <cstdlib>

namespace velmora {

namespace {

// Rows 1..10 of the ladder for the top side (levels 1..10); level -n takes
// the point-symmetric bottom piece.
constexpr ハンデ駒 上の段[ハンデ_上限 + 1] = {
    {},          {8, 2, KAKU}, {2, 2, SYA}, {9, 1, KYOU}, {1, 1, KYOU}, {8, 1, KEI},
    {2, 1, KEI}, {7, 1, GIN},  {3, 1, GIN}, {6, 1, KIN},  {4, 1, KIN},
};

}  // namespace

ハンデ駒 ハンデ_段の駒(int level) {
  const int n = std::abs(level);
  if (n < 1 || n > ハンデ_上限) return {};
  const ハンデ駒& top = 上の段[n];
  if (level > 0) return top;
  return {相対位置(top.x), 相対位置(top.y), -top.code};
}

std::optional<ハンデ変更> ハンデ_一段(局面& p, int& HANDE_LEVEL, int step) {
  const int from = HANDE_LEVEL;
  const int to = from + (step > 0 ? 1 : -1);
  if (to > ハンデ_上限 || to < -ハンデ_上限) return std::nullopt;
  HANDE_LEVEL = to;
  // Away from 0 the new level's piece leaves; towards 0 the old level's returns.
  const bool away = std::abs(to) > std::abs(from);
  const ハンデ駒 piece = ハンデ_段の駒(away ? to : from);
  const int code = away ? KARA : piece.code;
  p.BAN[piece.x][piece.y] = code;
  return ハンデ変更{to, piece.x, piece.y, code};
}

}  // namespace velmora
