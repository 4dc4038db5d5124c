// The pictures and the carousel stream compiled into the program. The bytes live in the
// program's resources for its whole run; the arrays returned share them without copying.
#pragma once

#include <QByteArray>

namespace app::data {

QByteArray 福图片(int 行);        // file bytes of fortune row 0..10; empty QByteArray otherwise
QByteArray 图片框3初始图片();     // the PNG 279 x 274
QByteArray 轮播图像列表();        // the whole 10,672,712-byte stream

}  // namespace app::data
