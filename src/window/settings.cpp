// The settings file "Velmora.ini" (in the working directory, or where the
// window keeps it when started from the desktop) and the option menus. The file is read once at start-up;
// afterwards the menu check marks are the truth and every option change rewrites the whole file.
#include "window/settings.hpp"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "format/files.hpp"
#include "format/settings.hpp"
#include "game/sound.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "view/move_list.hpp"
#include "window/form.hpp"

namespace velmora {

namespace {

// Writes the whole file; false when it could not be replaced.
bool 置換_ファイル(const Form1& f, std::string_view bytes) {
  return ファイル_置換(f.settings.パス, bytes).empty();
}

void 適用_背景(Form1& f, int id) {
  f.options.HAIKEI = id;
  描画_背景(f, id);
}

// Four lines need far less; a larger file is none of ours (and reading all
// of it stalled the start).
constexpr std::size_t 設定ファイルの上限 = 64 * 1024;

void 適用_既定値(Form1& f) {
  適用_背景(f, HAIKEI_MIDORI);
  f.options.SIDOU_FLAG = false;
  f.options.KOKUSAI = false;
  f.options.ANIME = true;
  f.options.KEIKA = true;
  f.options.BGM = true;
  BGM_開始(f);
}

void 背景_Click(Form1& f, int id) {
  f.options.HAIKEI = id;
  書込_環境設定ファイル(f);
  画面_再描画(f);
}

}  // namespace

void 読込_環境設定ファイル(Form1& f) {
  const std::string& path = f.settings.パス;
  std::error_code ec;
  if (std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found) {
    // The first run: the default file. Where not even that can be written (a
    // read-only directory), the game goes on without one.
    置換_ファイル(f, 書式_設定ファイル(設定値{}));
    適用_既定値(f);
    return;
  }
  const auto bytes = 読込_ファイル全体(path, 設定ファイルの上限);
  if (!bytes) {
    // There, but not to be read (no permission, a device error, far too
    // large): the player's file is kept as it is, not replaced by defaults.
    f.settings.残す = true;
    適用_既定値(f);
    f.p.dialogs->message(std::string(tr(f.lang, "設定ファイルを読めません")) + "\n" + path + "\n" +
                             std::string(tr(f.lang, "既定の設定で始めます。このファイルは書き換えません")),
                         tr(f.lang, "設定"));
    return;
  }
  const auto lines = 解析_設定ファイル(*bytes);
  // An option that no line names takes its default, as does one whose value
  // is none of its own, so that exactly one background is always checked.
  const auto 無し = [&](std::string_view key) {
    return std::none_of(lines.begin(), lines.end(), [&](const 設定行& l) { return l.key == key; });
  };
  if (無し("背景画")) 適用_背景(f, HAIKEI_MIDORI);
  if (無し("経過時間")) f.options.KEIKA = true;
  if (無し("アニメーション")) f.options.ANIME = true;
  if (無し("BGM")) {
    f.options.BGM = true;
    BGM_開始(f);
  }
  for (const auto& [key, value] : lines) {
    if (key == "背景画") {
      const int id = 背景識別子(value);
      適用_背景(f, id ? id : HAIKEI_MIDORI);
    } else if (key == "移動指導") {
      f.options.SIDOU_FLAG = value == "ON";
    } else if (key == "経過時間") {
      f.options.KEIKA = value != "OFF";
    } else if (key == "BGM") {
      f.options.BGM = value != "OFF";
      if (f.options.BGM) BGM_開始(f);
    } else if (key == "駒") {
      f.options.KOKUSAI = value == "国際式";
    } else if (key == "最終手表示") {
      f.options.SAISYUTE = value == "ON";
    } else if (key == "アニメーション") {
      f.options.ANIME = value != "OFF";
    }
  }
}

void 書込_環境設定ファイル(Form1& f) {
  if (f.settings.残す) return;
  設定値 v;
  v.背景画 = 背景名(f.options.HAIKEI);
  v.移動指導 = f.options.SIDOU_FLAG;
  v.経過時間 = f.options.KEIKA;
  v.BGM = f.options.BGM;
  v.国際駒 = f.options.KOKUSAI;
  v.最終手表示 = f.options.SAISYUTE;
  v.アニメーション = f.options.ANIME;
  const std::string bytes = 書式_設定ファイル(v);
  if (!bytes.empty() && 置換_ファイル(f, bytes)) return;

  // Recovery: the default file, and the options set to match it. When not
  // even that can be written the options stay as the player chose them.
  if (!置換_ファイル(f, 書式_設定ファイル(設定値{}))) return;
  f.options.HAIKEI = HAIKEI_MIDORI;
  f.options.SIDOU_FLAG = false;
  f.options.SAISYUTE = false;
  f.options.ANIME = true;
  f.options.KOKUSAI = false;
  f.options.KEIKA = true;
  f.options.BGM = true;
  BGM_開始(f);
}

void MIDORI_Click(Form1& f) { 背景_Click(f, HAIKEI_MIDORI); }
void TATAMI_Click(Form1& f) { 背景_Click(f, HAIKEI_TATAMI); }
void TAKE_Click(Form1& f) { 背景_Click(f, HAIKEI_TAKE); }
void UCHU_Click(Form1& f) { 背景_Click(f, HAIKEI_UCHU); }
void RENGA_Click(Form1& f) { 背景_Click(f, HAIKEI_RENGA); }

void SIDOU_Click(Form1& f) {
  if (f.options.SIDOU_FLAG) {
    // Guidance goes off: every outline it may have coloured turns ordinary.
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) 描画_桝輪郭(f, 2, x, y);
    for (int k = 1; k <= 7; ++k) {
      描画_桝輪郭(f, 2, -1, k);
      描画_桝輪郭(f, 2, 11, k + 2);
    }
    f.options.SIDOU_FLAG = false;
  } else {
    f.options.SIDOU_FLAG = true;
  }
  書込_環境設定ファイル(f);
}

void BGM_Click(Form1& f) {
  if (f.options.BGM) {
    f.options.BGM = false;
    BGM_停止(f);
  } else {
    f.options.BGM = true;
    BGM_開始(f);
  }
  書込_環境設定ファイル(f);
}

// The piece set: the whole window is painted again with it, as a new
// background is.
void KANJI_Click(Form1& f) {
  f.options.KOKUSAI = false;
  書込_環境設定ファイル(f);
  画面_再描画(f);
}

void KOKUSAI_Click(Form1& f) {
  f.options.KOKUSAI = true;
  書込_環境設定ファイル(f);
  画面_再描画(f);
}

void SAISYUTE_Click(Form1& f) {
  f.options.SAISYUTE = !f.options.SAISYUTE;
  書込_環境設定ファイル(f);
  表示_棋譜(f);
}

void ANIME_Click(Form1& f) {
  f.options.ANIME = !f.options.ANIME;
  書込_環境設定ファイル(f);
}

void KEIKA_Click(Form1& f) {
  if (f.options.KEIKA) {
    f.options.KEIKA = false;
    f.clock.刻む = false;
    消去_所有時間(f, f.game.MAN_TEBAN);
    消去_所有時間(f, f.game.COM_TEBAN);
  } else {
    f.options.KEIKA = true;
    f.clock.刻む = true;
    描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN);
    描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN);
  }
  書込_環境設定ファイル(f);
}

}  // namespace velmora
