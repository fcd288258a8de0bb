// The window's pictures: piece faces (the kanji set, and the international
// set under the piece codes 1000 further from zero), the empty square, the
// five background tiles and the title. Each is drawn from its vector form at whatever pixel
// size the window needs, so a scaled window stays crisp.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

namespace velmora::app {

// The font the window prints with, at `pixel_size` pixels.
QFont window_font(int pixel_size, bool bold = false);

// Size in pixels at the design scale (15 twips per pixel); an empty size for
// an identifier without a picture.
QSize picture_size(int id);

// Paints picture `id` filling the rectangle (0, 0)–(w, h) of the painter's
// current coordinates, where (w, h) is picture_size(id).
void paint_picture(QPainter& p, int id);

// The picture rendered at exactly `pixels` device pixels.
QImage render_picture(int id, QSize pixels);

}  // namespace velmora::app
