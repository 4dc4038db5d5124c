// A control that shows image file bytes: the module's 24-bit BMP, BMP of any depth, PNG with
// alpha, baseline JPEG. The listed size is the picture area; a border, where there is one, is
// drawn just outside it, so width() and height() are what a picture is made for.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <span>

class QFrame;

namespace app {

enum class 显示方式 {
    居中缩小,  // own size, centred; a larger picture is shrunk proportionally to fit
    拉伸,      // scaled to the whole area, proportions not kept
};

// Where a picture of the given size lands in an area of the given size.
QRect 绘制区域(QSize 图片, QSize 区域, 显示方式 方式);

class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(QWidget* 父, 显示方式 方式, bool 有边框);

    // The picture area in the parent's coordinates; the border goes around it.
    void 置位置(const QRect& 区域);

    // Bytes that do not decode leave the box empty but are still given back by 取图片.
    void 置图片(const QByteArray& 文件);
    void 置图片(std::span<const uint8_t> 文件);
    const QByteArray& 取图片() const { return 文件_; }
    bool 有图片() const { return !图像_.isNull(); }
    // Where the current picture is drawn, in the box's own coordinates; empty without one.
    QRect 图片区域() const;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void moveEvent(QMoveEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void 更新显示图像();
    void 跟随边框();

    显示方式 方式_;
    QFrame* 边框_ = nullptr;
    QByteArray 文件_;
    QImage 图像_;
    QImage 显示图像_;  // 图像_ scaled once per picture or size, not on every paint
};

using 图片框 = PictureBox;

}  // namespace app
