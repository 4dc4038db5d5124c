// The main window on the offscreen platform: start-up state, the handlers, the carousel
// reaching 图片框3 and the clipboard copy.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/carousel.h"
#include "app/data/embedded.h"
#include "app/data/items.h"
#include "app/main_window.h"
#include "app/window_layout.h"
#include "qr/encode/qrcode.h"
#include "tests/app/app_test_support.h"
#include "tests/support/bmp_reader.h"

namespace {

using namespace app;
using namespace apptest;

const std::string 链接前缀 = "https://render.example.com/p/c/17yq18lq3slc?source=";

std::vector<std::string> 解码(const PictureBox& 框) { return testsupport::zbar解码BMP(到向量(框.取图片())); }

class 主窗口夹具 : public ::testing::Test {
protected:
    void SetUp() override {
        窗口.窗口创建完毕();
        窗口.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&窗口));
    }
    void TearDown() override { EXPECT_EQ(出口次数, 0) << "a handler reported a module error"; }

    void 点击(ListBox& 列表, int 行) {
        列表.scrollToItem(列表.item(行));
        QTest::mouseClick(列表.viewport(), Qt::LeftButton, {}, 列表.visualItemRect(列表.item(行)).center());
    }

    int 出口次数 = 0;
    MainWindow 窗口{[this](const qr::模块异常&) { ++出口次数; }};
};

TEST_F(主窗口夹具, 标题位置大小与控件位置) {
    EXPECT_EQ(窗口.windowTitle(), QStringLiteral("喜来匣- 支付宝 纳吉妙招 2021 第二版"));
    EXPECT_EQ(窗口.pos(), QPoint(50, 50));
    EXPECT_EQ(窗口.size(), QSize(972, 590));
    EXPECT_EQ(窗口.图片框1().geometry(), QRect(220, 59, 300, 300));
    EXPECT_EQ(窗口.图片框2().geometry(), QRect(660, 57, 300, 300));
    EXPECT_EQ(窗口.图片框3().geometry(), QRect(538, 371, 180, 180));
    EXPECT_EQ(窗口.列表框1().geometry(), QRect(16, 59, 192, 304));
    EXPECT_EQ(窗口.列表框2().geometry(), QRect(528, 56, 128, 304));

    const QFont 字 = 窗口.列表框1().font();
    EXPECT_EQ(字.pixelSize(), 16);
    EXPECT_TRUE(字.bold());
    EXPECT_EQ(字.families().value(0), QStringLiteral("Microsoft YaHei"));
    EXPECT_TRUE(字.families().contains(QStringLiteral("WenQuanYi Micro Hei")));
    EXPECT_EQ(窗口.列表框1().palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(窗口.列表框2().palette().color(QPalette::Text), QColor(0, 96, 192));
}

TEST_F(主窗口夹具, 列表项与来源表一致) {
    ASSERT_EQ(窗口.列表框1().count(), 52);
    EXPECT_EQ(窗口.列表框1().item(0)->text(), QStringLiteral("天猫精灵"));
    EXPECT_EQ(窗口.列表框1().item(43)->text(), QStringLiteral("青岛大数据局"));
    EXPECT_EQ(窗口.列表框1().item(51)->text(), QStringLiteral("书旗小说"));
    ASSERT_EQ(窗口.列表框2().count(), 11);
    EXPECT_EQ(窗口.列表框2().item(0)->text(), QStringLiteral("蓝鹊万能福"));
    EXPECT_EQ(窗口.列表框2().item(10)->text(), QStringLiteral("美颜相机"));
    EXPECT_EQ(窗口.列表框2().取选中项(), -1);
}

TEST_F(主窗口夹具, 开窗就显示第一个来源的二维码) {
    EXPECT_EQ(窗口.列表框1().取选中项(), 0);
    const auto 图 = testsupport::读BMP(到向量(窗口.图片框1().取图片()));
    ASSERT_TRUE(图.has_value());
    EXPECT_EQ(图->宽, 300);
    EXPECT_EQ(图->高, 300);
    EXPECT_EQ(解码(窗口.图片框1()), std::vector<std::string>{链接前缀 + "JING_LING"});
    EXPECT_EQ(qr::当前二维码->取版本号(), 4);
}

TEST_F(主窗口夹具, 选择来源给出该行的准确链接) {
    const struct { int 行; const char* 链接; } 表[] = {
        {43, "https://render.example.com/p/c/17yq18lq3slc?source=QINGDAN_DASHUJU"},
        {51, "https://render.example.com/p/c/17yq18lq3slc?source=SHU_QI"},
        {37, "https://render.example.com/p/c/17yq18lq3slc?source=SHENZHEN_JIAOJING"},
    };
    for (const auto& 例 : 表) {
        窗口.列表框1().setCurrentRow(例.行);
        EXPECT_EQ(解码(窗口.图片框1()), std::vector<std::string>{例.链接}) << "row " << 例.行;
    }
    点击(窗口.列表框1(), 12);
    EXPECT_EQ(解码(窗口.图片框1()), std::vector<std::string>{链接前缀 + "DA_WAN"});
}

TEST_F(主窗口夹具, 再选同一行也重新生成二维码) {
    点击(窗口.列表框1(), 5);
    const QByteArray 第一次 = 窗口.图片框1().取图片();
    ASSERT_EQ(解码(窗口.图片框1()), std::vector<std::string>{链接前缀 + "KAO_LA"});
    窗口.图片框1().置图片(data::福图片(3));  // something else, so a rebuild is visible
    点击(窗口.列表框1(), 5);
    EXPECT_EQ(窗口.图片框1().取图片(), 第一次);
}

TEST_F(主窗口夹具, 没有选中行的选择事件什么也不改) {
    窗口.列表框2().setCurrentRow(4);
    const QByteArray 图1 = 窗口.图片框1().取图片();
    const QByteArray 图2 = 窗口.图片框2().取图片();
    const int 版本 = qr::当前二维码->取版本号();
    qr::创建二维码("1");  // a version-1 symbol in the record: an encode would replace it
    ASSERT_EQ(qr::当前二维码->取版本号(), 1);

    QSignalSpy 选择1(&窗口.列表框1(), &ListBox::itemChosen);
    QSignalSpy 选择2(&窗口.列表框2(), &ListBox::itemChosen);
    窗口.列表框1().setCurrentRow(-1);
    窗口.列表框2().setCurrentRow(-1);
    ASSERT_EQ(选择1.count(), 1);
    ASSERT_EQ(选择2.count(), 1);
    EXPECT_EQ(窗口.图片框1().取图片(), 图1);
    EXPECT_EQ(窗口.图片框2().取图片(), 图2);
    EXPECT_EQ(qr::当前二维码->取版本号(), 1) << "an encode ran for version " << 版本;
}

TEST_F(主窗口夹具, 福列表显示对应图片) {
    const QByteArray 开窗图片 = 窗口.图片框2().取图片();
    EXPECT_EQ(开窗图片, data::福图片(1));
    for (int 行 = 0; 行 < 11; ++行) {
        窗口.列表框2().setCurrentRow(行);
        EXPECT_EQ(窗口.图片框2().取图片(), data::福图片(行)) << "row " << 行;
        EXPECT_TRUE(窗口.图片框2().有图片()) << "row " << 行;
    }
    点击(窗口.列表框2(), 1);
    EXPECT_EQ(窗口.图片框2().取图片(), 开窗图片);
}

TEST_F(主窗口夹具, 大福图缩到三百乘二七五居中不裁切) {
    窗口.列表框2().setCurrentRow(0);
    ASSERT_EQ(QImage::fromData(窗口.图片框2().取图片()).size(), QSize(400, 367));
    EXPECT_EQ(窗口.图片框2().图片区域(), QRect(0, 12, 300, 275));

    // Only the bands above and below the scaled picture show the box's background.
    const QImage 画面 = 窗口.图片框2().grab().toImage();
    const QColor 底色 = 窗口.图片框2().palette().color(QPalette::Window);
    for (int x = 0; x < 300; x += 7) {
        EXPECT_EQ(画面.pixelColor(x, 11), 底色);
        EXPECT_EQ(画面.pixelColor(x, 287), 底色);
    }
    int 图案像素 = 0;
    for (int y = 12; y < 287; y += 5)
        for (int x = 0; x < 300; x += 5) 图案像素 += 画面.pixelColor(x, y) != 底色;
    EXPECT_GT(图案像素, 0);
}

TEST_F(主窗口夹具, 轮播的第一帧立即到达图片框3) {
    EXPECT_EQ(窗口.取轮播().取轮播标志(), 1);
    const QByteArray 初始 = data::图片框3初始图片();
    EXPECT_EQ(QImage::fromData(初始).size(), QSize(279, 274));
    // Well before the five-second period.
    ASSERT_TRUE(QTest::qWaitFor([&] { return 窗口.图片框3().取图片() != 初始; }, 4000));
    const auto 帧 = testsupport::读BMP(到向量(窗口.图片框3().取图片()));
    ASSERT_TRUE(帧.has_value());
    EXPECT_EQ(帧->宽, 266);
    EXPECT_EQ(帧->高, 270);
    EXPECT_EQ(窗口.图片框3().图片区域(), QRect(0, 0, 180, 180));
}

TEST_F(主窗口夹具, 双击二维码把整张图放上剪贴板) {
    QClipboard* 剪贴板 = QGuiApplication::clipboard();
    剪贴板->setText(QStringLiteral("旧内容"));
    窗口.列表框1().setCurrentRow(20);
    QTest::mouseDClick(&窗口.图片框1(), Qt::LeftButton, {}, QPoint(150, 150));

    const QImage 图 = 剪贴板->image();
    EXPECT_EQ(图.size(), QSize(300, 300));
    EXPECT_EQ(图.convertToFormat(QImage::Format_RGB32),
              QImage::fromData(窗口.图片框1().取图片()).convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(剪贴板->mimeData()->hasText());
    EXPECT_EQ(解码图像(图), std::vector<std::string>{链接前缀 + "SANYA_RIBAO"});

    窗口.列表框1().setCurrentRow(21);
    QTest::mouseDClick(&窗口.图片框1(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(解码图像(剪贴板->image()), std::vector<std::string>{链接前缀 + "CHUNCHENG_WANBAO"});
}

TEST_F(主窗口夹具, 开窗处理只运行一次) {
    窗口.列表框1().setCurrentRow(9);
    const QByteArray 图 = 窗口.图片框1().取图片();
    窗口.窗口创建完毕();
    EXPECT_EQ(窗口.图片框1().取图片(), 图);
}

TEST(主窗口, 关窗时轮播线程结束) {
    MainWindow 窗口{[](const qr::模块异常&) {}};
    窗口.窗口创建完毕();
    窗口.show();
    QSignalSpy 帧(&窗口, &MainWindow::carouselFrameShown);
    ASSERT_TRUE(帧.wait(4000));
    EXPECT_TRUE(窗口.close());
    // Closing joined the worker: no frame arrives any more.
    QTest::qWait(100);
    const auto 已到帧数 = 帧.count();
    QTest::qWait(200);
    EXPECT_EQ(帧.count(), 已到帧数);
}

}  // namespace
