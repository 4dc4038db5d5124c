// The program's one window: the campaign sources and their QR code, the fortune pictures,
// the carousel and the clipboard copy.
#pragma once

#include <QByteArray>
#include <QWidget>

#include <memory>

#include "app/error_boundary.h"
#include "app/platform/label.h"
#include "app/platform/list_box.h"
#include "app/platform/picture_box.h"

namespace app {

class 轮播;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // 出口 is what a handler does with a module error (default: report it and end with 1).
    explicit MainWindow(异常出口 出口 = 报告并退出);
    ~MainWindow() override;

    // The window-created handler: the first source's QR code, then the carousel. Runs once,
    // after every control exists and before the user can act; a module error here is
    // thrown to the caller, which is at start-up.
    void 窗口创建完毕();

    ListBox& 列表框1() const { return *列表框1_; }
    ListBox& 列表框2() const { return *列表框2_; }
    PictureBox& 图片框1() const { return *图片框1_; }
    PictureBox& 图片框2() const { return *图片框2_; }
    PictureBox& 图片框3() const { return *图片框3_; }
    const 轮播& 取轮播() const { return *轮播_; }

signals:
    // A carousel frame has just been set into 图片框3.
    void carouselFrameShown();

protected:
    void closeEvent(QCloseEvent*) override;

private:
    void 建立控件();
    void 连接事件();
    void 显示二维码(int 行);
    void 列表框1被选择();
    void 列表框2被选择();
    void 图片框1被双击();
    void 置轮播图片(const QByteArray& 字节);

    异常出口 出口_;
    bool 已创建_ = false;
    ListBox* 列表框1_ = nullptr;
    ListBox* 列表框2_ = nullptr;
    PictureBox* 图片框1_ = nullptr;
    PictureBox* 图片框2_ = nullptr;
    PictureBox* 图片框3_ = nullptr;
    std::unique_ptr<轮播> 轮播_;
};

using 主窗口 = MainWindow;

}  // namespace app
