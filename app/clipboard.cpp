#include "app/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/platform/picture.h"

namespace app {

void 复制图片到剪贴板(const QByteArray& 文件) {
    const 图片对象 图片(文件);
    if (!图片.有效()) return;
    // setImage replaces every format on the clipboard; the clipboard shares the pixels, so
    // they outlive the picture object.
    QGuiApplication::clipboard()->setImage(图片.位图(), QClipboard::Clipboard);
}

}  // namespace app
