// The moves of the record, worked out from its snapshots.
#include "record/moves.hpp"

#include <cstdlib>
#include <cstring>
#include <string>

#include "record/notation.hpp"
#include "record/record.hpp"
#include "rules/legality.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"

namespace velmora {

namespace {

bool 自分の駒(int code, bool 下) { return 下 ? 下の駒(code) : 上の駒(code); }

局面 局面_記録から(const 棋譜局面& k) {
  局面 p;
  盤と持駒_復元(p, k);
  return p;
}

bool 同じ局面(const 局面& p, const 棋譜局面& k) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (p.BAN[x][y] != k.BAN[x][y]) return false;
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot)
    if (p.SITA_MOTI[slot] != k.SITA_MOTI[slot] || p.UE_MOTI[slot] != k.UE_MOTI[slot]) return false;
  return true;
}

// The board and both hands; the times do not matter here.
bool 同じ局面(const 棋譜局面& a, const 棋譜局面& b) {
  return std::memcmp(a.BAN, b.BAN, sizeof a.BAN) == 0 &&
         std::memcmp(a.SITA_MOTI, b.SITA_MOTI, sizeof a.SITA_MOTI) == 0 &&
         std::memcmp(a.UE_MOTI, b.UE_MOTI, sizeof a.UE_MOTI) == 0;
}

}  // namespace

棋譜の手 割出し_指し手(const 棋譜局面& before, const 棋譜局面& after, bool 下) {
  棋譜の手 m;
  m.下 = 下;
  // Where a piece of that side arrived, and where one left.
  int arrived = 0, vacated = 0;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int now = after.BAN[x][y], was = before.BAN[x][y];
      if (自分の駒(now, 下) && now != was && arrived++ == 0) {
        m.手.x2 = x;
        m.手.y2 = y;
        m.手.placed = m.手.moving = now;
      }
      if (自分の駒(was, 下) && now == KARA && vacated++ == 0) {
        m.手.x1 = x;
        m.手.y1 = y;
      }
    }
  if (arrived != 1 || vacated > 1) return m;
  if (vacated == 1) {
    m.手.moving = before.BAN[m.手.x1][m.手.y1];
  } else {
    // A drop puts down the kind its hand holds, never a promoted piece.
    const int slot = 持駒番号(m.手.placed);
    if (slot == 0 || std::abs(m.手.placed) != 持駒コード[slot]) return m;
    m.手.x1 = 下 ? SITA_DAI : UE_DAI;
    m.手.y1 = 下 ? slot + 2 : slot;
  }
  int promoted = 0;
  if (m.手.成り() &&
      (調査_駒成(m.手.x1, m.手.y1, m.手.x2, m.手.y2, m.手.moving, promoted) == NO || promoted != m.手.placed))
    return m;

  // Made again by the rules, the move with its mirror jump must give exactly
  // the position after it: that tells a move from a jump, and a jump from
  // nothing.
  const 局面 start = 局面_記録から(before);
  局面 p = start;
  m.取った駒 = 駒移動_仮(p, m.手);
  if (!m.手.打ち()) {
    const int mx1 = 相対位置(m.手.x1), my1 = 相対位置(m.手.y1);
    const int jumping = p.BAN[mx1][my1];
    m.鏡 = 敵同士(m.手.placed, jumping) && p.BAN[相対位置(m.手.x2)][相対位置(m.手.y2)] == KARA;
    if (m.鏡) m.鏡の手 = {mx1, my1, 相対位置(m.手.x2), 相対位置(m.手.y2), jumping, jumping};
    駒移動_相対駒_仮(p, m.手);
  }
  if (自分の駒(m.取った駒, 下) || !同じ局面(p, after)) return m;
  m.分かる = true;
  if (m.手.打ち()) return m;

  m.成れた = 調査_駒成(m.手.x1, m.手.y1, m.手.x2, m.手.y2, m.手.moving, promoted) == YES;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (start.BAN[x][y] == m.手.moving && (x != m.手.x1 || y != m.手.y1) && m.候補数 < 8 &&
          移動チェック(start, x, y, m.手.x2, m.手.y2, m.手.moving) == YES) {
        m.候補[m.候補数][0] = x;
        m.候補[m.候補数][1] = y;
        ++m.候補数;
      }
  return m;
}

const std::vector<棋譜の手>& 棋譜_指し手一覧(Form1& f) {
  const 対局& g = f.game;
  const int stored = g.TESUU_MAX < 0 ? 0 : g.TESUU_MAX > KIFU_T_MAX ? KIFU_T_MAX : g.TESUU_MAX;
  // During play the position after the newest move is the board itself.
  const bool live = g.TESUU == stored + 1;
  const int n = live ? g.TESUU : stored;
  const 棋譜局面 board = live ? 記録_局面から(f.pos) : 棋譜局面{};
  auto position = [&](int s) -> const 棋譜局面& { return live && s == n ? board : f.record[s]; };

  // Moves alternate, so one side known is every side known.
  int sente = g.KIFU_SENTE;
  for (int t = 1; sente == 0 && t <= n; ++t) {
    const bool bottom = 割出し_指し手(position(t - 1), position(t), true).分かる;
    const bool top = 割出し_指し手(position(t - 1), position(t), false).分かる;
    if (bottom != top) sente = (bottom == (t % 2 == 1)) ? -1 : 1;
  }
  if (sente == 0) sente = -1;

  // What was worked out before stands as far as its positions are the record's.
  棋譜欄& c = f.moves;
  std::size_t same = 0;
  if (c.先手 == sente)
    while (same < c.局面.size() && same <= std::size_t(n) && 同じ局面(c.局面[same], position(same))) ++same;
  c.先手 = sente;
  c.局面.resize(same);
  c.手.resize(same > 0 ? same - 1 : 0);
  c.行.resize(same > 0 ? same : 0);
  const int offset = g.TESUU_HYOJI - g.TESUU;
  if (offset != c.番号のずれ) {
    c.番号のずれ = offset;
    for (std::size_t t = 1; t < c.行.size(); ++t) c.行[t].number = std::to_string(int(t) + offset);
  }
  for (int s = int(same); s <= n; ++s) {
    c.局面.push_back(position(s));
    if (s == 0) {
      c.行.push_back({"", std::string(tr(f.lang, "開始局面")), ""});
      continue;
    }
    棋譜の手 m = 割出し_指し手(position(s - 1), position(s), (sente == -1) == (s % 2 == 1));
    m.t = s;
    if (!c.手.empty()) {
      const 指し手& before = c.手.back().手;
      m.同 = m.分かる && c.手.back().分かる && before.x2 == m.手.x2 && before.y2 == m.手.y2;
    }
    // ▲ for the side that moved first.
    const bool first = m.下 == (sente == -1);
    if (原文(f.lang)) {
      c.行.push_back({std::to_string(s + offset), 表記_日本式(m, first), 表記_日本式_鏡(m, first)});
    } else {
      std::string jump = 表記_西洋式_鏡(m, first);
      // TRANSLATORS: a mirror jump in the move list, under its move ("  mirror △P3c-3d").
      if (!jump.empty()) jump = 差込(tr(f.lang, "　鏡 {手}"), {{"手", jump}});
      c.行.push_back({std::to_string(s + offset), 表記_西洋式(m, first), jump});
    }
    c.手.push_back(m);
  }
  return c.手;
}

bool 棋譜_盤と一致(const Form1& f) {
  const 対局& g = f.game;
  if (g.TESUU == g.TESUU_MAX + 1 || (g.TESUU == 0 && g.TESUU_MAX == 0)) return true;
  if (g.TESUU < 0 || g.TESUU > g.TESUU_MAX || g.TESUU > KIFU_T_MAX) return false;
  return 同じ局面(f.pos, f.record[g.TESUU]);
}

void 表示_棋譜(Form1& f) {
  const 対局& g = f.game;
  const bool shown = g.TEBAN != TEBAN_NASI && 棋譜_盤と一致(f);
  const std::vector<棋譜の手>* moves =
      shown && (f.p.moves || f.options.SAISYUTE) ? &棋譜_指し手一覧(f) : nullptr;
  const bool marked =
      moves && f.options.SAISYUTE && g.TESUU >= 1 && g.TESUU <= static_cast<int>(moves->size());
  描画_最終手(f, marked ? &(*moves)[g.TESUU - 1] : nullptr);
  if (!f.p.moves) return;
  if (moves)
    f.p.moves->show_moves(f.moves.行, g.TESUU);
  else
    f.p.moves->show_moves({}, -1);
}

}  // namespace velmora
