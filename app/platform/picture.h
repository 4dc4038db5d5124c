// A picture made from image file bytes, yielding the bitmap that goes on the clipboard.
#pragma once

#include <QByteArray>
#include <QImage>

namespace app {

class 图片对象 {
public:
    explicit 图片对象(const QByteArray& 文件) : 位图_(QImage::fromData(文件)) {}
    bool 有效() const { return !位图_.isNull(); }
    // Implicitly shared: whoever keeps a copy keeps the pixels after this object is gone.
    const QImage& 位图() const { return 位图_; }

private:
    QImage 位图_;
};

}  // namespace app
