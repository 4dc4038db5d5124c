#include <gtest/gtest.h>

#include "qr/model/byte_matrix.h"
#include "tests/support/expect_report.h"

namespace {

using qr::字节矩阵类;

TEST(字节矩阵, 新矩阵是一格零且宽高为零) {
    字节矩阵类 m;
    EXPECT_EQ(m.取宽度(), 0);
    EXPECT_EQ(m.取高度(), 0);
    EXPECT_EQ(m.取数组().字节组, (std::vector<std::vector<uint8_t>>{{0}}));
    EXPECT_EQ(m.到字符串(), "0");
    EXPECT_EQ(m.取类名(), "字节矩阵类");
}

TEST(字节矩阵, 行优先存放且x为列) {
    字节矩阵类 m;
    m.置尺寸(3, 2);
    EXPECT_EQ(m.取宽度(), 3);
    EXPECT_EQ(m.取高度(), 2);
    m.置值(2, 1, 1);
    m.置值(0, 0, 511);
    EXPECT_EQ(m.取值(2, 1), 1);
    EXPECT_EQ(m.取值(0, 0), 255) << "low 8 bits";
    EXPECT_EQ(m.取数组().字节组, (std::vector<std::vector<uint8_t>>{{255, 0, 0}, {0, 0, 1}}));
    EXPECT_EQ(m.到字符串(), "255,0,0\r\n0,0,1");
}

TEST(字节矩阵, 填充与重新置尺寸) {
    字节矩阵类 m;
    m.置尺寸(2, 2);
    m.填充(255);
    EXPECT_EQ(m.到字符串(), "255,255\r\n255,255");
    m.填充();
    EXPECT_EQ(m.到字符串(), "0,0\r\n0,0");
    m.填充(7);
    m.置尺寸(2, 3);
    EXPECT_EQ(m.到字符串(), "0,0\r\n0,0\r\n0,0");
}

TEST(字节矩阵, 置字节矩阵只覆盖左上部分) {
    字节矩阵类 m;
    m.置尺寸(3, 2);
    m.置字节矩阵({{1, 2}});
    EXPECT_EQ(m.到字符串(), "1,2,0\r\n0,0,0");
    // A larger array cannot grow the grid; what lies beyond it is left out.
    m.置字节矩阵({{9, 9, 9, 9}, {8, 8, 8, 8}, {7, 7, 7, 7}});
    EXPECT_EQ(m.到字符串(), "9,9,9\r\n8,8,8");
}

TEST(字节矩阵, 不是矩阵的数组被报告) {
    字节矩阵类 m;
    m.置尺寸(2, 2);
    for (const auto& 坏 : {std::vector<std::vector<uint8_t>>{}, std::vector<std::vector<uint8_t>>{{}}})
        EXPECT_TRUE(testsupport::报告为([&] { m.置字节矩阵(坏); }, "字节矩阵类", "置字节矩阵", "不是矩阵"));
}

TEST(字节矩阵, 复制是深复制) {
    字节矩阵类 原;
    原.置尺寸(2, 2);
    字节矩阵类 副本 = 原;
    副本.置值(1, 1, 1);
    EXPECT_EQ(原.取值(1, 1), 0);
    auto 数组 = 原.取数组();
    数组.字节组[0][0] = 5;
    EXPECT_EQ(原.取值(0, 0), 0);
}

}  // namespace
