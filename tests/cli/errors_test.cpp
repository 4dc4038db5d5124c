// Exit statuses and what stands on standard error: the module's reports, usage errors.
#include "tests/cli/cli_fixture.h"

namespace clitest {
namespace {

std::string 报告(const std::string& 来源, const std::string& 方法, const std::string& 信息) {
    return "异常来源：[" + 来源 + "]\r\n方法名称：" + 方法 + "()\r\n异常信息：" + 信息 + "\n";
}

TEST_F(工具测试, ModuleReportsGoToStandardErrorWithStatusOne) {
    struct 情形 {
        std::vector<std::string> 参数;
        std::string 报告;
    };
    const std::string 等级 = 报告("二维码模块", "创建二维码", "容错等级必须为L、M、Q、H四个之一。");
    const 情形 情形表[] = {
        {{"-l", "X", "ABC"}, 等级},
        {{"-l", "", "ABC"}, 等级},
        {{"-l", " L", "ABC"}, 等级},
        {{"--level", "LL", "ABC"}, 等级},
        {{"-s", "20", "ABC"}, 报告("二维码模块", "创建二维码", "图片尺寸过小，无法容纳二维码。所需最小尺寸：25x25")},
        {{"-s", "200x24", "ABC"}, 报告("二维码模块", "创建二维码", "图片尺寸过小，无法容纳二维码。所需最小尺寸：25x25")},
        {{"-s", "30000", "ABC"}, 报告("二维码模块", "创建二维码", "图片尺寸过大")},
        {{"  "}, 报告("二维码模块", "编码", "没有编码内容")},
        {{"-i", "-"}, 报告("二维码模块", "编码", "没有编码内容")},
    };
    for (const auto& 例 : 情形表) {
        auto 参数 = 例.参数;
        参数.insert(参数.end(), {"-o", 路径("out.bmp")});
        auto 结果 = 运行工具(参数, "\n");
        EXPECT_EQ(结果.状态, 1) << 例.参数.front();
        EXPECT_EQ(结果.错误, 例.报告);
        EXPECT_EQ(结果.输出, "");
        EXPECT_FALSE(std::filesystem::exists(目录 / "out.bmp")) << "nothing is written on an error";
    }
}

// At the edge of version 40: the most a level holds still encodes, one byte more fails
// with the module's report (empty message) and our line of figures.
TEST_F(工具测试, TooLongContentSaysWhatItNeedsAndWhatTheLevelHolds) {
    struct 情形 {
        std::string 级别;
        std::string 最长;  // the longest content that fits
        std::string 过长;
        std::string 说明;
    };
    const 情形 情形表[] = {
        {"L", std::string(2953, 'a'), std::string(2954, 'a'), "needs 2954 data bytes; level L holds at most 2953"},
        {"m", std::string(2331, 'b'), std::string(2332, 'b'), "needs 2332 data bytes; level M holds at most 2331"},
        // alphanumeric: 11 bits per pair; 2418 characters fill 1663 bytes, 2419 need 1664
        {"q", std::string(2418, 'A'), std::string(2419, 'A'), "needs 1664 data bytes; level Q holds at most 1663"},
        // numeric: 10 bits per three digits; 3055 digits fill 1273 bytes, 3056 need 1274
        {"H", std::string(3055, '7'), std::string(3056, '7'), "needs 1274 data bytes; level H holds at most 1273"},
    };
    for (const auto& 例 : 情形表) {
        auto 能 = 运行工具({"--info", "-t", "txt", "-l", 例.级别, "-i", "-"}, 例.最长);
        EXPECT_EQ(能.状态, 0) << 例.级别 << ": " << 能.错误;
        EXPECT_EQ(能.错误.rfind("version: 40\n", 0), 0u) << 能.错误;

        auto 不能 = 运行工具({"-t", "txt", "-l", 例.级别, "-i", "-"}, 例.过长);
        EXPECT_EQ(不能.状态, 1);
        EXPECT_EQ(不能.错误, 报告("编码类", "初始化二维码", "") + "xilaixia-qr: the content " + 例.说明 + " (version 40)\n");
        EXPECT_EQ(不能.输出, "");
    }
}

TEST_F(工具测试, UsageErrorsGiveStatusTwoAndAHint) {
    const std::vector<std::vector<std::string>> 情形表 = {
        {},                                   // no content
        {"-x", "ABC"},                        // unknown option
        {"--colour", "ABC"},                  // unknown long option
        {"ABC", "-s"},                        // option without its value
        {"-s", "abc", "ABC"},                 // size garbage
        {"-s", "100x", "ABC"},
        {"-s", "x100", "ABC"},
        {"-s", "10x10x10", "ABC"},
        {"-s", "99999999999", "ABC"},
        {"-s", " 100", "ABC"},
        {"-t", "gif", "ABC"},                 // unknown format
        {"--encoding", "latin1", "ABC"},      // unknown encoding
        {"-i", "-", "ABC"},                   // content twice
        {"ABC", "DEF"},                       // stray argument
        {"--batch", "list.txt"},              // batch without -o DIR
        {"--batch", "list.txt", "-o", "d", "ABC"},
        {"--info=yes", "ABC"},
    };
    for (const auto& 参数 : 情形表) {
        auto 结果 = 运行工具(参数);
        EXPECT_TRUE(是用法错误(结果)) << (参数.empty() ? "(none)" : 参数.front());
    }
}

TEST_F(工具测试, UsageMessagesNameTheFault) {
    EXPECT_EQ(运行工具({"-s", "12a", "X"}).错误.rfind("xilaixia-qr: invalid size '12a'", 0), 0u);
    EXPECT_EQ(运行工具({"--colour=red", "X"}).错误.rfind("xilaixia-qr: unknown option '--colour'", 0), 0u);
    EXPECT_EQ(运行工具({"--colour", "X"}).错误.rfind("xilaixia-qr: unknown option '--colour'", 0), 0u);
    EXPECT_EQ(运行工具({"X", "-l"}).错误.rfind("xilaixia-qr: option '-l' needs a value", 0), 0u);
    EXPECT_EQ(运行工具({"--info=yes", "X"}).错误.rfind("xilaixia-qr: option '--info' takes no value", 0), 0u);
    EXPECT_EQ(运行工具({"-t", "gif", "X"}).错误.rfind("xilaixia-qr: unknown format 'gif'", 0), 0u);
}

// A content that starts with a dash comes after "--".
TEST_F(工具测试, DoubleDashEndsTheOptions) {
    auto 结果 = 运行工具({"-o", 路径("d.bmp"), "--", "-HELLO-"});
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    EXPECT_EQ(字节(读文件(目录 / "d.bmp")), 模块位图("-HELLO-"));
}

TEST_F(工具测试, HelpAndVersionSucceedOnStandardOutput) {
    auto 帮助 = 运行工具({"--help"});
    EXPECT_EQ(帮助.状态, 0);
    EXPECT_EQ(帮助.输出.rfind("Usage: xilaixia-qr [OPTIONS] [CONTENT]\n", 0), 0u);
    EXPECT_EQ(运行工具({"-h"}).输出, 帮助.输出);

    auto 版本 = 运行工具({"--version"});
    EXPECT_EQ(版本.状态, 0);
    EXPECT_TRUE(版本.输出.rfind("xilaixia-qr ", 0) == 0 && 版本.输出.back() == '\n') << 版本.输出;
    EXPECT_EQ(版本.错误, "");
}

TEST_F(工具测试, BinaryFormatsAreNotWrittenToATerminal) {
    for (const std::vector<std::string>& 参数 : {std::vector<std::string>{"ABC"}, {"-t", "png", "ABC"},
                                                  {"-o", "-", "-t", "bmp", "ABC"}}) {
        auto 结果 = 在终端运行工具(参数);
        EXPECT_EQ(结果.状态, 2);
        EXPECT_NE(结果.输出.find("xilaixia-qr: will not write"), std::string::npos) << 结果.输出;
        EXPECT_EQ(结果.输出.find("BM"), std::string::npos);
    }
    auto 画 = 在终端运行工具({"-t", "utf8", "ABC"});
    EXPECT_EQ(画.状态, 0);
    EXPECT_NE(画.输出.find("\u2588"), std::string::npos);
    auto 文件 = 在终端运行工具({"-o", 路径("t.bmp"), "ABC"});
    EXPECT_EQ(文件.状态, 0) << "a file is fine even when the terminal is attached";
}

TEST_F(工具测试, UnwritableOutputIsAnError) {
    auto 结果 = 运行工具({"-o", 路径("no/such/dir/a.bmp"), "ABC"});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.错误.rfind("xilaixia-qr: cannot create '", 0), 0u) << 结果.错误;
}

}  // namespace
}  // namespace clitest
