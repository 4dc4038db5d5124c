// Build-time generator of the window's embedded data. Writes into the directory given as its
// one argument: fortune_00.jpg, fortune_01.png .. fortune_10.png, box3_initial.png and
// carousel.bin. Same bytes on every run: nothing depends on time, randomness or the display.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "card_painter.h"
#include "carousel_cards.h"
#include "fortune_pictures.h"
#include "image_list_stream.h"

namespace {

constexpr qsizetype 轮播流字节 = 10'672'712;

void 写文件(const QDir& 目录, const QString& 名, const QByteArray& 字节) {
    QFile f(目录.filePath(名));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(字节) != 字节.size())
        throw std::runtime_error("cannot write " + f.fileName().toStdString() + ": " + f.errorString().toStdString());
}

void 生成(const QDir& 目录) {
    appdata_gen::确认字体已安装();
    for (int 行 = 0; 行 < appdata_gen::福图数; ++行)
        写文件(目录, appdata_gen::福图文件名(行), appdata_gen::画福图(行));
    写文件(目录, "box3_initial.png", appdata_gen::画轮播初始图());

    const std::vector<uint8_t> 流 = appdata_gen::写图像列表流(appdata_gen::画轮播卡片(), {.容量 = 36, .增长步长 = 4});
    if (static_cast<qsizetype>(流.size()) != 轮播流字节)
        throw std::runtime_error("carousel stream has " + std::to_string(流.size()) + " bytes, expected " +
                                 std::to_string(轮播流字节));
    写文件(目录, "carousel.bin",
           QByteArray(reinterpret_cast<const char*>(流.data()), static_cast<qsizetype>(流.size())));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    // Fonts need a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication 应用(argc, argv);
    try {
        const QDir 目录(QString::fromLocal8Bit(argv[1]));
        if (!目录.mkpath(".")) throw std::runtime_error(std::string("cannot create ") + argv[1]);
        生成(目录);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "appdata generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
