// The carousel: its frame draw, and the worker handing frames to the receiver's thread.
#include <QByteArray>
#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/carousel.h"
#include "app/data/embedded.h"
#include "tests/app/app_test_support.h"
#include "tests/support/bmp_reader.h"

namespace {

using namespace app;

TEST(轮播抽帧, 多次抽取覆盖零到三十二且不出界) {
    for (uint32_t 种子 : {1u, 20210201u, 滴答计数()}) {
        随机数发生器 随机(种子);
        std::set<int> 见过;
        for (int i = 0; i < 3000; ++i) 见过.insert(轮播抽帧(随机));
        EXPECT_EQ(见过.size(), 33u) << "seed " << 种子;
        EXPECT_EQ(*见过.begin(), 0);
        EXPECT_EQ(*见过.rbegin(), 32);
    }
}

std::span<const uint8_t> 字节视图(const QByteArray& 字节) {
    return {reinterpret_cast<const uint8_t*>(字节.constData()), static_cast<size_t>(字节.size())};
}

TEST(轮播, 帧在接收者的线程上送达且都是列表里的帧) {
    const QByteArray 流 = data::轮播图像列表();
    const auto 列表 = 图像列表::读取(字节视图(流));
    ASSERT_TRUE(列表.has_value());
    std::set<QByteArray> 所有帧;
    for (int k = 0; k <= 最大帧号; ++k) {
        const auto 帧 = 列表->帧到BMP(k);
        所有帧.insert(QByteArray(reinterpret_cast<const char*>(帧.data()), static_cast<qsizetype>(帧.size())));
    }

    QObject 接收者;
    std::vector<QByteArray> 收到;
    bool 都在接收者线程 = true;
    {
        轮播 轮(&接收者,
               [&](const QByteArray& 字节) {
                   都在接收者线程 = 都在接收者线程 && QThread::currentThread() == 接收者.thread();
                   收到.push_back(字节);
               },
               20);
        EXPECT_EQ(轮.取轮播标志(), 0);
        ASSERT_TRUE(轮.启动(流));
        EXPECT_EQ(轮.取轮播标志(), 1);
        EXPECT_FALSE(轮.启动(流)) << "a second start";
        ASSERT_TRUE(QTest::qWaitFor([&] { return 收到.size() >= 6; }, 10'000));
    }  // leaving the scope stops and joins the worker
    QCoreApplication::processEvents();
    const size_t 停止时 = 收到.size();
    QTest::qWait(100);
    EXPECT_EQ(收到.size(), 停止时) << "frames after the carousel stopped";

    EXPECT_TRUE(都在接收者线程);
    for (const QByteArray& 帧 : 收到) EXPECT_TRUE(所有帧.count(帧)) << "a frame that is not in the list";
}

TEST(轮播, 读不出的流不启动) {
    QObject 接收者;
    int 帧数 = 0;
    轮播 轮(&接收者, [&](const QByteArray&) { ++帧数; }, 20);
    const QByteArray 流 = data::轮播图像列表();
    EXPECT_FALSE(轮.启动(流.left(1000)));
    EXPECT_EQ(轮.取轮播标志(), 0);
    QTest::qWait(60);
    EXPECT_EQ(帧数, 0);
}

}  // namespace
