// The main window's state.
//
// `Form1` is the one object the handlers share: the engine state (position,
// maps, record) plus what only the window has (pick state, clocks, options,
// menu check marks, sound buffers) and the ports to the platform. The
// procedures are declared beside the files that implement them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/position.hpp"
#include "ui/drawing.hpp"
#include "ui/ports.hpp"

namespace velmora {

// Check marks of the menu items that carry one.
struct MenuChecks {
  bool LEVEL1 = false, LEVEL2 = false, LEVEL3 = false;
  bool MIDORI = false, TATAMI = false, TAKE = false, UCHU = false, RENGA = false;
  bool SIDOU = false, KEIKA = false, BGM = false;
};

struct Form1 : EngineState {
  Ports p;

  // Pick state of the mouse input.
  int MOTO_X = 0, MOTO_Y = 0, SAKI_X = 0, SAKI_Y = 0, KOMA = 0;

  // Thinking-time clock.
  double KAISI_JIKOKU = 0;
  double KEIKA_BYOU = 0;
  double MAN_JIKAN = 0;
  double COM_JIKAN = 0;
  long KEIKA_HYOJI_BYOU = 0;
  bool Timer1_Enabled = false;

  // Options.
  int HAIKEI = HAIKEI_MIDORI;
  int SIDOU_FLAG = NO;
  int SIDOU_IRO = 2;
  MenuChecks menu;

  // The window font is bold once the coordinate labels have been drawn.
  bool FontBold = false;

  // Sound.
  std::intptr_t SND_HANDLE = 0;
  std::intptr_t SND_SONOTA = 0, SND_KINSHI = 0, SND_KOMAUCHI = 0, SND_BGM = 0;

  // The directory that was current at start-up (the help page lives there).
  std::string START_DIR;
};

}  // namespace velmora
