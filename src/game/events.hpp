// What happens in the game, told as it happens to whoever listens: the board
// on the window paints it, the input forgets a pick it made, the window
// itself may animate or announce it, the tests record it. Each is told after
// the game's state has changed, in the order things happened; a listener
// only reads the game and paints, it never changes the game.
#pragma once

#include <string_view>

#include "game/moves.hpp"

namespace velmora {

enum class 出来事 {
  初期化,        // the board set up for a new game (最初, leaving a finished game, before a record)
  対局開始,      // a game starts or goes on (スタート, 先手, 後手): 側 is the side to move
  思考開始,      // the computer begins to think
  着手予告,      // the computer shows the piece it is about to move: 手
  指した,        // 手 was made by 側, with its capture, promotion or drop and its mirror jump
  思考終了,      // the computer's move 手 is made and the human is to move
  手番,          // the turn passed to 側
  王手,          // 側's king stands in check
  終局,          // the game is over: 側 won, for 理由 (a king taken: 手 took it)
  戻した,        // 戻: the game stepped back over 手 (unknown when the record does not tell)
  進めた,        // 進: the game stepped forward over 手
  反転,          // the board turned round
  ハンデ,        // a handicap step: the piece on (x, y) taken off or put back
  棋譜を読んだ,  // a record file read: 見出し are its title and its two players
  時計,          // the clock of 側 shows another second: 秒 is its total
  ヒント,        // the move 手 that level 5 would play for 側, the side to move; not played
  再開,          // a kept game taken up again at start-up: 見出し are a record's headers, if one is read
  終了,          // the program ends
};

enum class 終局の理由 {
  なし,
  王を取った,  // the winner took the other king
  詰み,        // the computer's king is mated
  指す手なし,  // the computer had no move
  投了,        // the other side resigned
};

struct 対局の知らせ {
  出来事 種類 = 出来事::初期化;
  int 側 = 0;  // the turn value of the side it concerns (TEBAN_SENTE, TEBAN_GOTE)
  棋譜の手 手;
  終局の理由 理由 = 終局の理由::なし;
  int x = 0, y = 0;
  double 秒 = 0;
  // For a record read (and a kept one taken up again): its title, the top
  // side's player and the bottom side's.
  std::string_view 見出し[3];
};

struct 知らせの受け手 {
  virtual void 知らせ(const 対局の知らせ& e) = 0;

 protected:
  ~知らせの受け手() = default;
};

}  // namespace velmora
