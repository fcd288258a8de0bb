// Fixed positions for the benchmarks, written as nine rows from the top.
// A token per square: "." empty; P L N S G B R K for the bottom side and
// p l n s g b r k for the top side; a leading "+" promotes.
#pragma once

#include <cctype>
#include <sstream>
#include <string>

#include "rules/position.hpp"

namespace velmora::bench {

inline int 駒の符号(const std::string& t) {
  if (t == ".") return KARA;
  const bool promoted = t[0] == '+';
  const char c = promoted ? t[1] : t[0];
  int code = 0;
  switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'p': code = HU; break;
    case 'l': code = KYOU; break;
    case 'n': code = KEI; break;
    case 's': code = GIN; break;
    case 'g': code = KIN; break;
    case 'b': code = KAKU; break;
    case 'r': code = SYA; break;
    case 'k': code = OU; break;
  }
  if (promoted) ++code;
  return std::isupper(static_cast<unsigned char>(c)) ? -code : code;
}

inline std::string 駒の記号(int code) {
  if (code == KARA) return ".";
  const int a = code < 0 ? -code : code;
  const bool promoted = a % 10 == 1;  // 11, 21, 31, 101, 801, 901
  const int base = promoted ? a - 1 : a;
  char c = '?';
  switch (base) {
    case HU: c = 'p'; break;
    case KYOU: c = 'l'; break;
    case KEI: c = 'n'; break;
    case GIN: c = 's'; break;
    case KIN: c = 'g'; break;
    case KAKU: c = 'b'; break;
    case SYA: c = 'r'; break;
    case OU: c = 'k'; break;
  }
  if (code < 0) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return promoted ? std::string("+") + c : std::string(1, c);
}

// rows: nine rows of nine tokens; hands: counts of slots 1..7, bottom then top.
inline void 局面を置く(局面& s, const char* rows, const int (&sita)[8], const int (&ue)[8]) {
  std::istringstream in(rows);
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      std::string t;
      in >> t;
      const int c = 駒の符号(t);
      s.BAN[x][y] = c;
    }
  }
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    s.SITA_MOTI[k] = sita[k];
    s.UE_MOTI[k] = ue[k];
  }
}

inline constexpr const char* 序盤 =
    "l n s g k g s n l "
    ". r . . . . . b . "
    "p p p p p p p p p "
    ". . . . . . . . . "
    ". . . . . . . . . "
    ". . . . . . . . . "
    "P P P P P P P P P "
    ". B . . . . . R . "
    "L N S G K G S N L ";

inline constexpr const char* 中盤 =
    "l n . g . . . n l "
    ". r s . k g s b . "
    "p . p p p p . p p "
    ". p . . . . p . . "
    ". . P . . . . . . "
    "P P . P P P P . P "
    ". S G . . . S P . "
    ". B K . G . . R . "
    "L N . . . . . N L ";

inline constexpr const char* 終盤 =
    ". . . . . . . n l "
    ". . . . . g k . . "
    ". . . . p p s p p "
    "p . . . . . p . . "
    ". . . . . . . . . "
    ". . P . +B P . . P "
    "P P . . . . . . . "
    ". . K G . . . . . "
    "L N . . . . . +r L ";
inline constexpr int 終盤_下の持駒[8] = {0, 3, 0, 1, 2, 1, 0, 1};
inline constexpr int 終盤_上の持駒[8] = {0, 2, 1, 1, 1, 0, 1, 0};
inline constexpr int 持駒なし[8] = {};

}  // namespace velmora::bench
