// The game in play kept as it goes, and taken up again.
#include "game/autosave.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "game/state.hpp"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view 版の行 = "velmora-autosave";

// FNV-1a, 64 bits: enough to tell a file cut short or damaged from a good one.
std::uint64_t 検査値(std::string_view bytes) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h;
}

// Writes the fields of one line, separated by one blank.
class 書き手 {
 public:
  explicit 書き手(std::string& out) : out_(out) {}
  void 行(std::string_view tag) {
    if (!out_.empty() && out_.back() != '\n') out_ += '\n';
    out_ += tag;
  }
  void 数(long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    (out_ += ' ').append(buf, r.ptr);
  }
  // The shortest text that reads back as the same double.
  void 実数(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    (out_ += ' ').append(buf, r.ptr);
  }
  void 真偽(bool v) { 数(v ? 1 : 0); }
  void 盤(const 盤面& b) {
    for (const auto& column : b)
      for (int v : column) 数(v);
  }
  void 手駒(const 持駒& h) {
    for (int k = MOTI_HU; k <= MOTI_SYA; ++k) 数(h[k]);
  }
  void 文字列(std::string_view s) {
    static constexpr char hex[] = "0123456789abcdef";
    out_ += ' ';
    if (s.empty()) out_ += '-';
    for (unsigned char c : s) {
      out_ += hex[c >> 4];
      out_ += hex[c & 15];
    }
  }
  void 終わり() { out_ += '\n'; }

 private:
  std::string& out_;
};

// Reads the fields of one line in the order they were written; any field
// missing, malformed or left over makes the whole line bad.
class 読み手 {
 public:
  bool 行(std::string_view line, std::string_view tag) {
    rest_ = line;
    ok_ = 語() == tag;
    return ok_;
  }
  template <class 整数>
  void 数(整数& v) {
    const std::string_view w = 語();
    const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size()) ok_ = false;
  }
  void 実数(double& v) {
    const std::string_view w = 語();
    const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || !std::isfinite(v)) ok_ = false;
  }
  void 真偽(bool& v) {
    int n = 0;
    数(n);
    if (n != 0 && n != 1) ok_ = false;
    v = n == 1;
  }
  void 盤(盤面& b) {
    for (auto& column : b)
      for (int& v : column) 数(v);
  }
  void 手駒(持駒& h) {
    h[0] = 0;
    for (int k = MOTI_HU; k <= MOTI_SYA; ++k) 数(h[k]);
  }
  void 文字列(std::string& s) {
    const std::string_view w = 語();
    s.clear();
    if (w == "-") return;
    if (w.empty() || w.size() % 2 != 0) ok_ = false;
    auto digit = [this](char c) {
      if (c >= '0' && c <= '9') return c - '0';
      if (c >= 'a' && c <= 'f') return c - 'a' + 10;
      ok_ = false;
      return 0;
    };
    for (std::size_t i = 0; ok_ && i + 1 < w.size(); i += 2) s += char(digit(w[i]) * 16 + digit(w[i + 1]));
  }
  // Every field read, and nothing left.
  bool 終わった() const { return ok_ && rest_.empty(); }

 private:
  std::string_view 語() {
    if (!ok_) return {};
    const std::size_t end = rest_.find(' ');
    const std::string_view w = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    return w;
  }

  std::string_view rest_;
  bool ok_ = true;
};

// The fields of each part in the order the file holds them: one list for
// writing and for reading, so that the two can never disagree. `G` is const
// for writing.
template <class V, class G>
void 対局の欄(V& v, G& g) {
  v.数(g.TEBAN);
  v.数(g.MAN_TEBAN);
  v.数(g.COM_TEBAN);
  v.数(g.TAISEN_MODE);
  v.数(g.SYOUSYA);
  v.数(g.TESUU);
  v.数(g.TESUU_HYOJI);
  v.数(g.TESUU_MAX);
  v.真偽(g.KIFU_MODE);
  v.真偽(g.SAIKAI_MSG);
  v.真偽(g.HANTEN);
  v.真偽(g.HANDE_SETTEI);
  v.数(g.HANDE_LEVEL);
  v.数(g.COM_LEVEL);
}

template <class V, class C>
void 時計の欄(V& v, C& c) {
  v.実数(c.MAN_JIKAN);
  v.実数(c.COM_JIKAN);
  v.実数(c.KEIKA_BYOU);
  v.数(c.KEIKA_HYOJI_BYOU);
  v.真偽(c.刻む);
}

template <class V, class M>
void 地図の欄(V& v, M& m) {
  for (auto* b : {&m.SITA_SEIRYOKU, &m.UE_SEIRYOKU, &m.SITA_MAMORI, &m.UE_MAMORI, &m.UE_MAMORI_X,
                  &m.UE_MAMORI_Y, &m.SITA_TORI, &m.SITA_TORI_X, &m.SITA_TORI_Y, &m.UE_TORI, &m.UE_TORI_X,
                  &m.UE_TORI_Y, &m.SITA_OUTE, &m.UE_OUTE, &m.OU_NIGEMITI})
    v.盤(*b);
  v.数(m.SITA_OU_X);
  v.数(m.SITA_OU_Y);
  v.数(m.UE_OU_X);
  v.数(m.UE_OU_Y);
}

template <class V, class S>
void 探索表の欄(V& v, S& s) {
  for (auto* b : {&s.BAN_MAE, &s.SITA_SEIRYOKU_MAE, &s.UE_SEIRYOKU_MAE, &s.UE_TORI_X_MAE, &s.UE_TORI_Y_MAE,
                  &s.SITA_UGOKENAI, &s.MOTI_KAKU_NERAI})
    v.盤(*b);
  for (auto& n : s.SITA_MOTI_MAE) v.数(n);
  for (auto& n : s.UE_MOTI_MAE) v.数(n);
  v.数(s.UE_MOTI_SU_MAE);
  v.数(s.OU_NIGEMITI_MAE);
  v.数(s.UE_UGOKENAI_ARI);
  v.数(s.KOUHO_KOMA);
  v.数(s.OU_KYORI);
  v.実数(s.HYOUKA_MAX);
}

template <class V, class K>
void 記録の欄(V& v, K& k) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) v.数(k.BAN[x][y]);
  v.手駒(k.SITA_MOTI);
  v.手駒(k.UE_MOTI);
  v.実数(k.MAN_JIKAN);
  v.実数(k.MAN_JIKAN2);
  v.実数(k.COM_JIKAN);
  v.実数(k.COM_JIKAN2);
}

template <class V, class H>
void 指し手の欄(V& v, H& m) {
  v.数(m.x1);
  v.数(m.y1);
  v.数(m.x2);
  v.数(m.y2);
  v.数(m.moving);
  v.数(m.placed);
}

template <class V, class T>
void 手の欄(V& v, T& m) {
  v.数(m.t);
  v.真偽(m.下);
  v.真偽(m.分かる);
  指し手の欄(v, m.手);
  v.数(m.取った駒);
  v.真偽(m.成れた);
  v.真偽(m.同);
  v.数(m.候補数);
  for (auto& square : m.候補) {
    v.数(square[0]);
    v.数(square[1]);
  }
  v.真偽(m.鏡);
  指し手の欄(v, m.鏡の手);
}

// How many snapshots are kept: those the record reaches (0..TESUU_MAX) and
// the one after, which starting a game against the computer at the live end
// makes part of the record without storing it.
int 記録の数(const 対局& g) { return std::clamp(g.TESUU_MAX + 2, 1, KIFU_T_MAX + 1); }

bool 範囲(int v, int lo, int hi) { return v >= lo && v <= hi; }

bool 盤の範囲(const 盤面& b, int lo, int hi) {
  for (const auto& column : b)
    for (int v : column)
      if (!範囲(v, lo, hi)) return false;
  return true;
}

bool 駒か空き(int code) { return code == KARA || 駒コード(code); }

bool 指し手の範囲(const 指し手& m) {
  return 範囲(m.x1, UE_DAI, SITA_DAI) && 範囲(m.y1, 0, BAN_MAX) && 範囲(m.x2, 0, BAN_MAX) &&
         範囲(m.y2, 0, BAN_MAX) && 駒か空き(m.moving) && 駒か空き(m.placed);
}

局面 記録の局面(const 棋譜局面& k) {
  局面 p;
  盤と持駒_復元(p, k);
  return p;
}

// What a game can hold: positions a game can reach, counters in their ranges,
// squares on the board where the computer reads them as squares, times that
// are times. The checksum catches accidents; this catches the rest.
bool 確かな対局(const 保存された対局& s) {
  const 対局& g = s.game;
  constexpr int 大きな値 = 1000000;
  if (!範囲(g.TEBAN, -1, 1) || !(g.MAN_TEBAN == 1 || g.MAN_TEBAN == -1) || g.COM_TEBAN != -g.MAN_TEBAN ||
      !範囲(g.TAISEN_MODE, MODE_MAN_MAN, MODE_MAN_COM) || !範囲(g.SYOUSYA, -1, 1) ||
      !範囲(g.TESUU, 0, KIFU_T_MAX) || !範囲(g.TESUU_MAX, 0, KIFU_T_MAX) || g.TESUU > g.TESUU_MAX + 1 ||
      !範囲(g.TESUU_HYOJI, 0, 大きな値) || !範囲(g.HANDE_LEVEL, -100, 100) || !範囲(g.COM_LEVEL, 1, 9))
    return false;
  if (!s.pos.整合() || s.record.size() != std::size_t(記録の数(g))) return false;
  for (const 棋譜局面& k : s.record)
    if (!記録の局面(k).整合() || k.MAN_JIKAN < 0 || k.MAN_JIKAN2 < 0 || k.COM_JIKAN < 0 || k.COM_JIKAN2 < 0)
      return false;
  if (s.moves.手.size() > std::size_t(KIFU_T_MAX) || !(s.moves.先手 == 1 || s.moves.先手 == -1)) return false;
  for (const 棋譜の手& m : s.moves.手) {
    if (!範囲(m.t, 0, KIFU_T_MAX + 1) || !指し手の範囲(m.手) || !指し手の範囲(m.鏡の手) ||
        !駒か空き(m.取った駒) || !範囲(m.候補数, 0, 8))
      return false;
    for (const auto& square : m.候補)
      if (!範囲(square[0], 0, BAN_MAX) || !範囲(square[1], 0, BAN_MAX)) return false;
  }
  const 勢力図& m = s.maps;
  for (const 盤面* b : {&m.UE_MAMORI_X, &m.UE_MAMORI_Y, &m.SITA_TORI_X, &m.SITA_TORI_Y, &m.UE_TORI_X,
                        &m.UE_TORI_Y, &s.search.UE_TORI_X_MAE, &s.search.UE_TORI_Y_MAE})
    if (!盤の範囲(*b, 0, BAN_MAX)) return false;
  for (const 盤面* b :
       {&m.SITA_SEIRYOKU, &m.UE_SEIRYOKU, &m.SITA_MAMORI, &m.UE_MAMORI, &m.SITA_TORI, &m.UE_TORI,
        &m.SITA_OUTE, &m.UE_OUTE, &m.OU_NIGEMITI, &s.search.BAN_MAE, &s.search.SITA_SEIRYOKU_MAE,
        &s.search.UE_SEIRYOKU_MAE, &s.search.SITA_UGOKENAI, &s.search.MOTI_KAKU_NERAI})
    if (!盤の範囲(*b, -大きな値, 大きな値)) return false;
  for (int v : {m.SITA_OU_X, m.SITA_OU_Y, m.UE_OU_X, m.UE_OU_Y})
    if (!範囲(v, 0, BAN_MAX)) return false;
  const 思考時計& c = s.clock;
  return c.MAN_JIKAN >= 0 && c.COM_JIKAN >= 0 && c.KEIKA_BYOU >= 0 && c.KEIKA_HYOJI_BYOU >= 0 &&
         s.経過 >= 0 && s.経過 <= 86400;
}

}  // namespace

std::string 自動保存_書式(const 対局の場& f, double now) {
  std::string out;
  out.reserve(4096 + 400 * std::size_t(記録の数(f.game)));
  書き手 w(out);
  w.行(版の行);
  w.数(自動保存の版);
  w.行("game");
  対局の欄(w, f.game);
  w.行("clock");
  時計の欄(w, f.clock);
  w.実数(調査_経過秒(f.clock.KAISI_JIKOKU, now));
  w.行("position");
  w.盤(f.pos.BAN);
  w.手駒(f.pos.SITA_MOTI);
  w.手駒(f.pos.UE_MOTI);
  w.行("maps");
  地図の欄(w, f.maps);
  w.行("search");
  探索表の欄(w, f.search);
  w.行("headers");
  for (const std::string& h : f.autosave.見出し) w.文字列(h);
  const int n = 記録の数(f.game);
  w.行("record");
  w.数(n);
  for (int t = 0; t < n; ++t) {
    w.行("s");
    記録の欄(w, f.record[t]);
  }
  w.行("moves");
  w.数(f.moves.先手);
  w.数(static_cast<int>(f.moves.手.size()));
  for (const 棋譜の手& m : f.moves.手) {
    w.行("m");
    手の欄(w, m);
  }
  w.終わり();
  char sum[17];
  const auto r = std::to_chars(sum, sum + 16, 検査値(out), 16);
  out += "end ";
  out.append(16 - (r.ptr - sum), '0');
  out.append(sum, r.ptr);
  out += '\n';
  return out;
}

自動保存の誤り 自動保存_解析(std::string_view bytes, 保存された対局& out) {
  out = 保存された対局{};
  // The first line says what the file is and which version wrote it.
  const std::size_t first_end = bytes.find('\n');
  if (first_end == std::string_view::npos) return 自動保存の誤り::壊れた;
  {
    読み手 r;
    int version = 0;
    if (!r.行(bytes.substr(0, first_end), 版の行)) return 自動保存の誤り::壊れた;
    r.数(version);
    if (!r.終わった()) return 自動保存の誤り::壊れた;
    if (version != 自動保存の版) return 自動保存の誤り::版;
  }
  // The last line holds the checksum of everything before it.
  if (bytes.size() < 22 || bytes.back() != '\n') return 自動保存の誤り::壊れた;
  const std::size_t last = bytes.rfind('\n', bytes.size() - 2);
  const std::string_view body = bytes.substr(0, last + 1);
  const std::string_view end = bytes.substr(last + 1, bytes.size() - last - 2);
  std::uint64_t sum = 0;
  if (end.size() != 20 || !end.starts_with("end ")) return 自動保存の誤り::壊れた;
  const auto parsed = std::from_chars(end.data() + 4, end.data() + end.size(), sum, 16);
  if (parsed.ec != std::errc() || parsed.ptr != end.data() + end.size() || sum != 検査値(body))
    return 自動保存の誤り::壊れた;

  std::vector<std::string_view> lines;
  for (std::size_t at = first_end + 1; at < body.size();) {
    const std::size_t e = body.find('\n', at);
    lines.push_back(body.substr(at, e - at));
    at = e + 1;
  }
  std::size_t i = 0;
  auto next = [&]() { return i < lines.size() ? lines[i++] : std::string_view(); };
  読み手 r;
  bool ok = true;
  auto line = [&](std::string_view tag, auto&& fields) {
    if (!ok) return;
    ok = r.行(next(), tag);
    fields();
    ok = ok && r.終わった();
  };
  保存された対局& s = out;
  line("game", [&] { 対局の欄(r, s.game); });
  line("clock", [&] {
    時計の欄(r, s.clock);
    r.実数(s.経過);
  });
  line("position", [&] {
    r.盤(s.pos.BAN);
    r.手駒(s.pos.SITA_MOTI);
    r.手駒(s.pos.UE_MOTI);
  });
  line("maps", [&] { 地図の欄(r, s.maps); });
  line("search", [&] { 探索表の欄(r, s.search); });
  line("headers", [&] {
    for (std::string& h : s.見出し) r.文字列(h);
  });
  int n = 0;
  line("record", [&] { r.数(n); });
  if (!ok || !範囲(n, 1, KIFU_T_MAX + 1)) return 自動保存の誤り::壊れた;
  s.record.resize(n);
  for (棋譜局面& k : s.record) line("s", [&] { 記録の欄(r, k); });
  int moves = 0;
  line("moves", [&] {
    r.数(s.moves.先手);
    r.数(moves);
  });
  if (!ok || !範囲(moves, 0, KIFU_T_MAX)) return 自動保存の誤り::壊れた;
  s.moves.手.resize(moves);
  for (棋譜の手& m : s.moves.手) line("m", [&] { 手の欄(r, m); });
  // The board's rows and columns 0 are always empty.
  for (int k = 0; k <= BAN_MAX; ++k)
    if (s.pos.BAN[0][k] != KARA || s.pos.BAN[k][0] != KARA) ok = false;
  if (!ok || i != lines.size() || !確かな対局(s)) return 自動保存の誤り::壊れた;
  return 自動保存の誤り::なし;
}

bool 続きのある対局(const 対局& g) {
  return g.TEBAN != TEBAN_NASI && g.SYOUSYA == 0 && (g.TESUU_HYOJI > 0 || g.TESUU > 0);
}

void 自動保存_復元(対局の場& f, const 保存された対局& s, double now) {
  f.pos = s.pos;
  f.game = s.game;
  f.maps = s.maps;
  f.search = s.search;
  for (std::size_t t = 0; t < s.record.size(); ++t) f.record[t] = s.record[t];
  f.moves = s.moves;
  f.clock = s.clock;
  f.clock.KAISI_JIKOKU = now - s.経過;
  if (f.clock.KAISI_JIKOKU < 0) f.clock.KAISI_JIKOKU += 86400.0;
  対局の知らせ e;
  e.種類 = 出来事::再開;
  e.側 = f.game.TEBAN;
  for (int i = 0; i < 3; ++i) {
    f.autosave.見出し[i] = s.見出し[i];
    e.見出し[i] = f.autosave.見出し[i];
  }
  知らせる(f, e);
}

fs::path 自動保存_退避(const fs::path& path, std::string_view stamp) {
  std::error_code ec;
  const std::string base = path.filename().string() + ".";
  fs::path aside = path.parent_path() / (base + std::string(stamp));
  // Two set aside within a second are told apart by a digit.
  for (int n = 1; fs::symlink_status(aside, ec).type() != fs::file_type::not_found && n <= 9; ++n)
    aside = path.parent_path() / (base + std::string(stamp) + "-" + std::to_string(n));
  fs::rename(path, aside, ec);
  if (ec) return {};
  // The newest three stay: the stamps sort as the times they name.
  std::vector<fs::path> kept;
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > base.size() && name.starts_with(base) && name[base.size()] >= '0' &&
        name[base.size()] <= '9')
      kept.push_back(it->path());
  }
  std::sort(kept.begin(), kept.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() > b.filename(); });
  for (std::size_t k = 3; k < kept.size(); ++k) fs::remove(kept[k], ec);
  return aside;
}

void 自動保存_書く(対局の場& f) {
  const 自動保存& a = f.autosave;
  if (!a.書く || a.パス.empty() || !f.p.files) return;
  // Only the text is made here; the disk is the writer's. A write that fails
  // (a full disk, a folder that cannot be written) keeps the last good file;
  // the game goes on and tries again at its next change.
  f.p.files->replace(a.パス, 自動保存_書式(f, f.p.clock->now()));
}

void 自動保存の聞き手::知らせ(const 対局の知らせ& e) {
  自動保存& a = f_.autosave;
  switch (e.種類) {
    case 出来事::棋譜を読んだ:
      for (int i = 0; i < 3; ++i) a.見出し[i] = std::string(e.見出し[i]);
      自動保存_書く(f_);
      break;
    case 出来事::対局開始:
      // Starting a game clears the headers from the board.
      for (std::string& h : a.見出し) h.clear();
      自動保存_書く(f_);
      break;
    case 出来事::初期化:
    case 出来事::手番:
    case 出来事::終局:
    case 出来事::戻した:
    case 出来事::進めた:
    case 出来事::反転:
    case 出来事::ハンデ: 自動保存_書く(f_); break;
    case 出来事::終了:
      自動保存_書く(f_);
      a.書く = false;
      break;
    // Told in the middle of a move, before the turn has passed: the move is
    // kept once it is complete (手番, 終局).
    case 出来事::思考開始:
    case 出来事::着手予告:
    case 出来事::指した:
    case 出来事::思考終了:
    case 出来事::王手:
    case 出来事::時計:
    case 出来事::ヒント:
    case 出来事::再開: break;
  }
}

}  // namespace velmora
