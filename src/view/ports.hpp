// The ports of the board on the window: the canvas it paints on and the move
// list beside it. The Qt window implements them, velmora-script and the tests
// with recording fakes. Coordinates are twips; colours are QBColor indices 0..15.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/ports.hpp"

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
  // A piece (picture `id`) glides from the cell at (from_tx, from_ty) to the
  // cell at (to_tx, to_ty), already painted there: until it arrives the
  // destination shows picture `under` (0, the empty square; or the piece it
  // takes). Glides asked for together move together. Only the showing is
  // delayed: what is painted is painted at once.
  virtual void glide(int id, double from_tx, double from_ty, double to_tx, double to_ty, int under) = 0;
  // What is shown now fades into what is painted next.
  virtual void fade() = 0;
  // Returns once the glides asked for have been shown to their end.
  virtual void settle() = 0;

 protected:
  ~Canvas() = default;
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
  // Whose turn it is, shown above the moves (or beside the board when there
  // is no room for the list): one text a line; none while no game runs.
  virtual void show_status(const std::vector<std::string>& lines) = 0;

 protected:
  ~MoveList() = default;
};

}  // namespace velmora
