// Start-up and shutdown of the window.
#include "window/startup.hpp"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "format/files.hpp"
#include "game/autosave.hpp"
#include "game/flow.hpp"
#include "game/sound.hpp"
#include "window/form.hpp"
#include "window/recent.hpp"
#include "window/settings.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

// Now, as a file name's time stamp: 20260105-143000.
std::string 時刻印() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return stamp;
}

}  // namespace

void Form_Load(Form1& f) {
  サウンド_起動(f);
  起動_画面(f);
}

void 起動_画面(Form1& f) {
  f.game.KIFU_MODE = false;
  f.options.SIDOU_FLAG = false;
  f.game.TESUU_MAX = 0;
  f.game.COM_LEVEL = 3;

  std::error_code ec;
  f.settings.START_DIR = std::filesystem::current_path(ec).string();

  f.game.COM_TEBAN = 1;
  f.game.MAN_TEBAN = -1;

  読込_環境設定ファイル(f);
  最近の棋譜_読込(f);
  初期設定(f);

  if (f.p.desktop && f.p.desktop->window_top() != -60) f.p.desktop->place_window(0, 0, 10900, 8600);
}

void 起動_サウンド(Form1& f) {
  サウンド_起動(f);
  // The settings asked for the music before its wave was there.
  if (f.options.BGM) BGM_開始(f);
}

namespace {

// The file kept last time: read, and taken up or set aside.
void 前回の対局を見る(Form1& f, const fs::path& path, bool 尋ねる) {
  std::error_code ec;
  if (fs::symlink_status(path, ec).type() == fs::file_type::not_found) return;
  保存された対局 kept;
  const std::optional<std::string> bytes = 読込_ファイル全体(path, 自動保存の上限);
  const 自動保存の誤り why = bytes ? 自動保存_解析(*bytes, kept) : 自動保存の誤り::壊れた;
  if (why != 自動保存の誤り::なし) {
    // Never in the way of the start: put aside where it can still be looked at.
    自動保存_退避(path, 時刻印());
    const std::string_view text =
        !bytes ? tr(f.lang, "前回の対局を読めません。別の名前で残して新しく始めます")
        : why == 自動保存の誤り::版
            ? tr(f.lang, "前回の対局は別の版のものです。別の名前で残して新しく始めます")
            : tr(f.lang, "前回の対局は壊れています。別の名前で残して新しく始めます");
    f.p.dialogs->message(text, tr(f.lang, "前回の対局"));
    return;
  }
  // An ended game, or one without a move, is simply written over.
  if (!続きのある対局(kept.game)) return;
  if (尋ねる && f.p.dialogs->yes_no(tr(f.lang, "前回の対局を続けますか？"), tr(f.lang, "前回の対局"))) {
    自動保存_復元(f, kept, f.p.clock->now());
    return;
  }
  自動保存_退避(path, 時刻印());
}

}  // namespace

void 前回の対局_確認(Form1& f, bool 尋ねる) {
  if (f.settings.保存先.empty()) return;
  const fs::path path = fs::path(f.settings.保存先) / 自動保存の名前;
  f.autosave.パス = path;
  前回の対局を見る(f, path, 尋ねる);
  // Whatever was decided, the game is kept from now on: only now, once the
  // file has been read and taken up or set aside, so that the writer never
  // writes it while the start reads it or renames it.
  f.autosave.書く = true;
}

void OWARI_Click(Form1& f) {
  終了処理(f);
  f.p.desktop->quit();
}

void Form_Unload(Form1& f) {
  終了処理(f);
  f.p.desktop->quit();
}

}  // namespace velmora
