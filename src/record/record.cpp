// The game record: a snapshot of the whole position before every move, and
// the record files "*.棋譜" that keep those snapshots, written and read
// through the record panel and the record browser.
#include "record/record.hpp"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "format/files.hpp"
#include "format/kifu_line.hpp"
#include "record/moves.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view 拡張子 = ".棋譜";
// Where a loaded record's title and bottom player go: row 10, below the
// board, as far into the row as they always stood into row 9.
constexpr double 記録の行 = BAN_TOP + MASU_H * 10 + 40;

std::size_t 文字数(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// The board and both hands of `p` with the four times, as a snapshot.
棋譜局面 記録局面(const 局面& p, double MAN_JIKAN, double MAN_JIKAN2, double COM_JIKAN, double COM_JIKAN2) {
  棋譜局面 k = 記録_局面から(p);
  k.MAN_JIKAN = MAN_JIKAN;
  k.MAN_JIKAN2 = MAN_JIKAN2;
  k.COM_JIKAN = COM_JIKAN;
  k.COM_JIKAN2 = COM_JIKAN2;
  return k;
}

// The record file's bytes, or the reason it cannot be written.
struct 書込内容 {
  std::string bytes;
  std::string 誤り;
};

書込内容 棋譜ファイルの内容(Form1& f) {
  書込内容 out;
  // Line 2 names the top side's player, line 3 the bottom side's.
  const int top = f.game.MAN_TEBAN == 1 ? 4 : 3;
  const int bottom = f.game.MAN_TEBAN == 1 ? 3 : 4;
  for (int n : {2, top, bottom}) {
    const std::string text = f.p.record->text(n);
    const 見出し行 header = 書込_見出し行(text);
    const std::string_view field = n == 2   ? tr(f.lang, "棋譜の欄", "対局名")
                                   : n == 3 ? tr(f.lang, "棋譜の欄", "先手")
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
  if (g.KIFU_MODE != YES && g.TESUU == g.TESUU_MAX + 1 && g.TESUU <= KIFU_T_MAX) {
    out.bytes += 書込_棋譜行(
        記録局面(f.pos, f.clock.MAN_JIKAN, f.clock.MAN_JIKAN, f.clock.COM_JIKAN, f.clock.COM_JIKAN));
    out.bytes += "\r\n";
  }
  return out;
}

void 保存失敗(Form1& f, std::string_view file, std::string_view reason) {
  f.p.dialogs->message(std::string(tr(f.lang, "棋譜を書き込めませんでした")) + "\n" + std::string(file) +
                           "\n" + std::string(reason),
                       tr(f.lang, "棋譜保存"));
}

// "Line N of the record file is not right".
std::string 行の誤り(const Form1& f, int number) {
  return 差込(tr(f.lang, "棋譜ﾌｧｲﾙの{行}行目が正しくありません"), {{"行", std::to_string(number)}});
}

void 読込失敗(Form1& f, std::string_view text) { f.p.dialogs->message(text, tr(f.lang, "棋譜")); }

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
  // Every stored move is the other side's after the one before it.
  if (t == 0) g.KIFU_SENTE = g.TEBAN == g.MAN_TEBAN ? -1 : 1;
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

void 描画_棋譜_IO(Form1& f, int mode) {
  if (mode == 0) {
    f.p.record->show_panel(true);
    return;
  }
  for (int n = 1; n <= 4; ++n) f.p.record->set_text(n, "");
  f.p.record->show_panel(false);
}

void 描画_棋譜読込み部分消去(Form1& f) {
  描画_桝_数値(f);
  // The whole row, where a record's title may start left of column -1.
  for (int x = -3; x <= 15; ++x) 描画_絵(f, f.view.HAIKEI, x, 10);
  for (int x = 1; x <= 9; ++x) 描画_桝輪郭(f, IRO_WAKU, x, 9);
}

double 取得_棋譜のX座標(std::string_view text) {
  const double L = static_cast<double>(文字数(text));
  return BAN_LEFT + MASU_W * (3 + (13 - L) / 5);
}

std::string 文字列変換(int v) {
  // TRANSLATORS: the columns of move texts, counted from the right.
  static constexpr const char* 数字[] = {gettext_noop("１"), gettext_noop("２"), gettext_noop("３"),
                                         gettext_noop("４"), gettext_noop("５"), gettext_noop("６"),
                                         gettext_noop("７"), gettext_noop("８"), gettext_noop("９")};
  // TRANSLATORS: the rows of move texts and of the board's labels, from the top.
  static constexpr const char* 漢数字[] = {gettext_noop("一"), gettext_noop("二"), gettext_noop("三"),
                                           gettext_noop("四"), gettext_noop("五"), gettext_noop("六"),
                                           gettext_noop("七"), gettext_noop("八"), gettext_noop("九")};
  if (v >= 1 && v <= 9) return 数字[v - 1];
  if (v >= 1001 && v <= 1009) return 漢数字[v - 1001];
  switch (v < 0 ? -v : v) {
    case HU: return gettext_noop("歩");
    case TO: return gettext_noop("と");
    case KYOU: return gettext_noop("香");
    case KYOU_NARI: return gettext_noop("香成");
    case KEI: return gettext_noop("桂");
    case KEI_NARI: return gettext_noop("桂成");
    case GIN: return gettext_noop("銀");
    case GIN_NARI: return gettext_noop("銀成");
    case KIN: return gettext_noop("金");
    case KAKU: return gettext_noop("角");
    case KAKU_NARI: return gettext_noop("角成");
    case SYA: return gettext_noop("飛");
    case SYA_NARI: return gettext_noop("飛成");
    case OU: return gettext_noop("王");
    default: return {};
  }
}

void KIFU_READ_Click(Form1& f) {
  描画_可視(f, true, true, true);
  描画_棋譜_IO(f, 1);
}

void KIFU_WRITE_Click(Form1& f) {
  if (f.game.HANTEN == YES) {
    f.p.dialogs->message(tr(f.lang, "反転後は書き込みできません"), tr(f.lang, "棋譜書込"));
    return;
  }
  if (f.game.HANDE_SETTEI == YES) {
    f.p.dialogs->message(tr(f.lang, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"), tr(f.lang, "棋譜書込"));
    return;
  }
  描画_可視(f, true, true, false);
  描画_棋譜_IO(f, 0);
}

void Command1_Click(Form1& f) {
  const std::string name = f.p.record->text(1);
  if (name.empty()) {
    f.p.dialogs->message(tr(f.lang, "ﾌｧｲﾙ名が入力されていません"), "  ");
    return;
  }
  if (f.game.TESUU_MAX < 1) {
    f.p.dialogs->message(tr(f.lang, "保存するデータがありません"), tr(f.lang, "棋譜保存"));
    return;
  }
  const std::string file = name + std::string(拡張子);
  // The name is a file name, not a path: a "/" would write somewhere else.
  if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
    保存失敗(f, file, tr(f.lang, "ファイル名に「/」は使えません"));
    return;
  }
  const 書込内容 content = 棋譜ファイルの内容(f);
  if (!content.誤り.empty()) {
    保存失敗(f, file, content.誤り);
    return;
  }
  const std::string dir = f.p.record->directory();
  if (dir.empty()) {
    保存失敗(f, file, tr(f.lang, "保存先のフォルダがありません"));
    return;
  }
  const std::string error = ファイル_置換(fs::path(dir) / file, content.bytes);
  if (!error.empty()) {
    // The panel stays open so that another name or folder can be tried.
    保存失敗(f, file, tr(f.lang, error));
    return;
  }
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
  f.p.record->refresh_files();
  f.p.dialogs->message(tr(f.lang, "棋譜を書き込みました"), "  ");
}

void File1_Click(Form1& f, std::string_view name) {
  描画_可視(f, false, false, false);

  // The whole file is read and checked before the game is touched: a file
  // that cannot be read or holds a bad line leaves the current game as it was.
  // A FIFO, a device or a directory is refused as a file that cannot be
  // read, without waiting on it.
  const fs::path path = fs::path(f.p.record->directory()) / fs::path(std::string(name));
  読込ファイル file(path);
  if (!file.開いた()) {
    読込失敗(f, std::string(file.通常でない() ? tr(f.lang, "棋譜ﾌｧｲﾙを読めません")
                                              : tr(f.lang, "棋譜ﾌｧｲﾙを開けません")) +
                    "\n" + std::string(name));
    return;
  }

  std::string headers[3];
  std::vector<棋譜局面> snapshots;
  bool 打切り = false;
  std::string line;
  行読込 lines([&file](char* to, std::size_t n) { return file.読む(to, n); }, 棋譜_行の上限);
  for (int number = 1;; ++number) {
    const 行読込::結果 r = lines.次(line);
    if (r == 行読込::結果::終わり) break;
    if (r == 行読込::結果::読込誤り) {
      読込失敗(f, std::string(tr(f.lang, "棋譜ﾌｧｲﾙを読めません")) + "\n" + std::string(name));
      return;
    }
    if (r == 行読込::結果::長すぎ) {
      読込失敗(f, 行の誤り(f, number) + "\n" + std::string(tr(f.lang, "行が長すぎます")));
      return;
    }
    if (number <= 3) {
      if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // a UTF-8 mark
      headers[number - 1] = 読込_見出し行(line);
      continue;
    }
    if (snapshots.size() == static_cast<std::size_t>(KIFU_T_MAX)) {
      打切り = true;
      break;
    }
    棋譜局面 k;
    const 棋譜行の結果 result = 読込_棋譜行(line, k);
    if (!result.ok()) {
      std::string text = 行の誤り(f, number) + "\n" + std::string(tr(f.lang, 棋譜行の誤り_説明(result.誤り)));
      if (result.桁 > 0) text += 差込(tr(f.lang, "（{桁}文字目）"), {{"桁", std::to_string(result.桁)}});
      読込失敗(f, text);
      return;
    }
    snapshots.push_back(k);
  }
  // A file without snapshot lines is refused like a bad one: the game stays.
  if (snapshots.empty()) {
    f.p.dialogs->message(tr(f.lang, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), tr(f.lang, "棋譜"));
    return;
  }

  初期設定(f);
  f.game.KIFU_MODE = YES;
  // The title and the bottom side's player in the free row below the board,
  // which starting a game clears again.
  f.p.canvas->text(取得_棋譜のX座標(headers[0]) - 3000, 記録の行, headers[0], IRO_SENTAKU, 12,
                   f.view.FontBold);
  f.p.canvas->text(取得_棋譜のX座標(headers[1]), 100, headers[1], IRO_MOJI, 12, f.view.FontBold);
  f.p.canvas->text(取得_棋譜のX座標(headers[2]), 記録の行, headers[2], IRO_MOJI, 12, f.view.FontBold);
  // A record file starts from the position on the board, which it does not
  // hold: that is its snapshot 0, and 戻 from its first move comes back to it.
  // The file does not say which side moved first.
  手順保存(f.record, f.game, f.pos, 0, 0, 0, 0);
  f.game.KIFU_SENTE = 0;
  const int n = static_cast<int>(snapshots.size());
  for (int t = 1; t <= n; ++t) f.record[t] = snapshots[t - 1];
  f.game.TESUU = 0;
  f.game.TESUU_HYOJI = 0;
  f.game.TESUU_MAX = n;

  f.p.dialogs->message(tr(f.lang, " 読み込みました"), tr(f.lang, "棋譜"));
  if (打切り)
    f.p.dialogs->message(
        差込(tr(f.lang, "棋譜は{上限}手までしか入りません。最初の{上限}手だけを読み込みました"),
             {{"上限", std::to_string(KIFU_T_MAX)}}),
        tr(f.lang, "棋譜"));
  f.p.dialogs->message(tr(f.lang, "棋譜を '進 'で進めて下さい"), tr(f.lang, "棋譜"));
  f.game.TEBAN = TEBAN_SENTE;
  表示_棋譜(f);
}

void Dir1_Change(Form1& f, std::string_view path) {
  f.p.record->set_directory(path);
  f.p.record->refresh_files();
}

void Drive1_Change(Form1& f, std::string_view drive) {
  // A volume that cannot be listed is "not ready"; nothing else changes.
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
