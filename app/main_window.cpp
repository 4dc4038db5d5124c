#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>

#include "app/carousel.h"
#include "app/clipboard.h"
#include "app/data/embedded.h"
#include "app/data/items.h"
#include "app/window_layout.h"
#include "qr/encode/qrcode.h"

namespace app {

namespace {

QString 文本(std::string_view 字) { return QString::fromUtf8(字.data(), static_cast<qsizetype>(字.size())); }

QRect 矩形(const 布局::矩形& 位置) { return QRect(位置.x, 位置.y, 位置.宽, 位置.高); }

QColor 颜色(const 布局::颜色& 色) { return QColor(色.r, 色.g, 色.b); }

// Named faces first, then a Chinese face: without one Qt may pick a Japanese face for
// Chinese text.
QStringList 字体族列表(布局::字体族 族) {
    const QString 中文后备 = QStringLiteral("WenQuanYi Micro Hei");
    switch (族) {
        case 布局::字体族::雅黑:
            return {QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑"), 中文后备};
        case 布局::字体族::书法:
            return {QStringLiteral("AR PL UKai CN"), 中文后备};
        case 布局::字体族::默认:
            break;
    }
    return {QApplication::font().family(), 中文后备};
}

QFont 字体(const 布局::字体& 规格) {
    QFont 字;
    字.setFamilies(字体族列表(规格.族));
    字.setPixelSize(规格.像素);
    字.setBold(规格.粗体);
    return 字;
}

TransparentLabel* 新标签(QWidget* 父, const 布局::标签规格& 规格, std::string_view 内容) {
    auto* 标签 = new TransparentLabel(父);
    标签->setGeometry(矩形(规格.位置));
    标签->setFont(字体(规格.字));
    QPalette 调色板 = 标签->palette();
    调色板.setColor(QPalette::WindowText, 颜色(规格.文字色));
    标签->setPalette(调色板);
    标签->置文本(内容);
    return 标签;
}

ListBox* 新列表(QWidget* 父, const 布局::列表规格& 规格, const QStringList& 项目) {
    auto* 列表 = new ListBox(父);
    列表->setGeometry(矩形(规格.位置));
    列表->setFont(字体(规格.字));
    QPalette 调色板 = 列表->palette();
    调色板.setColor(QPalette::Text, 颜色(规格.文字色));
    调色板.setColor(QPalette::Base, 颜色(规格.底色));
    列表->setPalette(调色板);
    列表->addItems(项目);
    return 列表;
}

PictureBox* 新图片框(QWidget* 父, const 布局::矩形& 位置, 显示方式 方式, bool 有边框) {
    auto* 框 = new PictureBox(父, 方式, 有边框);
    框->置位置(矩形(位置));
    return 框;
}

QStringList 来源文本() {
    QStringList 项目;
    for (const auto& 来源 : data::来源列表()) 项目 << 文本(来源.文本);
    return 项目;
}

QStringList 福名文本() {
    QStringList 项目;
    for (const auto 名 : data::福名列表()) 项目 << 文本(名);
    return 项目;
}

}  // namespace

MainWindow::MainWindow(异常出口 出口) : 出口_(出口 ? std::move(出口) : 异常出口(报告并退出)) {
    setWindowTitle(文本(布局::窗口标题));
    move(布局::窗口.x, 布局::窗口.y);
    resize(布局::窗口.宽, 布局::窗口.高);
    建立控件();
    轮播_ = std::make_unique<轮播>(this, [this](const QByteArray& 字节) { 置轮播图片(字节); });
    连接事件();
}

MainWindow::~MainWindow() { 轮播_->停止(); }

void MainWindow::建立控件() {
    新标签(this, 布局::透明标签3, 布局::操作步骤1);
    新标签(this, 布局::透明标签6, 布局::操作步骤2);
    列表框1_ = 新列表(this, 布局::列表框1, 来源文本());
    列表框1_->置选中项(0);
    图片框1_ = 新图片框(this, 布局::图片框1, 显示方式::居中缩小, true);
    列表框2_ = 新列表(this, 布局::列表框2, 福名文本());
    图片框2_ = 新图片框(this, 布局::图片框2, 显示方式::居中缩小, true);
    图片框2_->置图片(data::福图片(1));
    新标签(this, 布局::透明标签1, 布局::提示文本1);
    新标签(this, 布局::透明标签4, 布局::分隔线文本());
    图片框3_ = 新图片框(this, 布局::图片框3, 显示方式::拉伸, false);
    图片框3_->置图片(data::图片框3初始图片());
    新标签(this, 布局::透明标签5, 布局::提示文本2);
    新标签(this, 布局::透明标签2, 布局::署名文本);
    列表框1_->setFocus();
}

void MainWindow::连接事件() {
    connect(列表框1_, &ListBox::itemChosen, this, [this] { 在边界执行([this] { 列表框1被选择(); }, 出口_); });
    connect(列表框2_, &ListBox::itemChosen, this, [this] { 在边界执行([this] { 列表框2被选择(); }, 出口_); });
    connect(图片框1_, &PictureBox::doubleClicked, this,
            [this] { 在边界执行([this] { 图片框1被双击(); }, 出口_); });
}

void MainWindow::窗口创建完毕() {
    if (已创建_) return;
    已创建_ = true;
    显示二维码(0);
    轮播_->启动(data::轮播图像列表());
}

void MainWindow::显示二维码(int 行) {
    // Built anew every time, at the box's current size.
    图片框1_->置图片(qr::创建二维码(data::活动链接(行), "L", 图片框1_->width(), 图片框1_->height()));
}

void MainWindow::列表框1被选择() {
    const int 行 = 列表框1_->取选中项();
    if (行 < 0 || 行 >= data::来源数) return;
    显示二维码(行);
}

void MainWindow::列表框2被选择() {
    const int 行 = 列表框2_->取选中项();
    if (行 < 0 || 行 >= data::福数) return;
    图片框2_->置图片(data::福图片(行));
}

void MainWindow::图片框1被双击() { 复制图片到剪贴板(图片框1_->取图片()); }

void MainWindow::置轮播图片(const QByteArray& 字节) {
    图片框3_->置图片(字节);
    emit carouselFrameShown();
}

void MainWindow::closeEvent(QCloseEvent* 事件) {
    // The worker ends with the window, before the application object goes.
    轮播_->停止();
    QWidget::closeEvent(事件);
}

}  // namespace app
