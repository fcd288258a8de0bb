// The main window's state: the one object every handler of the window's
// logic is given. It is the input's state (which is the board's, which is the
// game's: input/state.hpp, view/state.hpp, game/state.hpp), with what the
// window as a whole keeps: where its options are kept and the folder it
// started in. Procedures take the narrowest of these states they need; only
// the handlers of the window take Form1.
//
//   part      type        owner        what
//   settings  設定ファイル src/window   the settings file's path, whether it is left alone,
//                                       the directory current at start-up, where the game
//                                       in play and the recent records are kept
//   recent    最近の棋譜   src/window   the records read or written last
#pragma once

#include <string>

#include "input/state.hpp"
#include "window/recent.hpp"

namespace velmora {

struct 設定ファイル {
  // "Velmora.ini" in the working directory, unless the window was started
  // from the desktop.
  std::string パス = "Velmora.ini";
  // The file was there at start-up but could not be read: it is left alone
  // for the whole run.
  bool 残す = false;
  // The directory that was current at start-up, where the help page is looked for first.
  std::string START_DIR;
  // The folder where the game in play ("autosave") and the recent records
  // are kept beside the settings file; empty: neither is kept (velmora-script
  // without --autosave, the tests).
  std::string 保存先;
};

struct Form1 : 入力の場 {
  設定ファイル settings;
  最近の棋譜 recent;
};

}  // namespace velmora
