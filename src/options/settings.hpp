// The settings file "Velmora.ini" (in the working directory, or where the
// window keeps it when started from the desktop) and the option menus.
#pragma once

#include <string>

#include "rules/position.hpp"

namespace velmora {

struct Form1;

// The options as the settings file keeps them. The background items' marks
// and the marks of 経過時間 and BGM are the options themselves; move guidance
// is SIDOU_FLAG, and its menu mark and outline colour follow from it.
struct 設定 {
  bool MIDORI = false, TATAMI = false, TAKE = false, UCHU = false, RENGA = false;
  int SIDOU_FLAG = NO;
  bool KEIKA = false;
  bool BGM = false;
  // The international pieces instead of the kanji ones; KANJI and KOKUSAI's
  // marks follow from it.
  bool KOKUSAI = false;
  bool SAISYUTE = false;  // 最終手表示: the last move marked on the board
  // The directory that was current at start-up, where the help page is looked for first.
  std::string START_DIR;
  // The settings file: "Velmora.ini" in the working directory, unless the
  // window was started from the desktop.
  std::string 設定ファイル = "Velmora.ini";
  // The file was there at start-up but could not be read: it is left alone
  // for the whole run.
  bool 設定ファイルを残す = false;
};

// The colour move guidance outlines with: white when it is on, the outline
// colour (so nothing shows) when it is off.
inline constexpr int 移動指導の色(const 設定& o) { return o.SIDOU_FLAG == YES ? 15 : 2; }

void 読込_環境設定ファイル(Form1& f);
void 書込_環境設定ファイル(Form1& f);
void チェック設定(Form1& f, int id);
void MIDORI_Click(Form1& f);
void TATAMI_Click(Form1& f);
void TAKE_Click(Form1& f);
void UCHU_Click(Form1& f);
void RENGA_Click(Form1& f);
void SIDOU_Click(Form1& f);
void BGM_Click(Form1& f);
void KANJI_Click(Form1& f);
void KOKUSAI_Click(Form1& f);
void SAISYUTE_Click(Form1& f);
void OPTION_Click(Form1& f);

}  // namespace velmora
