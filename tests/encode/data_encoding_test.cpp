#include <gtest/gtest.h>

#include "qr/encode/encoder.h"
#include "qr/model/module.h"
#include "tests/support/expect_report.h"

namespace {

using testsupport::报告为;

class 数据编码 : public ::testing::Test {
protected:
    qr::模块守护 模块;
    qr::编码类 编码器;

    std::string 位串(const qr::位向量类& v) {
        std::string s;
        for (int32_t i = 0; i < v.取大小(); ++i) s += v.取位值(i) ? '1' : '0';
        return s;
    }
    std::string 数据位(const std::string& 内容) {
        qr::位向量类 v;
        编码器.追加数据字节(内容, 编码器.选择模式(内容), v);
        return 位串(v);
    }
};

TEST_F(数据编码, 模式选择) {
    struct 例 { std::string 内容; const char* 模式; };
    const 例 表[] = {
        {"12345", "数字"},
        {"0123", "数字"},
        {"HELLO WORLD", "字母数字"},
        {"AC-42", "字母数字"},
        {"123A", "字母数字"},  // digits and capitals: alphanumeric, not numeric
        {"$%*+-./: ", "字母数字"},
        {"Hello", "字节"},
        {"A?", "字节"},
        {"A=B", "字节"},
        {"A_B", "字节"},
        {"12中", "字节"},
        {"https://render.example.com/p", "字节"},
        {"", "字节"},
        {"\x80", "字节"},
    };
    for (const 例& e : 表) EXPECT_EQ(编码器.选择模式(e.内容).取名称(), e.模式) << e.内容;
}

TEST_F(数据编码, 各模式的数据位) {
    struct 例 { std::string 内容; std::string 位; };
    const 例 表[] = {
        {"0123", "0000001100" "0011"},
        {"12345", "0001111011" "0101101"},
        {"7", "0111"},
        {"AC-42", "00111001110" "11100111001" "000010"},
        {"A", "001010"},
        {"a", "01100001"},
        {"中", "111001001011100010101101"},  // E4 B8 AD
    };
    for (const 例& e : 表) EXPECT_EQ(数据位(e.内容), e.位) << e.内容;
}

TEST_F(数据编码, 字母数字表) {
    EXPECT_EQ(编码器.取字母数字编码('0'), 0);
    EXPECT_EQ(编码器.取字母数字编码('Z'), 35);
    EXPECT_EQ(编码器.取字母数字编码(' '), 36);
    EXPECT_EQ(编码器.取字母数字编码(':'), 44);
    for (int32_t 码 : {95, 96, 200, -1, int32_t{'a'}, int32_t{'?'}}) EXPECT_EQ(编码器.取字母数字编码(码), -1) << 码;
    qr::位向量类 v;
    EXPECT_TRUE(报告为([&] { 编码器.追加字母数字字节("Ab", v); }, "编码类", "追加字母数字字节", "无效值"));
}

TEST_F(数据编码, 头部与计数位宽的上限) {
    qr::位向量类 v;
    编码器.追加模式信息(qr::模式组->数字, v);
    编码器.追加长度信息(5, 1, qr::模式组->数字, v);
    EXPECT_EQ(位串(v), "0001" "0000000101");
    qr::位向量类 字节头;
    编码器.追加模式信息(qr::模式组->字节, 字节头);
    编码器.追加长度信息(255, 9, qr::模式组->字节, 字节头);
    EXPECT_EQ(位串(字节头), "0100" "11111111");
    EXPECT_TRUE(报告为([&] { 编码器.追加长度信息(256, 9, qr::模式组->字节, 字节头); }, "编码类", "追加长度信息",
                       "要添加信息过多"));
    EXPECT_TRUE(报告为([&] { 编码器.追加长度信息(1, 41, qr::模式组->字节, 字节头); }, "二维码类", "取版本_通过版本号",
                       "版本号不在0到40之间。当前版本号：41"));
    qr::位向量类 十六位;
    编码器.追加长度信息(256, 10, qr::模式组->字节, 十六位);
    EXPECT_EQ(十六位.取大小(), 16);
}

TEST_F(数据编码, 字符按UTF8序列切分) {
    const std::string 文本 = "a中\xF0\x9F\x98\x80\xFF" "b";
    const auto 字符 = qr::取字符数组(文本);
    ASSERT_EQ(字符.size(), 5u);
    EXPECT_EQ(字符[1].长度, 3u);
    EXPECT_EQ(字符[2].长度, 4u);
    EXPECT_EQ(字符[3].长度, 1u) << "a stray byte is one character";
    EXPECT_TRUE(qr::是有效UTF8("中文 ok"));
    for (const char* 坏 : {"\xFF", "\xC0\x80", "\xE4\xB8", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_FALSE(qr::是有效UTF8(坏));
}

TEST_F(数据编码, 无效UTF8内容被报告而不是编成空段) {
    qr::位向量类 v;
    EXPECT_TRUE(报告为([&] { 编码器.追加八位字节("ab\xC3", v); }, "编码类", "追加八位字节",
                       "内容不是有效的UTF-8文本"));
    EXPECT_TRUE(报告为([&] { 编码器.编码("\xB2\xE2\xCA\xD4", qr::容错级别组->L, *qr::当前二维码); }, "编码类",
                       "追加八位字节", "内容不是有效的UTF-8文本"));
}

}  // namespace
