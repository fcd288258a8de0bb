#include "app/pictures.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <cstdlib>

#include "app/fonts.hpp"
#include "rules/pieces.hpp"

namespace velmora::app {

namespace {

constexpr int kPieceW = 42, kPieceH = 47;
constexpr int kTileW = 41, kTileH = 46;
constexpr int kTitleW = 171, kTitleH = 39;

const QColor kBoardWood(0xE2, 0xB8, 0x68);
const QColor kBoardGrain(0xD6, 0xA8, 0x58);
const QColor kPieceWood(0xF6, 0xDC, 0xA0);
const QColor kPieceShade(0xDD, 0xB8, 0x72);
const QColor kPieceEdge(0x7A, 0x4E, 0x22);

QFont face() {
  QFont font;
  font.setFamilies(window_faces().families);
  return font;
}

// The kanji on a piece face; nothing for a code that is no piece.
QString face_text(int code) {
  const velmora::駒の種類* k = velmora::駒の種類_検索(code);
  return k ? QString::fromUtf8(velmora::駒の面(*k, code)) : QString();
}

bool is_piece(int id) { return !face_text(id).isEmpty(); }

// The international set: the same piece codes, 1000 further from zero.
constexpr int kInternational = 1000;
bool is_international(int id) {
  return std::abs(id) > kInternational && is_piece(id > 0 ? id - kInternational : id + kInternational);
}

bool is_promoted(int code) {
  const velmora::駒の種類* k = velmora::駒の種類_検索(std::abs(code) % kInternational);
  return k && k->元 != k->code;
}

void paint_empty_square(QPainter& p) {
  p.fillRect(QRectF(0, 0, kPieceW, kPieceH), kBoardWood);
  p.setPen(QPen(kBoardGrain, 0.8));
  for (double y : {7.0, 15.5, 22.0, 31.0, 39.5}) {
    QPainterPath grain;
    grain.moveTo(0, y);
    grain.cubicTo(14, y - 1.5, 28, y + 1.5, kPieceW, y);
    p.drawPath(grain);
  }
}

const QColor kInk(0x10, 0x08, 0x00);
const QColor kPromotedInk(0xC0, 0x10, 0x10);

// The wooden piece on its square, pointing up the screen for the bottom side
// (negative codes) and down for the top side; returns the inset of its tip.
double paint_piece_shape(QPainter& p, int code) {
  if (code > 0) {  // the top side's pieces point down the screen
    p.translate(kPieceW, kPieceH);
    p.rotate(180);
  }
  paint_empty_square(p);
  const bool big = std::abs(code) % kInternational >= 800;
  const double inset = big ? 3.0 : 5.5;
  const QPolygonF shape({QPointF(21, inset), QPointF(37 - inset / 2, 9 + inset / 2),
                         QPointF(40 - inset / 2, 44.5), QPointF(2 + inset / 2, 44.5),
                         QPointF(5 + inset / 2, 9 + inset / 2)});
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wood(0, 0, kPieceW, 0);
  wood.setColorAt(0, kPieceShade);
  wood.setColorAt(0.35, kPieceWood);
  wood.setColorAt(1, kPieceShade);
  p.setPen(QPen(kPieceEdge, 1.1));
  p.setBrush(wood);
  p.drawPolygon(shape);
  return inset;
}

void paint_piece(QPainter& p, int code) {
  p.save();
  const double inset = paint_piece_shape(p, code);
  const bool big = std::abs(code) >= 800;
  p.setPen(is_promoted(code) ? kPromotedInk : kInk);
  QFont font = face();
  font.setPixelSize(big ? 22 : 20);
  font.setBold(std::abs(code) == 950);
  font.setStyleStrategy(QFont::PreferAntialias);
  p.setFont(font);
  p.drawText(QRectF(0, inset + 8, kPieceW, 44.5 - inset - 8), Qt::AlignHCenter | Qt::AlignVCenter,
             face_text(code));
  p.restore();
}

// How an international piece moves, pointing up: one step (a dot) or any
// distance (a line) in each of the eight directions, or the knight's jump.
struct Moves {
  enum Kind : char { none, step, range };
  // forward-left, forward, forward-right, left, right, back-left, back, back-right
  Kind dir[8];
  bool knight = false;
};

Moves moves_of(int code) {
  using K = Moves::Kind;
  constexpr K o = K::none, s = K::step, r = K::range;
  switch (std::abs(code) % kInternational) {
    case 10: return {{o, s, o, o, o, o, o, o}};
    case 20: return {{o, r, o, o, o, o, o, o}};
    case 30: return {{o, o, o, o, o, o, o, o}, true};
    case 100: return {{s, s, s, o, o, s, o, s}};
    case 800: return {{r, o, r, o, o, r, o, r}};
    case 801: return {{r, s, r, s, s, r, s, r}};
    case 900: return {{o, r, o, r, r, o, r, o}};
    case 901: return {{s, r, s, r, r, s, r, s}};
    case 950: return {{s, s, s, s, s, s, s, s}};
    default: return {{s, s, s, s, s, o, s, o}};  // the gold, and every piece that promotes to its moves
  }
}

// The letter of the piece's unpromoted kind.
QString international_letter(int code) {
  const velmora::駒の種類* k = velmora::駒の種類_検索(std::abs(code) % kInternational);
  return k ? QString::fromUtf8(velmora::駒の種類_検索(k->元)->記号) : QStringLiteral("K");
}

// A Latin letter in the middle, the moves around it; promoted pieces in red.
// Drawn small (a piece of fewer than 26 pixels) the marks would be specks:
// the letter alone then fills the piece.
void paint_international_piece(QPainter& p, int id) {
  const int code = id > 0 ? id - kInternational : id + kInternational;
  const bool small = p.transform().m11() * kPieceW < 26 && p.transform().m22() * kPieceW < 26;
  p.save();
  paint_piece_shape(p, code);
  const QColor ink = is_promoted(code) ? kPromotedInk : kInk;
  const QPointF centre(21, 28);

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(small ? 27 : 17);
  font.setBold(true);
  font.setStyleStrategy(QFont::PreferAntialias);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRectF(centre.x() - 14, centre.y() - 14, 28, 28), Qt::AlignCenter, international_letter(code));
  if (small) {
    p.restore();
    return;
  }

  const Moves m = moves_of(code);
  static constexpr QPointF kWays[8] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
  p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 8; ++i) {
    const QPointF way = kWays[i];
    const bool diagonal = way.x() != 0 && way.y() != 0;
    // Diagonals stay clear of the piece's slanting sides.
    const QPointF reach(way.x() * (diagonal ? 11.5 : 13.5), way.y() * (diagonal ? 12.5 : 14.5));
    if (m.dir[i] == Moves::range) {
      p.drawLine(centre + reach * 0.58, centre + reach);
    } else if (m.dir[i] == Moves::step) {
      p.setBrush(ink);
      p.setPen(Qt::NoPen);
      p.drawEllipse(centre + reach, 1.9, 1.9);
      p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    }
  }
  if (m.knight) {
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    for (double side : {-1.0, 1.0})
      p.drawEllipse(QPointF(centre.x() + 6.5 * side, centre.y() - 16.5), 1.9, 1.9);
  }
  p.restore();
}

void paint_midori(QPainter& p) {
  // The window's own green, with the name pressed faintly into every tile.
  p.fillRect(QRectF(0, 0, kTileW, kTileH), QColor(0x00, 0x80, 0x00));
  p.setRenderHint(QPainter::Antialiasing);
  QFont font = face();
  font.setPixelSize(8);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(QColor(0x00, 0x6A, 0x00));
  p.drawText(QRectF(0.6, 16.6, kTileW, 14), Qt::AlignCenter, QStringLiteral("Velmora"));
  p.setPen(QColor(0x1C, 0x94, 0x1C));
  p.drawText(QRectF(0, 16, kTileW, 14), Qt::AlignCenter, QStringLiteral("Velmora"));
}

void paint_tatami(QPainter& p) {
  p.fillRect(QRectF(0, 0, kTileW, kTileH), QColor(0xC8, 0xC0, 0x78));
  for (int i = 0; i < 41; i += 2) {
    p.fillRect(QRectF(i, 0, 1, kTileH), QColor(0xB6, 0xAE, 0x66));
  }
  // The cloth border of the mat along its left edge.
  p.fillRect(QRectF(0, 0, 4, kTileH), QColor(0x2E, 0x4A, 0x2E));
  p.fillRect(QRectF(1.5, 0, 0.8, kTileH), QColor(0x6A, 0x86, 0x5A));
}

void paint_take(QPainter& p) {
  p.fillRect(QRectF(0, 0, kTileW, kTileH), QColor(0xD8, 0xEC, 0xC0));
  p.setRenderHint(QPainter::Antialiasing);
  for (double x : {3.0, 24.0}) {
    QLinearGradient stalk(x, 0, x + 14, 0);
    stalk.setColorAt(0, QColor(0x3C, 0x7A, 0x28));
    stalk.setColorAt(0.4, QColor(0x7C, 0xB8, 0x50));
    stalk.setColorAt(1, QColor(0x2E, 0x66, 0x1E));
    p.fillRect(QRectF(x, 0, 14, kTileH), stalk);
    for (double y : {x < 10 ? 14.0 : 33.0}) {
      p.fillRect(QRectF(x - 0.5, y, 15, 2.2), QColor(0x2A, 0x58, 0x1A));
      p.fillRect(QRectF(x, y + 2.2, 14, 0.8), QColor(0xA8, 0xD0, 0x80));
    }
  }
}

void paint_uchu(QPainter& p) {
  p.fillRect(QRectF(0, 0, kTileW, kTileH), QColor(0x06, 0x06, 0x1C));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  struct Star {
    double x, y, r;
    int light;
  };
  static constexpr Star stars[] = {
      {5, 6, 0.6, 200},   {17, 3, 0.5, 160},  {33, 9, 0.9, 255}, {26, 18, 0.5, 150}, {9, 22, 0.7, 220},
      {37, 28, 0.5, 170}, {20, 33, 1.0, 255}, {4, 40, 0.5, 140}, {30, 42, 0.6, 190}, {13, 13, 0.4, 130}};
  for (const Star& s : stars) {
    QRadialGradient glow(s.x, s.y, s.r * 2.5);
    glow.setColorAt(0, QColor(s.light, s.light, 255));
    glow.setColorAt(1, QColor(s.light, s.light, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(s.x, s.y), s.r * 2.5, s.r * 2.5);
  }
}

void paint_renga(QPainter& p) {
  p.fillRect(QRectF(0, 0, kTileW, kTileH), QColor(0xC8, 0xC0, 0xB0));
  const double row = kTileH / 4.0, brick = kTileW / 2.0;
  for (int r = 0; r < 4; ++r) {
    const double shift = (r % 2) ? brick / 2 : 0;
    for (int c = -1; c < 3; ++c) {
      const QRectF b(c * brick + shift + 0.6, r * row + 0.6, brick - 1.2, row - 1.2);
      p.fillRect(b.intersected(QRectF(0, 0, kTileW, kTileH)),
                 (r + c) % 2 ? QColor(0xA4, 0x44, 0x2C) : QColor(0x96, 0x3C, 0x26));
    }
  }
}

void paint_title(QPainter& p) {
  QLinearGradient g(0, 0, 0, kTitleH);
  g.setColorAt(0, QColor(0x5A, 0x32, 0x14));
  g.setColorAt(1, QColor(0x30, 0x18, 0x08));
  p.fillRect(QRectF(0, 0, kTitleW, kTitleH), g);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xD8, 0xB0, 0x50), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1.5, 1.5, kTitleW - 3, kTitleH - 3));
  QFont font = face();
  font.setPixelSize(27);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0, 0, 0));
  p.drawText(QRectF(1.5, 1.5, kTitleW, kTitleH), Qt::AlignCenter, QStringLiteral("Velmora"));
  p.setPen(QColor(0xF4, 0xD0, 0x60));
  p.drawText(QRectF(0, 0, kTitleW, kTitleH), Qt::AlignCenter, QStringLiteral("Velmora"));
}

}  // namespace

QFont window_font(int pixel_size, bool bold) {
  QFont font = face();
  font.setPixelSize(pixel_size > 0 ? pixel_size : 1);
  font.setBold(bold);
  return font;
}

QSize picture_size(int id) {
  if (id == 0 || is_piece(id) || is_international(id)) return {kPieceW, kPieceH};
  switch (id) {
    case 1: return {kTitleW, kTitleH};
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: return {kTileW, kTileH};
    default: return {};
  }
}

void paint_picture(QPainter& p, int id) {
  switch (id) {
    case 0: paint_empty_square(p); return;
    case 1: paint_title(p); return;
    case 2: paint_midori(p); return;
    case 3: paint_tatami(p); return;
    case 4: paint_take(p); return;
    case 5: paint_uchu(p); return;
    case 6: paint_renga(p); return;
    default:
      if (is_piece(id)) paint_piece(p, id);
      if (is_international(id)) paint_international_piece(p, id);
  }
}

QImage render_picture(int id, QSize pixels) {
  const QSize design = picture_size(id);
  if (design.isEmpty() || pixels.isEmpty()) return {};
  QImage image(pixels, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(double(pixels.width()) / design.width(), double(pixels.height()) / design.height());
  paint_picture(p, id);
  return image;
}

}  // namespace velmora::app
