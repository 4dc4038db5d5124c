#include <gtest/gtest.h>

#include <random>

#include "qr/encode/mask.h"
#include "qr/encode/matrix_builder.h"
#include "qr/model/module.h"
#include "tests/support/expect_report.h"

namespace {

using testsupport::报告为;

class 矩阵构建 : public ::testing::Test {
protected:
    qr::模块守护 模块;
    qr::矩阵应用类 构建器;
    qr::掩码辅助类 掩码;

    // A matrix of the version's size holding only what precedes the data bits.
    qr::字节矩阵类 功能图形(int32_t v, const qr::容错级别类& 级别, int32_t 掩码号) {
        qr::字节矩阵类 m;
        m.置尺寸(17 + 4 * v, 17 + 4 * v);
        构建器.清空矩阵(m);
        构建器.插入基本图形(v, m);
        构建器.插入类型信息(级别, 掩码号, m);
        构建器.按需插入版本信息(v, m);
        return m;
    }
    static int32_t 空格数(const qr::字节矩阵类& m) {
        int32_t n = 0;
        for (int32_t y = 0; y < m.取高度(); ++y)
            for (int32_t x = 0; x < m.取宽度(); ++x) n += m.取值(x, y) == 255;
        return n;
    }
    static qr::位向量类 位(int32_t 数量, int32_t 值 = 0) {
        qr::位向量类 v;
        for (int32_t i = 0; i < 数量; ++i) v.追加位(值);
        return v;
    }
    static std::string 位串(const qr::位向量类& v) {
        std::string s;
        for (int32_t i = 0; i < v.取大小(); ++i) s += v.取位值(i) ? '1' : '0';
        return s;
    }
};

TEST_F(矩阵构建, 版本1的定位基线暗点和数据容量) {
    const auto m = 功能图形(1, qr::容错级别组->L, 0);
    for (int32_t p = 8; p <= 12; ++p) {
        EXPECT_EQ(m.取值(p, 6), (p + 1) % 2) << p;
        EXPECT_EQ(m.取值(6, p), (p + 1) % 2) << p;
    }
    EXPECT_EQ(m.取值(8, 13), 1);
    EXPECT_EQ(空格数(m), 208);
    qr::字节矩阵类 满 = m;
    构建器.构建矩阵(位(208), qr::容错级别组->L, 1, 0, 满);
    EXPECT_EQ(空格数(满), 0);
    EXPECT_TRUE(报告为([&] { 构建器.构建矩阵(位(209), qr::容错级别组->L, 1, 0, 满); }, "矩阵应用类",
                       "插入数据信息位", "数据位未被全部填充，n：208；位向量大小：209"));
}

TEST_F(矩阵构建, 版本2的校正图形和剩余位) {
    const auto m = 功能图形(2, qr::容错级别组->L, 3);
    const std::string 图 = "11111" "10001" "10101" "10001" "11111";
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(m.取值(16 + x, 16 + y), 图[static_cast<size_t>(5 * y + x)] - '0');
    EXPECT_EQ(空格数(m), 359);
    // 352 data bits of 1: the 7 cells left over get 0 before masking.
    qr::字节矩阵类 满;
    满.置尺寸(25, 25);
    构建器.构建矩阵(位(352, 1), qr::容错级别组->L, 2, 3, 满);
    int32_t 零 = 0;
    for (int32_t y = 0; y < 25; ++y)
        for (int32_t x = 0; x < 25; ++x)
            if (m.取值(x, y) == 255) 零 += (满.取值(x, y) ^ 掩码.取数据掩码位(3, x, y)) == 0;
    EXPECT_EQ(零, 7);
}

TEST_F(矩阵构建, 版本7的校正图形和版本信息) {
    const auto m = 功能图形(7, qr::容错级别组->L, 0);
    const int32_t H = 45;
    for (auto [x, y] : {std::pair{6, 22}, {22, 6}, {22, 22}, {22, 38}, {38, 22}, {38, 38}}) {
        EXPECT_EQ(m.取值(x, y), 1) << x << "," << y;
        EXPECT_EQ(m.取值(x + 1, y), 0) << x << "," << y;
        EXPECT_EQ(m.取值(x + 2, y + 2), 1) << x << "," << y;
    }
    EXPECT_EQ(m.取值(36, 8), 255) << "no alignment pattern centred in the top-right finder";
    qr::位向量类 v;
    构建器.标记版本信息位(7, v);
    EXPECT_EQ(位串(v), "000111110010010100");
    const std::string 位 = 位串(v);
    for (int32_t i = 0; i < 6; ++i)
        for (int32_t j = 0; j < 3; ++j) {
            const int 期望 = 位[static_cast<size_t>(17 - (3 * i + j))] - '0';
            EXPECT_EQ(m.取值(i, H - 11 + j), 期望) << i << "," << j;
            EXPECT_EQ(m.取值(H - 11 + j, i), 期望) << i << "," << j;
        }
    EXPECT_EQ(m.取值(5, H - 9), 位.front() - '0');
    EXPECT_EQ(m.取值(0, H - 11), 位.back() - '0');
    EXPECT_EQ(空格数(功能图形(6, qr::容错级别组->L, 0)), 1383) << "version 6 has no version information";
    EXPECT_EQ(空格数(m), 1568) << "196 codewords and no remainder bits";
}

TEST_F(矩阵构建, 类型信息的位与位置) {
    struct 例 { const qr::容错级别类* 级别; int32_t 掩码; const char* 位; };
    const 例 表[] = {
        {&qr::容错级别组->L, 0, "111011111000100"},
        {&qr::容错级别组->M, 0, "101010000010010"},
        {&qr::容错级别组->H, 7, "000100000111011"},
        {&qr::容错级别组->Q, 5, "010000110000011"},
    };
    for (const 例& e : 表) {
        qr::位向量类 v;
        构建器.标记类型信息位(*e.级别, e.掩码, v);
        EXPECT_EQ(位串(v), e.位) << e.级别->取名称() << e.掩码;
        const auto m = 功能图形(1, *e.级别, e.掩码);
        const std::string s = e.位;
        // First bit at (0, 8) and (8, H - 1); last bit at (8, 0) and (W - 1, 8).
        const std::pair<int, int> 一[15] = {{0, 8}, {1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {7, 8}, {8, 8},
                                          {8, 7}, {8, 5}, {8, 4}, {8, 3}, {8, 2}, {8, 1}, {8, 0}};
        for (int k = 0; k < 15; ++k) {
            EXPECT_EQ(m.取值(一[k].first, 一[k].second), s[static_cast<size_t>(k)] - '0') << k;
            const auto 二 = k < 7 ? std::pair{8, 20 - k} : std::pair{13 + (k - 7), 8};
            EXPECT_EQ(m.取值(二.first, 二.second), s[static_cast<size_t>(k)] - '0') << k;
        }
    }
    qr::位向量类 v;
    EXPECT_TRUE(报告为([&] { 构建器.标记类型信息位(qr::容错级别组->L, 8, v); }, "矩阵应用类", "标记类型信息位",
                       "掩图无效"));
}

TEST_F(矩阵构建, 数据按之字形放置) {
    const auto 基 = 功能图形(1, qr::容错级别组->L, 0);
    struct 例 { int32_t n; int32_t x, y; };
    // Up the rightmost strip from the bottom, then down the next strip from row 9.
    const 例 表[] = {{0, 20, 20}, {1, 19, 20}, {2, 20, 19}, {23, 19, 9}, {24, 18, 9}, {25, 17, 9}, {207, 0, 12}};
    for (const 例& e : 表) {
        qr::位向量类 v;
        for (int32_t i = 0; i < 208; ++i) v.追加位(i == e.n);
        qr::字节矩阵类 m = 基;
        构建器.插入数据信息位(v, 0, m);
        int32_t 找到 = 0;
        for (int32_t y = 0; y < 21; ++y)
            for (int32_t x = 0; x < 21; ++x)
                if (基.取值(x, y) == 255 && (m.取值(x, y) ^ 掩码.取数据掩码位(0, x, y)) == 1) {
                    EXPECT_EQ(x, e.x) << e.n;
                    EXPECT_EQ(y, e.y) << e.n;
                    ++找到;
                }
        EXPECT_EQ(找到, 1) << e.n;
    }
}

TEST_F(矩阵构建, 构建矩阵与逐步构建一致) {
    // 构建矩阵 places the data from each version's cell list; the step-by-step build walks
    // the matrix. Both must give the same symbol for every version and mask.
    std::mt19937 随机(11);
    for (int32_t v = 1; v <= 40; ++v) {
        const int32_t 维 = 17 + 4 * v;
        const int32_t 空格 = 空格数(功能图形(v, qr::容错级别组->Q, 0));
        for (int32_t 掩码号 = 0; 掩码号 < 8; ++掩码号) {
            qr::位向量类 数据;
            const int32_t 位数 = 空格 - static_cast<int32_t>(随机() % 8);  // remainder cells get 0
            for (int32_t i = 0; i < 位数; ++i) 数据.追加位(static_cast<int32_t>(随机() & 1));
            qr::字节矩阵类 整体;
            整体.置尺寸(维, 维);
            构建器.构建矩阵(数据, qr::容错级别组->Q, v, 掩码号, 整体);
            qr::字节矩阵类 逐步 = 功能图形(v, qr::容错级别组->Q, 掩码号);
            构建器.插入数据信息位(数据, 掩码号, 逐步);
            ASSERT_EQ(整体.取数组().字节组, 逐步.取数组().字节组) << "version " << v << " mask " << 掩码号;
        }
    }
}

TEST_F(矩阵构建, 重复插入位置探测图报告第一个格) {
    qr::字节矩阵类 m;
    m.置尺寸(21, 21);
    构建器.清空矩阵(m);
    构建器.插入位置探测图(0, 0, m);
    EXPECT_TRUE(报告为([&] { 构建器.插入位置探测图(0, 0, m); }, "矩阵应用类", "插入位置探测图",
                       "方位检测标识异常，当前位置有空值。当前行索引：1；列索引：1"));
    EXPECT_TRUE(报告为([&] { 构建器.插入水平分割图(0, 0, m); }, "矩阵应用类", "插入水平分割图",
                       "矩阵当前操作位数据不为空。i：1；x：0；y：0"));
    EXPECT_TRUE(报告为([&] { 构建器.插入垂直分割图(0, 0, m); }, "矩阵应用类", "插入垂直分割图",
                       "矩阵当前操作位数据不为空。i：1；x：0；y：0"));
}

TEST_F(矩阵构建, 最高位位置与BCH码) {
    EXPECT_EQ(qr::矩阵应用类::取最高位位置(0), 0);
    EXPECT_EQ(qr::矩阵应用类::取最高位位置(0x537), 11);
    EXPECT_EQ(qr::矩阵应用类::取最高位位置(0x1F25), 13);
    EXPECT_EQ(qr::矩阵应用类::取最高位位置(-1), 32);
    EXPECT_EQ(qr::矩阵应用类::计算BCH码(7, 0x1F25), 0xC94);
    EXPECT_EQ(qr::矩阵应用类::计算BCH码(0b01000, 0x537), 0b1111010110);  // L, mask 0 before masking
}

}  // namespace
