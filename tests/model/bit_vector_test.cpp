#include <gtest/gtest.h>

#include "qr/model/bit_vector.h"
#include "tests/support/expect_report.h"

namespace {

using qr::位向量类;
using qr::位向量子类;
using testsupport::报告为;

位向量类 位串(const std::string& 二进制) {
    位向量类 v;
    for (char c : 二进制) v.追加位(c == '1');
    return v;
}

TEST(位向量, 新向量为空且有32个零字节) {
    位向量类 v;
    EXPECT_EQ(v.取大小(), 0);
    EXPECT_EQ(v.取字节数(), 0);
    EXPECT_EQ(v.取字节数组().字节组, std::vector<uint8_t>(32, 0));
    EXPECT_EQ(v.到字符串(), "");
    EXPECT_EQ(v.取类名(), "位向量类");
}

TEST(位向量, 高位在前存放) {
    位向量类 v;
    v.追加数值位(5, 3);
    EXPECT_EQ(v.到字符串(), "1,0,1");
    EXPECT_EQ(v.取字节数(), 1);
    EXPECT_EQ(v.取字节数组().字节组[0], 160);
    v.追加数值位(511, 8);  // only the low eight bits
    EXPECT_EQ(v.取大小(), 11);
    EXPECT_EQ(v.到字符串(), "1,0,1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(v.取字节数组().字节组[1], 0xE0);
}

TEST(位向量, 数值位按整字节和逐位追加结果相同) {
    位向量类 整, 逐;
    整.追加数值位(0xABC, 12);
    for (int i = 11; i >= 0; --i) 逐.追加位((0xABC >> i) & 1);
    EXPECT_EQ(整.取字节数组().字节组, 逐.取字节数组().字节组);
    EXPECT_EQ(整.取大小(), 12);
    // A negative value with 32 bits appends its two's-complement pattern.
    位向量类 负;
    负.追加数值位(-2, 32);
    EXPECT_EQ(负.取字节数组().字节组[0], 0xFF);
    EXPECT_EQ(负.取字节数组().字节组[3], 0xFE);
}

TEST(位向量, 位数越界时什么也不追加) {
    for (int32_t 位数 : {0, 33, -1}) {
        位向量类 v;
        v.追加位(1);
        v.追加数值位(0x7FFFFFFF, 位数);
        EXPECT_EQ(v.取大小(), 1) << 位数;
        EXPECT_EQ(v.取字节数组().字节组[0], 0x80) << 位数;
    }
}

TEST(位向量, 字节数向上取整) {
    位向量类 v;
    v.追加数值位(0, 8);
    EXPECT_EQ(v.取字节数(), 1);
    v.追加位(1);
    EXPECT_EQ(v.取字节数(), 2);
}

TEST(位向量, 存储按32_64_128字节翻倍并保留旧字节) {
    位向量类 v;
    for (int i = 0; i < 256; ++i) v.追加位(i % 3 == 0);
    const auto 满 = v.取字节数组().字节组;
    EXPECT_EQ(满.size(), 32u);
    v.追加位(1);
    const auto 扩 = v.取字节数组().字节组;
    ASSERT_EQ(扩.size(), 64u);
    EXPECT_TRUE(std::equal(满.begin(), 满.end(), 扩.begin()));
    EXPECT_EQ(扩[32], 0x80);
    for (int i = 257; i < 513; ++i) v.追加位(0);
    EXPECT_EQ(v.取字节数组().字节组.size(), 128u);
    v.清空();
    EXPECT_EQ(v.取大小(), 0);
    EXPECT_EQ(v.取字节数组().字节组, std::vector<uint8_t>(32, 0));
}

TEST(位向量, 置字节数组不改变大小) {
    位向量类 v = 位串("101");
    v.置字节数组({0x40});
    EXPECT_EQ(v.取大小(), 3);
    EXPECT_EQ(v.到字符串(), "0,1,0");
    EXPECT_EQ(v.取字节数组().字节组.size(), 1u);
}

TEST(位向量, 错误报告) {
    位向量类 v = 位串("10");
    EXPECT_TRUE(报告为([&] { v.取位值(-1); }, "位向量类", "取位值", "索引超限"));
    EXPECT_TRUE(报告为([&] { v.取位值(2); }, "位向量类", "取位值", "索引超限"));
    EXPECT_TRUE(报告为([&] { v.追加位(2); }, "位向量类", "追加位", "位数据只能是0或1"));
    EXPECT_EQ(v.取大小(), 2);
}

TEST(位向量, 复制是深复制) {
    位向量类 原 = 位串("1");
    位向量类 副本 = 原;
    副本.追加位(1);
    EXPECT_EQ(原.取大小(), 1);
    EXPECT_EQ(副本.到字符串(), "1,1");
}

TEST(位向量子类, 连接两个向量) {
    位向量子类 连接器;
    连接器.置位向量(位串("101"));
    连接器.追加位向量(位串("0011"));
    EXPECT_EQ(连接器.取位向量().到字符串(), "1,0,1,0,0,1,1");
    EXPECT_EQ(连接器.取大小(), 0) << "the inherited bits are not touched";
}

TEST(位向量子类, 异或保留结果并返回独立副本) {
    位向量子类 s;
    s.置位向量(位串("101"));
    位向量类 结果 = s.异或(位串("110"));
    EXPECT_EQ(结果.到字符串(), "0,1,1");
    结果.追加位(1);
    EXPECT_EQ(s.取位向量().到字符串(), "0,1,1");
}

TEST(位向量子类, 两个类名分别用于各自的报告) {
    位向量子类 s;
    EXPECT_EQ(s.取类名(), "位向量类");
    EXPECT_EQ(s.取子类名(), "位向量子类");
    位向量类 十五, 十六;
    十五.追加数值位(0, 15);
    十六.追加数值位(0, 16);
    s.置位向量(十五);
    EXPECT_TRUE(报告为([&] { s.异或(十六); }, "位向量子类", "异或", "两个位向量长度不同，不能做异或运算。"));
    EXPECT_TRUE(报告为([&] { s.取位值(0); }, "位向量类", "取位值", "索引超限"));
}

TEST(位向量子类, 复制包括内部向量) {
    位向量子类 原;
    原.置位向量(位串("1"));
    位向量子类 副本 = 原;
    副本.追加位向量(位串("0"));
    EXPECT_EQ(原.取位向量().到字符串(), "1");
    EXPECT_EQ(副本.取位向量().到字符串(), "1,0");
}

}  // namespace
