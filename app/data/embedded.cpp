#include "app/data/embedded.h"

#include <QResource>
#include <QString>
#include <mutex>

// The resources sit in a static library: nothing would pull their objects into a program, and
// their registration would be dropped, unless something refers to them. These calls do, and
// must stay outside any namespace, where the resource initialisers are declared.
static void 注册嵌入资源() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(carousel);
}

namespace app::data {
namespace {

QByteArray 资源字节(const QString& 名) {
    static std::once_flag 已注册;
    std::call_once(已注册, 注册嵌入资源);
    const QResource 资源(":/appdata/" + 名);
    if (!资源.isValid()) return {};
    // Stored uncompressed, so the bytes can be shared in place instead of copied.
    if (资源.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(资源.data()), static_cast<qsizetype>(资源.size()));
    return 资源.uncompressedData();
}

}  // namespace

QByteArray 福图片(int 行) {
    if (行 < 0 || 行 > 10) return {};
    return 资源字节(QString("fortune_%1.%2").arg(行, 2, 10, QChar('0')).arg(行 == 0 ? "jpg" : "png"));
}

QByteArray 图片框3初始图片() { return 资源字节("box3_initial.png"); }

QByteArray 轮播图像列表() { return 资源字节("carousel.bin"); }

}  // namespace app::data
