#include "card_painter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <stdexcept>

namespace appdata_gen {

void 确认字体已安装() {
    const QStringList 已装 = QFontDatabase::families();
    for (const QString& 族 : {黑体族, 楷体族})
        if (!已装.contains(族))
            throw std::runtime_error("font family not installed: " + 族.toStdString());
}

QFont 字体(const QString& 族, int 像素, bool 粗体) {
    QFont f;
    f.setFamilies({族});
    f.setPixelSize(像素);
    f.setBold(粗体);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

void 居中写字(QPainter& 画笔, const QRect& 框, const QString& 文字, const QString& 族, int 最大像素,
              bool 粗体, QColor 颜色) {
    int 像素 = 最大像素;
    while (像素 > 8 && QFontMetrics(字体(族, 像素, 粗体)).horizontalAdvance(文字) > 框.width()) --像素;
    画笔.setFont(字体(族, 像素, 粗体));
    画笔.setPen(颜色);
    画笔.drawText(框, Qt::AlignCenter, 文字);
}

}  // namespace appdata_gen
