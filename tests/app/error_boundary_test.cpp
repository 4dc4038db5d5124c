// The window's boundary for module errors: the handler's exit gets the error, the box has
// the fixed title, the error icon and one OK button, and the program's loop ends with 1.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/error_boundary.h"
#include "qr/encode/qrcode.h"

namespace {

using namespace app;

qr::模块异常 空内容异常() {
    try {
        qr::创建二维码("  ", "L", 300, 300);
    } catch (const qr::模块异常& 异常) {
        return 异常;
    }
    throw std::logic_error("a blank content was encoded");
}

TEST(异常边界, 模块异常交给出口其他情况不经过出口) {
    int 次数 = 0;
    std::string 报告;
    const 异常出口 出口 = [&](const qr::模块异常& 异常) {
        ++次数;
        报告 = 异常.报告();
    };
    在边界执行([] { qr::创建二维码("", "L", 300, 300); }, 出口);
    EXPECT_EQ(次数, 1);
    EXPECT_EQ(报告, "异常来源：[二维码模块]\r\n方法名称：编码()\r\n异常信息：没有编码内容");

    在边界执行([] { qr::创建二维码("ok", "L", 300, 300); }, 出口);
    EXPECT_EQ(次数, 1);
    EXPECT_THROW(在边界执行([] { throw std::runtime_error("x"); }, 出口), std::runtime_error);
}

TEST(异常边界, 提示框的标题图标按钮与文字) {
    const qr::模块异常 异常 = 空内容异常();
    const auto 框 = 构造异常提示框(异常);
    EXPECT_EQ(框->windowTitle(), QStringLiteral("程序运行异常提示"));
    EXPECT_EQ(框->icon(), QMessageBox::Critical);
    EXPECT_EQ(框->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(框->buttons().size(), 1);
    EXPECT_EQ(框->text(), QStringLiteral("异常来源：[二维码模块]\n方法名称：编码()\n异常信息：没有编码内容"));
}

TEST(异常边界, 报告后程序以一结束) {
    const qr::模块异常 异常 = 空内容异常();
    QString 看到的标题;
    // Answers the box as a user would, once it is up.
    QTimer 用户;
    QObject::connect(&用户, &QTimer::timeout, [&] {
        if (auto* 框 = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            看到的标题 = 框->windowTitle();
            框->button(QMessageBox::Ok)->click();
        }
    });
    用户.start(20);
    QTimer::singleShot(0, [&] { 报告并退出(异常); });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(看到的标题, QStringLiteral("程序运行异常提示"));
}

}  // namespace
