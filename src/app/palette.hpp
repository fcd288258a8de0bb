// The sixteen QBColor colours of the classic palette, by index 0..15.
#pragma once

#include <QColor>

namespace velmora::app {

inline QColor qb_color(int index) {
  static constexpr QRgb table[16] = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
  };
  return QColor::fromRgb(table[(index % 16 + 16) % 16]);
}

}  // namespace velmora::app
