// The main window's state and every procedure of the window's logic.
//
// `Form1` is the one object the handlers share: the engine state (position,
// maps, record) plus what only the window has (pick state, clocks, options,
// menu check marks, sound buffers) and the ports to the platform. Each group
// of procedures below is implemented in one file of its subsystem's folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/position.hpp"
#include "ui/ports.hpp"

namespace velmora {

// Display colours (QBColor indices) and picture identifiers.
inline constexpr int IRO_MOJI = 15;
inline constexpr int IRO_KEKKA = 15;
inline constexpr int IRO_KAGE = 0;
inline constexpr int IRO_SENTAKU = 12;
inline constexpr int IRO_BANGOU = 14;
inline constexpr int IRO_WAKU = 2;
inline constexpr int IRO_KESU = 2;
inline constexpr int E_TAITORU = 1;
inline constexpr int HAIKEI_MIDORI = 2;
inline constexpr int HAIKEI_TATAMI = 3;
inline constexpr int HAIKEI_TAKE = 4;
inline constexpr int HAIKEI_UCHU = 5;
inline constexpr int HAIKEI_RENGA = 6;

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

// ---- Part of the new game that the window adds (src/ui/startup.cpp) ----
void 初期設定(Form1& f);

// ---- Start-up and game flow (src/ui/startup.cpp) ----
void Form_Load(Form1& f);
void TAIKYOKU_Click(Form1& f);
void STOP_Click(Form1& f);
void MATCH_MAN_Click(Form1& f);
void START_Click(Form1& f);
void SENTE_Click(Form1& f);
void GOTE_Click(Form1& f);
void OWARI_Click(Form1& f);
void Form_Unload(Form1& f);
void 終了処理(Form1& f);
void 画面_再描画(Form1& f);

// ---- Board and piece-stand drawing (src/ui/drawing.cpp) ----
void 描画_絵(Form1& f, int id, double x, double y);
void 描画_桝輪郭(Form1& f, int colour, double x, double y);
void 描画_数値(Form1& f, double x, double y, double value, int colour, int mode, int size);
void 描画_数値(Form1& f, double x, double y, std::string_view text, int colour, int mode, int size);
void 描画_移動駒種類(Form1& f, double x, double y, std::string_view text, int colour);
void 描画_盤(Form1& f);
void 描画_将棋盤桝(Form1& f);
void 描画_背景(Form1& f, int id);
void 描画_自持盤(Form1& f);
void 描画_敵持盤(Form1& f);
void 描画_可視(Form1& f, bool drive, bool dir, bool file);
// A real move and its mirror move, painted on the window.
void 駒移動(Form1& f, int x1, int y1, int x2, int y2, int koma);
void 駒移動_相対駒(Form1& f, int x1, int y1, int x2, int y2, int koma);

// ---- Highlights, messages and counters (src/ui/labels.cpp) ----
void 描画_文字列(Form1& f, double x, double y, int code, int colour, int size);
void 描画_桝_数値(Form1& f);
void 描画_手数(Form1& f, int n, int colour);
void 描画_レベル(Form1& f, int n);
void 描画_ハンデレベル(Form1& f, int level);
void 描画_移動結果(Form1& f, int side, int x, int y, int piece, int colour);
void 消去_移動結果(Form1& f, int side);
void 消去_思考中(Form1& f);
void 描画_移動可能桝色(Form1& f, int x0, int y0, int colour, int piece);
void 描画_桝輪郭_相対駒(Form1& f, int x, int y, int piece);
void 描画_駒点滅(Form1& f, int piece, double x, double y, int n);
void 描画_メッセージ(Form1& f, int reason);

// ---- Thinking-time clock (src/ui/clock.cpp) ----
void Timer1_Timer(Form1& f);
double 調査_経過秒(double start, double now);
std::string 調査_時間秒追加結果(double seconds);
std::string 変換_数字から文字(long n);
void 描画_所有時間(Form1& f, int side, double seconds);
void 消去_所有時間(Form1& f, int side);
void KEIKA_Click(Form1& f);

// ---- Human move input (src/ui/mouse_input.cpp) ----
void Form_MouseDown(Form1& f, int Button, int Shift, double X, double Y);
void Form_KeyPress(Form1& f, int KeyAscii);

// ---- The computer's turn on the window (src/ui/com_turn.cpp) ----
void com_ban(Form1& f);
void 待ち時間(Form1& f, double seconds);
void レベル_設定(Form1& f, int n);
void LEVEL1_Click(Form1& f);
void LEVEL2_Click(Form1& f);
void LEVEL3_Click(Form1& f);

// ---- Handicap buttons (src/ui/handicap_menu.cpp) ----
void LBEL_UP_Click(Form1& f);
void LEBEL_DOWN_Click(Form1& f);

// ---- Record files and move history (src/record/record.cpp) ----
void 手順保存(Form1& f, int x1, int y1, int x2, int y2, int moving, int placed, double t1, double t2,
              double t3, double t4);
void 描画_棋譜_IO(Form1& f, int mode);
void 描画_棋譜読込み部分消去(Form1& f);
double 取得_棋譜のX座標(std::string_view text);
std::string 文字列変換(int v);
void KIFU_READ_Click(Form1& f);
void KIFU_WRITE_Click(Form1& f);
void Command1_Click(Form1& f);
void File1_Click(Form1& f, std::string_view name);
void Dir1_Change(Form1& f, std::string_view path);
void Drive1_Change(Form1& f, std::string_view drive);

// ---- Position navigation (src/record/navigation.cpp) ----
void REPLAY_Click(Form1& f);
void AFTER_Click(Form1& f);
void CANCEL_Click(Form1& f);
void REVERSE_Click(Form1& f);

// ---- Settings file and option menus (src/options/settings.cpp) ----
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

// ---- Sound (src/options/sound.cpp) ----
void 初期化_サウンド(Form1& f, std::intptr_t window);
std::intptr_t 読込_サウンド(Form1& f, std::string_view name, int flags);
void 終了_サウンド(Form1& f);
void 表示_警告(Form1& f, std::string_view text);
void サウンド_起動(Form1& f);        // start-up: initialise and load the four buffers
void サウンド_解放(Form1& f);        // shutdown: free the four buffers, then terminate
void 効果音(Form1& f, Sound which);  // SONOTA, KINSHI or KOMAUCHI, once
void BGM_開始(Form1& f);
void BGM_停止(Form1& f);

// ---- Help page and about box (src/options/help.cpp) ----
void KAISETU_Click(Form1& f);
void VER_Click(Form1& f);
void Form2_Command1_Click(Form1& f);  // "ホームページ"
void Form2_Command2_Click(Form1& f);  // "O K"

}  // namespace velmora
