// The game's state: everything the game itself owns and reads, made of named
// parts, each declared by the folder that owns its type. The board on the
// window, the input and the window as a whole each extend it with parts of
// their own (view/state.hpp, input/state.hpp, window/form.hpp), so that a
// procedure of the game can reach neither what is painted nor what is picked.
//
//   part     type      owner        what
//   p        Ports     src/game     the platform: dialogs, sound, clock, desktop, the window's ear;
//                                   the canvas, move list and record panel for the parts above
//   pos      局面      src/rules    the board and both hands
//   game     対局      src/rules    turn, sides, mode, winner, move numbers, record mode,
//                                   reversal, handicap, level
//   maps     勢力図    src/rules    the influence maps, where the survey last found the kings
//   search   探索表    src/com      the computer's snapshots, candidate values and probe tables
//   record   棋譜      src/game     the snapshots 0..KIFU_T_MAX
//   moves    手順      src/game     the moves leading through them, as the move list says them
//   clock    思考時計  src/game     the thinking-time clock
//   sound    音        src/game     the sound library's handle and buffers
//   lang     言語      src/game     the language of the texts shown: its catalogue
//   options  設定      src/game     the options the player chose (the file is the window's)
//   thinking 思考待ち  src/game     the answer awaited from a thinker that thinks elsewhere
//   autosave 自動保存  src/game     where the game in play is kept, and whether it is written yet
#pragma once

#include <array>

#include "com/search_table.hpp"
#include "game/autosave.hpp"
#include "game/clock.hpp"
#include "game/events.hpp"
#include "game/language.hpp"
#include "game/moves.hpp"
#include "game/options.hpp"
#include "game/ports.hpp"
#include "game/record.hpp"
#include "game/sound.hpp"
#include "game/thinker.hpp"
#include "rules/game.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"

namespace velmora {

struct 対局の場 {
  Ports p;

  局面 pos;
  対局 game;
  勢力図 maps;
  探索表 search;
  棋譜 record{};
  手順 moves;
  思考時計 clock;
  音 sound;
  言語 lang;
  設定 options;
  思考待ち thinking;
  自動保存 autosave;

  // Who hears what happens, in this order, before the window (p.events):
  // the board on the window, then the input. Set by the parts that listen;
  // the last slot is the game's own: it keeps the game once everything else
  // has heard.
  std::array<知らせの受け手*, 4> 聞き手{};
  自動保存の聞き手 聞き手_自動保存{*this};

  対局の場() { 聞き手.back() = &聞き手_自動保存; }
  // The listeners hold on to the state they were made for.
  対局の場(const 対局の場&) = delete;
  対局の場& operator=(const 対局の場&) = delete;

  // What the computer's search works on, taken from the parts above.
  探索の場 探索対象() { return {pos, maps, search, game.COM_LEVEL}; }
};

// Tells every listener, then the window.
void 知らせる(対局の場& g, const 対局の知らせ& e);

}  // namespace velmora
