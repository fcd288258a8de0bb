// The settings file "Velmora.ini" (in the working directory, or where the
// window keeps it when started from the desktop) and the option menus. The file is read once at start-up;
// afterwards the menu check marks are the truth and every option change rewrites the whole file.
#include "options/settings.hpp"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "format/files.hpp"
#include "format/settings.hpp"
#include "options/sound.hpp"
#include "record/moves.hpp"
#include "record/record.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

// Writes the whole file; false when it could not be replaced.
bool 置換_ファイル(const Form1& f, std::string_view bytes) {
  return ファイル_置換(f.options.設定ファイル, bytes).empty();
}

void 適用_背景(Form1& f, int id) {
  チェック設定(f, id);
  描画_背景(f, id);
  f.view.HAIKEI = id;
}

// Four lines need far less; a larger file is none of ours (and reading all
// of it stalled the start).
constexpr std::size_t 設定ファイルの上限 = 64 * 1024;

void 適用_既定値(Form1& f) {
  適用_背景(f, HAIKEI_MIDORI);
  f.options.SIDOU_FLAG = NO;
  f.options.KOKUSAI = false;
  f.options.KEIKA = true;
  f.options.BGM = true;
  BGM_開始(f);
}

bool 選択中(const Form1& f, int id) {
  switch (id) {
    case HAIKEI_MIDORI: return f.options.MIDORI;
    case HAIKEI_TATAMI: return f.options.TATAMI;
    case HAIKEI_TAKE: return f.options.TAKE;
    case HAIKEI_UCHU: return f.options.UCHU;
    case HAIKEI_RENGA: return f.options.RENGA;
  }
  return false;
}

void 背景_Click(Form1& f, int id) {
  if (!選択中(f, id)) {
    チェック設定(f, id);
    f.view.HAIKEI = id;
  }
  書込_環境設定ファイル(f);
  画面_再描画(f);
}

}  // namespace

void 読込_環境設定ファイル(Form1& f) {
  const std::string& path = f.options.設定ファイル;
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
    f.options.設定ファイルを残す = true;
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
  if (無し("BGM")) {
    f.options.BGM = true;
    BGM_開始(f);
  }
  for (const auto& [key, value] : lines) {
    if (key == "背景画") {
      const int id = 背景識別子(value);
      適用_背景(f, id ? id : HAIKEI_MIDORI);
    } else if (key == "移動指導") {
      f.options.SIDOU_FLAG = value == "ON" ? YES : NO;
    } else if (key == "経過時間") {
      f.options.KEIKA = value != "OFF";
    } else if (key == "BGM") {
      f.options.BGM = value != "OFF";
      if (f.options.BGM) BGM_開始(f);
    } else if (key == "駒") {
      f.options.KOKUSAI = value == "国際式";
    } else if (key == "最終手表示") {
      f.options.SAISYUTE = value == "ON";
    }
  }
}

void 書込_環境設定ファイル(Form1& f) {
  if (f.options.設定ファイルを残す) return;
  設定値 v;
  // The first checked item, in the order the file has always tested them.
  v.背景画 = f.options.MIDORI   ? 背景名(HAIKEI_MIDORI)
             : f.options.TAKE   ? 背景名(HAIKEI_TAKE)
             : f.options.TATAMI ? 背景名(HAIKEI_TATAMI)
             : f.options.UCHU   ? 背景名(HAIKEI_UCHU)
             : f.options.RENGA  ? 背景名(HAIKEI_RENGA)
                                : "";
  v.移動指導 = f.options.SIDOU_FLAG == YES;
  v.経過時間 = f.options.KEIKA;
  v.BGM = f.options.BGM;
  v.国際駒 = f.options.KOKUSAI;
  v.最終手表示 = f.options.SAISYUTE;
  const std::string bytes = 書式_設定ファイル(v);
  if (!bytes.empty() && 置換_ファイル(f, bytes)) return;

  // Recovery: the default file, and the menus set to match it. When not even
  // that can be written the menus keep what the player chose.
  if (!置換_ファイル(f, 書式_設定ファイル(設定値{}))) return;
  チェック設定(f, HAIKEI_MIDORI);
  f.options.SIDOU_FLAG = NO;
  f.options.SAISYUTE = false;
  f.options.KOKUSAI = false;
  f.options.KEIKA = true;
  f.options.BGM = true;
  BGM_開始(f);
}

void チェック設定(Form1& f, int id) {
  f.options.MIDORI = id == HAIKEI_MIDORI;
  f.options.TATAMI = id == HAIKEI_TATAMI;
  f.options.TAKE = id == HAIKEI_TAKE;
  f.options.UCHU = id == HAIKEI_UCHU;
  f.options.RENGA = id == HAIKEI_RENGA;
}

void MIDORI_Click(Form1& f) { 背景_Click(f, HAIKEI_MIDORI); }
void TATAMI_Click(Form1& f) { 背景_Click(f, HAIKEI_TATAMI); }
void TAKE_Click(Form1& f) { 背景_Click(f, HAIKEI_TAKE); }
void UCHU_Click(Form1& f) { 背景_Click(f, HAIKEI_UCHU); }
void RENGA_Click(Form1& f) { 背景_Click(f, HAIKEI_RENGA); }

void SIDOU_Click(Form1& f) {
  if (f.options.SIDOU_FLAG == YES) {
    // Guidance goes off: every outline it may have coloured turns ordinary.
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) 描画_桝輪郭(f, 2, x, y);
    for (int k = 1; k <= 7; ++k) {
      描画_桝輪郭(f, 2, -1, k);
      描画_桝輪郭(f, 2, 11, k + 2);
    }
    f.options.SIDOU_FLAG = NO;
  } else {
    f.options.SIDOU_FLAG = YES;
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

void OPTION_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
}

}  // namespace velmora
