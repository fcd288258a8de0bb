// The move list beside the board and the last move's marks.
#include "view/move_list.hpp"

#include <string>
#include <utility>

#include "game/notation.hpp"
#include "view/labels.hpp"
#include "view/state.hpp"

namespace velmora {

namespace {

// The moves to list: 1..TESUU_MAX, and one more, to the position on the
// board, while the position after the newest move is not yet stored.
int 表示する手数(const 対局& g) {
  const int stored = g.TESUU_MAX < 0 ? 0 : g.TESUU_MAX > KIFU_T_MAX ? KIFU_T_MAX : g.TESUU_MAX;
  return g.TESUU == stored + 1 ? g.TESUU : stored;
}

// Brings the lines up to date with the moves: a line stands while its move,
// the side that moved first and the numbering are those it was written for.
void 行を揃える(盤の場& f, int n) {
  棋譜欄& c = f.list;
  const int offset = f.game.TESUU_HYOJI - f.game.TESUU;
  if (c.先手 != f.moves.先手) {
    c.手.clear();
    c.行.clear();
    c.先手 = f.moves.先手;
  }
  if (offset != c.番号のずれ) {
    c.番号のずれ = offset;
    for (std::size_t t = 1; t < c.行.size(); ++t) c.行[t].number = std::to_string(int(t) + offset);
  }
  if (c.行.empty()) c.行.push_back({"", std::string(tr(f.lang, "開始局面")), ""});
  std::size_t same = 0;
  while (same < c.手.size() && same < std::size_t(n) && c.手[same] == 手順_番号(f.moves, int(same) + 1))
    ++same;
  c.手.resize(same);
  c.行.resize(same + 1);
  for (int t = int(same) + 1; t <= n; ++t) {
    const 棋譜の手 m = 手順_番号(f.moves, t);
    // ▲ for the side that moved first.
    const bool first = m.下 == (f.moves.先手 == -1);
    手の表記 written = 表記_言語(f.lang, m, first);
    c.行.push_back({std::to_string(t + offset), std::move(written.手), std::move(written.鏡)});
    c.手.push_back(m);
  }
}

}  // namespace

void 表示_棋譜(盤の場& f) {
  const 対局& g = f.game;
  const bool shown = g.TEBAN != TEBAN_NASI && 棋譜_盤と一致(f);
  const int n = 表示する手数(g);
  const bool marked = shown && f.options.SAISYUTE && g.TESUU >= 1 && g.TESUU <= n;
  const 棋譜の手 last = marked ? 手順_番号(f.moves, g.TESUU) : 棋譜の手{};
  描画_最終手(f, marked ? &last : nullptr);
  if (!f.p.moves) return;
  if (shown) {
    行を揃える(f, n);
    f.p.moves->show_moves(f.list.行, g.TESUU);
  } else {
    f.p.moves->show_moves({}, -1);
  }
}

}  // namespace velmora
