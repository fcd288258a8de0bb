// velmora-match --a LEVEL --b LEVEL --games N [--seed S] [options]
//
// Two levels of the computer play each other, from the start position and
// from openings of a few random moves, each opening twice with the sides
// swapped; a game ends when a king is taken, when the side to move has no
// move (it has lost), or at the record's 500-move limit (a draw). Prints a
// line per game, then A's wins, losses and draws, the Elo difference with its
// 95 % interval, nodes per second and the time per move of each side.
//
// Levels 1 to 3 are the one-ply computer, which only ever plays the top side:
// when it has the bottom side, it is shown the position turned round (board
// rotated, sides exchanged), which is the same game, and its move is turned back.
//
// Options: --nodes-a N, --nodes-b N (a node budget instead of the level's
// time), --time-a S, --time-b S (another time), --param-a NAME=V and
// --param-b NAME=V (an evaluation weight, for tuning; see deep/values.hpp),
// --openings-plies K (random moves of an opening, default 4), --show-draws
// (the end of every drawn game, on standard error),
// --draw-at-repetition N (a game whose position comes back N times, the
// same side to move, is stopped as a draw). The game has no such rule: by
// default a game goes on to the move limit. But both searches count a return
// to a position of the game as a loss, so sides that come back a third time
// see nothing better and go round until the limit; stopping them early
// saves the time of those moves (games let go on reached the limit).
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "com/search.hpp"
#include "com/search_table.hpp"
#include "deep/board.hpp"
#include "deep/movegen.hpp"
#include "deep/search.hpp"
#include "deep/values.hpp"
#include "rules/game.hpp"
#include "rules/move.hpp"
#include "rules/survey.hpp"

namespace velmora {
namespace {

using 時計 = std::chrono::steady_clock;

// The position turned round: each piece to the point-symmetric square with
// its side exchanged, the hands exchanged.
局面 回す(const 局面& p) {
  局面 q;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) q.BAN[x][y] = -p.BAN[相対位置(x)][相対位置(y)];
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    q.SITA_MOTI[k] = p.UE_MOTI[k];
    q.UE_MOTI[k] = p.SITA_MOTI[k];
  }
  return q;
}

指し手 手を回す(const 指し手& m) {
  指し手 r;
  if (m.打ち()) {
    const int slot = m.x1 == UE_DAI ? m.y1 : m.y1 - 2;
    r.x1 = m.x1 == UE_DAI ? SITA_DAI : UE_DAI;
    r.y1 = m.x1 == UE_DAI ? slot + 2 : slot;
  } else {
    r.x1 = 相対位置(m.x1);
    r.y1 = 相対位置(m.y1);
  }
  r.x2 = 相対位置(m.x2);
  r.y2 = 相対位置(m.y2);
  r.moving = -m.moving;
  r.placed = -m.placed;
  return r;
}

struct 静かな時計 final : 探索中の時計 {
  void tick() override {}
};

struct 手の記録 {
  double seconds = 0;
  std::int64_t nodes = 0;
  int ply = 0;
  int score = 0;  // the deep search's, from the mover's side
};

// The last moves of a game and its position, on standard error.
void 最後を書く(const 局面& p, int side, const std::vector<std::string>& moves) {
  for (std::size_t i = moves.size() > 30 ? moves.size() - 30 : 0; i < moves.size(); ++i)
    std::fprintf(stderr, "%s\n", moves[i].c_str());
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) std::fprintf(stderr, "%5d", p.BAN[x][y]);
    std::fprintf(stderr, "\n");
  }
  for (int k = 1; k <= 7; ++k) std::fprintf(stderr, "%d ", p.SITA_MOTI[k]);
  std::fprintf(stderr, "\n");
  for (int k = 1; k <= 7; ++k) std::fprintf(stderr, "%d ", p.UE_MOTI[k]);
  std::fprintf(stderr, "\n%d\n", side);
}

// One side of the match.
class 指し手役 {
 public:
  指し手役(int level, std::int64_t nodes, double seconds, int depth, const deep::評価の重み& w)
      : level_(level) {
    if (level >= 4) {
      engine_ = std::make_unique<深読み器>(16, w);
      limits_ = nodes > 0 || depth > 0 ? 深読み設定{} : レベルの設定(level);
      if (nodes > 0) limits_.局面数 = nodes;
      if (seconds > 0) limits_.秒 = seconds;
      if (depth > 0) limits_.深さ = depth;
    } else {
      one_ply_ = std::make_unique<一手>();
    }
  }

  std::string 名前() const {
    char buf[96];
    if (level_ < 4)
      std::snprintf(buf, sizeof buf, "level %d", level_);
    else if (limits_.局面数 > 0)
      std::snprintf(buf, sizeof buf, "level %d (%lld nodes)", level_, static_cast<long long>(limits_.局面数));
    else
      std::snprintf(buf, sizeof buf, "level %d (%.2f s)", level_, limits_.秒);
    return buf;
  }

  void 新しい対局() {
    if (engine_) engine_->表を空に();
  }

  std::optional<指し手> 選ぶ(const 局面& p, int side, int ply, std::span<const std::uint64_t> history,
                             手の記録& rec) {
    const auto start = 時計::now();
    std::optional<指し手> m;
    if (engine_) {
      深読み設定 limits = limits_;
      limits.残り手数 = KIFU_T_MAX - ply;
      const 深読み結果 r = engine_->探す(p, side, limits, nullptr, history);
      m = r.手;
      rec.nodes = r.局面数;
      rec.score = r.評価;
    } else {
      // The one-ply computer plays the top side, as on the window: the
      // survey first, then its search.
      一手& s = *one_ply_;
      s.pos = side > 0 ? p : 回す(p);
      勢力調査(s.pos, s.maps);
      静かな時計 clock;
      m = 探索({s.pos, s.maps, s.table, level_}, clock);
      if (m && m->打ち()) m->moving = m->placed;  // the search leaves a board move's code there
      if (m && side < 0) m = 手を回す(*m);
    }
    rec.seconds = std::chrono::duration<double>(時計::now() - start).count();
    rec.ply = ply;
    return m;
  }

 private:
  struct 一手 {
    局面 pos;
    勢力図 maps;
    探索表 table;
  };
  int level_;
  std::unique_ptr<深読み器> engine_;
  深読み設定 limits_;
  std::unique_ptr<一手> one_ply_;
};

enum class 結果 { 下の勝ち, 上の勝ち, 引き分け };

struct 対局の結果 {
  結果 result;
  int plies;
  const char* why;
};

// Plays one game from `start` with `side` to move; bottom and top are the players.
// With show_draws, a drawn game prints its last 30 moves and its last
// position to standard error. With repetitions > 0, a
// game whose position comes back that many times is stopped as a draw (the
// game has no such rule; it shortens tuning runs whose games go round).
対局の結果 対局する(局面 p, int side, int ply, 指し手役& bottom, 指し手役& top,
                    std::vector<手の記録>& bottom_moves, std::vector<手の記録>& top_moves, bool show_draws,
                    int repetitions) {
  std::vector<std::uint64_t> history;  // the positions before the one to move in
  std::vector<std::string> shown;      // the moves, for show_draws
  for (;; ++ply) {
    const std::uint64_t key = 局面の鍵(p, side);
    const bool limit = ply >= KIFU_T_MAX;
    const bool repeated =
        repetitions > 0 && std::count(history.begin(), history.end(), key) + 1 >= repetitions;
    if (limit || repeated) {
      if (show_draws) 最後を書く(p, side, shown);
      return {結果::引き分け, ply, limit ? "move limit" : "repetition"};
    }
    指し手役& player = side < 0 ? bottom : top;
    手の記録 rec;
    const std::optional<指し手> m = player.選ぶ(p, side, ply, history, rec);
    history.push_back(key);
    (side < 0 ? bottom_moves : top_moves).push_back(rec);
    if (!m) return {side < 0 ? 結果::上の勝ち : 結果::下の勝ち, ply, "no move"};
    const deep::盤 b = deep::盤::局面から(p, side);
    bool legal = false;
    deep::手 moves[deep::最大手数];
    const int n = deep::手を生成(b, deep::生成::全部, moves);
    for (int i = 0; i < n && !legal; ++i) {
      const 指し手 g = deep::ゲームの手(b, moves[i]);
      legal = g.x1 == m->x1 && g.y1 == m->y1 && g.x2 == m->x2 && g.y2 == m->y2 && g.placed == m->placed;
    }
    if (!legal) {
      std::fprintf(stderr, "velmora-match: %s played an illegal move %d,%d-%d,%d %d at ply %d\n",
                   player.名前().c_str(), m->x1, m->y1, m->x2, m->y2, m->placed, ply);
      std::exit(1);
    }
    if (show_draws) {
      char line[96];
      std::snprintf(line, sizeof line, "%d: %d,%d-%d,%d %d (score %d)", ply, m->x1, m->y1, m->x2, m->y2,
                    m->placed, rec.score);
      shown.push_back(line);
    }
    const int captured = 駒移動(p, *m);
    駒移動_相対駒(p, *m);
    if (captured == OU) return {結果::下の勝ち, ply + 1, "king taken"};
    if (captured == -OU) return {結果::上の勝ち, ply + 1, "king taken"};
    side = -side;
  }
}

// An opening: a few random moves from the start that take nothing and leave
// neither king where it could be taken.
局面 序盤を作る(std::mt19937& rng, int plies, int& side) {
  for (;;) {
    局面 p;
    局面_初期配置(p);
    deep::盤 b = deep::盤::局面から(p, -1);
    bool ok = true;
    for (int i = 0; i < plies && ok; ++i) {
      deep::手 moves[deep::最大手数];
      const int n = deep::手を生成(b, deep::生成::探索, moves);
      if (n == 0) {
        ok = false;
        break;
      }
      const deep::手 m = moves[std::uniform_int_distribution<int>(0, n - 1)(rng)];
      const bool capture = !deep::手の打(m) && b.at(deep::手の先(m)) != deep::空;
      deep::戻す情報 u;
      b.指す(m, u);
      ok = !capture && !deep::玉を取れる(b) && !deep::王手されている(b);
    }
    if (!ok) continue;
    side = b.手番() == deep::上側 ? 1 : -1;
    p = b.局面へ();
    return p;
  }
}

double 中央値(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void 時間を書く(const char* who, const std::string& name, const std::vector<手の記録>& moves) {
  std::vector<double> t;
  double total = 0, middle_time = 0;
  std::int64_t nodes = 0, middle_nodes = 0;
  for (const auto& m : moves) {
    t.push_back(m.seconds);
    total += m.seconds;
    nodes += m.nodes;
    if (m.ply >= 20 && m.ply < 100) middle_time += m.seconds, middle_nodes += m.nodes;
  }
  const double max = t.empty() ? 0 : *std::max_element(t.begin(), t.end());
  std::printf("%s %s: %zu moves, time per move median %.4f s, max %.4f s", who, name.c_str(), moves.size(),
              中央値(t), max);
  if (nodes > 0)
    std::printf(", %.2f M nodes/s (moves 21-100: %.2f M nodes/s)", nodes / total / 1e6,
                middle_time > 0 ? middle_nodes / middle_time / 1e6 : 0.0);
  std::printf("\n");
}

double エロ(double score) {
  score = std::clamp(score, 1e-6, 1 - 1e-6);
  return -400 * std::log10(1 / score - 1);
}

bool 数を読む(const char* s, long long& v) {
  const char* end = s + std::strlen(s);
  const auto [p, ec] = std::from_chars(s, end, v);
  return ec == std::errc() && p == end;
}

int 使い方() {
  std::fputs(
      "usage: velmora-match --a LEVEL --b LEVEL --games N [--seed S] [--nodes-a N] [--nodes-b N]\n"
      "                     [--time-a S] [--time-b S] [--param-a NAME=V] [--param-b NAME=V]\n"
      "                     [--openings-plies K] [--show-draws] [--draw-at-repetition N]\n",
      stderr);
  return 2;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  using namespace velmora;
  long long level_a = 0, level_b = 0, games = 0, seed = 1, plies = 4, repetitions = 0;
  long long nodes[2] = {0, 0}, depths[2] = {0, 0};
  double seconds[2] = {0, 0};
  deep::評価の重み weights[2];
  bool show_draws = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--show-draws") {
      show_draws = true;
      continue;
    }
    if (i + 1 >= argc) return 使い方();
    const char* value = argv[++i];
    bool ok = true;
    if (arg == "--a")
      ok = 数を読む(value, level_a);
    else if (arg == "--b")
      ok = 数を読む(value, level_b);
    else if (arg == "--games")
      ok = 数を読む(value, games);
    else if (arg == "--seed")
      ok = 数を読む(value, seed);
    else if (arg == "--openings-plies")
      ok = 数を読む(value, plies);
    else if (arg == "--draw-at-repetition")
      ok = 数を読む(value, repetitions) && repetitions >= 2;
    else if (arg == "--depth-a" || arg == "--depth-b")
      ok = 数を読む(value, depths[arg.back() == 'b']);
    else if (arg == "--nodes-a" || arg == "--nodes-b")
      ok = 数を読む(value, nodes[arg.back() == 'b']);
    else if (arg == "--time-a" || arg == "--time-b")
      ok = (seconds[arg.back() == 'b'] = std::atof(value)) > 0;
    else if (arg == "--param-a" || arg == "--param-b") {
      const std::string_view v = value;
      const std::size_t eq = v.find('=');
      ok = eq != std::string_view::npos &&
           deep::重みを設定(weights[arg.back() == 'b'], v.substr(0, eq), v.substr(eq + 1));
    } else {
      ok = false;
    }
    if (!ok) return 使い方();
  }
  if (level_a < 1 || level_a > 5 || level_b < 1 || level_b > 5 || games < 1 || plies < 0) return 使い方();

  指し手役 a(static_cast<int>(level_a), nodes[0], seconds[0], static_cast<int>(depths[0]), weights[0]);
  指し手役 b(static_cast<int>(level_b), nodes[1], seconds[1], static_cast<int>(depths[1]), weights[1]);
  std::printf("velmora-match: A %s against B %s, %lld games, seed %lld\n", a.名前().c_str(), b.名前().c_str(),
              games, seed);
  std::mt19937 rng(static_cast<std::uint32_t>(seed));
  std::vector<手の記録> a_moves, b_moves;
  int wins = 0, losses = 0, draws = 0;
  局面 opening;
  int opening_side = -1;
  const auto started = 時計::now();
  for (long long g = 0; g < games; ++g) {
    // Each opening twice, A with the bottom side first; the first is the start.
    if (g % 2 == 0) {
      if (g == 0) {
        局面_初期配置(opening);
        opening_side = -1;
      } else {
        opening = 序盤を作る(rng, static_cast<int>(plies), opening_side);
      }
    }
    const bool a_bottom = g % 2 == 0;
    a.新しい対局();
    b.新しい対局();
    std::vector<手の記録>& bottom_moves = a_bottom ? a_moves : b_moves;
    std::vector<手の記録>& top_moves = a_bottom ? b_moves : a_moves;
    const 対局の結果 r = 対局する(opening, opening_side, 0, a_bottom ? a : b, a_bottom ? b : a, bottom_moves,
                                  top_moves, show_draws, static_cast<int>(repetitions));
    const char* outcome = "draw";
    if (r.result == 結果::引き分け) {
      ++draws;
    } else if ((r.result == 結果::下の勝ち) == a_bottom) {
      ++wins;
      outcome = "A wins";
    } else {
      ++losses;
      outcome = "B wins";
    }
    std::printf("game %lld: A %s, %s after %d moves (%s); A %d-%d-%d\n", g + 1, a_bottom ? "bottom" : "top",
                outcome, r.plies, r.why, wins, losses, draws);
    std::fflush(stdout);
  }
  const double n = static_cast<double>(games);
  const double score = (wins + draws / 2.0) / n;
  const double var =
      (wins * std::pow(1 - score, 2) + draws * std::pow(0.5 - score, 2) + losses * std::pow(score, 2)) / n;
  const double margin = 1.96 * std::sqrt(var / n);
  std::printf("A: %d wins, %d losses, %d draws: %.1f %% of the points\n", wins, losses, draws, 100 * score);
  std::printf("Elo difference (A - B): %+.0f, 95 %% interval %+.0f .. %+.0f\n", エロ(score),
              エロ(score - margin), エロ(score + margin));
  時間を書く("A", a.名前(), a_moves);
  時間を書く("B", b.名前(), b_moves);
  std::printf("%.0f s in all\n", std::chrono::duration<double>(時計::now() - started).count());
  return 0;
}
