// The records read or written last.
#include "window/recent.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "format/files.hpp"
#include "game/computer.hpp"
#include "input/record_panel.hpp"
#include "window/form.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

// A list of eight paths needs far less.
constexpr std::size_t 一覧の上限 = 64 * 1024;

fs::path 一覧のパス(const Form1& f) { return fs::path(f.settings.保存先) / 最近の棋譜の名前; }

void 一覧_書込(const Form1& f) {
  if (f.settings.保存先.empty()) return;
  std::string bytes;
  for (const std::string& path : f.recent.一覧) (bytes += path) += '\n';
  // Not kept is no loss to the game: the list is only a convenience.
  ファイル_置換(一覧のパス(f), bytes);
}

}  // namespace

void 最近の棋譜_読込(Form1& f) {
  f.recent.一覧.clear();
  if (f.settings.保存先.empty()) return;
  const auto bytes = 読込_ファイル全体(一覧のパス(f), 一覧の上限);
  if (!bytes) return;
  std::vector<std::string>& list = f.recent.一覧;
  for (std::size_t at = 0; at < bytes->size() && list.size() < 最近の棋譜の数;) {
    std::size_t end = bytes->find('\n', at);
    if (end == std::string::npos) end = bytes->size();
    std::string path = bytes->substr(at, end - at);
    at = end + 1;
    if (!path.empty() && path.back() == '\r') path.pop_back();
    if (!path.empty() && path.find('\0') == std::string::npos &&
        std::find(list.begin(), list.end(), path) == list.end())
      list.push_back(std::move(path));
  }
}

void 最近の棋譜_追加(Form1& f, const std::string& path) {
  if (path.empty() || path.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos) return;
  std::error_code ec;
  fs::path full = fs::absolute(path, ec);
  if (ec) full = path;
  const std::string entry = full.lexically_normal().string();
  std::vector<std::string>& list = f.recent.一覧;
  list.erase(std::remove(list.begin(), list.end(), entry), list.end());
  list.insert(list.begin(), entry);
  if (list.size() > 最近の棋譜の数) list.resize(最近の棋譜の数);
  一覧_書込(f);
}

void 最近の棋譜_開く(Form1& f, std::size_t i) {
  // Reading a record changes the game: not while the computer thinks.
  if (i >= f.recent.一覧.size() || 思考中の断り(f)) return;
  const std::string path = f.recent.一覧[i];
  const fs::path file(path);
  std::error_code ec;
  // Gone: no such file (or a link to none). Whatever else is there is read
  // as 読込 reads it, and refused the same way if it is no record.
  if (fs::status(file, ec).type() == fs::file_type::not_found) {
    f.recent.一覧.erase(f.recent.一覧.begin() + std::ptrdiff_t(i));
    一覧_書込(f);
    f.p.dialogs->message(差込(tr(f.lang, "{名前}はもうありません。最近の棋譜から外しました"),
                              {{"名前", file.filename().string()}}),
                         tr(f.lang, "最近の棋譜"));
    return;
  }
  f.p.record->set_directory(file.parent_path().string());
  棋譜を開く(f, file.filename().string());
}

void 棋譜を開く(Form1& f, std::string_view name) {
  if (棋譜一覧_Click(f, name))
    最近の棋譜_追加(f, (fs::path(f.p.record->directory()) / fs::path(std::string(name))).string());
}

void 棋譜を書く(Form1& f) {
  const std::string written = 書込ボタン_Click(f);
  if (!written.empty()) 最近の棋譜_追加(f, written);
}

}  // namespace velmora
