#include <gtest/gtest.h>

#include "qr/ecc/gf256.h"
#include "qr/model/module.h"
#include "tests/support/expect_report.h"

namespace {

using qr::二维码类;

TEST(二维码记录, 新记录与重置) {
    二维码类 r;
    EXPECT_EQ(r.取类名(), "二维码类");
    EXPECT_EQ(r.取版本号(), 0);
    EXPECT_EQ(r.取容错级别().取序号(), 0);
    EXPECT_EQ(r.取模式().取名称(), "");
    EXPECT_TRUE(r.是否有效()) << "a fresh record holds zeros, not -1";
    r.重置();
    EXPECT_FALSE(r.是否有效());
    EXPECT_EQ(r.取RS块数(), -1);
}

TEST(二维码记录, 有效性只看七个数是否为负一) {
    二维码类 r;
    r.重置();
    r.置版本号(1);
    r.置矩阵宽度(21);
    r.置总字节数(26);
    r.置数据字节数(19);
    r.置容错字节数(7);
    r.置RS块数(1);
    EXPECT_FALSE(r.是否有效());
    r.置掩码图案(9);
    EXPECT_TRUE(r.是否有效()) << "the mask range plays no part";
}

TEST(二维码记录, 掩码范围) {
    for (int32_t m : {0, 7}) EXPECT_TRUE(二维码类::是否为有效掩码(m)) << m;
    for (int32_t m : {-1, 8}) EXPECT_FALSE(二维码类::是否为有效掩码(m)) << m;
}

TEST(二维码记录, 矩阵取值只接受零和一) {
    二维码类 r;
    qr::字节矩阵类 m;
    m.置尺寸(2, 1);
    m.置值(0, 0, 1);
    m.置值(1, 0, 255);
    r.置矩阵(m);
    EXPECT_EQ(r.矩阵取值(0, 0), 1);
    EXPECT_TRUE(testsupport::报告为([&] { r.矩阵取值(1, 0); }, "二维码类", "矩阵取值", "值异常，当前值为：255"));
}

TEST(二维码记录, 取出的都是副本) {
    二维码类 r;
    qr::字节矩阵类 m;
    m.置尺寸(2, 2);
    r.置矩阵(m);
    m.置值(0, 0, 1);
    EXPECT_EQ(r.矩阵取值(0, 0), 0) << "the setter stored a copy";
    auto 取出 = r.取矩阵();
    取出.置值(1, 1, 1);
    EXPECT_EQ(r.矩阵取值(1, 1), 0);
    二维码类 副本 = r;
    副本.置版本号(7);
    EXPECT_NE(r.取版本号(), 7);
}

TEST(模块, 启动按序建好全部固定表且关闭后释放) {
    {
        qr::模块守护 模块;
        EXPECT_EQ(qr::模块名, "二维码模块");
        ASSERT_TRUE(qr::当前二维码);
        EXPECT_FALSE(qr::当前二维码->是否有效()) << "初始化表 resets the numbers";
        EXPECT_EQ(qr::当前二维码->取版本号(), -1);
        EXPECT_EQ(qr::模式组->字节.取名称(), "字节");
        EXPECT_EQ(qr::容错级别组->列表.size(), 4u);
        EXPECT_EQ(qr::版本表->size(), 40u);
        EXPECT_EQ(qr::二维码域->取标识(), "GF256:285");
    }
    EXPECT_FALSE(qr::当前二维码);
    EXPECT_FALSE(qr::版本表);
    EXPECT_FALSE(qr::二维码域);
    EXPECT_EQ(qr::模块名, "");
}

}  // namespace
