// Small helpers of the window tests: byte conversions, picture files made on the spot, and
// where a colour lies in a rendered picture.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/zbar_decode.h"

namespace apptest {

inline std::vector<uint8_t> 到向量(const QByteArray& 字节) {
    return std::vector<uint8_t>(字节.begin(), 字节.end());
}

inline QByteArray 图片文件(const QImage& 图, const char* 格式) {
    QByteArray 字节;
    QBuffer 缓冲(&字节);
    缓冲.open(QIODevice::WriteOnly);
    图.save(&缓冲, 格式);
    return 字节;
}

inline QImage 纯色图(int 宽, int 高, QColor 色) {
    QImage 图(宽, 高, QImage::Format_RGB32);
    图.fill(色);
    return 图;
}

// What zbar reads in a picture, via a 24-bit BMP of it.
inline std::vector<std::string> 解码图像(const QImage& 图) {
    return testsupport::zbar解码BMP(到向量(图片文件(图.convertToFormat(QImage::Format_RGB32), "BMP")));
}

inline bool 接近(QColor a, QColor b, int 容差 = 40) {
    return std::abs(a.red() - b.red()) <= 容差 && std::abs(a.green() - b.green()) <= 容差 &&
           std::abs(a.blue() - b.blue()) <= 容差;
}

// The bounding box of the pixels close to a colour; empty when there are none.
inline QRect 颜色范围(const QImage& 图, QColor 色) {
    QRect 范围;
    for (int y = 0; y < 图.height(); ++y)
        for (int x = 0; x < 图.width(); ++x)
            if (接近(图.pixelColor(x, y), 色)) 范围 |= QRect(x, y, 1, 1);
    return 范围;
}

}  // namespace apptest
