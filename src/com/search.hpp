// The computer's one-ply search over every move and drop of the top side.
#pragma once

#include <optional>

#include "com/evaluation.hpp"
#include "com/search_table.hpp"
#include "rules/move.hpp"
#include "rules/trial.hpp"

namespace velmora {

// Called once per source column and once per kind in hand, so that the
// window's clock keeps moving during the search.
struct 探索中の時計 {
  virtual void tick() = 0;

 protected:
  ~探索中の時計() = default;
};

// How a trial position is scored: the arguments of 盤評価.
using 評価関数 = double (*)(const 探索の場& s, const 指し手& m, int cap);

// Takes the snapshots, tries every candidate on the live board and takes it
// back, and returns the best move (the first in search order among equals),
// or nothing when the top side has no legal move or drop at all. For a drop
// chosen after a board move, `moving` keeps that board move's code.
std::optional<指し手> 探索(const 探索の場& s, 探索中の時計& clock, 評価関数 evaluate = &盤評価);

// --- the steps of the search, one by one (the evaluation's tests take them
// to set up trial positions exactly as the search does) ---

// What the search prepares once before it tries candidates: the snapshots of
// the board, the hands and four maps, the escape count (from the maps as the
// last survey left them) and the probe tables (from a fresh survey).
void 探索前の記録(const 探索の場& s);

// What the search notes before it scores a board candidate from (x, y): the
// moving piece (KOUHO_KOMA) and its distance to the bottom king where the last
// trial survey found it (OU_KYORI). Once per candidate, not per promotion.
void 候補の記録(const 探索の場& s, int x, int y);

// The trial position of one candidate, made on the live position and
// surveyed when the object is made, and taken back when it goes:
// - a board move that cannot promote is made in full: the capture goes into
//   the hand and the mirror move is made; the board and both hands come back
//   from the search's snapshots;
// - a board move that may promote only stands on its destination as
//   `placed` (its own code or the promoted one): no capture into the hand,
//   no mirror move;
// - a drop stands on its destination; the hand keeps the piece.
// The maps and the king squares stay as the trial's survey left them.
class [[nodiscard]] 試行局面 {
 public:
  // A board candidate (x, y) → (x2, y2).
  試行局面(const 探索の場& s, int x, int y, int x2, int y2, int placed);
  // A drop of the top side's hand slot `slot` on (x2, y2).
  static 試行局面 打ち(const 探索の場& s, int slot, int x2, int y2);
  ~試行局面();
  試行局面(const 試行局面&) = delete;
  試行局面& operator=(const 試行局面&) = delete;

  const 指し手& 手() const { return m_; }
  int cap() const { return cap_; }  // what stood on the destination
  double 評価(評価関数 evaluate) { return evaluate(s_, m_, cap_); }

 private:
  試行局面(const 探索の場& s, const 指し手& m);
  探索の場 s_;  // its references, so that a trial may outlive the caller's copy
  指し手 m_;
  int cap_;
  bool full_;  // made in full: taken back from the snapshots
  局面の控え found_;
};

}  // namespace velmora
