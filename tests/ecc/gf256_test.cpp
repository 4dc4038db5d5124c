#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "qr/ecc/gf256.h"
#include "qr/model/module.h"
#include "tests/support/expect_report.h"

namespace {

using qr::GF256;
using testsupport::报告为;

GF256 建域(int32_t 本原多项式) {
    GF256 域;
    域.置本原多项式(本原多项式);
    return 域;
}

// Carry-less multiplication reduced by the polynomial, bit by bit: the field's product
// by its definition, independent of the tables.
int32_t 按位相乘(int32_t a, int32_t b, int32_t 本原多项式) {
    int32_t 积 = 0;
    for (; b != 0; b >>= 1) {
        if (b & 1) 积 ^= a;
        a <<= 1;
        if (a & 0x100) a ^= 本原多项式;
    }
    return 积;
}

class QR域 : public ::testing::Test {
protected:
    GF256 域 = 建域(0x011D);
};

TEST_F(QR域, 指数表和对数表是标准的表) {
    const std::vector<int32_t> 指数 = 域.取指数表().整数组;
    const std::vector<int32_t> 对数 = 域.取对数表().整数组;
    ASSERT_EQ(指数.size(), 256u);
    ASSERT_EQ(对数.size(), 256u);
    EXPECT_EQ(std::vector<int32_t>(指数.begin(), 指数.begin() + 11),
              (std::vector<int32_t>{1, 2, 4, 8, 16, 32, 64, 128, 29, 58, 116}));
    EXPECT_EQ(指数[255], 1);
    EXPECT_EQ(对数[0], 0) << "never written";
    EXPECT_EQ(对数[1], 0) << "i stops at 254, so alpha^255 = 1 does not overwrite it";
    // alpha^0..alpha^254 are the 255 non-zero elements, and the logarithm inverts them.
    EXPECT_EQ(std::set<int32_t>(指数.begin(), 指数.begin() + 255).size(), 255u);
    for (int32_t i = 0; i < 255; ++i) EXPECT_EQ(对数[static_cast<size_t>(指数[static_cast<size_t>(i)])], i);
    EXPECT_EQ(域.取指数表().字节组, std::vector<uint8_t>{0}) << "other members keep their default";
}

TEST_F(QR域, 指数和对数的样例) {
    EXPECT_EQ(域.取指数(8), 29);
    EXPECT_EQ(域.取指数(255), 1);
    struct 例 { int32_t 值, 对数; };
    for (const 例& e : {例{29, 8}, 例{2, 1}, 例{3, 25}, 例{255, 175}, 例{1, 0}})
        EXPECT_EQ(域.取对数(e.值), e.对数) << e.值;
}

TEST_F(QR域, 乘积的样例与零和一) {
    struct 例 { int32_t a, b, 积; };
    for (const 例& e : {例{128, 2, 29}, 例{3, 7, 9}, 例{255, 255, 226}, 例{2, 142, 1}})
        EXPECT_EQ(域.元素相乘(e.a, e.b), e.积) << e.a << " x " << e.b;
    for (int32_t x = 0; x < 256; ++x) {
        EXPECT_EQ(域.元素相乘(0, x), 0);
        EXPECT_EQ(域.元素相乘(x, 0), 0);
        EXPECT_EQ(域.元素相乘(1, x), x);
        EXPECT_EQ(域.元素加减(x, x), 0);
    }
}

TEST_F(QR域, 每个乘积都等于按定义的按位乘法) {
    for (int32_t a = 0; a < 256; ++a)
        for (int32_t b = 0; b < 256; ++b)
            ASSERT_EQ(域.元素相乘(a, b), 按位相乘(a, b, 0x011D)) << a << " x " << b;
}

TEST_F(QR域, 求逆) {
    EXPECT_EQ(域.求逆(2), 142);
    EXPECT_EQ(域.求逆(1), 1);
    for (int32_t a = 1; a < 256; ++a) EXPECT_EQ(域.元素相乘(a, 域.求逆(a)), 1) << a;
}

TEST_F(QR域, 标识零系数和类名) {
    EXPECT_EQ(域.取标识(), "GF256:285");
    EXPECT_EQ(域.取零系数().整数组, std::vector<int32_t>{0});
    EXPECT_EQ(域.取类名(), "GF256");
}

TEST_F(QR域, 零的对数和逆是无名报告) {
    EXPECT_TRUE(报告为([&] { 域.取对数(0); }, "无", "无", "无"));
    EXPECT_TRUE(报告为([&] { 域.求逆(0); }, "无", "无", "无"));
}

// Indexes outside the tables are refused instead of read.
TEST_F(QR域, 表外参数被报告而不是越界读取) {
    const std::string 超出 = "参数超出范围，当前值为：";
    EXPECT_TRUE(报告为([&] { 域.取指数(256); }, "GF256", "取指数", 超出 + "256"));
    EXPECT_TRUE(报告为([&] { 域.取指数(-1); }, "GF256", "取指数", 超出 + "-1"));
    EXPECT_TRUE(报告为([&] { 域.取对数(300); }, "GF256", "取对数", 超出 + "300"));
    EXPECT_TRUE(报告为([&] { 域.求逆(-5); }, "GF256", "求逆", 超出 + "-5"));
    EXPECT_TRUE(报告为([&] { 域.元素相乘(2, 256); }, "GF256", "元素相乘", 超出 + "256"));
    EXPECT_TRUE(报告为([&] { 域.元素相乘(-2, 3); }, "GF256", "元素相乘", 超出 + "-2"));
}

TEST(GF256新对象, 表为空且用到表的运算被报告) {
    const GF256 域;
    EXPECT_EQ(域.取类名(), "GF256");
    EXPECT_EQ(域.取标识(), "");
    EXPECT_TRUE(域.取指数表().整数组.empty());
    EXPECT_TRUE(域.取对数表().整数组.empty());
    EXPECT_TRUE(域.取零系数().整数组.empty());
    EXPECT_TRUE(报告为([&] { 域.取指数(3); }, "GF256", "取指数", "未设置本原多项式"));
    EXPECT_TRUE(报告为([&] { 域.取对数(3); }, "GF256", "取对数", "未设置本原多项式"));
    EXPECT_TRUE(报告为([&] { 域.求逆(3); }, "GF256", "求逆", "未设置本原多项式"));
    EXPECT_TRUE(报告为([&] { 域.元素相乘(3, 7); }, "GF256", "元素相乘", "未设置本原多项式"));
    EXPECT_EQ(域.元素相乘(0, 7), 0) << "products that need no table still work";
    EXPECT_EQ(域.元素相乘(1, 7), 7);
}

TEST(GF256其他本原多项式, 0x012D也是按定义的域) {
    const GF256 域 = 建域(0x012D);
    EXPECT_EQ(域.取标识(), "GF256:301");
    for (int32_t a = 1; a < 256; ++a) {
        EXPECT_EQ(域.元素相乘(a, 域.求逆(a)), 1) << a;
        EXPECT_EQ(域.元素相乘(a, 0x53), 按位相乘(a, 0x53, 0x012D)) << a;
    }
}

// A polynomial that is not primitive gives no field (wrong inverses, endless divisions);
// outside 256..511 the powers would even overrun the tables.
TEST(GF256其他本原多项式, 非本原多项式被报告且域保持原样) {
    GF256 域 = 建域(0x011D);
    for (int32_t p : {0x011B, 0x0100, 0x01FF, 0, 29, 0x021D, -285}) {
        EXPECT_TRUE(报告为([&] { 域.置本原多项式(p); }, "GF256", "置本原多项式",
                           "不是本原多项式，当前值为：" + std::to_string(p)))
            << p;
    }
    EXPECT_EQ(域.取标识(), "GF256:285");
    EXPECT_EQ(域.求逆(2), 142);
}

TEST(GF256值语义, 副本不受原对象重建影响) {
    GF256 原 = 建域(0x011D);
    const GF256 副本 = 原;
    原.置本原多项式(0x012D);
    EXPECT_EQ(原.取标识(), "GF256:301");
    EXPECT_EQ(副本.取标识(), "GF256:285");
    EXPECT_EQ(副本.元素相乘(128, 2), 29);
    EXPECT_EQ(原.元素相乘(128, 2), 0x100 ^ 0x012D);
}

TEST(二维码域, 模块启动后是0x011D的域) {
    qr::模块守护 守护;
    ASSERT_NE(qr::二维码域, nullptr);
    EXPECT_EQ(qr::二维码域->取标识(), "GF256:285");
    EXPECT_EQ(qr::二维码域->取类名(), "GF256");
    EXPECT_EQ(qr::二维码域->取指数(8), 29);
}

}  // namespace
