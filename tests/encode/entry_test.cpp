#include <gtest/gtest.h>

#include "qr/encode/qrcode.h"
#include "tests/support/bmp_reader.h"
#include "tests/support/expect_report.h"
#include "tests/support/zbar_decode.h"

namespace {

using testsupport::报告为;

class 入口 : public ::testing::Test {
protected:
    qr::模块守护 模块;

    static uint32_t u32(const std::vector<uint8_t>& b, size_t o) {
        return b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (static_cast<uint32_t>(b[o + 3]) << 24);
    }
    // The dark pixels' bounding box: left, top, right, bottom (inclusive).
    static std::array<int, 4> 深色范围(const testsupport::灰度图& 图) {
        std::array<int, 4> r{图.宽, 图.高, -1, -1};
        for (int y = 0; y < 图.高; ++y)
            for (int x = 0; x < 图.宽; ++x)
                if (图.at(x, y) < 128) r = {std::min(r[0], x), std::min(r[1], y), std::max(r[2], x), std::max(r[3], y)};
        return r;
    }
};

TEST_F(入口, BMP文件头) {
    const auto b = qr::创建二维码("HELLO", "L", 101, 99);
    ASSERT_GE(b.size(), 54u);
    const size_t 行字节 = ((24 * 101 + 31) / 32) * 4;
    EXPECT_EQ(b[0], 0x42);
    EXPECT_EQ(b[1], 0x4D);
    EXPECT_EQ(u32(b, 2), 54 + 行字节 * 99);
    EXPECT_EQ(b.size(), 54 + 行字节 * 99);
    EXPECT_EQ(u32(b, 6), 0u);
    EXPECT_EQ(u32(b, 10), 54u);
    EXPECT_EQ(u32(b, 14), 40u);
    EXPECT_EQ(u32(b, 18), 101u);
    EXPECT_EQ(u32(b, 22), 99u);
    EXPECT_EQ(b[26] | (b[27] << 8), 1);
    EXPECT_EQ(b[28] | (b[29] << 8), 24);
    for (size_t o = 30; o < 54; o += 4) EXPECT_EQ(u32(b, o), 0u) << o;
}

TEST_F(入口, 缩放居中与静区) {
    struct 例 { int32_t 宽, 高; int 左, 上, 右, 下; };
    // Version 1 (21 modules): 100 -> 4 px per module from 8; 101 -> one more pixel right
    // and bottom; 300 x 200 -> the height decides (200 / 25 = 8).
    const 例 表[] = {
        {100, 100, 8, 8, 91, 91},
        {101, 101, 8, 8, 91, 91},
        {300, 200, 66, 16, 233, 183},
        {25, 25, 2, 2, 22, 22},
    };
    for (const 例& e : 表) {
        const auto 图 = testsupport::读BMP(qr::创建二维码("HELLO", "L", e.宽, e.高));
        ASSERT_TRUE(图);
        EXPECT_EQ(图->宽, e.宽);
        EXPECT_EQ(图->高, e.高);
        EXPECT_EQ(qr::当前二维码->取版本号(), 1);
        EXPECT_EQ(深色范围(*图), (std::array<int, 4>{e.左, e.上, e.右, e.下})) << e.宽 << "x" << e.高;
        const auto 布局 = qr::计算渲染布局(21, 21, e.宽, e.高);
        EXPECT_EQ(布局.左边距, e.左);
        EXPECT_EQ(布局.上边距, e.上);
        // The finder's top-left corner: a full module of dark pixels.
        for (int i = 0; i < 布局.倍数; ++i) EXPECT_LT(图->at(e.左 + i, e.上 + i), 128);
        EXPECT_EQ(testsupport::zbar解码(*图), std::vector<std::string>{"HELLO"}) << e.宽 << "x" << e.高;
    }
}

TEST_F(入口, 默认尺寸与级别) {
    struct 例 { std::optional<int32_t> 宽, 高; int32_t 期望宽, 期望高; };
    for (const 例& e : {例{std::nullopt, std::nullopt, 100, 100}, 例{0, 0, 100, 100}, 例{-5, 150, 100, 150},
                        例{150, -5, 150, 100}}) {
        const auto 图 = testsupport::读BMP(qr::创建二维码("123", std::nullopt, e.宽, e.高));
        ASSERT_TRUE(图);
        EXPECT_EQ(图->宽, e.期望宽);
        EXPECT_EQ(图->高, e.期望高);
    }
    qr::创建二维码("123");
    EXPECT_EQ(qr::当前二维码->取容错级别().取名称(), "L");
    qr::创建二维码("123", "q");
    EXPECT_EQ(qr::当前二维码->取容错级别().取名称(), "Q");
    qr::创建二维码("123", "h");
    EXPECT_EQ(qr::当前二维码->取容错级别().取名称(), "H");
    for (const char* 坏 : {"X", "", " L", "L ", "LL", "Ｌ"})
        EXPECT_TRUE(报告为([&] { qr::创建二维码("123", 坏); }, "二维码模块", "创建二维码",
                           "容错等级必须为L、M、Q、H四个之一。"))
            << 坏;
}

TEST_F(入口, 空白内容被报告但空格照常编码) {
    for (const std::string 空白 : {"", " ", "   ", "\xE3\x80\x80", " \xE3\x80\x80 "})
        EXPECT_TRUE(报告为([&] { qr::创建二维码(空白); }, "二维码模块", "编码", "没有编码内容")) << 空白;
    const auto 图 = qr::创建二维码(" A B ", "L", 100, 100);
    EXPECT_EQ(testsupport::zbar解码BMP(图), std::vector<std::string>{" A B "});
    EXPECT_EQ(qr::当前二维码->取模式().取名称(), "字母数字");
}

TEST_F(入口, 图片小于符号加静区时报告所需尺寸) {
    // A version-1 symbol needs 25 x 25 pixels; smaller pictures would cut it off.
    const std::string 信息 = "图片尺寸过小，无法容纳二维码。所需最小尺寸：25x25";
    for (auto [w, h] : {std::pair{20, 20}, {24, 100}, {100, 24}, {1, 1}})
        EXPECT_TRUE(报告为([&] { qr::创建二维码("HELLO", "L", w, h); }, "二维码模块", "创建二维码", 信息)) << w << "x" << h;
    const std::string 长 = std::string(2953, 'a');
    EXPECT_TRUE(报告为([&] { qr::创建二维码(长, "L", 180, 181); }, "二维码模块", "创建二维码",
                       "图片尺寸过小，无法容纳二维码。所需最小尺寸：181x181"));
    EXPECT_EQ(qr::创建二维码(长, "L", 181, 181).size(), 54u + 544u * 181u);
}

TEST_F(入口, 文件过大的尺寸在分配前报告) {
    for (auto [w, h] : {std::pair{2147483647, 2147483647}, {89478485, 1}, {30000, 30000}, {1, 2147483647}})
        EXPECT_TRUE(报告为([&] { qr::创建二维码("HELLO", "L", w, h); }, "二维码模块", "创建二维码", "图片尺寸过大"))
            << w << "x" << h;
    // Just inside the limit of a 32-bit file size it still works: 3 bytes a pixel plus padding.
    EXPECT_EQ(qr::创建二维码("HELLO", "L", 26, 26).size(), 54u + 80u * 26u);
}

TEST_F(入口, 第一个活动链接是版本4每模块8像素) {
    const std::string 链接 = "https://render.example.com/p/c/17yq18lq3slc?source=JING_LING";
    const auto 位图 = qr::创建二维码(链接, "L", 300, 300);
    EXPECT_EQ(qr::当前二维码->取版本号(), 4);
    EXPECT_EQ(qr::当前二维码->取矩阵宽度(), 33);
    EXPECT_EQ(qr::当前二维码->取模式().取名称(), "字节");
    const auto 图 = testsupport::读BMP(位图);
    ASSERT_TRUE(图);
    EXPECT_EQ(深色范围(*图), (std::array<int, 4>{18, 18, 18 + 264 - 1, 18 + 264 - 1}));
    // Module (0..6, 0) of the finder is dark: 56 dark pixels in row 18 from x = 18.
    for (int x = 18; x < 18 + 56; ++x) EXPECT_LT(图->at(x, 18), 128) << x;
    EXPECT_GT(图->at(18 + 56, 18 + 8), 128) << "the separator column right of the finder is light";
    EXPECT_EQ(testsupport::zbar解码(*图), std::vector<std::string>{链接});
}

}  // namespace
