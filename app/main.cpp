// xilaixia: the campaign window. The QR module starts first, then the window; a module error
// at start-up or in a handler is reported in the error box and ends the program with 1.
#include <QApplication>
#include <QString>

#include "app/error_boundary.h"
#include "app/main_window.h"
#include "app/platform/exit_signals.h"
#include "app/screenshot.h"
#include "qr/encode/qrcode.h"

int main(int argc, char* argv[]) {
    QApplication 应用(argc, argv);
    try {
        // Declared before the window, so the module outlives it and shuts down as main
        // returns or unwinds.
        qr::模块守护 模块;
        app::MainWindow 窗口;
        app::终止信号时关闭(&窗口);
        窗口.窗口创建完毕();
        窗口.show();
        窗口.activateWindow();  // Xvfb has no window manager to hand out the focus
        if (const QString 路径 = qEnvironmentVariable("XLX_SCREENSHOT"); !路径.isEmpty())
            app::截图后退出(窗口, 路径);
        return QApplication::exec();
    } catch (const qr::模块异常& 异常) {
        app::显示异常提示(异常);
        return 1;
    }
}
