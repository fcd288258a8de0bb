// The weights of the deep search's evaluation: what each piece is worth on
// the board and in hand, where pieces stand well, and how much the safety of
// each king counts. Units: a pawn on the board is worth 100.
#pragma once

#include <string_view>

#include "deep/board.hpp"

namespace velmora::deep {

struct 評価の重み {
  // On the board, by kind (空 歩 香 桂 銀 角 飛 金 玉 と 成香 成桂 成銀 馬 竜).
  int 駒[種類数] = {0, 100, 300, 350, 480, 650, 750, 540, 0, 540, 520, 520, 520, 880, 1000};
  int 持駒の割増 = 10;  // percent a piece in hand is worth more than on the board
  int 玉の位置 = 15;    // a king off its own back rows, per row
  int 守り = 14;        // each gold, silver or promoted minor piece next to its own king
  int 攻め = 100;       // scale (percent) of the danger to a king from pieces near it and in hand
  int 鏡 = 30;          // an opposing piece on the king's point-symmetric square can drag it
  int 手番 = 20;        // the side to move
  int 引き分け = 50;    // what a draw at the move limit costs the searching side
  int 繰り返し = 600;   // what a position met again costs it (the game would go round)
};

// Sets one weight by its name ("guard", "attack", "mirror",
// "hand_bonus", "king_rows", "tempo", "contempt", "repetition",
// "piece.pawn" … "piece.dragon")
// from the text of an integer. False when there is no such weight or the
// text is no integer.
bool 重みを設定(評価の重み& w, std::string_view name, std::string_view value);

// The board and hand values and the piece-square terms the position keeps up to date.
駒の価値 駒の価値を作る(const 評価の重み& w);

}  // namespace velmora::deep
