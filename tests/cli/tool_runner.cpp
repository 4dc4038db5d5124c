#include "tests/cli/tool_runner.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace clitest {

namespace {

std::vector<char*> 参数表(std::vector<std::string>& 全部) {
    std::vector<char*> 表;
    for (auto& 参数 : 全部) 表.push_back(参数.data());
    表.push_back(nullptr);
    return 表;
}

[[noreturn]] void 启动工具(std::vector<std::string> 参数, const std::filesystem::path& 目录) {
    if (!目录.empty() && chdir(目录.c_str()) != 0) _exit(126);
    参数.insert(参数.begin(), XLX_QR_TOOL);
    auto 表 = 参数表(参数);
    execv(XLX_QR_TOOL, 表.data());
    _exit(127);
}

int 等待退出(pid_t 进程) {
    int 状况 = 0;
    while (waitpid(进程, &状况, 0) < 0)
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    return WIFEXITED(状况) ? WEXITSTATUS(状况) : -1;
}

void 重定向(const std::filesystem::path& 文件, int 目标, int 方式) {
    int fd = open(文件.c_str(), 方式, 0600);
    if (fd < 0 || dup2(fd, 目标) < 0) _exit(125);
    close(fd);
}

}  // namespace

临时目录::临时目录() {
    std::string 模板 = (std::filesystem::temp_directory_path() / "xlx-cli-XXXXXX").string();
    if (!mkdtemp(模板.data())) throw std::runtime_error("mkdtemp failed");
    路径_ = 模板;
}

临时目录::~临时目录() {
    std::error_code 忽略;
    std::filesystem::remove_all(路径_, 忽略);
}

std::string 读文件(const std::filesystem::path& 路径) {
    std::ifstream 文件(路径, std::ios::binary);
    if (!文件) throw std::runtime_error("cannot open " + 路径.string());
    return std::string((std::istreambuf_iterator<char>(文件)), std::istreambuf_iterator<char>());
}

void 写文件(const std::filesystem::path& 路径, const std::string& 内容) {
    std::ofstream 文件(路径, std::ios::binary | std::ios::trunc);
    文件 << 内容;
    if (!文件) throw std::runtime_error("cannot write " + 路径.string());
}

运行结果 运行工具(const std::vector<std::string>& 参数, const std::string& 输入,
                  const std::filesystem::path& 目录) {
    临时目录 管道;
    写文件(管道 / "in", 输入);
    pid_t 进程 = fork();
    if (进程 < 0) throw std::runtime_error("fork failed");
    if (进程 == 0) {
        重定向(管道 / "in", STDIN_FILENO, O_RDONLY);
        重定向(管道 / "out", STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        重定向(管道 / "err", STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        启动工具(参数, 目录);
    }
    运行结果 结果;
    结果.状态 = 等待退出(进程);
    结果.输出 = 读文件(管道 / "out");
    结果.错误 = 读文件(管道 / "err");
    return 结果;
}

运行结果 在终端运行工具(const std::vector<std::string>& 参数, const std::filesystem::path& 目录) {
    int 主端 = -1;
    pid_t 进程 = forkpty(&主端, nullptr, nullptr, nullptr);
    if (进程 < 0) throw std::runtime_error("forkpty failed");
    if (进程 == 0) 启动工具(参数, 目录);
    运行结果 结果;
    char 块[4096];
    for (;;) {
        ssize_t 读到 = read(主端, 块, sizeof 块);
        if (读到 > 0) {
            结果.输出.append(块, static_cast<size_t>(读到));
        } else if (读到 < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // EIO once the child has closed its side
        }
    }
    close(主端);
    结果.状态 = 等待退出(进程);
    return 结果;
}

}  // namespace clitest
