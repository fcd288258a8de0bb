// A log for driving the window from outside (the end-to-end tests under
// Xvfb): with VELMORA_E2E_LOG=path set, the window appends where its menu
// captions, open menu items, message boxes and their buttons and the record
// browser's rows are on the screen, so that a test can click them with real
// input; what each message box says; which widget of the window takes the
// keyboard; "idle N" when a handler has ended and "view" when the picture
// moved or scaled, each only once the window on the screen shows it. Nothing
// is logged otherwise.
#pragma once

namespace velmora::app {

class MainWindow;

void start_e2e_log(MainWindow& window);

}  // namespace velmora::app
