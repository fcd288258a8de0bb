// What a screen reader says of the board and the moves, in the window's
// language: each square ("７七 歩 先手", "7g pawn, sente"; "５五 空", "5e
// empty"), each stand ("先手の持ち駒: 歩 2, 角 1"), and each move with its
// capture and its mirror jump ("▲７六歩、鏡 △３四歩", "P-7f, mirror P3c-3d").
#pragma once

#include <string>

#include "game/language.hpp"
#include "game/moves.hpp"
#include "rules/position.hpp"

namespace velmora {

// Square (x, y) of p and what stands on it. 下が先手: the bottom side moved first.
std::string 升の読み上げ(const 言語& l, const 局面& p, int x, int y, bool 下が先手);

// A side by its name: "先手" / "後手", "sente" / "gote".
std::string 側の読み上げ(const 言語& l, bool 先手);

// One kind in a hand with its count, "歩 2" / "pawn 2": slot MOTI_HU..MOTI_SYA.
std::string 持駒の読み上げ(const 言語& l, int slot, int count);

// A side's hand as a whole: "先手の持ち駒: 歩 2, 角 1", "…: なし" when empty.
std::string 持駒一覧の読み上げ(const 言語& l, const 持駒& hand, bool 先手);

// Move m with its capture and its mirror jump, as the move list writes it
// (▲ for the side that moved first in Japanese; the Western notation, no
// side mark, in every translation).
std::string 指し手の読み上げ(const 言語& l, const 棋譜の手& m, bool 先手);

}  // namespace velmora
