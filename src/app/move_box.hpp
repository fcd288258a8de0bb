// The typed-move box: a line at the foot of the board where the player types
// a move in the move list's notation (":" or Ctrl+L opens it, Enter plays the
// move, Escape closes it). What cannot be played is refused with its reason,
// shown under the line and read to a screen reader, and the text stays to
// be mended.
#pragma once

#include <QFrame>
#include <QString>

#include "game/language.hpp"

class QLabel;
class QLineEdit;

namespace velmora::app {

class BoardView;

class MoveBox final : public QFrame {
  Q_OBJECT

 public:
  MoveBox(BoardView* view, const velmora::言語& lang);

  // Shows the box, empty, with the keyboard in its line.
  void open();
  // Hides it and gives the keyboard back to the board.
  void close_box();
  // Shows why the text is no move, keeping the text selected to be typed over.
  void refuse(const QString& reason);
  // Captions it again, in the language as it is now.
  void caption();

  QLineEdit* line() const { return line_; }
  QLabel* reason() const { return reason_; }

 signals:
  // Enter in the line: the text typed.
  void submitted(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void place();

  BoardView* view_;
  const velmora::言語& lang_;
  QLabel* prompt_;
  QLineEdit* line_;
  QLabel* reason_;
};

}  // namespace velmora::app
