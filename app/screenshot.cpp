#include "app/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

#include "app/main_window.h"

namespace app {

void 截图后退出(MainWindow& 窗口, const QString& 路径) {
    QObject::connect(
        &窗口, &MainWindow::carouselFrameShown, &窗口,
        [&窗口, 路径] {
            // The first QR code was set before the carousel started, so both are shown now.
            if (!窗口.grab().save(路径, "PNG")) {
                std::fprintf(stderr, "xilaixia: cannot write the screenshot %s\n", qPrintable(路径));
                QCoreApplication::exit(2);
                return;
            }
            QCoreApplication::exit(0);
        },
        Qt::SingleShotConnection);
    QTimer::singleShot(30'000, &窗口, [] {
        std::fprintf(stderr, "xilaixia: no carousel frame within 30 s, no screenshot\n");
        QCoreApplication::exit(3);
    });
}

}  // namespace app
