#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "qr/ecc/reed_solomon.h"
#include "qr/model/module.h"
#include "tests/support/expect_report.h"

namespace {

using qr::GF256;
using qr::RS编码器类;
using qr::多项式类;
using testsupport::报告为;
using 列表 = std::vector<int32_t>;

class RS编码 : public ::testing::Test {
protected:
    RS编码器类 新编码器() const {
        RS编码器类 e;
        e.RS编码器(*qr::二维码域);
        return e;
    }

    // The error-correction codewords of the data, the way the codeword assembly asks.
    列表 容错字节(const 列表& 数据, int32_t n) const {
        列表 块 = 数据;
        块.resize(数据.size() + static_cast<size_t>(n), 0);
        新编码器().编码(块, n);
        EXPECT_TRUE(std::equal(数据.begin(), 数据.end(), 块.begin())) << "data entries changed";
        return 列表(块.end() - n, 块.end());
    }

    qr::模块守护 守护;
};

TEST_F(RS编码, 二十六字节的块) {
    const 列表 数据{16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17};
    EXPECT_EQ(容错字节(数据, 10), (列表{165, 36, 212, 193, 237, 54, 199, 135, 44, 85}));
}

TEST_F(RS编码, 小块的样例) {
    struct 例 { 列表 数据; int32_t n; 列表 容错; };
    const 例 表[] = {
        {{5}, 3, {27, 54, 40}},
        {{0, 5}, 3, {27, 54, 40}},  // leading zero data codewords drop out
        {{0, 0, 0, 5}, 3, {27, 54, 40}},
        {{1}, 2, {3, 2}},
        {{0, 0, 0, 0}, 7, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const 例& e : 表) EXPECT_EQ(容错字节(e.数据, e.n), e.容错);
}

TEST_F(RS编码, 末尾原有内容不影响结果) {
    const 列表 数据{16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17};
    列表 块 = 数据;
    块.insert(块.end(), {9, 255, 0, 1, 77, 3, 200, 5, 6, 255});
    新编码器().编码(块, 10);
    EXPECT_EQ(列表(块.begin() + 16, 块.end()), (列表{165, 36, 212, 193, 237, 54, 199, 135, 44, 85}));
}

TEST_F(RS编码, 生成多项式) {
    RS编码器类 e = 新编码器();
    const 多项式类 g7 = e.构建生成多项式(7);
    const 列表 系数 = g7.取系数组().整数组;
    EXPECT_EQ(系数, (列表{1, 127, 122, 154, 164, 11, 68, 117}));
    列表 对数;
    for (int32_t c : 系数) 对数.push_back(qr::二维码域->取对数(c));
    EXPECT_EQ(对数, (列表{0, 87, 229, 146, 149, 238, 102, 21}));
    EXPECT_EQ(e.构建生成多项式(0).取系数组().整数组, 列表{1});
    EXPECT_EQ(e.构建生成多项式(1).取系数组().整数组, (列表{1, 1}));
    EXPECT_EQ(e.构建生成多项式(2).取系数组().整数组, (列表{1, 3, 2}));
    // Every generator of degree d has the roots alpha^0..alpha^(d-1).
    const 多项式类 g30 = e.构建生成多项式(30);
    EXPECT_EQ(g30.取次数(), 30);
    for (int32_t i = 0; i < 30; ++i) EXPECT_EQ(g30.求值(qr::二维码域->取指数(i)), 0) << i;
    EXPECT_NE(g30.求值(qr::二维码域->取指数(30)), 0);
}

// Binding twice must not leave a second {1} in the cache where the generator of
// degree 1 belongs.
TEST_F(RS编码, 再次绑定域后生成多项式仍然正确) {
    RS编码器类 e = 新编码器();
    e.RS编码器(*qr::二维码域);
    EXPECT_EQ(e.构建生成多项式(1).取系数组().整数组, (列表{1, 1}));
    列表 块{16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17};
    块.resize(26, 0);
    e.编码(块, 10);
    EXPECT_EQ(列表(块.begin() + 16, 块.end()), (列表{165, 36, 212, 193, 237, 54, 199, 135, 44, 85}));
}

TEST_F(RS编码, 报告) {
    RS编码器类 e = 新编码器();
    EXPECT_EQ(e.取类名(), "RS编码器类");
    列表 五个(5, 1);
    EXPECT_TRUE(报告为([&] { e.编码(五个, 5); }, "RS编码器类", "编码", "未提供数据字节"));
    EXPECT_TRUE(报告为([&] { e.编码(五个, 7); }, "RS编码器类", "编码", "未提供数据字节"));
    EXPECT_TRUE(报告为([&] { e.编码(五个, 0); }, "RS编码器类", "编码", "没有容错字节"));

    GF256 另一域;
    另一域.置本原多项式(0x012D);
    RS编码器类 另一个;
    EXPECT_TRUE(报告为([&] { 另一个.RS编码器(另一域); }, "RS编码器类", "RS编码器", "GF标识不相同"));
    EXPECT_TRUE(报告为([&] { 另一个.RS编码器(GF256()); }, "RS编码器类", "RS编码器", "GF标识不相同"));
}

// What would otherwise read or write outside the list or the tables is refused.
TEST_F(RS编码, 不安全的输入被报告) {
    RS编码器类 e = 新编码器();
    列表 块{1, 2, 3, 0, 0};
    EXPECT_TRUE(报告为([&] { e.编码(块, -2); }, "RS编码器类", "编码", "容错字节数小于0，当前值为：-2"));
    列表 越界{1, 256, 3, 0, 0};
    EXPECT_TRUE(
        报告为([&] { e.编码(越界, 2); }, "RS编码器类", "编码", "数据字节超出范围，当前值为：256"));
    列表 负数{-1, 2, 0};
    EXPECT_TRUE(报告为([&] { e.编码(负数, 1); }, "RS编码器类", "编码", "数据字节超出范围，当前值为：-1"));
    EXPECT_TRUE(报告为([&] { e.构建生成多项式(-1); }, "RS编码器类", "构建生成多项式",
                       "次数小于0，当前值为：-1"));

    RS编码器类 未绑定;
    EXPECT_TRUE(报告为([&] { 未绑定.编码(块, 2); }, "RS编码器类", "编码", "未绑定可用的GF256"));
    EXPECT_TRUE(报告为([&] { 未绑定.构建生成多项式(3); }, "RS编码器类", "构建生成多项式", "未绑定可用的GF256"));
}

// The encoder against the field's definition: the codeword (data then error-correction
// bytes), read as a polynomial, vanishes at alpha^0..alpha^(n-1). Evaluated here with
// plain Horner over the field's own exponent and logarithm tables.
void 检查码字的根(const GF256& 域, int 轮数, int32_t 最少容错, int32_t 最多容错, uint32_t 种子) {
    const 列表 指数 = 域.取指数表().整数组;
    const 列表 对数 = 域.取对数表().整数组;
    auto 乘 = [&](int32_t a, int32_t b) {
        return a == 0 || b == 0 ? 0 : 指数[static_cast<size_t>((对数[static_cast<size_t>(a)] + 对数[static_cast<size_t>(b)]) % 255)];
    };
    auto 求值 = [&](const 列表& 码字, int32_t x) {
        int32_t r = 0;
        for (int32_t c : 码字) r = 乘(r, x) ^ c;
        return r;
    };
    std::mt19937 随机(种子);
    std::uniform_int_distribution<int32_t> 字节(0, 255), 数据长度(1, 150), 容错数(最少容错, 最多容错);
    for (int 轮 = 0; 轮 < 轮数; ++轮) {
        const auto m = static_cast<size_t>(数据长度(随机));
        const int32_t n = 容错数(随机);
        列表 码字(m + static_cast<size_t>(n));
        for (size_t i = 0; i < m; ++i) 码字[i] = 字节(随机);
        for (size_t i = m; i < 码字.size(); ++i) 码字[i] = 字节(随机);  // stale tail
        const 列表 数据(码字.begin(), 码字.begin() + static_cast<ptrdiff_t>(m));
        RS编码器类 e;
        e.RS编码器(域);
        e.编码(码字, n);
        ASSERT_TRUE(std::equal(数据.begin(), 数据.end(), 码字.begin())) << "round " << 轮;
        for (int32_t i = 0; i < n; ++i)
            ASSERT_EQ(求值(码字, 指数[static_cast<size_t>(i)]), 0)
                << "round " << 轮 << ": " << m << " data, " << n << " ec, root alpha^" << i;
    }
}

TEST_F(RS编码, 随机块的码字以前n个幂为根) { 检查码字的根(*qr::二维码域, 2000, 7, 30, 1211); }

// Degrees beyond those of QR blocks, and a module field built from another primitive
// polynomial, take the encoder's own generator cache instead of the shared one.
TEST_F(RS编码, 其他次数和其他本原多项式的码字也以前n个幂为根) {
    检查码字的根(*qr::二维码域, 100, 31, 68, 1212);
    qr::二维码域->置本原多项式(0x012D);
    检查码字的根(*qr::二维码域, 300, 1, 40, 1213);
}

}  // namespace
