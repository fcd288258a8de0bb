// The port of the input: the record panel, where the player names a record
// and its headers, and the browser, where a record is chosen to be read.
#pragma once

#include <string>
#include <string_view>

#include "game/ports.hpp"

namespace velmora {

// The panel's four boxes: the file name and the three header lines (the
// form called them Text1 to Text4, and velmora-script's `set` still does).
enum class 棋譜の欄 { ファイル名 = 1, 対局名 = 2, 先手 = 3, 後手 = 4 };

// The record panel (the four boxes, their labels, the write button) and the
// record browser (the drive, the folder and the file list).
struct RecordPanel {
  virtual void show_browser(bool drive, bool dir, bool file) = 0;
  virtual void show_panel(bool visible) = 0;
  virtual std::string text(棋譜の欄 box) = 0;
  virtual void set_text(棋譜の欄 box, std::string_view text) = 0;
  virtual std::string directory() = 0;  // the folder the file list shows (and records are written to)
  virtual void set_directory(std::string_view path) = 0;
  virtual void refresh_files() = 0;

 protected:
  ~RecordPanel() = default;
};

}  // namespace velmora
