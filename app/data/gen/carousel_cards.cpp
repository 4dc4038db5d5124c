#include "carousel_cards.h"

#include <QPainter>
#include <array>
#include <stdexcept>

#include "card_painter.h"

namespace appdata_gen {
namespace {

constexpr std::array<const char*, 7> 福字表{"爱国福", "富强福", "和谐福", "友善福", "敬业福", "沾沾卡", "万能福"};
constexpr int 圆角 = 30;

QImage 画卡片(int k) {
    QImage 图(卡片宽, 卡片高, QImage::Format_ARGB32);
    图.fill(Qt::transparent);
    QPainter 画笔(&图);
    // The outline is drawn without smoothing so that its edge pixels are fully opaque.
    画笔.setRenderHint(QPainter::Antialiasing, false);
    const QColor 底 = QColor::fromHsv(k * 360 / 卡片数, 170, 225);
    画笔.setPen(Qt::NoPen);
    画笔.setBrush(底.darker(150));
    画笔.drawRoundedRect(QRect(0, 0, 卡片宽, 卡片高), 圆角, 圆角);
    画笔.setBrush(底);
    画笔.drawRoundedRect(QRect(6, 6, 卡片宽 - 12, 卡片高 - 12), 圆角 - 6, 圆角 - 6);

    // Everything inside the card is painted over opaque pixels, so smoothing keeps alpha at 255.
    画笔.setRenderHint(QPainter::Antialiasing, true);
    画笔.setBrush(QColor(255, 250, 235));
    画笔.setPen(QPen(底.darker(150), 3));
    画笔.drawEllipse(QRect(53, 54, 160, 150));
    居中写字(画笔, QRect(53, 54, 160, 150), "福", 楷体族, 120, true, 底.darker(170));
    居中写字(画笔, QRect(10, 12, 卡片宽 - 20, 36), QString("福卡 No.%1").arg(k + 1, 2, 10, QChar('0')), 黑体族, 26,
             true, Qt::white);
    居中写字(画笔, QRect(10, 212, 卡片宽 - 20, 44), QString::fromUtf8(福字表[static_cast<size_t>(k) % 福字表.size()]),
             黑体族, 34, true, Qt::white);
    画笔.end();
    return 图;
}

void 确认只有全透明与全不透明(const QImage& 图, int k) {
    for (int y = 0; y < 图.height(); ++y)
        for (int x = 0; x < 图.width(); ++x) {
            const int a = qAlpha(图.pixel(x, y));
            if (a != 0 && a != 255)
                throw std::runtime_error("card " + std::to_string(k) + " has partial alpha " + std::to_string(a) +
                                         " at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
        }
}

}  // namespace

std::vector<QImage> 画轮播卡片() {
    std::vector<QImage> 卡片;
    for (int k = 0; k < 卡片数; ++k) {
        卡片.push_back(画卡片(k));
        确认只有全透明与全不透明(卡片.back(), k);
    }
    return 卡片;
}

}  // namespace appdata_gen
