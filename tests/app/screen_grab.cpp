// Saves a rectangle of the X screen as a PNG, as another program sees the display; the
// end-to-end test reads the window's QR code from it.
//   xlx_screen_grab OUT.png [X Y W H]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QGuiApplication 应用(argc, argv);
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s OUT.png [X Y W H]\n", argv[0]);
        return 2;
    }
    QScreen* 屏幕 = QGuiApplication::primaryScreen();
    if (!屏幕) {
        std::fprintf(stderr, "xlx_screen_grab: no screen\n");
        return 1;
    }
    const QPixmap 画面 = argc == 6 ? 屏幕->grabWindow(0, std::atoi(argv[2]), std::atoi(argv[3]),
                                                       std::atoi(argv[4]), std::atoi(argv[5]))
                                   : 屏幕->grabWindow(0);
    if (画面.isNull() || !画面.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "xlx_screen_grab: cannot grab or write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
