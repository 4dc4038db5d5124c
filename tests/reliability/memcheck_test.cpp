// xilaixia-qr under valgrind's memcheck on a handful of inputs, good and bad: no invalid
// reads or writes, no use of undefined values, nothing definitely or indirectly lost.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/reliability/tool_process.h"

namespace reliability {
namespace {

struct 检查情形 {
    std::string 名称;
    std::vector<std::string> 参数;  // "{dir}" stands for the scratch directory
    std::string 标准输入;
    int 状态;  // the tool's own exit status
};

// valgrind's status for its own findings; 1 and 2 are the tool's error statuses.
constexpr int valgrind发现 = 99;

const 检查情形 检查表[] = {
    {"BmpWithChineseText", {"-s", "300", "-o", "{dir}/a.bmp", "https://example.com/?q=福"}, "", 0},
    {"PngWithInfo", {"-t", "png", "--info", "-l", "h", "-o", "{dir}/a.png", "HELLO WORLD 42"}, "", 0},
    {"SvgFromStandardInput", {"-i", "-", "-o", "{dir}/a.svg"}, "0123456789012345\n", 0},
    {"Utf8Drawing", {"-t", "utf8", "-o", "{dir}/a.utf8", "ABC"}, "", 0},
    {"GbkInput", {"--encoding", "gbk", "-i", "-", "-o", "{dir}/a.bmp"}, "\xC4\xE3\xBA\xC3", 0},
    {"TooLongContent", {"-i", "-", "-o", "{dir}/a.bmp"}, std::string(3000, 'a'), 1},
    {"InvalidUtf8", {"ab\xFF", "-o", "{dir}/a.bmp"}, "", 1},
    {"SizeTooLarge", {"-s", "2147483647", "-o", "{dir}/a.bmp", "A"}, "", 1},
    {"UsageError", {"-s", "abc", "A"}, "", 2},
    {"BatchWithBadLines", {"--batch", "-", "-o", "{dir}/out", "-t", "png"}, "one\n\ntwo\n\xFF\n", 1},
};

void PrintTo(const 检查情形& 例, std::ostream* 流) { *流 << 例.名称; }

class 内存检查测试 : public ::testing::TestWithParam<检查情形> {
protected:
    临时目录 目录;
};

TEST_P(内存检查测试, NoErrorsAndNoLeaks) {
    const 检查情形& 例 = GetParam();
    const std::string 日志 = (目录.路径() / "memcheck.log").string();
    进程请求 请求{{XLX_VALGRIND, "--tool=memcheck", "--error-exitcode=" + std::to_string(valgrind发现),
                   "--leak-check=full", "--errors-for-leak-kinds=definite,indirect", "--track-origins=yes",
                   "--log-file=" + 日志, XLX_QR_TOOL},
                  例.标准输入, "", {}};
    for (std::string 参数 : 例.参数) {
        if (auto 处 = 参数.find("{dir}"); 处 != std::string::npos) 参数.replace(处, 5, 目录.路径().string());
        请求.命令.push_back(参数);
    }
    const 进程结果 结果 = 运行进程(请求);
    const std::string 报告 = 读文件(日志);
    EXPECT_EQ(结果.状态, 例.状态) << 结果.错误 << 报告;
    EXPECT_NE(报告.find("ERROR SUMMARY: 0 errors from 0 contexts"), std::string::npos) << 报告;
}

INSTANTIATE_TEST_SUITE_P(Inputs, 内存检查测试, ::testing::ValuesIn(检查表),
                         [](const ::testing::TestParamInfo<检查情形>& 信息) { return 信息.param.名称; });

}  // namespace
}  // namespace reliability
