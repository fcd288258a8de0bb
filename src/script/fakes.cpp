#include "script/fakes.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "format/encoding.hpp"
#include "game/notation.hpp"

namespace velmora {

void RecordingCanvas::picture(int id, double tx, double ty) {
  if (recording) ops.push_back(PaintOp{PaintOp::Picture, id, tx, ty, 0, 0, {}, 0, false});
}

void RecordingCanvas::rectangle(int colour, double tx1, double ty1, double tx2, double ty2) {
  if (recording) ops.push_back(PaintOp{PaintOp::Rectangle, colour, tx1, ty1, tx2, ty2, {}, 0, false});
}

void RecordingCanvas::text(double tx, double ty, std::string_view t, int colour, int size, bool bold) {
  if (recording) ops.push_back({PaintOp::Text, colour, tx, ty, 0, 0, std::string(t), size, bold});
}

void RecordingCanvas::tint(int colour, double tx1, double ty1, double tx2, double ty2) {
  if (recording) ops.push_back(PaintOp{PaintOp::Tint, colour, tx1, ty1, tx2, ty2, {}, 0, false});
}

void RecordingCanvas::background(int id) {
  if (recording) ops.push_back(PaintOp{PaintOp::Background, id, 0, 0, 0, 0, {}, 0, false});
}

void RecordingCanvas::repaint_now() {
  if (recording) ops.push_back(PaintOp{PaintOp::Repaint, 0, 0, 0, 0, 0, {}, 0, false});
}

namespace {

// One record a line, readable whatever the text holds: the line ends and the
// separators escaped as always, and every other control character (C0, DEL,
// C1) and every byte that is no part of UTF-8 text as \xHH.
void escape_into(std::string& out, std::string_view s) {
  static constexpr char hex[] = "0123456789ABCDEF";
  auto escape_byte = [&](unsigned char b) {
    out += "\\x";
    out += hex[b >> 4];
    out += hex[b & 15];
  };
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = std::max<std::size_t>(1, UTF8の文字長(s, i));
    const bool control =
        b < 0x20 || b == 0x7F || (n == 2 && b == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0);
    if (b == '\r')
      out += "\\r";
    else if (b == '\n')
      out += "\\n";
    else if (b == '\\')
      out += "\\\\";
    else if (b == '|')
      out += "\\|";
    else if (control || UTF8の文字長(s, i) == 0)
      for (std::size_t k = 0; k < n; ++k) escape_byte(static_cast<unsigned char>(s[i + k]));
    else
      out.append(s, i, n);
    i += n;
  }
}

}  // namespace

std::string box_line(const Box& b) {
  std::string line = "box ";
  escape_into(line, b.title);
  line += '|';
  escape_into(line, b.text);
  line += b.yes_no ? (b.answer ? "|yesno=yes" : "|yesno=no") : "|ok";
  return line;
}

std::string hint_line(const Form1& f, const 対局の知らせ& e) {
  // ▲ for the side that moved first in the game: before the first move, the
  // side the hint is for.
  const bool first = f.game.TESUU == 0 || e.手.下 == (f.moves.先手 == -1);
  const 手の表記 written = 表記_言語(f.lang, e.手, first);
  std::string line = "hint ";
  escape_into(line, written.手 + written.鏡);
  return line;
}

void RecordingDialogs::message(std::string_view text, std::string_view title) {
  boxes.push_back({std::string(title), std::string(text)});
  if (out) *out << box_line(boxes.back()) << '\n';
}

bool RecordingDialogs::yes_no(std::string_view text, std::string_view title) {
  bool answer = true;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  boxes.push_back({std::string(title), std::string(text), true, answer});
  if (out) *out << box_line(boxes.back()) << '\n';
  return answer;
}

void RecordingDialogs::warning(std::string_view text, std::string_view title) { message(text, title); }

void RecordingDialogs::about() { ++abouts; }

namespace {

const char* sound_name(Sound s) {
  switch (s) {
    case Sound::SONOTA: return "SONOTA";
    case Sound::KINSHI: return "KINSHI";
    case Sound::KOMAUCHI: return "KOMAUCHI";
    case Sound::BGM: return "BGM";
  }
  return "?";
}

}  // namespace

std::intptr_t RecordingSound::initialize(std::intptr_t) { return 1; }
void RecordingSound::terminate(std::intptr_t handle) {
  releases.push_back("terminate " + std::to_string(handle));
}
std::intptr_t RecordingSound::create(std::intptr_t, const std::uint8_t*, std::size_t, int) {
  return next_buffer++;
}

void RecordingSound::play(std::intptr_t, Sound which) {
  calls.push_back(sound_name(which));
  if (out) *out << "sound " << calls.back() << '\n';
}

void RecordingSound::play_looping(std::intptr_t, Sound which) {
  calls.push_back(std::string(sound_name(which)) + " loop");
  if (out) *out << "sound " << calls.back() << '\n';
}

void RecordingSound::stop(std::intptr_t, Sound which) {
  calls.push_back(std::string(sound_name(which)) + " stop");
  if (out) *out << "sound " << calls.back() << '\n';
}

void RecordingSound::free(std::intptr_t buffer) { releases.push_back("free " + std::to_string(buffer)); }

void SimulatedClock::wait(double s) {
  waited += s;
  advance(s);
}

void SimulatedClock::advance(double s) {
  seconds = std::fmod(seconds + s, 86400.0);
  if (seconds < 0) seconds += 86400.0;
}

void FakeRecordPanel::show_browser(bool d, bool di, bool fi) {
  drive = d;
  dir = di;
  file = fi;
}

std::string FakeRecordPanel::text(棋譜の欄 box) {
  const int n = static_cast<int>(box);
  return n >= 1 && n <= 4 ? texts[n] : std::string();
}

void FakeRecordPanel::set_text(棋譜の欄 box, std::string_view t) {
  const int n = static_cast<int>(box);
  if (n >= 1 && n <= 4) texts[n] = std::string(t);
}

namespace {

std::string 手の文字(const 指し手& m) {
  return std::to_string(m.x1) + "," + std::to_string(m.y1) + "-" + std::to_string(m.x2) + "," +
         std::to_string(m.y2) + " " + std::to_string(m.moving) + ">" + std::to_string(m.placed);
}

}  // namespace

std::string 知らせの行(const 対局の知らせ& e) {
  static constexpr const char* names[] = {
      "初期化", "対局開始", "思考開始", "着手予告", "指した",       "思考終了", "手番",   "王手", "終局",
      "戻した", "進めた",   "反転",     "ハンデ",   "棋譜を読んだ", "時計",     "ヒント", "再開", "終了"};
  std::string line = names[static_cast<int>(e.種類)];
  line += " side=" + std::to_string(e.側);
  switch (e.種類) {
    case 出来事::着手予告:
    case 出来事::指した:
    case 出来事::思考終了:
    case 出来事::戻した:
    case 出来事::進めた:
    case 出来事::ヒント:
      if (!e.手.分かる) {
        line += " ?";
        break;
      }
      line += ' ';
      line += 手の文字(e.手.手);
      if (e.手.取った駒 != KARA) (line += " takes ") += std::to_string(e.手.取った駒);
      if (e.手.鏡) (line += " mirror ") += 手の文字(e.手.鏡の手);
      break;
    case 出来事::終局: {
      static constexpr const char* why[] = {"", "王を取った", "詰み", "指す手なし", "投了"};
      line += std::string(" ") + why[static_cast<int>(e.理由)];
      break;
    }
    case 出来事::ハンデ: line += " at " + std::to_string(e.x) + "," + std::to_string(e.y); break;
    case 出来事::棋譜を読んだ:
    case 出来事::再開:
      for (std::string_view h : e.見出し) {
        line += " |";
        line += h;
      }
      break;
    case 出来事::時計: {
      char buf[32];
      std::snprintf(buf, sizeof buf, " %.3f", e.秒);
      line += buf;
      break;
    }
    default: break;
  }
  return line;
}

bool FakeDesktop::open_url(std::string_view url) {
  opened.emplace_back(url);
  return open_result;
}

void FakeDesktop::place_window(int l, int t, int w, int h) {
  placed[0] = l;
  placed[1] = t;
  placed[2] = w;
  placed[3] = h;
}

FakeWindow::FakeWindow() : form(std::make_unique<Form1>()) {
  form->p = Ports{&canvas, &dialogs, &sound, &clock, &record, &desktop, &moves, &events, &thinker, &files};
}

}  // namespace velmora
