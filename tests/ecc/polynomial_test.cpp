#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "qr/ecc/polynomial.h"
#include "tests/support/expect_report.h"

namespace {

using qr::GF256;
using qr::GFP;
using qr::GFPP;
using qr::多项式类;
using testsupport::报告为;
using 列表 = std::vector<int32_t>;

class 多项式 : public ::testing::Test {
protected:
    多项式() { 域.置本原多项式(0x011D); }

    多项式类 建(const 列表& 系数) const { return 建于(域, 系数); }

    static 多项式类 建于(const GF256& f, const 列表& 系数) {
        多项式类 p;
        p.构造多项式(f, 系数);
        return p;
    }

    static GFP 运算(const 多项式类& p) {
        GFP g;
        g.置运算多项式(p);
        return g;
    }

    // Quotient and remainder of a by b, through GFP and GFPP as the encoder uses them.
    std::vector<多项式类> 除(const 多项式类& a, const 多项式类& b) const {
        GFPP 除法;
        除法.置被除式(运算(a));
        std::vector<多项式类> 结果;
        除法.分离(b, 结果);
        return 结果;
    }

    GF256 域;
};

TEST_F(多项式, 构造时去掉首部的零) {
    struct 例 { 列表 输入, 系数; int32_t 次数; bool 为零; };
    const 例 表[] = {
        {{0, 0, 3, 0}, {3, 0}, 1, false},
        {{0, 0}, {0}, 0, true},
        {{0}, {0}, 0, true},
        {{7}, {7}, 0, false},
        {{1, 0, 0}, {1, 0, 0}, 2, false},
    };
    for (const 例& e : 表) {
        const 多项式类 p = 建(e.输入);
        EXPECT_EQ(p.取系数组().整数组, e.系数);
        EXPECT_EQ(p.取次数(), e.次数);
        EXPECT_EQ(p.是否为零(), e.为零);
        EXPECT_EQ(p.取域().取标识(), "GF256:285");
    }
    EXPECT_TRUE(报告为([&] { 建({}); }, "无", "无", "无"));
}

TEST_F(多项式, 取系数按次数从低到高) {
    const 多项式类 p = 建({1, 3, 2});
    EXPECT_EQ(p.取系数(0), 2);
    EXPECT_EQ(p.取系数(1), 3);
    EXPECT_EQ(p.取系数(2), 1);
    // Outside 0..degree there is no coefficient to read.
    const std::string 超出 = "次数超出范围，当前值为：";
    EXPECT_TRUE(报告为([&] { p.取系数(3); }, "", "取系数", 超出 + "3"));
    EXPECT_TRUE(报告为([&] { p.取系数(-1); }, "", "取系数", 超出 + "-1"));
}

TEST_F(多项式, 未构造的多项式被报告而不是读取) {
    const 多项式类 空;
    EXPECT_EQ(空.取次数(), -1);
    EXPECT_EQ(空.到字符串(), "");
    EXPECT_TRUE(报告为([&] { 空.是否为零(); }, "", "是否为零", "多项式未构造"));
    EXPECT_TRUE(报告为([&] { 空.求值(5); }, "", "求值", "多项式未构造"));
    // A fresh GFP holds such an operand; against another unbuilt one the fields agree.
    EXPECT_TRUE(报告为([&] { GFP().加或减(空); }, "", "是否为零", "多项式未构造"));
}

TEST_F(多项式, 求值) {
    const 多项式类 p = 建({1, 3, 2});
    struct 例 { int32_t a, 值; };
    for (const 例& e : {例{0, 2}, 例{1, 0}, 例{2, 0}, 例{4, 30}}) EXPECT_EQ(p.求值(e.a), e.值) << e.a;
    EXPECT_EQ(建({0}).求值(9), 0);
    EXPECT_EQ(建({7}).求值(9), 7);
}

TEST_F(多项式, 到字符串以对数写系数) {
    struct 例 { 列表 系数; const char* 文本; };
    const 例 表[] = {
        {{1, 3, 2}, "x^2 + a^25x + a"},
        {{2, 0, 1}, "ax^2 + 1"},
        {{1}, "1"},
        {{5}, "a^50"},
        {{0}, ""},
        {{1, 0}, "x"},
        {{29, 1, 0, 0}, "a^8x^3 + x^2"},
    };
    for (const 例& e : 表) EXPECT_EQ(建(e.系数).到字符串(), e.文本);
    // Field arithmetic never makes them, but a negative coefficient is written with " - ".
    EXPECT_EQ(建({1, -2}).到字符串(), "x - a");
}

TEST_F(多项式, 加或减) {
    struct 例 { 列表 P, 其他, 和; };
    const 例 表[] = {
        {{1, 0, 1}, {1, 1, 0}, {1, 1}},  // the cancelled leading term is dropped
        {{1, 3, 2}, {1, 3, 2}, {0}},
        {{0}, {4, 5}, {4, 5}},
        {{4, 5}, {0}, {4, 5}},
        {{1, 2, 3}, {7}, {1, 2, 4}},
        {{7}, {1, 2, 3}, {1, 2, 4}},
    };
    for (const 例& e : 表) EXPECT_EQ(运算(建(e.P)).加或减(建(e.其他)).取系数组().整数组, e.和);
}

TEST_F(多项式, 相乘与乘以标量) {
    struct 例 { 列表 P, 其他, 积; };
    const 例 表[] = {
        {{1, 1}, {1, 2}, {1, 3, 2}},
        {{1, 1}, {0}, {0}},
        {{0}, {1, 1}, {0}},
        {{3}, {7}, {9}},
    };
    for (const 例& e : 表) EXPECT_EQ(运算(建(e.P)).相乘(建(e.其他)).取系数组().整数组, e.积);
    EXPECT_EQ(运算(建({1, 3, 2})).乘以标量(0).取系数组().整数组, 列表{0});
    EXPECT_EQ(运算(建({1, 3, 2})).乘以标量(1).取系数组().整数组, (列表{1, 3, 2}));
    EXPECT_EQ(运算(建({128, 0, 3})).乘以标量(2).取系数组().整数组, (列表{29, 0, 6}));
}

TEST_F(多项式, 叠加单项式与构造单项式) {
    const GFP p = 运算(建({1, 2}));
    EXPECT_EQ(p.叠加单项式(2, 1).取系数组().整数组, (列表{1, 2, 0, 0}));
    EXPECT_EQ(p.叠加单项式(0, 1).取系数组().整数组, (列表{1, 2}));
    EXPECT_EQ(p.叠加单项式(3, 0).取系数组().整数组, 列表{0});
    EXPECT_EQ(p.叠加单项式(1, 2).取系数组().整数组, (列表{2, 4, 0}));
    EXPECT_EQ(p.构造单项式(0, 5).取系数组().整数组, 列表{5});
    EXPECT_EQ(p.构造单项式(3, 0).取系数组().整数组, 列表{0});
    EXPECT_EQ(p.构造单项式(2, 9).取系数组().整数组, (列表{9, 0, 0}));
    EXPECT_EQ(p.构造单项式(2, 9).取域().取标识(), "GF256:285") << "built in the operand's field";
}

TEST_F(多项式, 分离的样例) {
    struct 例 { 列表 被除, 除, 商, 余; };
    const 例 表[] = {
        {{1, 3, 2}, {1, 1}, {1, 2}, {0}},
        {{1}, {1, 1}, {0}, {1}},  // the loop does not run
        {{0}, {1, 1}, {0}, {0}},
        {{1, 3, 2}, {1}, {1, 3, 2}, {0}},
        {{1, 3, 3}, {1, 1}, {1, 2}, {1}},
    };
    for (const 例& e : 表) {
        const auto 结果 = 除(建(e.被除), 建(e.除));
        ASSERT_EQ(结果.size(), 2u);
        EXPECT_EQ(结果[0].取系数组().整数组, e.商);
        EXPECT_EQ(结果[1].取系数组().整数组, e.余);
    }
}

// Over random polynomials: dividend = quotient x divisor + remainder, with the
// remainder of lower degree than the divisor (or zero).
TEST_F(多项式, 分离满足带余除法) {
    std::mt19937 随机(20261211);
    std::uniform_int_distribution<int32_t> 元素(0, 255), 长度(1, 40);
    auto 随机多项式 = [&](bool 非零) {
        列表 系数(static_cast<size_t>(长度(随机)));
        for (int32_t& c : 系数) c = 元素(随机);
        if (非零) 系数[0] = 1 + 元素(随机) % 255;
        return 建(系数);
    };
    for (int 轮 = 0; 轮 < 300; ++轮) {
        const 多项式类 a = 随机多项式(false), b = 随机多项式(true);
        const auto 结果 = 除(a, b);
        const 多项式类& 商 = 结果[0];
        const 多项式类& 余 = 结果[1];
        EXPECT_TRUE(余.是否为零() || 余.取次数() < b.取次数());
        const 多项式类 还原 = 运算(运算(商).相乘(b)).加或减(余);
        ASSERT_EQ(还原.取系数组().整数组, a.取系数组().整数组) << "round " << 轮;
    }
}

TEST_F(多项式, 字段不同与非法参数的报告) {
    GF256 另一域;
    另一域.置本原多项式(0x012D);
    const 多项式类 别处 = 建于(另一域, {1, 1});
    const GFP p = 运算(建({1, 2}));
    EXPECT_TRUE(报告为([&] { p.加或减(别处); }, "GFP", "加或减", "GF256信息不相同"));
    EXPECT_TRUE(报告为([&] { p.相乘(别处); }, "GFP", "相乘", "GF256信息不相同"));
    EXPECT_TRUE(报告为([&] { p.叠加单项式(-1, 1); }, "GFP", "叠加单项式", "维度小于0"));
    EXPECT_TRUE(报告为([&] { p.构造单项式(-1, 1); }, "GFP", "构造单项式", "度小于0"));

    GFPP 除法;
    除法.置被除式(运算(建({1, 3, 2})));
    std::vector<多项式类> 结果;
    EXPECT_TRUE(报告为([&] { 除法.分离(别处, 结果); }, "GFPP", "分离", "GF256不同"));
    EXPECT_TRUE(报告为([&] { 除法.分离(建({0}), 结果); }, "GFPP", "分离", "除数为0"));
    EXPECT_TRUE(报告为([&] { 除法.分离(建({0, 0}), 结果); }, "GFPP", "分离", "除数为0"));
    EXPECT_TRUE(结果.empty()) << "nothing is appended when the division is refused";
}

TEST_F(多项式, 类名) {
    EXPECT_EQ(多项式类().取类名(), "");
    EXPECT_EQ(GFP().取类名(), "GFP");
    EXPECT_EQ(GFPP().取类名(), "GFPP");
    // The base parts keep their own names.
    const GFPP 除法;
    EXPECT_EQ(static_cast<const GFP&>(除法).取类名(), "GFP");
    EXPECT_EQ(static_cast<const 多项式类&>(除法).取类名(), "");
}

TEST_F(多项式, 取出的和存入的都是副本) {
    多项式类 原 = 建({1, 2});
    GFP p = 运算(原);
    原.构造多项式(域, {9});
    EXPECT_EQ(p.取运算多项式().取系数组().整数组, (列表{1, 2})) << "置运算多项式 stored a copy";

    GFPP 除法;
    GFP 被除 = 运算(建({1, 3, 2}));
    除法.置被除式(被除);
    被除.置运算多项式(建({5}));
    EXPECT_EQ(除法.取被除式().取运算多项式().取系数组().整数组, (列表{1, 3, 2}));

    多项式类 副本 = 原;
    副本.构造多项式(域, {4, 4});
    EXPECT_EQ(原.取系数组().整数组, 列表{9});
    // A polynomial keeps its field when the field object it was built from changes.
    GF256 可变域 = 域;
    const 多项式类 q = 建于(可变域, {3});
    可变域.置本原多项式(0x012D);
    EXPECT_EQ(q.取域().取标识(), "GF256:285");
}

}  // namespace
