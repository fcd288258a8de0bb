// Trial positions for the evaluation tests, set up by the search's own steps:
// its preparation, its notes on the candidate, and its trial position (which
// takes itself back when it goes).
#pragma once

#include <cctype>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "com/evaluation.hpp"
#include "com/search.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"
#include "support/board.hpp"

namespace velmora::testing {

// Puts pieces in a side's hand.
inline void 持たせる(試験局面& s, bool bottom, int slot, int count = 1) {
  (bottom ? s.pos.SITA_MOTI : s.pos.UE_MOTI)[slot] += count;
}

// A position written square by square: a piece letter (P L N S G B R K;
// upper case the top side, lower case the bottom side; + in front for a
// promoted piece) and its column and row, as in "K51 k59 +R39"; *L puts a
// lance in the top side's hand, *p a pawn in the bottom side's.
inline constexpr std::string_view 駒字 = "PLNSGBRK";
inline int 字の枠(char letter) {
  return static_cast<int>(駒字.find(static_cast<char>(std::toupper(letter)))) + 1;
}

inline std::unique_ptr<試験局面> 並べる(std::string_view text) {
  constexpr int codes[] = {0, HU, KYOU, KEI, GIN, KIN, KAKU, SYA, OU};
  auto s = std::make_unique<試験局面>();
  std::istringstream in{std::string(text)};
  for (std::string w; in >> w;) {
    const bool hand = w[0] == '*', promoted = w[0] == '+';
    const char c = w[hand || promoted];
    const int side = std::isupper(static_cast<unsigned char>(c)) ? 1 : -1;
    if (hand)
      持たせる(*s, side < 0, 字の枠(c));
    else
      s->pos.BAN[w[1 + promoted] - '0'][w[2 + promoted] - '0'] = side * (codes[字の枠(c)] + promoted);
  }
  return s;
}

// What the search prepares once before it tries candidates. The maps are
// first surveyed for the position as it stands, as after the human's move.
inline void 探索の準備(試験局面& s) {
  勢力調査(s.pos, s.maps);
  探索前の記録(s.場());
}

// The top piece on (x, y) tried on (x2, y2) as the search tries it, standing
// as `placed` if it may promote (its own code when 0): the search's notes on
// the candidate, then its trial position, kept until the result goes.
inline 試行局面 候補を指す(試験局面& s, int x, int y, int x2, int y2, int placed = 0) {
  候補の記録(s.場(), x, y);
  return 試行局面(s.場(), x, y, x2, y2, placed != 0 ? placed : s.pos.BAN[x][y]);
}

// The whole board candidate: tried, scored and taken back.
inline double 指して評価(試験局面& s, int x, int y, int x2, int y2, int placed = 0) {
  return 候補を指す(s, x, y, x2, y2, placed).評価(&盤評価);
}

// A drop of hand slot `kind` on (x2, y2), scored and taken back. OU_KYORI
// keeps whatever the test left in it, as it keeps the last board candidate's
// value in the search.
inline double 打って評価(試験局面& s, int kind, int x2, int y2) {
  return 試行局面::打ち(s.場(), kind, x2, y2).評価(&盤評価);
}

}  // namespace velmora::testing
