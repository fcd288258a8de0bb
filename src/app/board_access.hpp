// The board to a screen reader (Qt's accessibility, AT-SPI on Linux): the
// board view is a pane holding a table of the 81 squares, each cell named by
// what stands on it ("７七 歩 先手", "7g pawn, sente"), the two stands as lists
// of the pieces held, and texts for whose turn it is, the move number, the
// clocks and the move list; then the view's own widgets. The square under the
// keyboard's cursor is the focused cell. Moves are announced through a
// polite live text, the Announcer, whose name is the last announcement.
#pragma once

#include <QLabel>
#include <QString>
#include <optional>

namespace velmora {
struct Form1;
}

namespace velmora::app {

class BoardView;

// Makes the accessible board for every BoardView and Announcer; once per application.
void install_board_accessibility();

// The game the board view shows, read by its accessible tree.
void set_accessible_game(BoardView* view, const velmora::Form1* form);

// Tells a screen reader what changed on the board since it was last told:
// the cells whose names changed, the stands, the texts, the focused cell.
void board_changed(BoardView* view);

// The live text a screen reader speaks when its name changes.
class Announcer final : public QLabel {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);
  // Says `text` (a text said again is said again).
  void announce(const QString& text);
};

}  // namespace velmora::app
