// The game record: a snapshot of the whole position before every move, and
// the record files "*.棋譜" that keep those snapshots.
#include "game/record.hpp"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "format/files.hpp"
#include "format/kifu_line.hpp"
#include "game/flow.hpp"
#include "game/state.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

// The board and both hands of `p` with the four times, as a snapshot.
棋譜局面 記録局面(const 局面& p, double MAN_JIKAN, double MAN_JIKAN2, double COM_JIKAN, double COM_JIKAN2) {
  棋譜局面 k = 記録_局面から(p);
  k.MAN_JIKAN = MAN_JIKAN;
  k.MAN_JIKAN2 = MAN_JIKAN2;
  k.COM_JIKAN = COM_JIKAN;
  k.COM_JIKAN2 = COM_JIKAN2;
  return k;
}

}  // namespace

書込内容 棋譜ファイルの内容(const 対局の場& f, const 棋譜の見出し& headers) {
  書込内容 out;
  // Line 2 names the top side's player, line 3 the bottom side's.
  const bool human_first = f.game.MAN_TEBAN == 1;
  const std::string* const lines[3] = {&headers.対局名, human_first ? &headers.後手 : &headers.先手,
                                       human_first ? &headers.先手 : &headers.後手};
  for (const std::string* line : lines) {
    const std::string& text = *line;
    const 見出し行 header = 書込_見出し行(text);
    const std::string_view field = line == &headers.対局名 ? tr(f.lang, "棋譜の欄", "対局名")
                                   : line == &headers.先手 ? tr(f.lang, "棋譜の欄", "先手")
                                                           : tr(f.lang, "棋譜の欄", "後手");
    switch (header.誤り) {
      case 見出しの誤り::なし: break;
      case 見出しの誤り::文字:
        out.誤り = 差込(tr(f.lang, "Shift-JISで書けない文字があります：{文字列}"), {{"文字列", text}});
        return out;
      case 見出しの誤り::長さ:
        out.誤り = 差込(tr(f.lang, "{欄}が長すぎます（Shift-JISで{上限}バイトまで）"),
                        {{"欄", field}, {"上限", std::to_string(棋譜_行の上限)}});
        return out;
      case 見出しの誤り::読み戻し:
        out.誤り = 差込(tr(f.lang, "{欄}は読み戻すと別の文字になります：{文字列}"),
                        {{"欄", field}, {"文字列", text}});
        return out;
    }
    out.bytes += *header;
    out.bytes += "\r\n";
  }
  for (int t = 1; t <= f.game.TESUU_MAX && t <= KIFU_T_MAX; ++t) {
    out.bytes += 書込_棋譜行(f.record[t]);
    out.bytes += "\r\n";
  }
  // During play the position after the newest move is stored only when the
  // next move is made; the file gets it all the same, so that the move that
  // decided the game can be stepped to. Its clocks stand still (before =
  // after). The record in memory stays as it is.
  const 対局& g = f.game;
  if (!g.KIFU_MODE && g.TESUU == g.TESUU_MAX + 1 && g.TESUU <= KIFU_T_MAX) {
    out.bytes += 書込_棋譜行(
        記録局面(f.pos, f.clock.MAN_JIKAN, f.clock.MAN_JIKAN, f.clock.COM_JIKAN, f.clock.COM_JIKAN));
    out.bytes += "\r\n";
  }
  return out;
}

namespace {

// "Line N of the record file is not right".
std::string 行の誤り(const 対局の場& f, int number) {
  return 差込(tr(f.lang, "棋譜ﾌｧｲﾙの{行}行目が正しくありません"), {{"行", std::to_string(number)}});
}

void 読込失敗(対局の場& f, std::string_view text) { f.p.dialogs->message(text, tr(f.lang, "棋譜")); }

}  // namespace

void 盤と持駒_復元(局面& p, const 棋譜局面& k) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) p.BAN[x][y] = k.BAN[x][y];
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    p.SITA_MOTI[slot] = k.SITA_MOTI[slot];
    p.UE_MOTI[slot] = k.UE_MOTI[slot];
  }
}

棋譜局面 記録_局面から(const 局面& p) {
  棋譜局面 k;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) k.BAN[x][y] = p.BAN[x][y];
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    k.SITA_MOTI[slot] = p.SITA_MOTI[slot];
    k.UE_MOTI[slot] = p.UE_MOTI[slot];
  }
  return k;
}

void 手順保存(棋譜& record, 対局& g, const 局面& p, double MAN_JIKAN, double MAN_JIKAN2, double COM_JIKAN,
              double COM_JIKAN2) {
  // The record ends at move index 500; a move past it is never stored.
  const int t = g.TESUU;
  if (t < 0 || t > KIFU_T_MAX) return;
  record[t] = 記録局面(p, MAN_JIKAN, MAN_JIKAN2, COM_JIKAN, COM_JIKAN2);
  g.TESUU_MAX = t;
}

void 調査_移動結果(const 棋譜& record, int t, int& x, int& y, int& piece) {
  // Snapshot 0 has no snapshot before it to compare with.
  if (t < 1 || t > KIFU_T_MAX) return;
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      const int c = record[t].BAN[i][j];
      if (c != KARA && c != record[t - 1].BAN[i][j]) {
        x = i;
        y = j;
        piece = c;
        return;
      }
    }
  }
}

namespace {

// What a record file holds: its three headers and its snapshots, or the
// text that says why it cannot be read (empty when it could).
struct 読んだ棋譜 {
  std::string headers[3];
  std::vector<棋譜局面> snapshots;
  bool 打切り = false;  // more snapshots than the record holds: the rest left out
  std::string 誤り;
};

// The whole file, read and checked line by line before the game is touched.
// A FIFO, a device or a directory is refused as a file that cannot be read,
// without waiting on it.
読んだ棋譜 棋譜ファイル_解析(const 対局の場& f, const std::string& path, std::string_view name) {
  読んだ棋譜 r;
  読込ファイル file{fs::path(path)};
  if (!file.開いた()) {
    r.誤り = std::string(file.通常でない() ? tr(f.lang, "棋譜ﾌｧｲﾙを読めません")
                                           : tr(f.lang, "棋譜ﾌｧｲﾙを開けません")) +
             "\n" + std::string(name);
    return r;
  }
  std::string line;
  行読込 lines([&file](char* to, std::size_t n) { return file.読む(to, n); }, 棋譜_行の上限);
  for (int number = 1;; ++number) {
    const 行読込::結果 read = lines.次(line);
    if (read == 行読込::結果::終わり) break;
    if (read == 行読込::結果::読込誤り) {
      r.誤り = std::string(tr(f.lang, "棋譜ﾌｧｲﾙを読めません")) + "\n" + std::string(name);
      return r;
    }
    if (read == 行読込::結果::長すぎ) {
      r.誤り = 行の誤り(f, number) + "\n" + std::string(tr(f.lang, "行が長すぎます"));
      return r;
    }
    if (number <= 3) {
      if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // a UTF-8 mark
      r.headers[number - 1] = 読込_見出し行(line);
      continue;
    }
    if (r.snapshots.size() == static_cast<std::size_t>(KIFU_T_MAX)) {
      r.打切り = true;
      break;
    }
    棋譜局面 k;
    const 棋譜行の結果 result = 読込_棋譜行(line, k);
    if (!result.ok()) {
      r.誤り = 行の誤り(f, number) + "\n" + std::string(tr(f.lang, 棋譜行の誤り_説明(result.誤り)));
      if (result.桁 > 0) r.誤り += 差込(tr(f.lang, "（{桁}文字目）"), {{"桁", std::to_string(result.桁)}});
      return r;
    }
    r.snapshots.push_back(k);
  }
  return r;
}

}  // namespace

std::string 棋譜ファイルの誤り(const 対局の場& f, const std::string& path, std::string_view name) {
  const 読んだ棋譜 file = 棋譜ファイル_解析(f, path, name);
  if (!file.誤り.empty()) return file.誤り;
  if (file.snapshots.empty()) return std::string(tr(f.lang, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"));
  return {};
}

bool 棋譜_読込(対局の場& f, const std::string& path, std::string_view name) {
  // A file that cannot be read or holds a bad line leaves the current game as it was.
  const 読んだ棋譜 file = 棋譜ファイル_解析(f, path, name);
  if (!file.誤り.empty()) {
    読込失敗(f, file.誤り);
    return false;
  }
  const std::string(&headers)[3] = file.headers;
  const std::vector<棋譜局面>& snapshots = file.snapshots;
  const bool 打切り = file.打切り;
  // A file without snapshot lines is refused like a bad one: the game stays.
  if (snapshots.empty()) {
    f.p.dialogs->message(tr(f.lang, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), tr(f.lang, "棋譜"));
    return false;
  }

  初期設定(f);
  f.game.KIFU_MODE = true;
  // A record file starts from the position on the board, which it does not
  // hold: that is its snapshot 0, and 戻 from its first move comes back to it.
  // The file does not say which side moved first.
  手順保存(f.record, f.game, f.pos, 0, 0, 0, 0);
  const int n = static_cast<int>(snapshots.size());
  for (int t = 1; t <= n; ++t) f.record[t] = snapshots[t - 1];
  f.game.TESUU = 0;
  f.game.TESUU_HYOJI = 0;
  f.game.TESUU_MAX = n;
  f.moves = 手順_割出し(f.record.data(), n);

  f.p.dialogs->message(tr(f.lang, " 読み込みました"), tr(f.lang, "棋譜"));
  if (打切り)
    f.p.dialogs->message(
        差込(tr(f.lang, "棋譜は{上限}手までしか入りません。最初の{上限}手だけを読み込みました"),
             {{"上限", std::to_string(KIFU_T_MAX)}}),
        tr(f.lang, "棋譜"));
  f.p.dialogs->message(tr(f.lang, "棋譜を '進 'で進めて下さい"), tr(f.lang, "棋譜"));
  f.game.TEBAN = TEBAN_SENTE;
  対局の知らせ read;
  read.種類 = 出来事::棋譜を読んだ;
  read.側 = f.game.TEBAN;
  for (int i = 0; i < 3; ++i) read.見出し[i] = headers[i];
  知らせる(f, read);
  return true;
}

}  // namespace velmora
