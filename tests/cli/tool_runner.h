// Runs the real xilaixia-qr binary and collects what it did.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/process.h"

namespace clitest {

using 运行结果 = testsupport::进程结果;
using testsupport::临时目录;
using testsupport::写文件;
using testsupport::读文件;

// Standard input from 输入, standard output and error collected; runs in 目录 when given.
运行结果 运行工具(const std::vector<std::string>& 参数, const std::string& 输入 = {},
                  const std::filesystem::path& 目录 = {});

// The same on a pseudo-terminal: 输出 holds all the terminal showed, 错误 stays empty.
运行结果 在终端运行工具(const std::vector<std::string>& 参数, const std::filesystem::path& 目录 = {});

}  // namespace clitest
