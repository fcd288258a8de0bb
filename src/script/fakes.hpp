// Recording stand-ins for the platform: what velmora-script runs the window's
// logic with, and what the tests click through. Nothing here draws or sounds;
// everything is remembered (and, for the script, printed).
#pragma once

#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "format/file_writer.hpp"
#include "window/form.hpp"

namespace velmora {

struct PaintOp {
  enum Kind { Picture, Rectangle, Text, Repaint, Tint, Background } kind;
  int id_or_colour = 0;   // picture id, or colour of a rectangle or text
  double x = 0, y = 0;    // twips; top-left
  double x2 = 0, y2 = 0;  // rectangle's other corner
  std::string text;
  int size = 0;
  bool bold = false;
};

class RecordingCanvas final : public Canvas {
 public:
  std::vector<PaintOp> ops;
  bool recording = true;
  void picture(int id, double tx, double ty) override;
  void rectangle(int colour, double tx1, double ty1, double tx2, double ty2) override;
  void text(double tx, double ty, std::string_view text, int colour, int size, bool bold) override;
  void tint(int colour, double tx1, double ty1, double tx2, double ty2) override;
  void background(int id) override;
  void repaint_now() override;
  // Glides and fades change no picture: they are counted apart from the ops.
  struct Glide {
    int id;
    double from_tx, from_ty, to_tx, to_ty;
    int under;
  };
  std::vector<Glide> glides;
  int fades = 0, settles = 0;
  void glide(int id, double fx, double fy, double tx, double ty, int under) override {
    glides.push_back({id, fx, fy, tx, ty, under});
  }
  void fade() override { ++fades; }
  void settle() override { ++settles; }
};

// The move list as it was last shown.
class RecordingMoveList final : public MoveList {
 public:
  std::vector<Line> lines;
  int current = -1;
  int shown = 0;  // how many times it was shown
  void show_moves(const std::vector<Line>& l, int c) override {
    lines = l;
    current = c;
    ++shown;
  }
  std::vector<std::vector<std::string>> statuses;  // whose turn it is, each time it was shown
  void show_status(const std::vector<std::string>& l) override { statuses.push_back(l); }
};

// What happens in the game, a line an event, in the order it was told:
// "指した side=-1 7,7-7,6 -10>-10 mirror 3,3-3,4 10", "終局 side=1 王を取った".
std::string 知らせの行(const 対局の知らせ& e);

class RecordingEvents final : public 知らせの受け手 {
 public:
  std::vector<std::string> lines;
  void 知らせ(const 対局の知らせ& e) override { lines.push_back(知らせの行(e)); }
};

struct Box {
  std::string title, text;
  bool yes_no = false;
  bool answer = false;  // for a Yes/No box
};

class RecordingDialogs final : public Dialogs {
 public:
  std::vector<Box> boxes;
  std::deque<bool> answers;  // queued answers for Yes/No boxes; Yes when empty
  int abouts = 0;
  std::ostream* out = nullptr;
  void message(std::string_view text, std::string_view title) override;
  bool yes_no(std::string_view text, std::string_view title) override;
  void warning(std::string_view text, std::string_view title) override;
  void about() override;
};

// The box line of the script format: title and text with \r, \n, \\ and \| escaped.
std::string box_line(const Box& b);

// The hint line of the script format, "hint MOVE": the move told by the event
// ヒント as the move list of f would write it, its mirror jump after it, in
// f's language, escaped as box lines are.
std::string hint_line(const Form1& f, const 対局の知らせ& e);

class RecordingSound final : public SoundPort {
 public:
  std::vector<std::string> calls;     // "SONOTA", "KINSHI", "KOMAUCHI", "BGM loop", "BGM stop", ...
  std::vector<std::string> releases;  // "free N", "terminate N" (never printed)
  std::ostream* out = nullptr;
  std::intptr_t next_buffer = 1;
  std::intptr_t initialize(std::intptr_t window) override;
  void terminate(std::intptr_t handle) override;
  std::intptr_t create(std::intptr_t handle, const std::uint8_t* image, std::size_t size, int flags) override;
  void play(std::intptr_t buffer, Sound which) override;
  void play_looping(std::intptr_t buffer, Sound which) override;
  void stop(std::intptr_t buffer, Sound which) override;
  void free(std::intptr_t buffer) override;
};

// Simulated time: seconds since midnight, moved only by advance() and wait().
class SimulatedClock final : public Clock {
 public:
  double seconds = 0.0;
  double waited = 0.0;  // total of all waits
  double now() override { return seconds; }
  void wait(double s) override;
  void advance(double s);
};

class FakeRecordPanel final : public RecordPanel {
 public:
  bool drive = false, dir = false, file = false, panel = false;
  std::string texts[5];  // by 棋譜の欄: 1 the file name .. 4 the second player
  std::string path = ".";
  int refreshes = 0;
  void show_browser(bool d, bool di, bool fi) override;
  void show_panel(bool visible) override { panel = visible; }
  std::string text(棋譜の欄 box) override;
  void set_text(棋譜の欄 box, std::string_view t) override;
  std::string directory() override { return path; }
  void set_directory(std::string_view p) override { path = std::string(p); }
  void refresh_files() override { ++refreshes; }
};

class FakeDesktop final : public Desktop {
 public:
  std::vector<std::string> opened;
  bool open_result = true;
  bool quit_requested = false;
  int top = 0;
  int placed[4] = {-1, -1, -1, -1};
  bool open_url(std::string_view url) override;
  std::intptr_t window_handle() override { return 1; }
  int window_top() override { return top; }
  void place_window(int l, int t, int w, int h) override;
  void quit() override { quit_requested = true; }
};

// Writes the kept game's file before the game goes on, so that a script's
// files are exactly where its events left them.
class FileWriterAtOnce final : public FileWriter {
 public:
  void replace(const std::filesystem::path& path, std::string bytes) override {
    writer_.渡す(path, std::move(bytes));
  }

 private:
  置換の書き手 writer_{置換の書き手::書き方::その場で};
};

// A whole window of fakes around one Form1, ports wired.
struct FakeWindow {
  RecordingCanvas canvas;
  RecordingDialogs dialogs;
  RecordingSound sound;
  SimulatedClock clock;
  FakeRecordPanel record;
  FakeDesktop desktop;
  RecordingMoveList moves;
  RecordingEvents events;
  // Thinks at once: by a small node budget, which the tests can afford in
  // every configuration; velmora-script thinks by each level's own.
  その場の思考 thinker{20'000};
  FileWriterAtOnce files;
  std::unique_ptr<Form1> form;

  FakeWindow();
  Form1& f() { return *form; }
};

}  // namespace velmora
