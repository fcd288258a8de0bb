// The kinds of piece, each with everything the game says of it: its code, the
// hand slot it goes to when taken, what it promotes to, and its names on the
// board, in the move list, beside the board and in English. Every place that
// needs one of these reads this table.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>

#include "rules/position.hpp"
#include "rules/translatable.hpp"

namespace velmora {

struct 駒の種類 {
  int code;  // the top side's code; the bottom side's is its negative
  int 持駒;  // the hand slot a taken piece of this kind goes to (0: a king, which goes to none)
  int 成り;  // the code it promotes to; 0 when it does not promote
  int 元;    // the code of the piece before it promoted (its own for an unpromoted one)
  // The kanji on its face, the top side's (the bottom king's is 下の面).
  const char* 面;
  const char* 下の面;
  // Its name in the move list, in the last-move texts beside the board, on
  // the stands and to a screen reader: the promoted ones as players call them
  // (成香, 馬, 龍), the bottom king 玉. Marked for translation: a translation
  // names the piece beside the board by its own word.
  const char* 名;
  const char* 下の名;
  // Its letter in the Western notation, "+" before a promoted one.
  const char* 記号;
  // Its English name.
  const char* 英名;
};

inline constexpr 駒の種類 駒の表[] = {
    {HU, MOTI_HU, TO, HU, "歩", "歩", gettext_noop("歩"), gettext_noop("歩"), "P", "pawn"},
    {TO, MOTI_HU, 0, HU, "と", "と", gettext_noop("と"), gettext_noop("と"), "+P", "tokin"},
    {KYOU, MOTI_KYOU, KYOU_NARI, KYOU, "香", "香", gettext_noop("香"), gettext_noop("香"), "L", "lance"},
    {KYOU_NARI, MOTI_KYOU, 0, KYOU, "杏", "杏", gettext_noop("成香"), gettext_noop("成香"), "+L",
     "promoted lance"},
    {KEI, MOTI_KEI, KEI_NARI, KEI, "桂", "桂", gettext_noop("桂"), gettext_noop("桂"), "N", "knight"},
    {KEI_NARI, MOTI_KEI, 0, KEI, "圭", "圭", gettext_noop("成桂"), gettext_noop("成桂"), "+N",
     "promoted knight"},
    {GIN, MOTI_GIN, GIN_NARI, GIN, "銀", "銀", gettext_noop("銀"), gettext_noop("銀"), "S", "silver"},
    {GIN_NARI, MOTI_GIN, 0, GIN, "全", "全", gettext_noop("成銀"), gettext_noop("成銀"), "+S",
     "promoted silver"},
    {KIN, MOTI_KIN, 0, KIN, "金", "金", gettext_noop("金"), gettext_noop("金"), "G", "gold"},
    {KAKU, MOTI_KAKU, KAKU_NARI, KAKU, "角", "角", gettext_noop("角"), gettext_noop("角"), "B", "bishop"},
    {KAKU_NARI, MOTI_KAKU, 0, KAKU, "馬", "馬", gettext_noop("馬"), gettext_noop("馬"), "+B", "horse"},
    {SYA, MOTI_SYA, SYA_NARI, SYA, "飛", "飛", gettext_noop("飛"), gettext_noop("飛"), "R", "rook"},
    {SYA_NARI, MOTI_SYA, 0, SYA, "龍", "龍", gettext_noop("龍"), gettext_noop("龍"), "+R", "dragon"},
    {OU, 0, 0, OU, "王", "玉", gettext_noop("王"), gettext_noop("玉"), "K", "king"},
};

// How many pieces of the kind of hand slot `slot` a game has, both sides
// together: 18 pawns, 4 lances, knights, silvers and golds, 2 bishops and rooks.
constexpr int 組の駒数(int slot) {
  constexpr int counts[8] = {0, 18, 4, 4, 4, 4, 2, 2};
  return slot >= 0 && slot < 8 ? counts[slot] : 0;
}

// Each code's place in the table (plus one; 0 for no piece), so that finding
// a kind costs one lookup: the computer's trials ask for every capture.
inline constexpr auto 駒の表の位置 = [] {
  std::array<unsigned char, OU + 1> at{};
  for (std::size_t i = 0; i < std::size(駒の表); ++i) at[駒の表[i].code] = static_cast<unsigned char>(i + 1);
  return at;
}();

// The kind of a code of either side, or null for anything that is no piece.
constexpr const 駒の種類* 駒の種類_検索(int code) {
  const int a = code < 0 ? -code : code;
  if (a > OU || 駒の表の位置[a] == 0) return nullptr;
  return &駒の表[駒の表の位置[a] - 1];
}

// Its face and its name as the side of `code` shows them.
constexpr const char* 駒の面(const 駒の種類& k, int code) { return code < 0 ? k.下の面 : k.面; }
constexpr const char* 駒の名(const 駒の種類& k, int code) { return code < 0 ? k.下の名 : k.名; }

}  // namespace velmora
