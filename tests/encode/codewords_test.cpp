#include <gtest/gtest.h>

#include "qr/encode/encoder.h"
#include "qr/encode/matrix_builder.h"
#include "qr/model/module.h"
#include "tests/support/expect_report.h"

namespace {

using testsupport::报告为;

class 码字 : public ::testing::Test {
protected:
    qr::模块守护 模块;
    qr::编码类 编码器;
    qr::二维码类& 记录 = *qr::当前二维码;

    static std::vector<int> 字节(const qr::位向量类& v) {
        std::vector<int> b;
        for (int32_t i = 0; i < v.取字节数(); ++i) b.push_back(v.存储()[static_cast<size_t>(i)]);
        return b;
    }
};

TEST_F(码字, 版本选择留三字节余量) {
    struct 例 { int32_t 字节数; const qr::容错级别类* 级别; int32_t 版本; };
    const 例 表[] = {
        {16, &qr::容错级别组->L, 1}, {17, &qr::容错级别组->L, 2}, {6, &qr::容错级别组->H, 1},
        {7, &qr::容错级别组->H, 2}, {2953, &qr::容错级别组->L, 40}, {1273, &qr::容错级别组->H, 40},
    };
    for (const 例& e : 表) {
        编码器.初始化二维码(e.字节数, *e.级别, qr::模式组->字节, 记录);
        EXPECT_EQ(记录.取版本号(), e.版本) << e.字节数;
        EXPECT_EQ(记录.取矩阵宽度(), 17 + 4 * e.版本);
    }
    编码器.初始化二维码(62, qr::容错级别组->Q, qr::模式组->字节, 记录);
    EXPECT_EQ(记录.取版本号(), 6) << "62 + 3 bytes need more than version 5's 62";
    编码器.初始化二维码(59, qr::容错级别组->Q, qr::模式组->字节, 记录);
    EXPECT_EQ(记录.取版本号(), 5);
    EXPECT_EQ(记录.取总字节数(), 134);
    EXPECT_EQ(记录.取数据字节数(), 62);
    EXPECT_EQ(记录.取容错字节数(), 72);
    EXPECT_EQ(记录.取RS块数(), 4);
    EXPECT_EQ(记录.取容错级别().取名称(), "Q");
    EXPECT_EQ(记录.取模式().取名称(), "字节");
    EXPECT_TRUE(报告为([&] { 编码器.初始化二维码(2954, qr::容错级别组->L, qr::模式组->字节, 记录); }, "编码类",
                       "初始化二维码", ""));
}

TEST_F(码字, 终止符与对齐位与填充字节) {
    // "A" at 1-L: 19 header and data bits, four terminator bits, one alignment bit, pads.
    qr::位向量类 v;
    v.追加数值位(0b0010, 4);
    v.追加数值位(1, 9);
    v.追加数值位(10, 6);
    编码器.结束数据位(19, v);
    EXPECT_EQ(v.取大小(), 152);
    std::vector<int> 期望 = {0x20, 0x09, 0x40};
    for (int i = 0; i < 16; ++i) 期望.push_back(i % 2 == 0 ? 0xEC : 0x11);
    EXPECT_EQ(字节(v), 期望);

    // Four bits short of a boundary: the terminator completes the byte, no alignment bits.
    qr::位向量类 短四位;
    短四位.追加数值位(0xFFF, 12);
    编码器.结束数据位(3, 短四位);
    EXPECT_EQ(字节(短四位), (std::vector<int>{0xFF, 0xF0, 0xEC}));
    // Ending on a boundary: terminator plus four alignment bits make a zero byte.
    qr::位向量类 整字节;
    整字节.追加数值位(0xAB, 8);
    编码器.结束数据位(3, 整字节);
    EXPECT_EQ(字节(整字节), (std::vector<int>{0xAB, 0x00, 0xEC}));
    // At capacity minus two bits the terminator is cut short.
    qr::位向量类 将满;
    将满.追加数值位(0x3F, 6);
    编码器.结束数据位(1, 将满);
    EXPECT_EQ(字节(将满), (std::vector<int>{0xFC}));

    qr::位向量类 过长;
    过长.追加数值位(0, 9);
    EXPECT_TRUE(报告为([&] { 编码器.结束数据位(1, 过长); }, "编码类", "结束数据位", "数据无法填充"));
}

TEST_F(码字, 块划分) {
    int32_t d = 0, e = 0;
    const int32_t 期望[4][2] = {{15, 18}, {15, 18}, {16, 18}, {16, 18}};
    for (int32_t id = 0; id < 4; ++id) {
        编码器.根据块ID取数据字节数和容错字节数(134, 62, 4, id, d, e);
        EXPECT_EQ(d, 期望[id][0]) << id;
        EXPECT_EQ(e, 期望[id][1]) << id;
    }
    EXPECT_TRUE(报告为([&] { 编码器.根据块ID取数据字节数和容错字节数(134, 62, 4, 4, d, e); }, "编码类",
                       "根据块ID取数据字节数和容错字节数", "无效值"));
}

TEST_F(码字, 单块交错即数据后接纠错码) {
    // The example block of the standard: "01234567" at 1-M.
    qr::位向量类 v;
    for (int b : {16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17}) v.追加数值位(b, 8);
    qr::位向量类 结果;
    编码器.交错容错字节(v, 26, 16, 1, 结果);
    EXPECT_EQ(字节(结果), (std::vector<int>{16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17,
                                            165, 36, 212, 193, 237, 54, 199, 135, 44, 85}));
}

TEST_F(码字, 不等长块的交错) {
    // Version 5-Q: blocks of 15, 15, 16, 16 data bytes, 18 EC bytes each.
    qr::位向量类 v;
    for (int i = 0; i < 62; ++i) v.追加数值位(i, 8);
    qr::位向量类 结果;
    编码器.交错容错字节(v, 134, 62, 4, 结果);
    const auto b = 字节(结果);
    ASSERT_EQ(b.size(), 134u);
    const int 起点[4] = {0, 15, 30, 46};
    std::vector<int> 期望数据;
    for (int i = 0; i < 16; ++i)
        for (int k = 0; k < 4; ++k)
            if (i < 15 || k >= 2) 期望数据.push_back(起点[k] + i);
    EXPECT_EQ(std::vector<int>(b.begin(), b.begin() + 62), 期望数据);
    EXPECT_EQ(b[60], 45) << "the longer blocks' last bytes come after the shorter blocks are exhausted";
    EXPECT_EQ(b[61], 61);
    // EC bytes: all after the data, byte i of each block in block order.
    std::vector<std::vector<uint8_t>> 纠错;
    for (int k = 0; k < 4; ++k) {
        std::vector<uint8_t> 数据;
        for (int i = 0; i < (k < 2 ? 15 : 16); ++i) 数据.push_back(static_cast<uint8_t>(起点[k] + i));
        纠错.push_back(编码器.生成容错字节(数据, 18));
    }
    for (int i = 0; i < 18; ++i)
        for (int k = 0; k < 4; ++k) EXPECT_EQ(b[static_cast<size_t>(62 + 4 * i + k)], 纠错[k][i]) << i << "/" << k;

    qr::位向量类 错;
    EXPECT_TRUE(报告为([&] { 编码器.交错容错字节(v, 134, 61, 4, 错); }, "编码类", "交错容错字节",
                       "位数和数据字节数不匹配"));
}

TEST_F(码字, 编码选惩罚最低的首个掩码并以它构建最终矩阵) {
    编码器.编码("HELLO WORLD", qr::容错级别组->M, 记录);
    EXPECT_TRUE(记录.是否有效());
    EXPECT_EQ(记录.取模式().取名称(), "字母数字");
    EXPECT_EQ(记录.取版本号(), 1);
    EXPECT_EQ(记录.取矩阵宽度(), 21);
    EXPECT_EQ(记录.取矩阵().取宽度(), 21);
    for (int32_t y = 0; y < 21; ++y)
        for (int32_t x = 0; x < 21; ++x) EXPECT_LE(记录.矩阵取值(x, y), 1);

    // The same final bits, built under each mask by hand.
    qr::位向量类 数据, 头, 终;
    编码器.追加数据字节("HELLO WORLD", qr::模式组->字母数字, 数据);
    编码器.追加模式信息(qr::模式组->字母数字, 头);
    编码器.追加长度信息(11, 1, qr::模式组->字母数字, 头);
    qr::位向量子类 连接;
    连接.置位向量(头);
    连接.追加位向量(数据);
    头 = 连接.取位向量();
    编码器.结束数据位(16, 头);
    编码器.交错容错字节(头, 26, 16, 1, 终);
    const qr::矩阵应用类 构建器;
    qr::字节矩阵类 矩阵;
    矩阵.置尺寸(21, 21);
    std::vector<std::vector<std::vector<uint8_t>>> 各掩码;
    int32_t 最低 = INT32_MAX, 最佳 = -1;
    for (int32_t m = 0; m < 8; ++m) {
        构建器.构建矩阵(终, qr::容错级别组->M, 1, m, 矩阵);
        各掩码.push_back(矩阵.取数组().字节组);
        const int32_t p = 编码器.计算掩码惩罚(矩阵);
        if (p < 最低) { 最低 = p; 最佳 = m; }
    }
    ASSERT_NE(最佳, 7) << "pick a content whose best mask is not the last one tried";
    EXPECT_EQ(记录.取掩码图案(), 最佳);
    EXPECT_EQ(记录.取矩阵().取数组().字节组, 各掩码[static_cast<size_t>(最佳)]);
    qr::字节矩阵类 搜索后;
    搜索后.置尺寸(21, 21);
    EXPECT_EQ(编码器.选择掩码图案(终, qr::容错级别组->M, 1, 搜索后), 最佳);
    EXPECT_EQ(搜索后.取数组().字节组, 各掩码[7]) << "the search leaves mask 7's build behind";
}

TEST_F(码字, 过长内容以空信息报告) {
    EXPECT_TRUE(报告为([&] { 编码器.编码(std::string(2954, 'a'), qr::容错级别组->L, 记录); }, "编码类",
                       "初始化二维码", ""));
    编码器.编码(std::string(2953, 'a'), qr::容错级别组->L, 记录);
    EXPECT_EQ(记录.取版本号(), 40);
}

}  // namespace
