// Drawing helpers shared by the generator's pictures: the two font faces and text that is
// shrunk until it fits its line.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace appdata_gen {

inline const QString 黑体族{"WenQuanYi Micro Hei"};
inline const QString 楷体族{"AR PL UKai CN"};

// Throws std::runtime_error naming the face when it is not installed: a silent fallback would
// give other pictures on other machines.
void 确认字体已安装();

QFont 字体(const QString& 族, int 像素, bool 粗体);

// Draws the text centred in the box, reducing the pixel size until it fits the box's width.
void 居中写字(QPainter& 画笔, const QRect& 框, const QString& 文字, const QString& 族, int 最大像素,
              bool 粗体, QColor 颜色);

}  // namespace appdata_gen
