// SIGTERM and SIGINT close a window through the event loop, so a program stopped that way
// shuts down as after a normal close: worker threads joined, the module released, status 0.
#pragma once

class QWidget;

namespace app {

// Call once, with the program's window, after the application object exists.
void 终止信号时关闭(QWidget* 窗口);

}  // namespace app
