// Opening the display. Where Qt cannot start its platform (no display, or
// one that does not answer) it would abort with a hint to reinstall; the
// game says plainly what is wrong and ends with status 1.
#pragma once

#include <QApplication>
#include <memory>

namespace velmora::app {

std::unique_ptr<QApplication> open_display(int& argc, char** argv);

}  // namespace velmora::app
