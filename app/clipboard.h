// Copies a picture to the clipboard as an image, replacing whatever the clipboard held.
#pragma once

#include <QByteArray>

namespace app {

// Bytes that do not decode leave the clipboard as it was.
void 复制图片到剪贴板(const QByteArray& 文件);

}  // namespace app
