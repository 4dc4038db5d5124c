// For run.sh on a machine without a display: once the window shows its first QR code and its
// first carousel frame, save a picture of it and end the program.
#pragma once

#include <QString>

namespace app {

class MainWindow;

// Saves a PNG of the window at 路径 after its first carousel frame, then ends the event loop
// with 0 (2 when the file cannot be written, 3 when no frame came within 30 s).
void 截图后退出(MainWindow& 窗口, const QString& 路径);

}  // namespace app
