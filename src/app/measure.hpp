// Measurements for the window speed benchmark (scripts/bench-window.sh),
// switched on by environment variables; the game never sets them.
//   VELMORA_MEASURE_FIRST_FRAME=1  print the wall clock at the first painted
//                                  frame and the peak memory, then quit
//   VELMORA_MEASURE_REDRAW=N       time N full redraws into the back buffer,
//                                  print the median, then quit
#pragma once

class QWidget;

namespace velmora::app {

class MainWindow;

// Watches `painted` for its first paint when asked to.
void measure_first_frame(QWidget* painted);
// Runs the redraw measurement when asked to; true if it ran.
bool measure_redraw(MainWindow& window);

}  // namespace velmora::app
