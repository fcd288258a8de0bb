#include "game/spoken.hpp"

#include "game/notation.hpp"

namespace velmora {

std::string 側の読み上げ(const 言語& l, bool 先手) {
  // TRANSLATORS: a side as a screen reader names it, after a piece or before its hand.
  return std::string(先手 ? tr(l, "読み上げ", "先手") : tr(l, "読み上げ", "後手"));
}

std::string 升の読み上げ(const 言語& l, const 局面& p, int x, int y, bool 下が先手) {
  const std::string square = 升の表記(l, x, y);
  const int code = p.BAN[x][y];
  // TRANSLATORS: an empty square as a screen reader reads it, "７七 空".
  if (!駒コード(code)) return 差込(tr(l, "{升} 空"), {{"升", square}});
  const bool 先手 = 下の駒(code) == 下が先手;
  // TRANSLATORS: a square and its piece as a screen reader reads them, "７七 歩 先手".
  return 差込(tr(l, "{升} {駒} {側}"),
              {{"升", square}, {"駒", 駒の呼び名(l, code)}, {"側", 側の読み上げ(l, 先手)}});
}

std::string 持駒の読み上げ(const 言語& l, int slot, int count) {
  const int code = slot >= MOTI_HU && slot <= MOTI_SYA ? 持駒コード[slot] : 0;
  // TRANSLATORS: a kind of piece in hand and how many, "歩 2".
  return 差込(tr(l, "{駒} {数}"), {{"駒", 駒の呼び名(l, code)}, {"数", std::to_string(count)}});
}

std::string 持駒一覧の読み上げ(const 言語& l, const 持駒& hand, bool 先手) {
  std::string pieces;
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    if (hand[slot] <= 0) continue;
    if (!pieces.empty()) pieces += ", ";
    pieces += 持駒の読み上げ(l, slot, hand[slot]);
  }
  // TRANSLATORS: a hand that holds nothing, as a screen reader reads it.
  if (pieces.empty()) pieces = tr(l, "読み上げ", "なし");
  // TRANSLATORS: a side's pieces in hand, "先手の持ち駒: 歩 2, 角 1".
  return 差込(tr(l, "{側}の持ち駒: {駒}"), {{"側", 側の読み上げ(l, 先手)}, {"駒", pieces}});
}

std::string 指し手の読み上げ(const 言語& l, const 棋譜の手& m, bool 先手) {
  const 手の表記 written = 表記_読み上げ(l, m, 先手);
  std::string text = written.手;
  if (!m.分かる) return text;
  if (m.取った駒 != KARA)
    // TRANSLATORS: a capture after the move a screen reader reads, "、角を取る".
    text += 差込(tr(l, "、{駒}を取る"), {{"駒", 駒の呼び名(l, m.取った駒)}});
  if (!written.鏡.empty())
    // TRANSLATORS: the mirror jump after the move a screen reader reads, "、鏡 △３四歩".
    text += 差込(tr(l, "、鏡 {手}"), {{"手", written.鏡}});
  return text;
}

}  // namespace velmora
