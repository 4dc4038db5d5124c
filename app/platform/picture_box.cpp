#include "app/platform/picture_box.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

namespace app {

QRect 绘制区域(QSize 图片, QSize 区域, 显示方式 方式) {
    if (图片.isEmpty() || 区域.isEmpty()) return {};
    if (方式 == 显示方式::拉伸) return QRect(QPoint(0, 0), 区域);
    QSize 尺寸 = 图片;
    if (图片.width() > 区域.width() || 图片.height() > 区域.height())
        尺寸 = 图片.scaled(区域, Qt::KeepAspectRatio);  // the smaller of the two ratios
    return QRect(QPoint((区域.width() - 尺寸.width()) / 2, (区域.height() - 尺寸.height()) / 2), 尺寸);
}

PictureBox::PictureBox(QWidget* 父, 显示方式 方式, bool 有边框) : QWidget(父), 方式_(方式) {
    if (有边框 && 父) {
        边框_ = new QFrame(父);
        边框_->setFrameStyle(QFrame::Box | QFrame::Plain);
        边框_->setLineWidth(1);
        边框_->stackUnder(this);
    }
}

void PictureBox::置位置(const QRect& 区域) { setGeometry(区域); }

void PictureBox::置图片(const QByteArray& 文件) {
    文件_ = 文件;
    图像_ = QImage::fromData(文件_);
    更新显示图像();
    update();
}

void PictureBox::置图片(std::span<const uint8_t> 文件) {
    置图片(QByteArray(reinterpret_cast<const char*>(文件.data()), static_cast<qsizetype>(文件.size())));
}

QRect PictureBox::图片区域() const { return 绘制区域(图像_.size(), size(), 方式_); }

void PictureBox::更新显示图像() {
    const QRect 区域 = 图片区域();
    if (区域.isEmpty()) {
        显示图像_ = QImage();
    } else if (区域.size() == 图像_.size()) {
        显示图像_ = 图像_;
    } else {
        显示图像_ = 图像_.scaled(区域.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (显示图像_.isNull()) return;
    QPainter 画笔(this);
    画笔.drawImage(图片区域().topLeft(), 显示图像_);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* 事件) {
    if (事件->button() == Qt::LeftButton) emit doubleClicked();
    QWidget::mouseDoubleClickEvent(事件);
}

void PictureBox::跟随边框() {
    if (!边框_) return;
    边框_->setGeometry(geometry().adjusted(-1, -1, 1, 1));
    边框_->setVisible(isVisibleTo(parentWidget()));
}

void PictureBox::moveEvent(QMoveEvent* 事件) {
    跟随边框();
    QWidget::moveEvent(事件);
}

void PictureBox::resizeEvent(QResizeEvent* 事件) {
    跟随边框();
    更新显示图像();
    QWidget::resizeEvent(事件);
}

void PictureBox::showEvent(QShowEvent* 事件) {
    跟随边框();
    QWidget::showEvent(事件);
}

void PictureBox::hideEvent(QHideEvent* 事件) {
    跟随边框();
    QWidget::hideEvent(事件);
}

}  // namespace app
