// --info, and where the content comes from: argument, file, standard input, GBK.
#include "tests/cli/cli_fixture.h"

namespace clitest {
namespace {

struct 符号 {
    std::string 内容;
    std::string 级别;
    int 版本, 模块数, 数据, 容错, 块数;
    std::string 模式;
    int 级别位;  // in the format information: L 1, M 0, Q 3, H 2
};

void PrintTo(const 符号& 例, std::ostream* 流) { *流 << 例.内容.substr(0, 40) << " -l " << 例.级别; }

// Versions from the data codewords at each level, with the encoder's 3-byte margin.
const std::vector<符号> 符号表 = {
    {"HELLO WORLD", "Q", 1, 21, 13, 13, 1, "字母数字", 3},
    {"12345", "l", 1, 21, 19, 7, 1, "数字", 1},
    {"新年快乐", "M", 1, 21, 16, 10, 1, "字节", 0},
    {"abcdefghijklmnopqrst", "H", 3, 29, 26, 44, 2, "字节", 2},
    {"https://example.com/p/c/17yq18lq3slc?source=abcdefghijklmnop", "L", 4, 33, 80, 20, 1, "字节", 1},
    {std::string(200, 'x'), "q", 12, 65, 206, 260, 10, "字节", 3},
};

class 信息测试 : public ::testing::TestWithParam<符号> {};

// The mask is the one the symbol itself declares in its format information.
TEST_P(信息测试, InfoDescribesTheSymbolMade) {
    const 符号& 例 = GetParam();
    auto 结果 = 运行工具({"--info", "-t", "txt", "-l", 例.级别, 例.内容});
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    auto 网格 = 读TXT(结果.输出);
    ASSERT_TRUE(网格);
    EXPECT_EQ(static_cast<int>(网格->size()), 例.模块数);
    auto 格式 = 读格式信息(*网格);
    ASSERT_TRUE(格式) << "format information fails its BCH check";
    EXPECT_EQ(格式->级别位, 例.级别位);
    std::string 级别 = 例.级别;
    级别[0] = static_cast<char>(std::toupper(级别[0]));
    EXPECT_EQ(结果.错误, "version: " + std::to_string(例.版本) + "\nmask: " + std::to_string(格式->掩码) +
                             "\nmode: " + 例.模式 + "\nlevel: " + 级别 + "\nmodules: " + std::to_string(例.模块数) +
                             "\ndata codewords: " + std::to_string(例.数据) + "\nec codewords: " +
                             std::to_string(例.容错) + "\nblocks: " + std::to_string(例.块数) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Symbols, 信息测试, ::testing::ValuesIn(符号表));

TEST_F(工具测试, WithoutInfoStandardErrorStaysQuiet) {
    auto 结果 = 运行工具({"-t", "txt", "HELLO"});
    EXPECT_EQ(结果.状态, 0);
    EXPECT_EQ(结果.错误, "");
}

// One trailing LF or CR LF is dropped; anything more belongs to the content.
TEST_F(工具测试, StandardInputAndFilesGiveTheContent) {
    struct 情形 {
        std::string 输入;
        std::string 内容;
    };
    const 情形 情形表[] = {
        {"HELLO", "HELLO"},     {"HELLO\n", "HELLO"},         {"HELLO\r\n", "HELLO"},
        {"HELLO\n\n", "HELLO\n"}, {"line 1\nline 2\n", "line 1\nline 2"}, {"福 \n", "福 "},
    };
    for (const auto& 例 : 情形表) {
        const auto 期望 = 模块位图(例.内容);
        auto 标准输入 = 运行工具({"-i", "-", "-o", 路径("in.bmp")}, 例.输入);
        ASSERT_EQ(标准输入.状态, 0) << 标准输入.错误;
        EXPECT_EQ(字节(读文件(目录 / "in.bmp")), 期望) << "stdin: " << 例.输入;

        写文件(目录 / "content", 例.输入);
        auto 文件 = 运行工具({"--input", 路径("content")});
        ASSERT_EQ(文件.状态, 0) << 文件.错误;
        EXPECT_EQ(字节(文件.输出), 期望) << "file: " << 例.输入;
    }
}

// The same text in GBK and in UTF-8 gives the same picture, from a file and from argv.
TEST_F(工具测试, GbkInputEqualsTheSameTextInUtf8) {
    struct 情形 {
        std::string gbk;
        std::string utf8;
    };
    const 情形 情形表[] = {
        {"\xD0\xC2\xC4\xEA\xBF\xEC\xC0\xD6", "新年快乐"},
        {"\xD0\xC2\xC4\xEA\xBF\xEC\xC0\xD6\xA3\xAC\xBC\xAF\xB8\xA3\xBF\xA8", "新年快乐，集福卡"},
        {"ABC 123 \xB8\xA3", "ABC 123 福"},
        {"HELLO WORLD", "HELLO WORLD"},
    };
    for (const auto& 例 : 情形表) {
        const auto 期望 = 模块位图(例.utf8, "M");
        写文件(目录 / "gbk.txt", 例.gbk + "\r\n");
        auto 文件 = 运行工具({"--encoding", "gbk", "-l", "M", "-i", 路径("gbk.txt"), "-o", 路径("f.bmp")});
        ASSERT_EQ(文件.状态, 0) << 文件.错误;
        EXPECT_EQ(字节(读文件(目录 / "f.bmp")), 期望) << 例.utf8;

        auto 参数 = 运行工具({"--encoding=GBK", "-l", "M", 例.gbk});
        ASSERT_EQ(参数.状态, 0) << 参数.错误;
        EXPECT_EQ(字节(参数.输出), 期望) << 例.utf8;
    }
}

// A GBK full-width space becomes U+3000, which the module counts as blank.
TEST_F(工具测试, GbkFullWidthSpaceIsBlankContent) {
    auto 结果 = 运行工具({"--encoding", "gbk", "\xA1\xA1 "});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.错误, "异常来源：[二维码模块]\r\n方法名称：编码()\r\n异常信息：没有编码内容\n");
}

struct 无效输入 {
    std::string 编码;
    std::string 字节;
    std::string 消息;
};

void PrintTo(const 无效输入& 例, std::ostream* 流) { *流 << 例.编码 << ": " << 例.消息; }

const std::vector<无效输入> 无效输入表 = {
    {"utf-8", "ab\xC3", "not valid UTF-8 at byte offset 2 (byte 0xC3)"},
    {"utf-8", "\xC0\xAF", "not valid UTF-8 at byte offset 0 (byte 0xC0)"},
    {"utf-8", "a\xED\xA0\x80", "not valid UTF-8 at byte offset 1 (byte 0xED)"},
    {"utf-8", "\xF4\x90\x80\x80", "not valid UTF-8 at byte offset 0 (byte 0xF4)"},
    {"utf-8", "福xyz\xFF", "not valid UTF-8 at byte offset 6 (byte 0xFF)"},
    {"utf-8", "\xE7\xA6x", "not valid UTF-8 at byte offset 0 (byte 0xE7)"},
    {"gbk", "ab\xFF", "not valid GBK at byte offset 2 (byte 0xFF)"},
    {"gbk", "\xB8\xA3\x81", "not valid GBK at byte offset 2 (byte 0x81)"},
    {"gbk", "x\x81\x20", "not valid GBK at byte offset 1 (byte 0x81)"},
};

class 无效输入测试 : public 工具测试, public ::testing::WithParamInterface<无效输入> {};

// Our own error, not the module's: exit 1, nothing written.
TEST_P(无效输入测试, NamesTheOffsetOfTheFirstBadByte) {
    const auto& 例 = GetParam();
    写文件(目录 / "bad", 例.字节);
    for (const std::vector<std::string>& 来源 : {std::vector<std::string>{例.字节}, {"-i", 路径("bad")}}) {
        std::vector<std::string> 参数{"--encoding", 例.编码, "-o", 路径("x.bmp")};
        参数.insert(参数.end(), 来源.begin(), 来源.end());
        auto 结果 = 运行工具(参数);
        EXPECT_EQ(结果.状态, 1);
        EXPECT_EQ(结果.错误, "xilaixia-qr: input is " + 例.消息 + "\n");
        EXPECT_FALSE(std::filesystem::exists(目录 / "x.bmp"));
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, 无效输入测试, ::testing::ValuesIn(无效输入表));

TEST_F(工具测试, MissingInputFileIsAnError) {
    auto 结果 = 运行工具({"-i", 路径("none.txt")});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.错误.rfind("xilaixia-qr: cannot open '" + 路径("none.txt") + "'", 0), 0u) << 结果.错误;
}

}  // namespace
}  // namespace clitest
