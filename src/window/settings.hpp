// The settings file "Velmora.ini" (in the working directory, or where the
// window keeps it when started from the desktop) and the option menus.
#pragma once

#include <string>

#include "game/options.hpp"

namespace velmora {

struct Form1;

void 読込_環境設定ファイル(Form1& f);
void 書込_環境設定ファイル(Form1& f);
void KEIKA_Click(Form1& f);
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
// アニメーション: moves glide to their squares and steps fade, or not.
void ANIME_Click(Form1& f);

}  // namespace velmora
