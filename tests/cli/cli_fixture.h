// Shared by the command-line tests: a scratch directory per test, the module in-process
// for reference pictures, and zbarimg.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/cli/pictures.h"
#include "tests/cli/tool_runner.h"

namespace clitest {

// The module's own BMP for the same request, for byte-for-byte comparisons.
std::vector<uint8_t> 模块位图(const std::string& 内容, const std::optional<std::string>& 级别 = std::nullopt,
                              std::optional<int32_t> 宽 = std::nullopt, std::optional<int32_t> 高 = std::nullopt);

// What `zbarimg --raw -q FILE` prints, without its final newline.
std::string zbarimg解码(const std::filesystem::path& 文件);

inline std::vector<uint8_t> 字节(const std::string& 文本) { return {文本.begin(), 文本.end()}; }

// The two lines of a usage error: the message, then the hint to --help.
inline ::testing::AssertionResult 是用法错误(const 运行结果& 结果) {
    const std::string 提示 = "Try 'xilaixia-qr --help' for more information.\n";
    if (结果.状态 != 2) return ::testing::AssertionFailure() << "exit status " << 结果.状态 << ", stderr: " << 结果.错误;
    if (结果.错误.rfind("xilaixia-qr: ", 0) != 0 || 结果.错误.find('\n') + 1 + 提示.size() != 结果.错误.size() ||
        结果.错误.substr(结果.错误.size() - 提示.size()) != 提示)
        return ::testing::AssertionFailure() << "stderr is not message + hint: " << 结果.错误;
    if (!结果.输出.empty()) return ::testing::AssertionFailure() << "wrote to stdout";
    return ::testing::AssertionSuccess();
}

class 工具测试 : public ::testing::Test {
protected:
    临时目录 目录;
    std::string 路径(const std::string& 名) const { return (目录 / 名).string(); }
};

}  // namespace clitest
