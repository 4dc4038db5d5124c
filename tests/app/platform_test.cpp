// The platform layer: pumped delay, random numbers, picture boxes, list boxes, labels, the
// focused control and the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <set>
#include <thread>

#include "app/clipboard.h"
#include "app/platform/label.h"
#include "app/platform/list_box.h"
#include "app/platform/picture_box.h"
#include "app/platform/runtime.h"
#include "app/window_layout.h"
#include "tests/app/app_test_support.h"

namespace {

using namespace app;
using namespace apptest;

// --- pumped delay -------------------------------------------------------------------------

TEST(消息延时, 单位表把每个单位换成毫秒) {
    const struct { int64_t 单位, 毫秒; } 表[] = {
        {0, 1}, {1, 1000}, {2, 60'000}, {3, 3'600'000}, {250, 250}, {4, 4}, {-7, -7},
    };
    for (const auto& 例 : 表) EXPECT_EQ(每单位毫秒(例.单位), 例.毫秒) << "unit " << 例.单位;
}

TEST(消息延时, 到期时间按百纳秒取负并截断) {
    const struct { int32_t 间隔; int64_t 单位, 到期; } 表[] = {
        {5000, 0, -50'000'000},       // the carousel's 5 s, unit omitted
        {2, 1, -20'000'000},          // 2 s
        {1, 2, -600'000'000},         // one minute
        {3, 250, -7'500'000},         // 750 ms
        {1, 3, -36'000'000'000},      // one hour
        {0, 1, 0},
        {-5, 0, 50'000},              // a negative interval is not a wait
        {std::numeric_limits<int32_t>::max(), 3, std::numeric_limits<int64_t>::min()},  // saturates
        {std::numeric_limits<int32_t>::min(), 3, std::numeric_limits<int64_t>::max()},
    };
    for (const auto& 例 : 表)
        EXPECT_EQ(延时到期(例.间隔, 例.单位), 例.到期) << 例.间隔 << " x unit " << 例.单位;
    EXPECT_EQ(延时到期(5000), 延时到期(5000, 0));
}

TEST(消息延时, 等待中派发到来的事件且不提前结束) {
    QObject 上下文;
    std::atomic<bool> 已投递{false};
    bool 已派发 = false;
    Qt::HANDLE 派发线程 = nullptr;
    // Another thread posts to this one while it waits, as the carousel's frames are posted.
    std::thread 投递者([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        QMetaObject::invokeMethod(
            &上下文,
            [&] {
                已派发 = true;
                派发线程 = QThread::currentThreadId();
            },
            Qt::QueuedConnection);
        已投递 = true;
    });
    QElapsedTimer 计时;
    计时.start();
    EXPECT_TRUE(消息延时(200));
    const qint64 用时 = 计时.elapsed();
    投递者.join();
    ASSERT_TRUE(已投递);
    EXPECT_TRUE(已派发) << "the event posted during the wait was not dispatched by the wait";
    EXPECT_EQ(派发线程, QThread::currentThreadId());
    EXPECT_GE(用时, 200) << "the wait ended early";
}

TEST(消息延时, 非正的等待只派发已有事件) {
    bool 已派发 = false;
    QTimer::singleShot(0, [&] { 已派发 = true; });
    EXPECT_TRUE(消息延时(-100));
    EXPECT_TRUE(已派发);
}

TEST(工作线程, 停止时一分钟的等待及时结束) {
    std::atomic<bool> 等待中{false}, 已返回{false};
    auto 线程 = 启动线程([&](const 工作线程& 本线程) {
        等待中 = true;
        消息延时(1, 2);  // one minute
        已返回 = 本线程.已请求停止();  // it returned because of the stop
    });
    while (!等待中) QThread::msleep(1);
    QThread::msleep(50);
    // Bounded by the test's own timeout: a wait that is not cut short hangs for a minute.
    线程->停止();
    EXPECT_TRUE(已返回);
}

TEST(工作线程, 启动前就被停止的线程不进入等待) {
    for (int i = 0; i < 20; ++i) {
        std::atomic<int> 轮数{0};
        auto 线程 = 启动线程([&](const 工作线程& 本线程) {
            while (!本线程.已请求停止()) {
                ++轮数;
                消息延时(1, 2);
            }
        });
        线程->停止();
        EXPECT_LE(轮数.load(), 1);
    }
}

TEST(工作线程, 线程里的等待派发该线程自己的事件) {
    std::atomic<bool> 已派发{false};
    std::atomic<bool> 已就绪{false};
    QObject* 上下文 = nullptr;
    auto 线程 = 启动线程([&](const 工作线程& 本线程) {
        QObject 本地;  // lives in the worker thread
        上下文 = &本地;
        已就绪 = true;
        while (!本线程.已请求停止()) 消息延时(20);
    });
    while (!已就绪) QThread::msleep(1);
    QMetaObject::invokeMethod(上下文, [&] { 已派发 = QThread::currentThread() != qApp->thread(); }, Qt::QueuedConnection);
    for (int i = 0; i < 200 && !已派发; ++i) QThread::msleep(10);
    线程->停止();
    EXPECT_TRUE(已派发);
}

// --- random numbers ------------------------------------------------------------------------

TEST(随机数, 均匀落在闭区间内且两端都能取到) {
    const struct { int 最小, 最大; } 表[] = {{0, 32}, {-3, 3}, {7, 7}, {5, 2}};
    for (const auto& 例 : 表) {
        随机数发生器 随机(12345);
        std::set<int> 见过;
        for (int i = 0; i < 4000; ++i) 见过.insert(随机.取随机数(例.最小, 例.最大));
        const int 低 = std::min(例.最小, 例.最大), 高 = std::max(例.最小, 例.最大);
        EXPECT_EQ(*见过.begin(), 低);
        EXPECT_EQ(*见过.rbegin(), 高);
        EXPECT_EQ(见过.size(), static_cast<size_t>(高 - 低 + 1)) << 例.最小 << ".." << 例.最大;
    }
}

TEST(随机数, 同一种子给出同一序列) {
    随机数发生器 甲(99), 乙(99);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(甲.取随机数(0, 1000), 乙.取随机数(0, 1000));
}

// --- picture boxes -------------------------------------------------------------------------

TEST(图片框, 绘制区域) {
    const struct {
        QSize 图片, 区域;
        显示方式 方式;
        QRect 结果;
    } 表[] = {
        {{400, 367}, {300, 300}, 显示方式::居中缩小, {0, 12, 300, 275}},   // scaled by 0.75
        {{272, 271}, {300, 300}, 显示方式::居中缩小, {14, 14, 272, 271}},  // own size, centred
        {{300, 300}, {300, 300}, 显示方式::居中缩小, {0, 0, 300, 300}},
        {{100, 600}, {300, 300}, 显示方式::居中缩小, {125, 0, 50, 300}},  // height decides
        {{266, 270}, {180, 180}, 显示方式::拉伸, {0, 0, 180, 180}},
        {{279, 274}, {180, 180}, 显示方式::拉伸, {0, 0, 180, 180}},
        {{0, 0}, {300, 300}, 显示方式::居中缩小, {}},
    };
    for (const auto& 例 : 表) EXPECT_EQ(绘制区域(例.图片, 例.区域, 例.方式), 例.结果) << 例.图片.width();
}

// A parent with one bordered, centring box whose picture area is (20, 20, 300, 300).
struct 带框窗口 {
    QWidget 父;
    PictureBox* 框;
    带框窗口() {
        父.resize(340, 340);
        QPalette 调色板 = 父.palette();
        调色板.setColor(QPalette::Window, Qt::white);
        父.setPalette(调色板);
        框 = new PictureBox(&父, 显示方式::居中缩小, true);
        框->置位置(QRect(20, 20, 300, 300));
    }
};

TEST(图片框, 大图等比缩小后居中且边框在图片区之外) {
    带框窗口 窗;
    窗.框->置图片(图片文件(纯色图(400, 367, Qt::red), "JPEG"));
    EXPECT_EQ(窗.框->width(), 300);
    EXPECT_EQ(窗.框->height(), 300);

    const QImage 画面 = 窗.父.grab().toImage();
    EXPECT_EQ(颜色范围(画面, Qt::red), QRect(20, 20 + 12, 300, 275));
    // The border is the ring of pixels just outside the picture area.
    for (const QPoint 点 : {QPoint(19, 19), QPoint(170, 19), QPoint(320, 170), QPoint(170, 320), QPoint(19, 320)})
        EXPECT_TRUE(接近(画面.pixelColor(点), Qt::black)) << 点.x() << "," << 点.y();
    for (const QPoint 点 : {QPoint(18, 170), QPoint(321, 170), QPoint(20, 20), QPoint(319, 319)})
        EXPECT_TRUE(接近(画面.pixelColor(点), Qt::white)) << 点.x() << "," << 点.y();
}

TEST(图片框, 拉伸的框铺满整个区域) {
    QWidget 父;
    父.resize(200, 200);
    PictureBox 框(&父, 显示方式::拉伸, false);
    框.置位置(QRect(10, 10, 180, 180));
    框.置图片(图片文件(纯色图(266, 270, Qt::blue), "BMP"));
    EXPECT_EQ(框.图片区域(), QRect(0, 0, 180, 180));
    EXPECT_EQ(颜色范围(框.grab().toImage(), Qt::blue), QRect(0, 0, 180, 180));
}

TEST(图片框, 接受各种图片文件并原样交还字节) {
    QImage 半透明(60, 50, QImage::Format_ARGB32);
    半透明.fill(QColor(0, 128, 0, 100));
    const struct { const char* 名; QByteArray 文件; } 表[] = {
        {"BMP 24", 图片文件(纯色图(60, 50, Qt::green), "BMP")},
        {"BMP 8", 图片文件(纯色图(60, 50, Qt::green).convertToFormat(QImage::Format_Indexed8), "BMP")},
        {"BMP 1", 图片文件(纯色图(60, 50, Qt::black).convertToFormat(QImage::Format_Mono), "BMP")},
        {"PNG alpha", 图片文件(半透明, "PNG")},
        {"JPEG", 图片文件(纯色图(60, 50, Qt::green), "JPEG")},
    };
    for (const auto& 例 : 表) {
        带框窗口 窗;
        ASSERT_FALSE(例.文件.isEmpty()) << 例.名;
        窗.框->置图片(例.文件);
        EXPECT_TRUE(窗.框->有图片()) << 例.名;
        EXPECT_EQ(窗.框->图片区域(), QRect(120, 125, 60, 50)) << 例.名;
        EXPECT_EQ(窗.框->取图片(), 例.文件) << 例.名;
    }
}

TEST(图片框, 无法解码的字节清空画面但仍交还) {
    带框窗口 窗;
    窗.框->置图片(图片文件(纯色图(60, 50, Qt::red), "PNG"));
    const QByteArray 坏 = QByteArrayLiteral("not a picture");
    窗.框->置图片(坏);
    EXPECT_FALSE(窗.框->有图片());
    EXPECT_EQ(窗.框->取图片(), 坏);
    EXPECT_TRUE(颜色范围(窗.父.grab().toImage(), Qt::red).isEmpty());
}

TEST(图片框, 双击发出信号) {
    带框窗口 窗;
    QSignalSpy 双击(窗.框, &PictureBox::doubleClicked);
    QTest::mouseDClick(窗.框, Qt::LeftButton);
    EXPECT_EQ(双击.count(), 1);
}

// --- list boxes ----------------------------------------------------------------------------

struct 列表夹具 : ::testing::Test {
    QWidget 窗;
    ListBox* 列表 = new ListBox(&窗);
    void SetUp() override {
        窗.resize(200, 300);
        列表->setGeometry(0, 0, 200, 300);
        列表->addItems({"甲", "乙", "丙", "丁"});
        窗.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&窗));
    }
    void 点击(int 行) {
        QTest::mouseClick(列表->viewport(), Qt::LeftButton, {}, 列表->visualItemRect(列表->item(行)).center());
    }
};

TEST_F(列表夹具, 程序设置选中项不算用户选择) {
    QSignalSpy 选择(列表, &ListBox::itemChosen);
    列表->置选中项(2);
    EXPECT_EQ(列表->取选中项(), 2);
    EXPECT_EQ(选择.count(), 0);
}

TEST_F(列表夹具, 每次点击算一次选择同一行也算) {
    QSignalSpy 选择(列表, &ListBox::itemChosen);
    点击(1);
    EXPECT_EQ(选择.count(), 1);
    EXPECT_EQ(列表->取选中项(), 1);
    点击(1);
    EXPECT_EQ(选择.count(), 2);
    点击(3);
    EXPECT_EQ(选择.count(), 3);
    EXPECT_EQ(列表->取选中项(), 3);
}

TEST_F(列表夹具, 键盘换行算一次选择) {
    列表->置选中项(0);
    列表->setFocus();
    QSignalSpy 选择(列表, &ListBox::itemChosen);
    QTest::keyClick(列表, Qt::Key_Down);
    EXPECT_EQ(选择.count(), 1);
    EXPECT_EQ(列表->取选中项(), 1);
}

TEST_F(列表夹具, 取消选中后读出负一) {
    列表->置选中项(1);
    QSignalSpy 选择(列表, &ListBox::itemChosen);
    列表->setCurrentRow(-1);
    EXPECT_EQ(选择.count(), 1);
    EXPECT_EQ(列表->取选中项(), -1);
    列表->置选中项(2);
    列表->clearSelection();
    EXPECT_EQ(列表->取选中项(), -1);
}

// --- labels --------------------------------------------------------------------------------

TEST(透明标签, 回车换行对是换行) {
    EXPECT_EQ(标签文本("甲\r\n\r\n乙"), QStringLiteral("甲\n\n乙"));
    TransparentLabel 标签(nullptr);
    标签.置文本(布局::提示文本2);
    EXPECT_EQ(标签.text().count(QLatin1Char('\n')), 6);
    EXPECT_FALSE(标签.text().contains(QLatin1Char('\r')));
    EXPECT_FALSE(标签.autoFillBackground());
}

TEST(透明标签, 分隔线是二十根竖线各占一行) {
    const std::string 文本 = 布局::分隔线文本();
    std::string 期望 = "|";
    for (int i = 1; i < 20; ++i) 期望 += "\r\n|";
    EXPECT_EQ(文本, 期望);
}

// --- focus and clipboard -------------------------------------------------------------------

TEST(焦点, 取焦点窗口给出有键盘焦点的控件) {
    QWidget 窗;
    ListBox* 甲 = new ListBox(&窗);
    ListBox* 乙 = new ListBox(&窗);
    乙->move(0, 100);
    窗.show();
    窗.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&窗));
    乙->setFocus();
    EXPECT_EQ(取焦点窗口(), 乙);
    甲->setFocus();
    EXPECT_EQ(取焦点窗口(), 甲);
}

TEST(剪贴板, 图片替换剪贴板原有的全部内容) {
    QClipboard* 剪贴板 = QGuiApplication::clipboard();
    剪贴板->setText(QStringLiteral("旧内容"));
    const QImage 第一张 = 纯色图(300, 300, Qt::red);
    复制图片到剪贴板(图片文件(第一张, "BMP"));
    const QMimeData* 内容 = 剪贴板->mimeData();
    ASSERT_NE(内容, nullptr);
    EXPECT_FALSE(内容->hasText());
    EXPECT_EQ(剪贴板->image().convertToFormat(QImage::Format_RGB32), 第一张);

    const QImage 第二张 = 纯色图(120, 80, Qt::blue);
    复制图片到剪贴板(图片文件(第二张, "PNG"));
    EXPECT_EQ(剪贴板->image().convertToFormat(QImage::Format_RGB32), 第二张);

    复制图片到剪贴板(QByteArrayLiteral("not a picture"));  // leaves the clipboard alone
    EXPECT_EQ(剪贴板->image().convertToFormat(QImage::Format_RGB32), 第二张);
}

}  // namespace
