// The notations of the move list: the standard Japanese one and the Western one.
#include "game/notation.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "format/encoding.hpp"
#include "rules/legality.hpp"
#include "rules/pieces.hpp"

namespace velmora {

namespace {

// Pieces by their usual names; each side's king as its piece shows it.
std::string 駒名(int code) {
  const 駒の種類* k = 駒の種類_検索(code);
  return k ? 駒の名(*k, code) : "";
}

// Columns count from the right, as the board's labels do: "７六".
std::string 升目(int x, int y) { return 文字列変換(相対位置(x)) + 文字列変換(y + 1000); }

// Which of several pieces of the same kind that could reach the square moved:
// first by how it moved (上 forward, 引 back, 寄 sideways), then by where it
// stood (右, 左, from the mover's own seat, or 直 straight forward), then both.
std::string 相対(const 棋譜の手& m) {
  if (m.候補数 == 0) return {};
  const 指し手& h = m.手;
  // Forward and to the right as the mover sees the board.
  auto 前 = [&](int y) { return m.下 ? y - h.y2 : h.y2 - y; };
  auto 右 = [&](int x) { return m.下 ? x : -x; };
  auto 向き = [&](int y) { return 前(y) > 0 ? "上" : 前(y) < 0 ? "引" : "寄"; };
  const std::string mine = 向き(h.y1);
  bool same_way = false, all_right = true, all_left = true, way_right = true, way_left = true;
  for (int i = 0; i < m.候補数; ++i) {
    const int x = m.候補[i][0], y = m.候補[i][1];
    const bool way = 向き(y) == mine;
    same_way = same_way || way;
    all_right = all_right && 右(x) < 右(h.x1);
    all_left = all_left && 右(x) > 右(h.x1);
    if (way) {
      way_right = way_right && 右(x) < 右(h.x1);
      way_left = way_left && 右(x) > 右(h.x1);
    }
  }
  if (!same_way) return mine;
  const int kind = std::abs(h.moving);
  if (h.x1 == h.x2 && 前(h.y1) > 0 && kind != KAKU_NARI && kind != SYA_NARI) return "直";
  if (all_right) return "右";
  if (all_left) return "左";
  if (way_right) return "右" + mine;
  if (way_left) return "左" + mine;
  return {};
}

}  // namespace

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
  // A piece by the name the move list gives it (龍, not 飛成).
  const 駒の種類* k = 駒の種類_検索(v);
  return k ? 駒の名(*k, v) : "";
}

std::string 表記_日本式(const 棋譜の手& m, bool 先手) {
  std::string text = 先手 ? "▲" : "△";
  const 指し手& h = m.手;
  if (!m.分かる) return text + (h.x2 ? 升目(h.x2, h.y2) + 駒名(h.placed) : std::string()) + "？";
  const std::string name = 駒名(h.moving);
  // "同　角" keeps a one-character name as wide as a two-character one.
  text += m.同 ? "同" + std::string(name.size() == 3 ? "　" : "") : 升目(h.x2, h.y2);
  text += name + 相対(m);
  if (h.打ち()) text += "打";
  if (h.成り())
    text += "成";
  else if (m.成れた)
    text += "不成";
  return text;
}

std::string 表記_日本式_鏡(const 棋譜の手& m, bool 先手) {
  if (!m.分かる || !m.鏡) return {};
  const 指し手& j = m.鏡の手;
  return std::string("　鏡 ") + (先手 ? "△" : "▲") + 升目(j.x1, j.y1) + 駒名(j.moving) + "→" +
         升目(j.x2, j.y2);
}

// The Western notation, as English shogi books write moves.
namespace {

// A piece by its letter, promoted ones with "+" before it.
std::string 駒の文字(int code) {
  const 駒の種類* k = 駒の種類_検索(code);
  return k ? k->記号 : "";
}

// Columns count from the right, rows are letters from the top: "7f".
std::string 西洋式の升目(int x, int y) {
  return std::to_string(相対位置(x)) + static_cast<char>('a' + y - 1);
}

}  // namespace

std::string 表記_西洋式(const 棋譜の手& m, bool 先手) {
  std::string text = 先手 ? "▲" : "△";
  const 指し手& h = m.手;
  if (!m.分かる)
    return text + (h.x2 ? 駒の文字(h.placed) + 西洋式の升目(h.x2, h.y2) : std::string()) + " (?)";
  text += 駒の文字(h.moving);
  if (h.打ち()) return text + "*" + 西洋式の升目(h.x2, h.y2);
  // The square it came from only when another piece of its kind could have gone there too.
  if (m.候補数 > 0) text += 西洋式の升目(h.x1, h.y1);
  text += m.取った駒 != KARA ? "x" : "-";
  text += 西洋式の升目(h.x2, h.y2);
  if (h.成り())
    text += "+";
  else if (m.成れた)
    text += "=";
  return text;
}

std::string 表記_西洋式_鏡(const 棋譜の手& m, bool 先手) {
  if (!m.分かる || !m.鏡) return {};
  const 指し手& j = m.鏡の手;
  return std::string(先手 ? "△" : "▲") + 駒の文字(j.moving) + 西洋式の升目(j.x1, j.y1) + "-" +
         西洋式の升目(j.x2, j.y2) + (j.成り() ? "+" : "");
}

手の表記 表記_言語(const 言語& l, const 棋譜の手& m, bool 先手) {
  if (原文(l)) return {表記_日本式(m, 先手), 表記_日本式_鏡(m, 先手)};
  std::string jump = 表記_西洋式_鏡(m, 先手);
  // TRANSLATORS: a mirror jump in the move list, under its move ("  mirror △P3c-3d").
  if (!jump.empty()) jump = 差込(tr(l, "　鏡 {手}"), {{"手", jump}});
  return {表記_西洋式(m, 先手), jump};
}

手の表記 表記_読み上げ(const 言語& l, const 棋譜の手& m, bool 先手) {
  if (原文(l)) {
    std::string jump;
    if (m.分かる && m.鏡) {
      const 指し手& j = m.鏡の手;
      jump = std::string(先手 ? "△" : "▲") + 升目(j.x2, j.y2) + 駒名(j.moving);
    }
    return {表記_日本式(m, 先手), jump};
  }
  // The Western texts without their side marks.
  auto unmarked = [](std::string text) {
    for (const std::string_view mark : {"▲", "△"})
      if (text.starts_with(mark)) return text.substr(mark.size());
    return text;
  };
  return {unmarked(表記_西洋式(m, 先手)), unmarked(表記_西洋式_鏡(m, 先手))};
}

}  // namespace velmora

// Typed moves: read in either notation, then against the position.
namespace velmora {

namespace {

using 文字列 = std::vector<std::string>;

// The text as characters, each a UTF-8 sequence: full-width letters, digits
// and signs as their ASCII ones, blanks left out. A byte that starts no
// character becomes one that no notation has.
文字列 文字に分ける(std::string_view text) {
  文字列 out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = UTF8の文字長(text, i);
    if (n == 0) {
      out.push_back("?");
      out.back()[0] = '\x01';
      ++i;
      continue;
    }
    std::string c(text.substr(i, n));
    i += n;
    if (n == 3) {
      const auto b = [&](int k) { return static_cast<unsigned char>(c[k]); };
      const int cp = (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
      if (cp == 0x3000) continue;  // the full-width blank
      if (cp >= 0xFF01 && cp <= 0xFF5E) c = std::string(1, static_cast<char>(cp - 0xFEE0));
      if (cp == 0x2212) c = "-";  // the minus sign
    }
    if (c == " " || c == "\t") continue;
    out.push_back(std::move(c));
  }
  return out;
}

// What a text says of a move before the position is looked at.
struct 書かれた手 {
  int 駒 = 0;          // the kind named, as the top side's code; 0 when none is
  int x1 = 0, y1 = 0;  // the source named, if any
  int x2 = 0, y2 = 0;  // the destination; 0 with 同
  bool 同 = false;
  bool 打 = false;
  int 成 = 0;  // 1 promote, -1 do not, 0 not said
  bool 右 = false, 左 = false, 直 = false, 上 = false, 引 = false, 寄 = false;
};

class 読み手 {
 public:
  explicit 読み手(文字列 c) : c_(std::move(c)) {}
  bool 終わり() const { return i_ >= c_.size(); }
  // The next character is s (then it is taken).
  bool 取る(std::string_view s) {
    if (終わり() || c_[i_] != s) return false;
    ++i_;
    return true;
  }
  bool 取る_文字列(std::initializer_list<std::string_view> parts) {
    if (i_ + parts.size() > c_.size()) return false;
    std::size_t k = i_;
    for (std::string_view p : parts)
      if (c_[k++] != p) return false;
    i_ = k;
    return true;
  }
  const std::string* 次() const { return 終わり() ? nullptr : &c_[i_]; }
  std::size_t 位置() const { return i_; }
  void 戻す(std::size_t i) { i_ = i; }

  // A column digit 1..9, as x.
  bool 列(int& x) {
    const std::string* c = 次();
    if (!c || c->size() != 1 || (*c)[0] < '1' || (*c)[0] > '9') return false;
    x = 相対位置((*c)[0] - '0');
    ++i_;
    return true;
  }
  // A row: a digit or a kanji numeral in the Japanese notation, a letter a..i in the Western one.
  bool 段(int& y, bool 西洋) {
    const std::string* c = 次();
    if (!c) return false;
    if (c->size() == 1) {
      const char ch = (*c)[0];
      if (!西洋 && ch >= '1' && ch <= '9')
        y = ch - '0';
      else if (西洋 && ch >= 'a' && ch <= 'i')
        y = ch - 'a' + 1;
      else if (西洋 && ch >= 'A' && ch <= 'I')
        y = ch - 'A' + 1;
      else
        return false;
      ++i_;
      return true;
    }
    if (西洋) return false;
    static constexpr std::string_view 漢数字[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int k = 0; k < 9; ++k)
      if (*c == 漢数字[k]) {
        y = k + 1;
        ++i_;
        return true;
      }
    return false;
  }
  bool 升(int& x, int& y, bool 西洋) {
    const std::size_t at = i_;
    if (列(x) && 段(y, 西洋)) return true;
    i_ = at;
    return false;
  }
  // A piece by its Japanese name or face, the longer names first.
  bool 日本式の駒(int& kind) {
    for (const int length : {2, 1})
      for (const 駒の種類& k : 駒の表)
        for (const char* name : {k.名, k.下の名, k.面, k.下の面}) {
          文字列 parts = 文字に分ける(name);
          if (int(parts.size()) != length || i_ + parts.size() > c_.size()) continue;
          if (std::equal(parts.begin(), parts.end(), c_.begin() + std::ptrdiff_t(i_))) {
            i_ += parts.size();
            kind = k.code;
            return true;
          }
        }
    if (取る("竜")) {
      kind = SYA_NARI;
      return true;
    }
    return false;
  }
  // A piece by its Western letter, "+" before a promoted one; either case.
  bool 西洋式の駒(int& kind) {
    const std::size_t at = i_;
    const bool promoted = 取る("+");
    const std::string* c = 次();
    if (c && c->size() == 1) {
      const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>((*c)[0])));
      for (const 駒の種類& k : 駒の表) {
        const std::string_view mark = k.記号;
        if (mark.back() == letter && (mark.size() == 2) == promoted) {
          ++i_;
          kind = k.code;
          return true;
        }
      }
    }
    i_ = at;
    return false;
  }
  // "成" or "+" promotes, "不成", "生" or "=" does not.
  void 成り(書かれた手& w) {
    if (取る("成") || 取る("+"))
      w.成 = 1;
    else if (取る_文字列({"不", "成"}) || 取る("生") || 取る("="))
      w.成 = -1;
  }

 private:
  文字列 c_;
  std::size_t i_ = 0;
};

// "７六歩", "同歩", "５八金右", "５五角打", "２三歩成".
bool 日本式で読む(読み手 r, 書かれた手& w) {
  const bool square = r.升(w.x2, w.y2, false);
  w.同 = r.取る("同");
  if (!square && !w.同) return false;
  if (!r.日本式の駒(w.駒)) return false;
  while (!r.終わり()) {
    if (r.取る("右"))
      w.右 = true;
    else if (r.取る("左"))
      w.左 = true;
    else if (r.取る("直"))
      w.直 = true;
    else if (r.取る("上") || r.取る("行") || r.取る("入"))
      w.上 = true;
    else if (r.取る("引"))
      w.引 = true;
    else if (r.取る("寄"))
      w.寄 = true;
    else
      break;
  }
  w.打 = r.取る("打");
  r.成り(w);
  if (square) w.同 = false;  // a square written out is the square meant
  return r.終わり();
}

// "P-7f", "Bx2b+", "G6i-5h", "P*5e", and the engines' "7g7f", "2b3c+".
bool 西洋式で読む(読み手 r, 書かれた手& w) {
  const bool piece = r.西洋式の駒(w.駒);
  int ax = 0, ay = 0, bx = 0, by = 0;
  const bool a = r.升(ax, ay, true);
  bool drop = false;
  if (r.取る("*"))
    drop = true;
  else
    r.取る("-") || r.取る("x") || r.取る("X");
  const bool b = r.升(bx, by, true);
  r.成り(w);
  if (!r.終わり()) return false;
  if (!piece && !(a && b && !drop)) return false;  // without a piece, both squares
  if (drop && (a || !piece)) return false;
  if (a && b) {
    w.x1 = ax;
    w.y1 = ay;
    w.x2 = bx;
    w.y2 = by;
  } else if (a || b) {
    w.x2 = a ? ax : bx;
    w.y2 = a ? ay : by;
  } else {
    return false;
  }
  w.打 = drop;
  return true;
}

// The side's own piece of a kind: the bottom side's codes are negative.
int 自分の(int kind, bool 下) { return 下 ? -kind : kind; }

}  // namespace

std::string 升の表記(const 言語& l, int x, int y) { return 原文(l) ? 升目(x, y) : 西洋式の升目(x, y); }

std::string 駒の呼び名(const 言語& l, int code) {
  const 駒の種類* k = 駒の種類_検索(code);
  if (!k) return {};
  return 原文(l) ? 駒の名(*k, code) : k->英名;
}

読んだ指し手 読む_指し手(const 局面& p, bool 下, const 手順& moves, int TESUU, std::string_view text) {
  読んだ指し手 r;
  文字列 chars = 文字に分ける(text);
  // A side mark before the move is the move list's, not the move's.
  if (!chars.empty() && (chars[0] == "▲" || chars[0] == "△" || chars[0] == "☗" || chars[0] == "☖"))
    chars.erase(chars.begin());
  if (chars.empty()) {
    r.誤り = 読めない::空;
    return r;
  }
  書かれた手 w;
  if (!日本式で読む(読み手(chars), w)) {
    w = {};
    if (!西洋式で読む(読み手(chars), w)) {
      r.誤り = 読めない::書式;
      return r;
    }
  }
  if (w.同) {
    const 棋譜の手 before = 手順_番号(moves, TESUU);
    if (!before.分かる || !盤内(before.手.x2, before.手.y2)) {
      r.誤り = 読めない::同の先がない;
      return r;
    }
    w.x2 = before.手.x2;
    w.y2 = before.手.y2;
  }
  r.x = w.x2;
  r.y = w.y2;
  // The engines' notation names no piece: it is the one on the source.
  if (w.駒 == 0) {
    const int there = p.BAN[w.x1][w.y1];
    if (!(下 ? 下の駒(there) : 上の駒(there))) {
      r.誤り = 読めない::元に駒がない;
      r.x = w.x1;
      r.y = w.y1;
      return r;
    }
    w.駒 = there < 0 ? -there : there;
  }
  const int code = 自分の(w.駒, 下);
  r.駒 = code;

  // Every way the named piece of the side to move could go there.
  std::vector<指し手> board;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (p.BAN[x][y] == code && 移動チェック(p, x, y, w.x2, w.y2, code) == YES)
        board.push_back({x, y, w.x2, w.y2, code, code});
  const int slot = 持駒番号(code);
  const bool droppable = slot != 0 && 持駒コード[slot] == w.駒;
  const 持駒& hand = 下 ? p.SITA_MOTI : p.UE_MOTI;
  const 指し手 drop{下 ? SITA_DAI : UE_DAI, 下 ? slot + 2 : slot, w.x2, w.y2, code, code};

  if (w.x1 != 0) {
    // The source named: that piece, and no other.
    if (p.BAN[w.x1][w.y1] != code) {
      r.誤り = 読めない::元に駒がない;
      r.x = w.x1;
      r.y = w.y1;
      return r;
    }
    std::erase_if(board, [&](const 指し手& m) { return m.x1 != w.x1 || m.y1 != w.y1; });
  }
  if (w.打 || (board.empty() && w.x1 == 0 && droppable && hand[slot] > 0)) {
    if (!droppable || hand[slot] <= 0) {
      r.誤り = 読めない::持駒にない;
      return r;
    }
    if (移動チェック(p, drop.x1, drop.y1, w.x2, w.y2, code) == NO) {
      r.誤り = 読めない::打てない;
      return r;
    }
    if (w.成 == 1) {
      r.誤り = 読めない::成れない;
      return r;
    }
    r.手 = drop;
    return r;
  }

  // Which of them the words name, as the mover sees the board: forward is
  // up for the bottom side, and its right is the board's right.
  auto 前 = [&](const 指し手& m) { return 下 ? m.y1 - w.y2 : w.y2 - m.y1; };
  auto 右 = [&](const 指し手& m) { return 下 ? m.x1 : -m.x1; };
  std::erase_if(board, [&](const 指し手& m) {
    return (w.上 && 前(m) <= 0) || (w.引 && 前(m) >= 0) || (w.寄 && 前(m) != 0) ||
           (w.直 && (m.x1 != w.x2 || 前(m) <= 0));
  });
  if ((w.右 || w.左) && !board.empty()) {
    int best = 右(board[0]);
    for (const 指し手& m : board) best = w.右 ? std::max(best, 右(m)) : std::min(best, 右(m));
    std::erase_if(board, [&](const 指し手& m) { return 右(m) != best; });
  }
  if (board.empty()) {
    r.誤り = 読めない::駒がない;
    return r;
  }
  if (board.size() > 1) {
    r.誤り = 読めない::二つ以上;
    for (const 指し手& m : board) {
      if (r.候補数 == int(std::size(r.候補))) break;
      r.候補[r.候補数][0] = m.x1;
      r.候補[r.候補数][1] = m.y1;
      ++r.候補数;
    }
    return r;
  }
  指し手 m = board[0];
  int promoted = 0;
  if (w.成 == 1) {
    if (調査_駒成(m.x1, m.y1, m.x2, m.y2, m.moving, promoted) != YES) {
      r.誤り = 読めない::成れない;
      return r;
    }
    m.placed = promoted;
  } else if (移動後チェック(m.y2, m.moving) == NO) {
    r.誤り = 読めない::成らねばならない;
    return r;
  }
  r.手 = m;
  return r;
}

std::string 読めない理由(const 言語& l, const 読んだ指し手& r) {
  const std::string square = 盤内(r.x, r.y) ? 升の表記(l, r.x, r.y) : std::string();
  const std::string piece = 駒の呼び名(l, r.駒);
  switch (r.誤り) {
    case 読めない::なし: return {};
    case 読めない::空: return std::string(tr(l, "指し手を入力してください"));
    case 読めない::書式:
      // TRANSLATORS: a typed move that is no move; the examples are the notations it reads.
      return std::string(tr(l, "指し手として読めません（例: ７六歩、76歩、P-7f、7g7f）"));
    case 読めない::同の先がない: return std::string(tr(l, "「同」の升を決める前の手がありません"));
    case 読めない::駒がない:
      return 差込(tr(l, "{升}へ行ける{駒}がありません"), {{"升", square}, {"駒", piece}});
    case 読めない::元に駒がない:
      if (piece.empty()) return 差込(tr(l, "{升}に手番の側の駒がありません"), {{"升", square}});
      return 差込(tr(l, "{升}に手番の側の{駒}がありません"), {{"升", square}, {"駒", piece}});
    case 読めない::持駒にない: return 差込(tr(l, "持ち駒に{駒}がありません"), {{"駒", piece}});
    case 読めない::打てない: return 差込(tr(l, "{升}には{駒}を打てません"), {{"升", square}, {"駒", piece}});
    case 読めない::二つ以上: {
      std::string from;
      for (int i = 0; i < r.候補数; ++i) from += (i ? ", " : "") + 升の表記(l, r.候補[i][0], r.候補[i][1]);
      // TRANSLATORS: {元} lists the squares the pieces stand on, "８八, ６八".
      return 差込(tr(l, "{升}へ行ける{駒}が二つ以上あります（{元}）。どの駒かを書いてください"),
                  {{"升", square}, {"駒", piece}, {"元", from}});
    }
    case 読めない::成れない: return 差込(tr(l, "この{駒}はこの手で成れません"), {{"駒", piece}});
    case 読めない::成らねばならない:
      // TRANSLATORS: a piece that would have no further move unpromoted; "成" and "+" are what to type.
      return 差込(tr(l, "{升}の{駒}は成らなければなりません（成 または +）"),
                  {{"升", square}, {"駒", piece}});
  }
  return {};
}

}  // namespace velmora
