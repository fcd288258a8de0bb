// The check marks as the menu shows them, read through the menu's own table.
#pragma once

#include <string_view>

#include "window/form.hpp"
#include "window/menu.hpp"

namespace velmora::testing {

inline bool 印(const Form1& f, std::string_view name) {
  const メニュー項目* item = メニュー項目_検索(name);
  return item && item->checked && item->checked(f);
}

}  // namespace velmora::testing
