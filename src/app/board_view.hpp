// The window's client area: the Canvas the game paints on, in twips, and the
// move list beside it.
//
// Every paint call goes both into a persistent back buffer (so covering and
// uncovering the window keeps the picture) and into a display list of the
// calls themselves. The back buffer is kept at the displayed resolution:
// when the window is resized, or moves to a screen with another pixel ratio,
// the display list is replayed from the vector forms of pictures and text,
// so the picture stays crisp at any scale. Calls fully painted over by later
// pictures, and outlines drawn again later with the same corners, are dropped
// from the list, which keeps it small however long the game is played; a
// text's area is where its glyphs' ink can fall.
//
// The window's picture (10900 × 8600 twips) keeps its proportions at the
// largest scale that fits; the rest of the client area shows the background
// picture on the same cell grid, so the two meet without a seam. Where the
// window is wide enough the picture stands at the left and the move list
// fills the room on its right.
#pragma once

#include <QBrush>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "input/ports.hpp"
#include "view/ports.hpp"

namespace velmora {
struct Form1;
}

namespace velmora::app {

// The design size of the picture: 10900 × 8600 twips at 15 twips per pixel.
inline constexpr int kDesignWidth = 727;
inline constexpr int kDesignHeight = 573;
inline constexpr double kTwipsPerPixel = 15.0;
// The smallest scale the picture is shown at: its labels, the counts on the
// stands and the clocks stay readable, and the menu bar's captions fit above it.
inline constexpr double kMinimumScale = 0.75;

class BoardView final : public QWidget, public velmora::Canvas, public velmora::MoveList {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);

  void picture(int id, double tx, double ty) override;
  void rectangle(int colour, double tx1, double ty1, double tx2, double ty2) override;
  void text(double tx, double ty, std::string_view text, int colour, int size, bool bold) override;
  void tint(int colour, double tx1, double ty1, double tx2, double ty2) override;
  void background(int id) override;
  void repaint_now() override;
  void glide(int id, double from_tx, double from_ty, double to_tx, double to_ty, int under) override;
  void fade() override;
  void settle() override;
  void show_moves(const std::vector<Line>& lines, int current) override;
  void show_status(const std::vector<std::string>& lines) override;

  // Logical pixels per design pixel (1 at the start-up size).
  double scale() const { return scale_; }
  // A point of the widget (logical pixels) in twips.
  QPointF to_twips(QPointF logical) const;
  // A rectangle in twips as logical pixels of the widget.
  QRect to_logical(const QRectF& twips) const;
  // A point in twips as a logical pixel of the widget (the centre of that pixel).
  QPoint to_logical(QPointF twips) const;
  // The back buffer as it is now, at device pixels.
  const QImage& back_buffer() const { return buffer_; }
  std::size_t display_list_size() const { return ops_.size(); }
  // Where the move list stands (logical pixels); empty when there is no room for it.
  QRect move_list_rect() const { return list_rect_; }
  // The lines of the move list as it was last given, and the current one.
  const std::vector<Line>& move_lines() const { return lines_; }
  int current_move() const { return current_; }
  // Whose turn it is, as last given, and where it stands (logical pixels):
  // at the top of the move list, or in the free room right of the board,
  // beside the bottom side's stand, when there is no list.
  const std::vector<QString>& status_lines() const { return status_; }
  QRect status_rect() const;

  QSize sizeHint() const override { return {kDesignWidth, kDesignHeight}; }

  // Whether the picture stands at the left even without the move list (while
  // the record panel stands right of the board, so that the board stays put).
  void set_at_left(bool on);

  // Whether glides and fades are shown at all (not under the end-to-end
  // test, which reads the screen as soon as a handler has ended).
  void set_animated(bool on) { animated_ = on; }
  // Whether a glide or a fade is being shown, and how many glides.
  bool animating() const { return !glides_.empty() || !fade_from_.isNull(); }
  std::size_t glides_shown() const { return glides_.size(); }
  // The keyboard's cell (board column and row, or a stand's cell), and
  // whether it is framed over the picture (while the keyboard moves on the
  // board and the board has the keyboard).
  void set_cursor(QPoint cell, bool framed);
  std::optional<QPoint> cursor_cell() const { return cursor_; }
  // Where the focus frame stands (logical pixels), its outer edge; empty when none is drawn.
  QRect focus_frame_rect() const;
  // Tab and Shift+Tab on the board: true when the keyboard stays on it (the
  // window moves it among the board and the stands), false to go on to the
  // window's next control.
  std::function<bool(bool next)> tab_handler;
  // The game shown, for those that read the board rather than paint it.
  void set_game(const velmora::Form1* game) { game_ = game; }
  const velmora::Form1* game() const { return game_; }

 signals:
  // A mouse press: button 1 left, 2 right, 4 middle; position in twips.
  void pressed(int button, double tx, double ty);
  // The scale or offset changed; widgets laid out in twips follow.
  void layoutChanged();
  // The move list was given new lines or a new current line.
  void movesChanged();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  bool event(QEvent*) override;
  bool focusNextPrevChild(bool next) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  struct Op {
    enum Kind { Picture, Rectangle, Text, Tint } kind;
    int id_or_colour;
    double x, y, x2, y2;
    QString text;
    int size;
    bool bold;
    QRectF bounds;  // twips; for dropping what is painted over
  };

  void draw(const Op& op);
  void outline(QPainter& p, int colour, QPointF a, QPointF b) const;
  void relayout();
  void compact();
  const QImage& picture_image(int id);
  // The background picture `id` as a brush repeating on the cell grid.
  QBrush background_brush(int id);
  void fill_surroundings();
  void paint_move_list(QPainter& p);
  void paint_animation(QPainter& p);
  void tick();
  void paint_status(QPainter& p, const QRectF& box);
  double status_height() const;
  double shadow_offset() const;
  void paint_focus_frame(QPainter& p);
  QRect pixels(const QRectF& twips) const;

  std::vector<Op> ops_;
  std::size_t compact_at_ = 4096;
  QImage buffer_;
  QHash<int, QImage> pictures_;
  int background_ = 0;  // the background beyond the picture; 0: the window's green
  std::vector<Line> lines_;
  int current_ = -1;
  std::vector<QString> status_;
  struct Glide {
    int id, under;
    QPointF from, to;  // twips
  };
  bool animated_ = true;
  bool at_left_ = false;      // asked for
  bool placed_left_ = false;  // as laid out
  std::vector<Glide> glides_;
  QElapsedTimer glide_clock_, fade_clock_;
  QImage fade_from_;
  QTimer* frames_ = nullptr;
  QRect list_rect_;
  double scale_ = 1.0;
  double ratio_ = 1.0;      // device pixels per logical pixel
  double k_ = 1 / 15.0;     // device pixels per twip
  double ox_ = 0, oy_ = 0;  // device pixels of twip (0, 0)
  QRect design_rect_;       // device pixels of the picture
  std::optional<QPoint> cursor_;
  bool framed_ = false;
  const velmora::Form1* game_ = nullptr;
};

}  // namespace velmora::app
