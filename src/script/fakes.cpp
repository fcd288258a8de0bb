#include "script/fakes.hpp"

#include <algorithm>
#include <cmath>

#include "format/encoding.hpp"

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

std::string FakeRecordPanel::text(int n) { return n >= 1 && n <= 4 ? texts[n] : std::string(); }

void FakeRecordPanel::set_text(int n, std::string_view t) {
  if (n >= 1 && n <= 4) texts[n] = std::string(t);
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
  form->p = Ports{&canvas, &dialogs, &sound, &clock, &record, &desktop, &moves};
}

}  // namespace velmora
