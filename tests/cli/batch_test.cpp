// --batch: one numbered file per line; failing lines reported, the rest still written.
#include "tests/cli/cli_fixture.h"
#include "tests/support/zbar_decode.h"

namespace clitest {
namespace {

class 批量测试 : public 工具测试 {
protected:
    std::filesystem::path 输出目录() const { return 目录 / "out"; }
    std::vector<std::string> 输出文件() const {
        std::vector<std::string> 名;
        if (!std::filesystem::exists(输出目录())) return 名;
        for (const auto& 项 : std::filesystem::directory_iterator(输出目录())) 名.push_back(项.path().filename());
        std::sort(名.begin(), 名.end());
        return 名;
    }
    std::vector<std::string> 解码(const std::string& 名) const {
        return testsupport::zbar解码BMP(字节(读文件(输出目录() / 名)));
    }
};

TEST_F(批量测试, BadLinesAreReportedAndTheOthersWritten) {
    写文件(目录 / "list.txt", "FIRST\r\n\nthird line\n" + std::string(3000, 'x') + "\nfifth 福\n");
    auto 结果 = 运行工具({"--batch", 路径("list.txt"), "-o", 输出目录().string()});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.输出, "");
    EXPECT_EQ(输出文件(), (std::vector<std::string>{"0001.bmp", "0003.bmp", "0005.bmp"}));
    EXPECT_EQ(解码("0001.bmp"), std::vector<std::string>{"FIRST"}) << "the CR of CR LF is dropped";
    EXPECT_EQ(解码("0003.bmp"), std::vector<std::string>{"third line"});
    EXPECT_EQ(解码("0005.bmp"), std::vector<std::string>{"fifth 福"});
    EXPECT_EQ(结果.错误,
              "xilaixia-qr: line 2:\n"
              "异常来源：[二维码模块]\r\n方法名称：编码()\r\n异常信息：没有编码内容\n"
              "xilaixia-qr: line 4:\n"
              "异常来源：[编码类]\r\n方法名称：初始化二维码()\r\n异常信息：\n"
              "xilaixia-qr: the content needs 3000 data bytes; level L holds at most 2953 (version 40)\n"
              "xilaixia-qr: 2 of 5 lines failed\n");
}

TEST_F(批量测试, AllGoodLinesSucceedInTheChosenFormat) {
    auto 结果 = 运行工具({"--batch", "-", "-o", 输出目录().string(), "-t", "png", "-s", "150", "-l", "h"},
                         "ONE\ntwo\n3");
    EXPECT_EQ(结果.状态, 0) << 结果.错误;
    EXPECT_EQ(结果.错误, "") << "no progress bar when standard error is no terminal";
    EXPECT_EQ(输出文件(), (std::vector<std::string>{"0001.png", "0002.png", "0003.png"}));
    const std::string 内容[] = {"ONE", "two", "3"};
    for (int i = 0; i < 3; ++i) {
        auto 图 = 读PNG(读文件(输出目录() / 输出文件()[i]));
        ASSERT_TRUE(图);
        EXPECT_EQ(图->宽, 150);
        EXPECT_EQ(testsupport::zbar解码(*图), std::vector<std::string>{内容[i]});
    }
}

// Empty lines fail at once (blank content), which keeps ten thousand lines quick.
TEST_F(批量测试, NumbersGrowPastFourDigits) {
    std::string 列表 = "1\n" + std::string(9997, '\n') + "9999\n10000\n";
    写文件(目录 / "list.txt", 列表);
    auto 结果 = 运行工具({"--batch", 路径("list.txt"), "-o", 输出目录().string(), "-t", "txt"});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_NE(结果.错误.find("xilaixia-qr: line 9998:\n"), std::string::npos);
    EXPECT_NE(结果.错误.find("xilaixia-qr: 9997 of 10000 lines failed\n"), std::string::npos);
    EXPECT_EQ(输出文件(), (std::vector<std::string>{"0001.txt", "10000.txt", "9999.txt"}));
}

TEST_F(批量测试, GbkLinesAreConvertedAndBadOnesNamed) {
    写文件(目录 / "list.txt", "\xD0\xC2\xC4\xEA\r\nok\xFF\n");
    auto 结果 = 运行工具({"--batch", 路径("list.txt"), "--encoding", "gbk", "-o", 输出目录().string()});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(解码("0001.bmp"), std::vector<std::string>{"新年"});
    EXPECT_EQ(结果.错误,
              "xilaixia-qr: line 2:\nxilaixia-qr: input is not valid GBK at byte offset 2 (byte 0xFF)\n"
              "xilaixia-qr: 1 of 2 lines failed\n");
}

TEST_F(批量测试, InfoIsGivenPerLine) {
    auto 结果 = 运行工具({"--batch", "-", "-o", 输出目录().string(), "--info", "-t", "txt"}, "1\nA\n");
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    EXPECT_EQ(结果.错误.rfind("line: 1\nversion: 1\nmask: ", 0), 0u) << 结果.错误;
    EXPECT_NE(结果.错误.find("\nmode: 数字\n"), std::string::npos);
    EXPECT_NE(结果.错误.find("\nline: 2\nversion: 1\n"), std::string::npos);
    EXPECT_NE(结果.错误.find("\nmode: 字母数字\n"), std::string::npos);
}

TEST_F(批量测试, ProgressBarOnlyOnATerminal) {
    写文件(目录 / "list.txt", "A\nB\nC\n");
    auto 结果 = 在终端运行工具({"--batch", 路径("list.txt"), "-o", 输出目录().string()});
    EXPECT_EQ(结果.状态, 0) << 结果.输出;
    EXPECT_NE(结果.输出.find("[" + std::string(30, '#') + "] 3/3"), std::string::npos) << 结果.输出;
    EXPECT_EQ(输出文件().size(), 3u);
}

TEST_F(批量测试, UnreadableListIsAnError) {
    auto 结果 = 运行工具({"--batch", 路径("none.txt"), "-o", 输出目录().string()});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.错误.rfind("xilaixia-qr: cannot open", 0), 0u) << 结果.错误;
}

}  // namespace
}  // namespace clitest
