#include "deep/values.hpp"

#include <charconv>
#include <cstdlib>

namespace velmora::deep {

namespace {

// The names a tuning run sets the weights by.
constexpr std::string_view 種類の名前[種類数] = {"",       "pawn",    "lance",   "knight", "silver",
                                                 "bishop", "rook",    "gold",    "king",   "tokin",
                                                 "plance", "pknight", "psilver", "horse",  "dragon"};

}  // namespace

bool 重みを設定(評価の重み& w, std::string_view name, std::string_view value) {
  int v = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
  if (ec != std::errc() || end != value.data() + value.size()) return false;
  if (name.starts_with("piece.")) {
    const std::string_view kind = name.substr(6);
    for (int k = 1; k < 種類数; ++k)
      if (種類の名前[k] == kind && k != 玉) return w.駒[k] = v, true;
    return false;
  }
  if (name == "hand_bonus") return w.持駒の割増 = v, true;
  if (name == "king_rows") return w.玉の位置 = v, true;
  if (name == "guard") return w.守り = v, true;
  if (name == "attack") return w.攻め = v, true;
  if (name == "mirror") return w.鏡 = v, true;
  if (name == "tempo") return w.手番 = v, true;
  if (name == "contempt") return w.引き分け = v, true;
  if (name == "repetition") return w.繰り返し = v, true;
  return false;
}

駒の価値 駒の価値を作る(const 評価の重み& w) {
  駒の価値 v{};
  for (int k = 0; k < 種類数; ++k) v.盤上[k] = static_cast<std::int16_t>(w.駒[k]);
  for (int k = 1; k < 持駒種類数; ++k)
    v.持駒[k] = static_cast<std::int16_t>(w.駒[k] + w.駒[k] * w.持駒の割増 / 100);

  // Piece-square terms, read from the bottom side's view (row 1 is the far
  // end). A piece that can never move again (a pawn or lance on the far row,
  // a knight on the far two, put there by a mirror jump) keeps only what
  // taking it would give the other side; golds and silvers that wander far
  // from home guard nothing; a king is safest on its own back rows.
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int s = 桝(x, y);
      if (y == 1) {
        v.位置[歩][s] = static_cast<std::int16_t>(-w.駒[歩] / 2);
        v.位置[香][s] = static_cast<std::int16_t>(-w.駒[香] / 2);
      }
      if (y <= 2) v.位置[桂][s] = static_cast<std::int16_t>(-w.駒[桂] / 2);
      const int advanced = y <= 5 ? 6 - y : 0;
      v.位置[金][s] = static_cast<std::int16_t>(-8 * advanced);
      v.位置[銀][s] = static_cast<std::int16_t>(-4 * advanced);
      const int off_home = y < 8 ? 8 - y : 0;
      const int edge = std::abs(x - 5) >= 3 ? 0 : 5;
      v.位置[玉][s] = static_cast<std::int16_t>(-w.玉の位置 * off_home - edge);
    }
  return v;
}

const 駒の価値& 標準の駒の価値() {
  static const 駒の価値 v = 駒の価値を作る(評価の重み{});
  return v;
}

}  // namespace velmora::deep
