// The small interfaces through which the window's logic meets the platform.
// The Qt window implements them for real, velmora-script and the tests with
// recording fakes. The game itself uses those declared here; the canvas and
// the move list belong to the board on the window (view/ports.hpp), the
// record panel to the input (input/ports.hpp): the game holds them for the
// parts above it but cannot call them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

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

// Where the file the game keeps as it goes (game/autosave.hpp) is written:
// replaced whole, as records are (format/files.hpp), at once or a moment
// later by a writer of the window's own, so that a click never waits for
// the disk.
struct FileWriter {
  // Replaces the file at `path` with `bytes`. Bytes handed over while earlier
  // ones for the same file still wait replace them; bytes the file was last
  // replaced with are not written again. A write that fails leaves the file
  // as it was.
  virtual void replace(const std::filesystem::path& path, std::string bytes) = 0;

 protected:
  ~FileWriter() = default;
};

struct Canvas;
struct RecordPanel;
struct MoveList;
struct 知らせの受け手;
struct Thinker;

struct Ports {
  Canvas* canvas = nullptr;
  Dialogs* dialogs = nullptr;
  SoundPort* sound = nullptr;
  Clock* clock = nullptr;
  RecordPanel* record = nullptr;
  Desktop* desktop = nullptr;
  MoveList* moves = nullptr;         // none: no move list is shown
  知らせの受け手* events = nullptr;  // the window's ear for what happens in the game; none: nobody listens
  Thinker* thinker =
      nullptr;  // levels 4 and 5 and the hint (game/thinker.hpp); none: at once, by node budget
  FileWriter* files = nullptr;  // the game in play's file; none: it is not kept
};

}  // namespace velmora
