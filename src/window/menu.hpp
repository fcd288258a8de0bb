// The menu bar: one table of every menu and item, read by the Qt window (to
// build its menus and set their check marks) and by velmora-script (to find
// the handler of `menu NAME`).
#pragma once

#include <span>
#include <string_view>

namespace velmora {

struct Form1;

struct メニュー項目 {
  std::string_view name;     // the control name: "START"
  std::string_view caption;  // what the menu shows (UTF-8, before translation): "スタート"
  std::string_view parent;   // the name of the menu it sits in; empty: the menu bar itself
  bool menu;                 // a menu holding items, rather than an item
  // What a click runs; for a menu, what opening it runs. Null: nothing.
  void (*handler)(Form1&);
  // Whether the item is checked now; null for an item without a check mark.
  bool (*checked)(const Form1&);
  // Whether the item can be chosen now; null for an item that always can.
  bool (*enabled)(const Form1&) = nullptr;
  // The keys that choose it in the window, shown beside it ("Ctrl+Z"; several
  // separated by "; ", the first shown). The game's own keys and velmora-script's
  // `key` know nothing of them.
  std::string_view shortcut = {};
};

// Every menu and item, each menu before its items, in the order they appear.
std::span<const メニュー項目> メニュー一覧();

// The entry of that control name, or null.
const メニュー項目* メニュー項目_検索(std::string_view name);

}  // namespace velmora
