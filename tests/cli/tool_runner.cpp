#include "tests/cli/tool_runner.h"

namespace clitest {

namespace {
std::vector<std::string> 工具命令(const std::vector<std::string>& 参数) {
    std::vector<std::string> 命令{XLX_QR_TOOL};
    命令.insert(命令.end(), 参数.begin(), 参数.end());
    return 命令;
}
}  // namespace

运行结果 运行工具(const std::vector<std::string>& 参数, const std::string& 输入,
                  const std::filesystem::path& 目录) {
    return testsupport::运行进程({工具命令(参数), 输入, {}, 目录});
}

运行结果 在终端运行工具(const std::vector<std::string>& 参数, const std::filesystem::path& 目录) {
    return testsupport::在终端运行(工具命令(参数), 目录);
}

}  // namespace clitest
