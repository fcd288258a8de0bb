// The record panel and the record browser as the player uses them.
#include "input/record_panel.hpp"

#include <filesystem>
#include <string>
#include <system_error>

#include "format/files.hpp"
#include "game/computer.hpp"
#include "game/record.hpp"
#include "input/state.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view 拡張子 = ".棋譜";

void 保存失敗(入力の場& f, std::string_view file, std::string_view reason) {
  f.p.dialogs->message(std::string(tr(f.lang, "棋譜を書き込めませんでした")) + "\n" + std::string(file) +
                           "\n" + std::string(reason),
                       tr(f.lang, "棋譜保存"));
}

}  // namespace

void 描画_可視(入力の場& f, bool drive, bool dir, bool file) { f.p.record->show_browser(drive, dir, file); }

void 描画_棋譜_IO(入力の場& f, int mode) {
  if (mode == 0) {
    f.p.record->show_panel(true);
    return;
  }
  for (棋譜の欄 box : {棋譜の欄::ファイル名, 棋譜の欄::対局名, 棋譜の欄::先手, 棋譜の欄::後手})
    f.p.record->set_text(box, "");
  f.p.record->show_panel(false);
}

void 棋譜欄を閉じる(入力の場& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
}

void KIFU_READ_Click(入力の場& f) {
  描画_可視(f, true, true, true);
  描画_棋譜_IO(f, 1);
}

void KIFU_WRITE_Click(入力の場& f) {
  if (f.game.HANTEN) {
    f.p.dialogs->message(tr(f.lang, "反転後は書き込みできません"), tr(f.lang, "棋譜書込"));
    return;
  }
  if (f.game.HANDE_SETTEI) {
    f.p.dialogs->message(tr(f.lang, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"), tr(f.lang, "棋譜書込"));
    return;
  }
  描画_可視(f, true, true, false);
  描画_棋譜_IO(f, 0);
}

std::string 書込ボタン_Click(入力の場& f) {
  const std::string name = f.p.record->text(棋譜の欄::ファイル名);
  if (name.empty()) {
    f.p.dialogs->message(tr(f.lang, "ﾌｧｲﾙ名が入力されていません"), "  ");
    return {};
  }
  if (f.game.TESUU_MAX < 1) {
    f.p.dialogs->message(tr(f.lang, "保存するデータがありません"), tr(f.lang, "棋譜保存"));
    return {};
  }
  const std::string file = name + std::string(拡張子);
  // The name is a file name, not a path: a "/" would write somewhere else.
  if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
    保存失敗(f, file, tr(f.lang, "ファイル名に「/」は使えません"));
    return {};
  }
  const 棋譜の見出し headers{f.p.record->text(棋譜の欄::対局名), f.p.record->text(棋譜の欄::先手),
                             f.p.record->text(棋譜の欄::後手)};
  const 書込内容 content = 棋譜ファイルの内容(f, headers);
  if (!content.誤り.empty()) {
    保存失敗(f, file, content.誤り);
    return {};
  }
  const std::string dir = f.p.record->directory();
  if (dir.empty()) {
    保存失敗(f, file, tr(f.lang, "保存先のフォルダがありません"));
    return {};
  }
  const fs::path target = fs::path(dir) / file;
  const std::string error = ファイル_置換(target, content.bytes);
  if (!error.empty()) {
    // The panel stays open so that another name or folder can be tried.
    保存失敗(f, file, tr(f.lang, error));
    return {};
  }
  棋譜欄を閉じる(f);
  f.p.record->refresh_files();
  f.p.dialogs->message(tr(f.lang, "棋譜を書き込みました"), "  ");
  return target.string();
}

bool 棋譜一覧_Click(入力の場& f, std::string_view name) {
  if (思考中の断り(f)) return false;
  描画_可視(f, false, false, false);
  const fs::path path = fs::path(f.p.record->directory()) / fs::path(std::string(name));
  return 棋譜_読込(f, path.string(), name);
}

void フォルダ_変更(入力の場& f, std::string_view path) {
  f.p.record->set_directory(path);
  f.p.record->refresh_files();
}

void ドライブ_変更(入力の場& f, std::string_view drive) {
  std::error_code ec;
  fs::directory_iterator probe(fs::path(std::string(drive)), ec);
  if (ec) {
    f.p.dialogs->message(tr(f.lang, "ﾃﾞﾊﾞｲｽが準備できていません"), tr(f.lang, "ｴﾗｰ"));
    return;
  }
  f.p.record->set_directory(drive);
  f.p.record->refresh_files();
}

}  // namespace velmora
