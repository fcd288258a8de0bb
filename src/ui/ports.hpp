// The small interfaces through which the window's logic meets the platform.
// The Qt window implements them for real, velmora-script and the tests with
// recording fakes. Coordinates are twips; colours are QBColor indices 0..15.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The window's client area. Whatever is painted stays until painted over.
struct Canvas {
  // Picture `id` at its own size, top-left corner at (tx, ty). Identifiers:
  // piece codes (0 the empty square), 1 the title, 2..6 the backgrounds, a
  // piece code 1000 further from zero the same piece in the international
  // set; any other identifier paints nothing.
  virtual void picture(int id, double tx, double ty) = 0;
  // Unfilled rectangle from (tx1, ty1) to (tx2, ty2).
  virtual void rectangle(int colour, double tx1, double ty1, double tx2, double ty2) = 0;
  // Text (UTF-8) with its top-left at (tx, ty), in points.
  virtual void text(double tx, double ty, std::string_view text, int colour, int size, bool bold) = 0;
  // A translucent wash of a colour over the rectangle; what is under it shows through.
  virtual void tint(int colour, double tx1, double ty1, double tx2, double ty2) = 0;
  // The background picture `id`, tiled on the cell grid, beyond the 10900 ×
  // 8600 twips the window paints in, wherever the window is larger.
  virtual void background(int id) = 0;
  // Show what was painted now, not at the next turn of the event loop.
  virtual void repaint_now() = 0;

 protected:
  ~Canvas() = default;
};

// Modal message boxes.
struct Dialogs {
  virtual void message(std::string_view text, std::string_view title) = 0;  // OK only
  virtual bool yes_no(std::string_view text, std::string_view title) = 0;   // true: Yes
  virtual void warning(std::string_view text, std::string_view title) = 0;  // exclamation, OK
  virtual void about() = 0;                                                 // the about box, modal

 protected:
  ~Dialogs() = default;
};

enum class Sound { SONOTA, KINSHI, KOMAUCHI, BGM };

// The sound helper library as the window uses it. Buffer 0 is "no sound":
// every call with it does nothing. `which` names the buffer for recorders.
struct SoundPort {
  virtual std::intptr_t initialize(std::intptr_t window) = 0;  // dsInitialize, 0 on failure
  virtual void terminate(std::intptr_t handle) = 0;            // dsTerminate
  // dsCreateDSB over a whole wave image of `size` bytes; 0 on failure.
  virtual std::intptr_t create(std::intptr_t handle, const std::uint8_t* image, std::size_t size,
                               int flags) = 0;
  virtual void play(std::intptr_t buffer, Sound which) = 0;          // dsPlay
  virtual void play_looping(std::intptr_t buffer, Sound which) = 0;  // dsPlayLooping
  virtual void stop(std::intptr_t buffer, Sound which) = 0;          // dsStop
  virtual void free(std::intptr_t buffer) = 0;                       // dsFree

 protected:
  ~SoundPort() = default;
};

// Time: seconds since midnight with fractions, and a wait that keeps the
// window painting but takes no input.
struct Clock {
  virtual double now() = 0;
  virtual void wait(double seconds) = 0;

 protected:
  ~Clock() = default;
};

// The record panel (Text1..Text4, their labels, RETURN) and the record
// browser (Drive1, Dir1, File1).
struct RecordPanel {
  virtual void show_browser(bool drive, bool dir, bool file) = 0;
  virtual void show_panel(bool visible) = 0;
  virtual std::string text(int n) = 0;  // n = 1..4
  virtual void set_text(int n, std::string_view text) = 0;
  virtual std::string directory() = 0;  // the directory File1 lists (and records are written to)
  virtual void set_directory(std::string_view path) = 0;
  virtual void refresh_files() = 0;

 protected:
  ~RecordPanel() = default;
};

// The desktop: the browser for the help page, the window's place, quitting.
struct Desktop {
  virtual bool open_url(std::string_view url) = 0;
  virtual std::intptr_t window_handle() = 0;
  virtual int window_top() = 0;                                             // twips
  virtual void place_window(int left, int top, int width, int height) = 0;  // twips
  virtual void quit() = 0;  // end the process once the current event returns

 protected:
  ~Desktop() = default;
};

// The list of the game's moves beside the board, read-only. Line 0 is the
// position the moves start from, each further line one move and the mirror
// jump it caused; `current` is the line of the position on the board (-1:
// none). An empty list shows no moves.
struct MoveList {
  struct Line {
    std::string number;  // the move number shown, empty for the starting position
    std::string move;    // "▲７六歩"
    std::string mirror;  // "　鏡 △３三歩→３四", or empty
  };
  virtual void show_moves(const std::vector<Line>& lines, int current) = 0;

 protected:
  ~MoveList() = default;
};

struct Ports {
  Canvas* canvas = nullptr;
  Dialogs* dialogs = nullptr;
  SoundPort* sound = nullptr;
  Clock* clock = nullptr;
  RecordPanel* record = nullptr;
  Desktop* desktop = nullptr;
  MoveList* moves = nullptr;  // none: the moves are not worked out for a list
};

}  // namespace velmora
