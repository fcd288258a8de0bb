// The settings file "Velmora.ini" in the working directory and the option
// menus.
#pragma once

namespace velmora {

struct Form1;

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
void OPTION_Click(Form1& f);

}  // namespace velmora
