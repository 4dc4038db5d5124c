#include <gtest/gtest.h>

#include <random>

#include "qr/encode/mask.h"
#include "tests/support/expect_report.h"

namespace {

qr::字节矩阵类 矩阵(const std::vector<std::string>& 行) {
    qr::字节矩阵类 m;
    m.置尺寸(static_cast<int32_t>(行[0].size()), static_cast<int32_t>(行.size()));
    for (size_t y = 0; y < 行.size(); ++y)
        for (size_t x = 0; x < 行[y].size(); ++x)
            m.置值(static_cast<int32_t>(x), static_cast<int32_t>(y), 行[y][x] == '1');
    return m;
}

qr::字节矩阵类 方阵(int32_t 边, int32_t 深色数) {
    qr::字节矩阵类 m;
    m.置尺寸(边, 边);
    for (int32_t i = 0; i < 深色数; ++i) m.置值(i % 边, i / 边, 1);
    return m;
}

const qr::掩码辅助类 辅助;

TEST(掩码, 六乘六角落的八种条件) {
    const char* 图[8][6] = {
        {"#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#"},
        {"######", "......", "######", "......", "######", "......"},
        {"#..#..", "#..#..", "#..#..", "#..#..", "#..#..", "#..#.."},
        {"#..#..", "..#..#", ".#..#.", "#..#..", "..#..#", ".#..#."},
        {"###...", "###...", "...###", "...###", "###...", "###..."},
        {"######", "#.....", "#..#..", "#.#.#.", "#..#..", "#....."},
        {"######", "###...", "##.##.", "#.#.#.", "#.##.#", "#...##"},
        {"#.#.#.", "...###", "#...##", ".#.#.#", "###...", ".###.."},
    };
    for (int32_t m = 0; m < 8; ++m)
        for (int32_t y = 0; y < 6; ++y)
            for (int32_t x = 0; x < 6; ++x)
                EXPECT_EQ(辅助.取数据掩码位(m, x, y), 图[m][y][x] == '#') << "mask " << m << " at " << x << "," << y;
    EXPECT_TRUE(testsupport::报告为([] { 辅助.取数据掩码位(8, 0, 0); }, "掩码辅助类", "取数据掩码位", "掩图无效。"));
    EXPECT_TRUE(testsupport::报告为([] { 辅助.取数据掩码位(-1, 0, 0); }, "掩码辅助类", "取数据掩码位", "掩图无效。"));
}

TEST(掩码, 规则1按行列数连续同色) {
    struct 例 { const char* 行; int32_t 分; };
    const 例 表[] = {{"1111010", 0}, {"1111101", 3}, {"1111110", 4}, {"1111111", 5}, {"0000000000", 8}};
    for (const 例& e : 表) EXPECT_EQ(辅助.计算单向连续惩罚(矩阵({e.行}), true), e.分) << e.行;
    // A run never continues into the next line, although the previous value carries over.
    EXPECT_EQ(辅助.计算单向连续惩罚(矩阵({"0001", "1110"}), true), 0);
    EXPECT_EQ(辅助.计算单向连续惩罚(矩阵({"01", "01", "01", "01", "01"}), false), 6);
}

TEST(掩码, 全浅色21乘21) {
    const auto m = 方阵(21, 0);
    EXPECT_EQ(辅助.计算惩罚规则1(m), 798);
    EXPECT_EQ(辅助.计算惩罚规则2(m), 1200);
    EXPECT_EQ(辅助.计算惩罚规则3(m), 0);
    EXPECT_EQ(辅助.计算惩罚规则4(m), 100);
}

TEST(掩码, 规则3的探测形) {
    struct 例 { const char* 行; int32_t 分; };
    const 例 表[] = {
        {"000010111010000", 40},  // light on both sides counts once
        {"10111010000", 40},      // at x = 0 with four light cells after it
        {"0001011101", 0},        // ends at the last column with only three light cells before it
        {"00001011101", 40},
        {"1011101000", 0},
    };
    for (const 例& e : 表) {
        EXPECT_EQ(辅助.计算惩罚规则3(矩阵({e.行})), e.分) << e.行;
        std::vector<std::string> 列;
        for (const char* c = e.行; *c; ++c) 列.push_back(std::string(1, *c));
        EXPECT_EQ(辅助.计算惩罚规则3(矩阵(列)), e.分) << "vertical " << e.行;
    }
}

TEST(掩码, 规则4以单精度比例计分) {
    struct 例 { int32_t 边, 深色, 分; };
    for (const 例& e : {例{21, 220, 0}, 例{21, 221, 0}, 例{25, 250, 10}, 例{25, 125, 50}, 例{25, 500, 60},
                        例{25, 0, 100}, 例{25, 625, 100}})
        EXPECT_EQ(辅助.计算惩罚规则4(方阵(e.边, e.深色)), e.分) << e.深色 << "/" << e.边 * e.边;
}

TEST(掩码, 规则2数每个同色二乘二) {
    EXPECT_EQ(辅助.计算惩罚规则2(矩阵({"110", "110", "001"})), 3);
    EXPECT_EQ(辅助.计算惩罚规则2(矩阵({"111", "111", "111"})), 12);
    EXPECT_EQ(辅助.计算惩罚规则2(矩阵({"10", "01"})), 0);
}

}  // namespace

namespace {

// Rule 3 transcribed cell by cell, as the reference for the scanning implementation.
int32_t 规则3参考(const qr::字节矩阵类& m) {
    const int32_t W = m.取宽度(), H = m.取高度();
    const int 形[7] = {1, 0, 1, 1, 1, 0, 1};
    auto 找到 = [&](int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t 位置, int32_t 长度) {
        auto 值 = [&](int32_t i) { return m.取值(x + i * dx, y + i * dy); };
        if (位置 + 6 >= 长度) return false;
        for (int i = 0; i < 7; ++i)
            if (值(i) != 形[i]) return false;
        bool 后 = 位置 + 10 < 长度, 前 = 位置 - 4 >= 0;
        for (int i = 7; 后 && i <= 10; ++i) 后 = 值(i) == 0;
        for (int i = -4; 前 && i <= -1; ++i) 前 = 值(i) == 0;
        return 后 || 前;
    };
    int32_t 分 = 0;
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) 分 += 40 * (找到(x, y, 1, 0, x, W) + 找到(x, y, 0, 1, y, H));
    return 分;
}

TEST(掩码, 规则3与逐格定义一致) {
    std::mt19937 随机(7);
    for (int 轮 = 0; 轮 < 300; ++轮) {
        const int32_t W = 1 + static_cast<int32_t>(随机() % 40), H = 1 + static_cast<int32_t>(随机() % 40);
        qr::字节矩阵类 m;
        m.置尺寸(W, H);
        // Mostly light cells so that shapes with light runs beside them occur often; a few
        // cells hold 255, which matches neither dark nor light.
        for (int32_t y = 0; y < H; ++y)
            for (int32_t x = 0; x < W; ++x) {
                const uint32_t r = 随机() % 100;
                m.置值(x, y, r < 55 ? 0 : r < 98 ? 1 : 255);
            }
        // Plant shapes, with light cells on one side, both sides or neither.
        for (int 次 = 0; 次 < 3 && W >= 7; ++次) {
            const int32_t y = static_cast<int32_t>(随机() % H), x0 = static_cast<int32_t>(随机() % (W - 6));
            const char* 形 = "1011101";
            for (int i = 0; i < 7; ++i) m.置值(x0 + i, y, 形[i] - '0');
        }
        ASSERT_EQ(辅助.计算惩罚规则3(m), 规则3参考(m)) << W << "x" << H << " round " << 轮;
    }
}

}  // namespace
