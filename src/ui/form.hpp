// The main window's state: the one object every handler of the window's
// logic is given, made of named parts. Each part belongs to the folder that
// declares it, and the procedures of the engine take only the parts they
// need, never the window.
//
//   part     type      owner           what
//   pos      局面      src/rules       the board, both hands and their totals, the king squares
//   game     対局      src/rules       turn, sides, mode, winner, move numbers, record mode,
//                                      reversal, handicap, level
//   maps     勢力図    src/rules       the influence maps and the bottom king's escape squares
//   search   探索表    src/com         the computer's snapshots, candidate values and probe tables
//   record   棋譜      src/record      the snapshots 0..KIFU_T_MAX
//   moves    棋譜欄    src/record      the moves worked out from them, and the move list's lines
//   pick     選択      src/ui          the mouse's pick (mouse_input.hpp)
//   clock    思考時計  src/ui          the thinking-time clock (clock.hpp)
//   view     画面      src/ui          the background painted and the bold font (drawing.hpp)
//   options  設定      src/options     the options of the settings file, the start-up directory
//   sound    音        src/options     the sound library's handle and buffers
//   lang     言語      src/options     the language of the texts shown: its catalogue
//   p        Ports     src/ui          the platform: canvas, dialogs, sound, clock, record panel, desktop
#pragma once

#include "com/search_table.hpp"
#include "options/language.hpp"
#include "options/settings.hpp"
#include "options/sound.hpp"
#include "record/moves.hpp"
#include "record/record.hpp"
#include "rules/game.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"
#include "ui/clock.hpp"
#include "ui/drawing.hpp"
#include "ui/mouse_input.hpp"
#include "ui/ports.hpp"

namespace velmora {

struct Form1 {
  Ports p;

  局面 pos;
  対局 game;
  勢力図 maps;
  探索表 search;
  棋譜 record{};
  棋譜欄 moves;

  選択 pick;
  思考時計 clock;
  画面 view;
  設定 options;
  音 sound;
  言語 lang;

  // What the computer's search works on, taken from the parts above.
  探索の場 探索対象() { return {pos, maps, search, game.COM_LEVEL}; }
};

}  // namespace velmora
