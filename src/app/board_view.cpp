#include "app/board_view.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QThread>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "app/palette.hpp"
#include "app/pictures.hpp"

namespace velmora::app {

namespace {

constexpr double kTwipsPerPoint = 20.0;
// The cell grid: the corner of cell (0, 0) and a cell's size, in twips.
constexpr double kGridLeft = 1350, kGridTop = 100, kCellW = 610, kCellH = 690;
// The narrowest room, in design pixels, the move list is shown in.
constexpr double kMoveListMinWidth = 190;
// Where whose turn it is stands without the move list, in twips: right of
// the board, beside the bottom side's stand, below the move counter (columns
// 12.4 to the picture's edge, rows 4 to 7), where nothing else is painted.
constexpr QRectF kStatusArea(kGridLeft + kCellW * 12.4, kGridTop + kCellH * 4,
                             10900 - 60 - (kGridLeft + kCellW * 12.4), kCellH * 3);
// A text in black is the shadow of the text a tenth of a cell up and left of it.
constexpr int kShadowColour = 0;
constexpr double kShadowX = kCellW / 10, kShadowY = kCellH / 10;
// How long a glide and a fade take, in milliseconds.
constexpr double kGlideMs = 200, kFadeMs = 150;
// Eased: quick to start, slowing down as it arrives.
double ease(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return 1 - (1 - t) * (1 - t) * (1 - t);
}
// The rows of the move list and of whose turn it is, in design pixels.
constexpr double kRowHeight = 22, kListPad = 8;

QRect twips_box(const QRectF& r) { return r.toAlignedRect(); }

bool is_background(int id) { return id >= 2 && id <= 6; }

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setObjectName("Board");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(int(std::ceil(kDesignWidth * kMinimumScale)), int(std::ceil(kDesignHeight * kMinimumScale)));
  resize(kDesignWidth, kDesignHeight);
  frames_ = new QTimer(this);
  frames_->setInterval(16);
  connect(frames_, &QTimer::timeout, this, &BoardView::tick);
  relayout();
}

void BoardView::glide(int id, double from_tx, double from_ty, double to_tx, double to_ty, int under) {
  if (!animated_ || !isVisible()) return;
  // Glides asked for while others run start together with them.
  if (glides_.empty()) glide_clock_.start();
  glides_.push_back({id, under, QPointF(from_tx, from_ty), QPointF(to_tx, to_ty)});
  frames_->start();
  update();
}

void BoardView::fade() {
  if (!animated_ || !isVisible()) return;
  glides_.clear();
  fade_from_ = buffer_.copy();
  fade_clock_.start();
  frames_->start();
  update();
}

void BoardView::settle() {
  // Paints on and takes no input until the glides have arrived.
  QElapsedTimer waited;
  waited.start();
  while (!glides_.empty() && waited.elapsed() < 2 * kGlideMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    QThread::msleep(1);
  }
}

void BoardView::tick() {
  if (!glides_.empty() && glide_clock_.elapsed() >= kGlideMs) glides_.clear();
  if (!fade_from_.isNull() && fade_clock_.elapsed() >= kFadeMs) fade_from_ = QImage();
  if (!animating()) frames_->stop();
  update();
}

void BoardView::paint_animation(QPainter& p) {
  // The picture as it was, fading out over what is painted now.
  if (!fade_from_.isNull()) {
    p.save();
    p.setOpacity(1 - ease(fade_clock_.elapsed() / kFadeMs));
    p.drawImage(QRectF(rect()), fade_from_, QRectF(fade_from_.rect()));
    p.restore();
  }
  if (glides_.empty()) return;
  const double t = ease(glide_clock_.elapsed() / kGlideMs);
  // In device pixels, as the back buffer is painted.
  p.save();
  p.scale(1 / ratio_, 1 / ratio_);
  p.setClipRect(design_rect_);
  auto place = [&](int id, QPointF twips) {
    p.drawImage(QPointF(std::round(ox_ + twips.x() * k_), std::round(oy_ + twips.y() * k_)),
                picture_image(id));
  };
  // First what each destination showed, with its outline, then the pieces on their way.
  for (const Glide& g : glides_) {
    place(g.under, g.to);
    outline(p, 2, g.to, g.to + QPointF(kCellW, kCellH));
  }
  for (const Glide& g : glides_) place(g.id, g.from + (g.to - g.from) * t);
  p.restore();
}

QPointF BoardView::to_twips(QPointF logical) const {
  return {(logical.x() * ratio_ - ox_) / k_, (logical.y() * ratio_ - oy_) / k_};
}

QRect BoardView::to_logical(const QRectF& twips) const {
  const double l = std::round(ox_ + twips.left() * k_) / ratio_;
  const double t = std::round(oy_ + twips.top() * k_) / ratio_;
  const double r = std::round(ox_ + twips.right() * k_) / ratio_;
  const double b = std::round(oy_ + twips.bottom() * k_) / ratio_;
  return QRectF(QPointF(l, t), QPointF(r, b)).toRect();
}

QPoint BoardView::to_logical(QPointF twips) const {
  // The pixel a point falls into when painted: rounded like every primitive.
  return QPoint(int(std::floor(std::round(ox_ + twips.x() * k_) / ratio_)),
                int(std::floor(std::round(oy_ + twips.y() * k_) / ratio_)));
}

void BoardView::relayout() {
  const double ratio = devicePixelRatioF();
  const QSize logical = size();
  const double scale =
      std::min(double(logical.width()) / kDesignWidth, double(logical.height()) / kDesignHeight);
  const QSize device(int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio)));
  // Room beside the picture for the move list, in design pixels.
  const bool list = scale > 0 && logical.width() / scale - kDesignWidth >= kMoveListMinWidth;
  const bool left = list || at_left_;
  if (scale == scale_ && ratio == ratio_ && buffer_.size() == device && list == !list_rect_.isEmpty() &&
      left == placed_left_)
    return;

  const bool rescaled = scale != scale_ || ratio != ratio_;
  scale_ = scale > 0 ? scale : 1.0;
  ratio_ = ratio;
  k_ = scale_ * ratio_ / kTwipsPerPixel;
  const double w = std::round(kDesignWidth * scale_ * ratio_);
  const double h = std::round(kDesignHeight * scale_ * ratio_);
  placed_left_ = left;
  ox_ = left ? 0 : std::round((device.width() - w) / 2);
  oy_ = std::round((device.height() - h) / 2);
  design_rect_ = QRect(int(ox_), int(oy_), int(w), int(h));
  const int list_left = int(std::ceil(w / ratio_));
  list_rect_ = list ? QRect(list_left, 0, logical.width() - list_left, logical.height()) : QRect();
  if (rescaled) pictures_.clear();

  buffer_ = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  buffer_.fill(qb_color(2));
  fill_surroundings();
  for (const Op& op : ops_) draw(op);
  update();
  emit layoutChanged();
}

void BoardView::set_at_left(bool on) {
  at_left_ = on;
  relayout();
}

QRect BoardView::pixels(const QRectF& twips) const {
  // Rounded the same way on every side, so that neighbouring cells meet exactly.
  const int l = int(std::lround(ox_ + twips.left() * k_)), t = int(std::lround(oy_ + twips.top() * k_));
  const int r = int(std::lround(ox_ + twips.right() * k_)), b = int(std::lround(oy_ + twips.bottom() * k_));
  return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

QBrush BoardView::background_brush(int id) {
  // One tile per cell: the tile drawn at the pixel size nearest a cell, and
  // the brush scaled to exactly one cell and set on the grid, so that tiles
  // painted cell by cell and the area beyond the picture are one surface.
  const double cw = kCellW * k_, ch = kCellH * k_;
  const QSize tile(std::max(1, int(std::ceil(cw))), std::max(1, int(std::ceil(ch))));
  auto it = pictures_.find(-1000 - id);
  if (it == pictures_.end()) it = pictures_.insert(-1000 - id, render_picture(id, tile));
  QBrush brush(*it);
  brush.setTransform(QTransform::fromTranslate(ox_ + kGridLeft * k_, oy_ + kGridTop * k_)
                         .scale(cw / tile.width(), ch / tile.height()));
  return brush;
}

void BoardView::fill_surroundings() {
  // The window's back colour until the game names a background.
  if (!is_background(background_)) return;
  QPainter p(&buffer_);
  p.setClipRegion(QRegion(buffer_.rect()).subtracted(QRegion(design_rect_)));
  p.fillRect(buffer_.rect(), background_brush(background_));
}

const QImage& BoardView::picture_image(int id) {
  auto it = pictures_.find(id);
  if (it == pictures_.end()) {
    const QSize design = picture_size(id);
    const QSize pixels(std::max(1, int(std::lround(design.width() * scale_ * ratio_))),
                       std::max(1, int(std::lround(design.height() * scale_ * ratio_))));
    it = pictures_.insert(id, render_picture(id, pixels));
  }
  return *it;
}

void BoardView::outline(QPainter& p, int colour, QPointF a, QPointF b) const {
  // One pixel wide at the design scale, including both corner points; in
  // device pixels.
  const int pen = std::max(1, int(std::lround(scale_ * ratio_)));
  const int x1 = int(std::lround(ox_ + std::min(a.x(), b.x()) * k_));
  const int x2 = int(std::lround(ox_ + std::max(a.x(), b.x()) * k_));
  const int y1 = int(std::lround(oy_ + std::min(a.y(), b.y()) * k_));
  const int y2 = int(std::lround(oy_ + std::max(a.y(), b.y()) * k_));
  const QColor c = qb_color(colour);
  p.fillRect(x1, y1, x2 - x1 + pen, pen, c);
  p.fillRect(x1, y2, x2 - x1 + pen, pen, c);
  p.fillRect(x1, y1, pen, y2 - y1 + pen, c);
  p.fillRect(x2, y1, pen, y2 - y1 + pen, c);
}

void BoardView::draw(const Op& op) {
  QPainter p(&buffer_);
  p.setClipRect(design_rect_);
  switch (op.kind) {
    case Op::Picture: {
      if (is_background(op.id_or_colour)) {
        p.fillRect(pixels(QRectF(op.x, op.y, kCellW, kCellH)), background_brush(op.id_or_colour));
        break;
      }
      const QImage& image = picture_image(op.id_or_colour);
      p.drawImage(QPoint(int(std::lround(ox_ + op.x * k_)), int(std::lround(oy_ + op.y * k_))), image);
      break;
    }
    case Op::Rectangle: outline(p, op.id_or_colour, QPointF(op.x, op.y), QPointF(op.x2, op.y2)); break;
    case Op::Text: {
      const QFont font = window_font(int(std::lround(op.size * kTwipsPerPoint * k_)), op.bold);
      p.setFont(font);
      p.setPen(qb_color(op.id_or_colour));
      p.setRenderHint(QPainter::TextAntialiasing);
      const QFontMetricsF m(font);
      double x = std::round(ox_ + op.x * k_), y = std::round(oy_ + op.y * k_);
      if (op.id_or_colour == kShadowColour) {
        // The game puts a text's shadow a tenth of a cell right of and below
        // it, which grows with the scale until the text looks doubled: it
        // stands one or two device pixels from its text instead.
        const double d = shadow_offset() * ratio_;
        x = std::round(ox_ + (op.x - kShadowX) * k_) + d;
        y = std::round(oy_ + (op.y - kShadowY) * k_) + d;
      }
      p.drawText(QPointF(x, y + m.ascent()), op.text);
      break;
    }
    case Op::Tint: {
      QColor c = qb_color(op.id_or_colour);
      c.setAlpha(110);
      p.fillRect(pixels(QRectF(QPointF(op.x, op.y), QPointF(op.x2, op.y2)).normalized()), c);
      break;
    }
  }
}

void BoardView::picture(int id, double tx, double ty) {
  const QSize design = picture_size(id);
  if (design.isEmpty()) return;  // an identifier without a picture paints nothing
  // A background tile fills its cell exactly.
  const QSizeF area = is_background(id) ? QSizeF(kCellW, kCellH) : QSizeF(design) * kTwipsPerPixel;
  Op op{Op::Picture, id, tx, ty, 0, 0, {}, 0, false, QRectF(QPointF(tx, ty), area)};
  draw(op);
  ops_.push_back(std::move(op));
  if (ops_.size() >= compact_at_) compact();
  update();
}

void BoardView::rectangle(int colour, double tx1, double ty1, double tx2, double ty2) {
  const QRectF r =
      QRectF(QPointF(std::min(tx1, tx2), std::min(ty1, ty2)), QPointF(std::max(tx1, tx2), std::max(ty1, ty2)))
          .adjusted(-30, -30, 30, 30);
  Op op{Op::Rectangle, colour, tx1, ty1, tx2, ty2, {}, 0, false, r};
  draw(op);
  ops_.push_back(std::move(op));
  if (ops_.size() >= compact_at_) compact();
  update();
}

void BoardView::text(double tx, double ty, std::string_view text, int colour, int size, bool bold) {
  const QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
  // Where its ink can fall, measured in twips (a font of size·20 "pixels" is
  // the size in twips): the glyphs' own box, with room to the right and below
  // for the rounding of other sizes. A text stands at the pixel a picture at
  // the same twips stands at, so ink that starts at the pen falls nowhere
  // left of or above it, and the tiles that erase a text cover it.
  const QFontMetricsF m(window_font(int(std::lround(size * kTwipsPerPoint)), bold));
  const QRectF ink = m.boundingRect(s).translated(0, m.ascent());
  constexpr double slack = 60;
  const double l = ink.left() < 0 ? ink.left() - slack : 0, t = ink.top() < 0 ? ink.top() - slack : 0;
  const double r = std::max(ink.right(), 0.0) * 1.05 + slack, b = std::max(ink.bottom(), 0.0) * 1.05 + slack;
  // A shadow's ink falls by its text (within the slack), not where it is placed.
  const double bx = colour == kShadowColour ? tx - kShadowX : tx,
               by = colour == kShadowColour ? ty - kShadowY : ty;
  Op op{Op::Text, colour, tx, ty, 0, 0, s, size, bold, QRectF(bx + l, by + t, r - l, b - t)};
  draw(op);
  ops_.push_back(std::move(op));
  if (ops_.size() >= compact_at_) compact();
  update();
}

void BoardView::tint(int colour, double tx1, double ty1, double tx2, double ty2) {
  // A tint covers nothing: what is under it still shows.
  Op op{Op::Tint, colour, tx1, ty1,   tx2,
        ty2,      {},     0,   false, QRectF(QPointF(tx1, ty1), QPointF(tx2, ty2)).normalized()};
  draw(op);
  ops_.push_back(std::move(op));
  if (ops_.size() >= compact_at_) compact();
  update();
}

void BoardView::background(int id) {
  if (id == background_ || !is_background(id)) return;
  background_ = id;
  fill_surroundings();
  update();
}

void BoardView::show_moves(const std::vector<Line>& lines, int current) {
  lines_ = lines;
  current_ = current;
  if (!list_rect_.isEmpty()) update(list_rect_);
  emit movesChanged();
}

void BoardView::show_status(const std::vector<std::string>& lines) {
  std::vector<QString> s;
  for (const auto& l : lines) s.push_back(QString::fromStdString(l));
  if (s == status_) return;
  const QRect before = status_rect();
  status_ = std::move(s);
  update(before.united(status_rect()));
  if (!list_rect_.isEmpty()) update(list_rect_);
  emit movesChanged();
}

double BoardView::status_height() const {
  return status_.empty()
             ? 0
             : std::round(kRowHeight * scale_) * double(status_.size()) + std::round(kListPad * scale_);
}

QRect BoardView::status_rect() const {
  if (status_.empty()) return {};
  if (!list_rect_.isEmpty()) {
    const int pad = int(std::round(kListPad * scale_));
    return QRect(list_rect_.left() + pad, list_rect_.top() + pad, list_rect_.width() - 2 * pad,
                 int(status_height()));
  }
  return to_logical(kStatusArea);
}

// One or two device pixels of shadow at every scale, in logical pixels.
double BoardView::shadow_offset() const { return std::clamp(std::round(scale_ * ratio_), 1.0, 2.0) / ratio_; }

void BoardView::paint_status(QPainter& p, const QRectF& box) {
  // In the move list's font, a line each: the first (the side to move, or the
  // winner) in yellow, the rest in white; a line too long for the room beside
  // the board wraps.
  const double s = scale_;
  const bool beside = list_rect_.isEmpty();
  const QFont font = window_font(int(std::lround((beside ? 13 : 16) * s)), true);
  const double shadow = shadow_offset();
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setClipRect(box.toAlignedRect());
  p.setFont(font);
  double y = box.top();
  for (std::size_t i = 0; i < status_.size(); ++i) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF line(box.left(), y, box.width(), box.bottom() - y);
    const QRectF used = p.boundingRect(line, flags, status_[i]);
    p.setPen(qb_color(0));
    p.drawText(line.translated(shadow, shadow), flags, status_[i]);
    p.setPen(i == 0 ? qb_color(14) : qb_color(15));
    p.drawText(line, flags, status_[i]);
    y += std::max(used.height(), std::round(kRowHeight * s * (beside ? 0.8 : 1.0)));
  }
  p.restore();
}

void BoardView::paint_move_list(QPainter& p) {
  // The game's moves in the room beside the picture, in the board's font at
  // the size of its move texts, each line shadowed like every label of the
  // window; the current move on a dark band in yellow, and the list scrolled
  // so that it stays in sight.
  struct Row {
    int line;
    bool mirror;
  };
  std::vector<Row> rows;
  int current_row = -1;
  for (int i = 0; i < int(lines_.size()); ++i) {
    if (i == current_) current_row = int(rows.size());
    rows.push_back({i, false});
    if (!lines_[i].mirror.empty()) rows.push_back({i, true});
  }
  if (!status_.empty()) paint_status(p, status_rect());
  if (rows.empty()) return;
  const double s = scale_;
  const QFont font = window_font(int(std::lround(16 * s)), true);
  const QFont small = window_font(int(std::lround(13 * s)), true);
  const double row_h = std::round(kRowHeight * s), pad = std::round(kListPad * s), shadow = shadow_offset();
  const QRect area = list_rect_.adjusted(int(pad), int(pad + status_height()), -int(pad), -int(pad));
  const int visible = std::max(1, int(area.height() / row_h));
  int first = 0;
  if (int(rows.size()) > visible && current_row >= 0)
    first = std::clamp(current_row - visible * 2 / 3, 0, int(rows.size()) - visible);
  else if (int(rows.size()) > visible)
    first = int(rows.size()) - visible;
  const QFontMetricsF metrics(font);
  const double number_w = metrics.horizontalAdvance(QStringLiteral("000"));
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setClipRect(list_rect_);
  for (int r = first; r < int(rows.size()) && r < first + visible; ++r) {
    const Row& row = rows[r];
    const Line& line = lines_[row.line];
    const QRectF box(area.left(), area.top() + (r - first) * row_h, area.width(), row_h);
    const bool current = row.line == current_;
    if (current) p.fillRect(box, QColor(0, 0, 0, 120));
    auto shadowed = [&](const QRectF& at, int flags, const QString& text, const QColor& colour) {
      p.setPen(qb_color(0));
      p.drawText(at.translated(shadow, shadow), flags, text);
      p.setPen(colour);
      p.drawText(at, flags, text);
    };
    const QColor colour = current ? qb_color(14) : row.mirror ? qb_color(11) : qb_color(15);
    p.setFont(row.mirror ? small : font);
    const QRectF text_box = box.adjusted(number_w + pad, 0, 0, 0);
    if (row.mirror) {
      shadowed(text_box, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line.mirror), colour);
      continue;
    }
    shadowed(QRectF(box.left(), box.top(), number_w, row_h), Qt::AlignRight | Qt::AlignVCenter,
             QString::fromStdString(line.number), colour);
    shadowed(text_box, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line.move), colour);
  }
}

void BoardView::repaint_now() { repaint(); }

void BoardView::compact() {
  // Walk from the newest call back: a call whose whole area later pictures
  // cover can never show again, nor can an outline drawn again later with the
  // same corners (it paints exactly the same pixels, at any scale). Outlines
  // on the edge of the board reach beyond every tile and used to stay for
  // good, dozens with every step through a record.
  QRegion covered;
  std::set<std::array<double, 4>> outlines;
  std::vector<Op> kept;
  kept.reserve(ops_.size());
  for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
    const QRect box = twips_box(it->bounds);
    bool hidden = QRegion(box).subtracted(covered).isEmpty();
    if (it->kind == Op::Rectangle) {
      const std::array<double, 4> corners{std::min(it->x, it->x2), std::min(it->y, it->y2),
                                          std::max(it->x, it->x2), std::max(it->y, it->y2)};
      hidden = !outlines.insert(corners).second || hidden;
    }
    if (!hidden) kept.push_back(std::move(*it));
    if (it->kind == Op::Picture) covered += box;
  }
  ops_.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
  compact_at_ = std::max<std::size_t>(4096, ops_.size() * 2);
}

void BoardView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRectF source(e->rect().x() * ratio_, e->rect().y() * ratio_, e->rect().width() * ratio_,
                      e->rect().height() * ratio_);
  p.drawImage(QRectF(e->rect()), buffer_, source);
  if (animating()) paint_animation(p);
  if (e->rect().intersects(list_rect_)) paint_move_list(p);
  if (list_rect_.isEmpty() && !status_.empty() && e->rect().intersects(status_rect()))
    paint_status(p, status_rect());
  paint_focus_frame(p);
}

namespace {

// The focus frame's two rings, logical pixels: a dark one outside the cell's
// edge and a light one just inside it, so that it shows on the wood, on the
// pieces and on every background, and leaves the cell's inside alone.
int outer_ring(double scale) { return std::max(2, int(std::lround(2 * scale))); }
int inner_ring(double scale) { return std::max(1, int(std::lround(1.5 * scale))); }

}  // namespace

QRect BoardView::focus_frame_rect() const {
  if (!cursor_ || !framed_ || !hasFocus()) return {};
  const QRectF cell(kGridLeft + kCellW * cursor_->x(), kGridTop + kCellH * cursor_->y(), kCellW, kCellH);
  const QRect inside = to_logical(cell);
  const int o = outer_ring(scale_);
  return inside.adjusted(-o, -o, o, o);
}

void BoardView::paint_focus_frame(QPainter& p) {
  const QRect outer = focus_frame_rect();
  if (outer.isEmpty()) return;
  const int o = outer_ring(scale_), i = inner_ring(scale_);
  const QRect cell = outer.adjusted(o, o, -o, -o);
  p.save();
  p.setPen(Qt::NoPen);
  QRegion dark(outer);
  dark -= cell;
  QRegion light(cell);
  light -= cell.adjusted(i, i, -i, -i);
  p.setClipRegion(dark);
  p.fillRect(outer, QColor(0x10, 0x10, 0x10));
  p.setClipRegion(light);
  p.fillRect(cell, QColor(0xFF, 0xFF, 0xFF));
  p.restore();
}

void BoardView::set_cursor(QPoint cell, bool framed) {
  if (cell == cursor_ && framed == framed_) return;
  const QRect before = focus_frame_rect();
  cursor_ = cell;
  framed_ = framed;
  update(before.adjusted(-1, -1, 1, 1));
  update(focus_frame_rect().adjusted(-1, -1, 1, 1));
}

bool BoardView::focusNextPrevChild(bool next) {
  if (tab_handler && tab_handler(next)) return true;
  return QWidget::focusNextPrevChild(next);
}

void BoardView::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update(focus_frame_rect().adjusted(-1, -1, 1, 1));
}

void BoardView::focusOutEvent(QFocusEvent* e) {
  // hasFocus() is already false: the frame's last place is repainted whole.
  if (cursor_) {
    const QRectF cell(kGridLeft + kCellW * cursor_->x(), kGridTop + kCellH * cursor_->y(), kCellW, kCellH);
    const int o = outer_ring(scale_);
    update(to_logical(cell).adjusted(-o - 1, -o - 1, o + 1, o + 1));
  }
  QWidget::focusOutEvent(e);
}

void BoardView::resizeEvent(QResizeEvent*) { relayout(); }

bool BoardView::event(QEvent* e) {
  if (e->type() == QEvent::ScreenChangeInternal) relayout();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  if (e->type() == QEvent::DevicePixelRatioChange) relayout();
#endif
  return QWidget::event(e);
}

void BoardView::mousePressEvent(QMouseEvent* e) {
  int button = 0;
  switch (e->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: return;
  }
  const QPointF device = e->position() * ratio_;
  if (!QRectF(design_rect_).contains(device)) return;  // the margin is not part of the window's picture
  const QPointF t = to_twips(e->position());
  emit pressed(button, t.x(), t.y());
}

}  // namespace velmora::app
