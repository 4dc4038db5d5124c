#include "fortune_pictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <stdexcept>

#include "card_painter.h"

namespace appdata_gen {
namespace {

struct 福图样式 {
    const char* 名;
    int 宽;
    int 高;
    QRgb 底色;
    QRgb 字色;
    const char* 附言;
};

// Sizes are fixed by the window's fortune table; colours and captions only tell the rows apart.
constexpr std::array<福图样式, 福图数> 福图表{{
    {"蓝鹊万能福", 400, 367, 0xFF1E5AA8, 0xFFFFFFFF, "万能福 · 可换任意福"},
    {"必中沾沾福", 272, 271, 0xFFD4261C, 0xFFFFE9A8, "沾一沾 必中福"},
    {"纯甄", 271, 273, 0xFF2E8B57, 0xFFFFFFFF, "扫一扫 得福卡"},
    {"海尔", 272, 273, 0xFF0067B1, 0xFFFFFFFF, "扫一扫 得福卡"},
    {"快手", 270, 268, 0xFFFF5000, 0xFFFFFFFF, "扫一扫 得福卡"},
    {"芒果", 275, 274, 0xFFF2A900, 0xFF5A2D00, "扫一扫 得福卡"},
    {"美图秀秀", 266, 271, 0xFFE8407A, 0xFFFFFFFF, "扫一扫 得福卡"},
    {"特仑苏", 269, 275, 0xFF3C6E9C, 0xFFFFF5D6, "扫一扫 得福卡"},
    {"新华社", 268, 270, 0xFFB0141C, 0xFFFFD86B, "扫一扫 得福卡"},
    {"一汽大众", 270, 271, 0xFF1B3E78, 0xFFE0ECFF, "扫一扫 得福卡"},
    {"美颜相机", 273, 270, 0xFF8E44AD, 0xFFFFFFFF, "扫一扫 得福卡"},
}};

// A card filling the picture: rounded corners (left transparent where the format has alpha),
// a top-to-bottom shade of the row colour, a calligraphic 福 in a disc, the name and a caption.
void 画卡片(QImage& 图, const 福图样式& 样式, int 行) {
    QPainter 画笔(&图);
    画笔.setRenderHint(QPainter::Antialiasing, true);
    const QRectF 卡(0.5, 0.5, 图.width() - 1.0, 图.height() - 1.0);
    const QColor 底(样式.底色);
    QLinearGradient 渐变(0, 0, 0, 图.height());
    渐变.setColorAt(0, 底.lighter(135));
    渐变.setColorAt(1, 底.darker(115));
    画笔.setPen(QPen(底.darker(160), 3));
    画笔.setBrush(渐变);
    画笔.drawRoundedRect(卡, 28, 28);

    const int 盘径 = 图.height() * 52 / 100;
    const QRect 盘((图.width() - 盘径) / 2, 图.height() * 8 / 100, 盘径, 盘径);
    画笔.setPen(QPen(QColor(样式.字色), 4));
    画笔.setBrush(底.lighter(120));
    画笔.drawEllipse(盘);
    居中写字(画笔, 盘, "福", 楷体族, 盘径 * 3 / 4, true, QColor(样式.字色));

    const int 名顶 = 盘.bottom() + 图.height() * 3 / 100;
    const QRect 名框(16, 名顶, 图.width() - 32, 图.height() * 17 / 100);
    居中写字(画笔, 名框, QString::fromUtf8(样式.名), 黑体族, 图.height() * 14 / 100, true, QColor(样式.字色));
    const QRect 附言框(16, 名框.bottom(), 图.width() - 32, 图.height() * 10 / 100);
    居中写字(画笔, 附言框, QString::fromUtf8(样式.附言), 黑体族, 图.height() * 7 / 100, false,
             QColor(样式.字色));
    居中写字(画笔, QRect(14, 10, 70, 28), QString("No.%1").arg(行, 2, 10, QChar('0')), 黑体族, 18, true,
             QColor(样式.字色));
}

QByteArray 编码(const QImage& 图, const char* 格式) {
    QByteArray 字节;
    QBuffer 缓冲(&字节);
    缓冲.open(QIODevice::WriteOnly);
    QImageWriter 写(&缓冲, 格式);
    if (QByteArray(格式) == "jpeg") {
        写.setQuality(90);
        写.setProgressiveScanWrite(false);  // baseline: every decoder reads it
        写.setOptimizedWrite(false);
    }
    if (!写.write(图)) throw std::runtime_error("cannot encode " + std::string(格式) + ": " + 写.errorString().toStdString());
    return 字节;
}

}  // namespace

QString 福图文件名(int 行) {
    return QString("fortune_%1.%2").arg(行, 2, 10, QChar('0')).arg(行 == 0 ? "jpg" : "png");
}

QByteArray 画福图(int 行) {
    const 福图样式& 样式 = 福图表.at(static_cast<size_t>(行));
    if (行 == 0) {
        // JPEG has no alpha: the corners sit on white.
        QImage 图(样式.宽, 样式.高, QImage::Format_RGB32);
        图.fill(Qt::white);
        画卡片(图, 样式, 行);
        return 编码(图, "jpeg");
    }
    QImage 图(样式.宽, 样式.高, QImage::Format_ARGB32);
    图.fill(Qt::transparent);
    画卡片(图, 样式, 行);
    return 编码(图, "png");
}

QByteArray 画轮播初始图() {
    QImage 图(279, 274, QImage::Format_ARGB32);
    图.fill(Qt::transparent);
    QPainter 画笔(&图);
    画笔.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient 渐变(0, 0, 图.width(), 图.height());
    渐变.setColorAt(0, QColor(0xFFE35B2E));
    渐变.setColorAt(1, QColor(0xFFB8001F));
    画笔.setPen(QPen(QColor(0xFFFFD86B), 4));
    画笔.setBrush(渐变);
    画笔.drawRoundedRect(QRectF(2, 2, 图.width() - 4, 图.height() - 4), 32, 32);
    居中写字(画笔, QRect(0, 24, 图.width(), 130), "福", 楷体族, 120, true, QColor(0xFFFFD86B));
    居中写字(画笔, QRect(16, 160, 图.width() - 32, 44), "福卡轮播", 黑体族, 36, true, Qt::white);
    居中写字(画笔, QRect(16, 208, 图.width() - 32, 30), "33 张福卡 · 五秒一换", 黑体族, 20, false,
             QColor(0xFFFFE9A8));
    画笔.end();
    return 编码(图, "png");
}

}  // namespace appdata_gen
