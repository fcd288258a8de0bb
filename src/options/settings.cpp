// The settings file "Velmora.ini" in the working directory and the option
// menus. The file is read once at start-up; afterwards the menu check marks
// are the truth and every option change rewrites the whole file.
#include "options/settings.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include "format/settings.hpp"
#include "options/sound.hpp"
#include "record/record.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

constexpr const char* 設定ファイル = "Velmora.ini";

std::optional<std::string> 読込_ファイル全体(const char* path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

// Writes a temporary file beside `path`, flushes it to disk and renames it
// over `path`: a crash leaves either the old file or the new one, never half.
bool 置換_ファイル(const char* path, std::string_view bytes) {
  std::string temp = std::string(path) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  struct stat old {};
  const mode_t mode = ::stat(path, &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = ::fchmod(fd, mode) == 0;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), path) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

void 適用_背景(Form1& f, int id) {
  チェック設定(f, id);
  描画_背景(f, id);
  f.HAIKEI = id;
}

// The default file, written and applied when the file cannot be read.
// Where not even that can be written (a read-only directory), the defaults
// still apply and the game goes on without a settings file.
void 作成_既定設定ファイル(Form1& f) {
  置換_ファイル(設定ファイル, 書式_設定ファイル(設定値{}));
  適用_背景(f, HAIKEI_MIDORI);
  f.menu.SIDOU = false;
  f.menu.KEIKA = true;
  f.menu.BGM = true;
  BGM_開始(f);
}

bool 選択中(const Form1& f, int id) {
  switch (id) {
    case HAIKEI_MIDORI: return f.menu.MIDORI;
    case HAIKEI_TATAMI: return f.menu.TATAMI;
    case HAIKEI_TAKE: return f.menu.TAKE;
    case HAIKEI_UCHU: return f.menu.UCHU;
    case HAIKEI_RENGA: return f.menu.RENGA;
  }
  return false;
}

void 背景_Click(Form1& f, int id) {
  if (!選択中(f, id)) {
    チェック設定(f, id);
    f.HAIKEI = id;
  }
  書込_環境設定ファイル(f);
  画面_再描画(f);
}

}  // namespace

void 読込_環境設定ファイル(Form1& f) {
  const auto bytes = 読込_ファイル全体(設定ファイル);
  if (!bytes) {
    作成_既定設定ファイル(f);
    return;
  }
  for (const auto& [key, value] : 解析_設定ファイル(*bytes)) {
    if (key == "背景画") {
      if (const int id = 背景識別子(value)) 適用_背景(f, id);
    } else if (key == "移動指導") {
      const bool on = value == "ON";
      f.SIDOU_IRO = on ? 15 : 2;
      f.menu.SIDOU = on;
      f.SIDOU_FLAG = on ? YES : NO;
    } else if (key == "経過時間") {
      f.menu.KEIKA = value == "ON";
    } else if (key == "BGM") {
      f.menu.BGM = value == "ON";
      if (f.menu.BGM) BGM_開始(f);
    }
  }
}

void 書込_環境設定ファイル(Form1& f) {
  設定値 v;
  // The first checked item, in the order the file has always tested them.
  v.背景画 = f.menu.MIDORI   ? 背景名(HAIKEI_MIDORI)
             : f.menu.TAKE   ? 背景名(HAIKEI_TAKE)
             : f.menu.TATAMI ? 背景名(HAIKEI_TATAMI)
             : f.menu.UCHU   ? 背景名(HAIKEI_UCHU)
             : f.menu.RENGA  ? 背景名(HAIKEI_RENGA)
                             : "";
  v.移動指導 = f.menu.SIDOU;
  v.経過時間 = f.menu.KEIKA;
  v.BGM = f.menu.BGM;
  const std::string bytes = 書式_設定ファイル(v);
  if (!bytes.empty() && 置換_ファイル(設定ファイル, bytes)) return;

  // Recovery: the default file, and the menus set to match it. When not even
  // that can be written the menus keep what the player chose.
  if (!置換_ファイル(設定ファイル, 書式_設定ファイル(設定値{}))) return;
  チェック設定(f, HAIKEI_MIDORI);
  f.menu.SIDOU = false;
  f.SIDOU_FLAG = NO;
  f.SIDOU_IRO = 2;
  f.menu.KEIKA = true;
  f.menu.BGM = true;
  BGM_開始(f);
}

void チェック設定(Form1& f, int id) {
  f.menu.MIDORI = id == HAIKEI_MIDORI;
  f.menu.TATAMI = id == HAIKEI_TATAMI;
  f.menu.TAKE = id == HAIKEI_TAKE;
  f.menu.UCHU = id == HAIKEI_UCHU;
  f.menu.RENGA = id == HAIKEI_RENGA;
}

void MIDORI_Click(Form1& f) { 背景_Click(f, HAIKEI_MIDORI); }
void TATAMI_Click(Form1& f) { 背景_Click(f, HAIKEI_TATAMI); }
void TAKE_Click(Form1& f) { 背景_Click(f, HAIKEI_TAKE); }
void UCHU_Click(Form1& f) { 背景_Click(f, HAIKEI_UCHU); }
void RENGA_Click(Form1& f) { 背景_Click(f, HAIKEI_RENGA); }

void SIDOU_Click(Form1& f) {
  if (f.menu.SIDOU) {
    // Guidance goes off: every outline it may have coloured turns ordinary.
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) 描画_桝輪郭(f, 2, x, y);
    for (int k = 1; k <= 7; ++k) {
      描画_桝輪郭(f, 2, -1, k);
      描画_桝輪郭(f, 2, 11, k + 2);
    }
    f.menu.SIDOU = false;
    f.SIDOU_FLAG = NO;
    f.SIDOU_IRO = 2;
  } else {
    f.menu.SIDOU = true;
    f.SIDOU_FLAG = YES;
    f.SIDOU_IRO = 15;
  }
  書込_環境設定ファイル(f);
}

void BGM_Click(Form1& f) {
  if (f.menu.BGM) {
    f.menu.BGM = false;
    BGM_停止(f);
  } else {
    f.menu.BGM = true;
    BGM_開始(f);
  }
  書込_環境設定ファイル(f);
}

void OPTION_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
}

}  // namespace velmora
