// The records read or written last, newest first, offered in the menu
// "棋譜" → "最近の棋譜". They are kept beside the game in play, in a file of
// their own ("recent", one path a line), never in the settings file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Form1;

inline constexpr std::size_t 最近の棋譜の数 = 8;
inline constexpr std::string_view 最近の棋譜の名前 = "recent";
// The menu the window fills with them whenever it opens.
inline constexpr std::string_view 最近の棋譜のメニュー = "SAIKIN";

// The list: full paths as the bytes they are, newest first, at most eight.
struct 最近の棋譜 {
  std::vector<std::string> 一覧;
};

// Reads the list where the window keeps its files (nothing when it keeps none).
void 最近の棋譜_読込(Form1& f);
// A record read or written at `path`: first in the list, which is written
// again (a path that no line can hold is not listed).
void 最近の棋譜_追加(Form1& f, const std::string& path);
// Entry i opened as "読込" opens a record: the browser moves to its folder
// and the file is read with the same messages and refusals. A file that is
// gone is taken off the list, and the player is told.
void 最近の棋譜_開く(Form1& f, std::size_t i);

// The record browser's file list and the panel's write button as the window
// calls them: the record read or written, then listed.
void 棋譜を開く(Form1& f, std::string_view name);
void 棋譜を書く(Form1& f);

}  // namespace velmora
