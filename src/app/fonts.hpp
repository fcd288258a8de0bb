// The faces the window prints with.
#pragma once

#include <QStringList>
#include <future>

namespace velmora::app {

struct WindowFaces {
  QStringList families;   // best first
  bool japanese = false;  // one of them prints Japanese
};

// The Mincho faces that stand in for the original window font, when one of
// them is installed; else the face fontconfig picks for Japanese text, or
// failing that for Chinese or Korean (which share the kanji). Asked of
// fontconfig once per process.
const WindowFaces& window_faces();

// Prints the window's characters once on a thread of its own (where Qt can
// print off the window's thread), so that Qt's font database is filled and
// the faces are read beside the window's construction instead of in its
// first paint. Needs the application object; wait for it before that goes.
std::future<void> prepare_window_font();

// What the player is told when no face prints Japanese: the text shows as
// boxes. In English, which every font prints.
QString missing_japanese_font_notice();

}  // namespace velmora::app
