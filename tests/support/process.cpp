#include "tests/support/process.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testsupport {

namespace {

// In the child only: anything failing here ends it with a status no test expects.
void 重定向(const std::filesystem::path& 文件, int 目标, int 方式) {
    const int fd = open(文件.c_str(), 方式, 0600);
    if (fd < 0 || dup2(fd, 目标) < 0) _exit(125);
    close(fd);
}

[[noreturn]] void 执行(std::vector<std::string> 命令, const std::filesystem::path& 目录) {
    if (!目录.empty() && chdir(目录.c_str()) != 0) _exit(126);
    std::vector<char*> 参数表;
    for (auto& 项 : 命令) 参数表.push_back(项.data());
    参数表.push_back(nullptr);
    execv(参数表[0], 参数表.data());
    _exit(127);
}

int 等待(pid_t 进程) {
    int 状况 = 0;
    while (waitpid(进程, &状况, 0) < 0)
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    if (WIFEXITED(状况)) return WEXITSTATUS(状况);
    return WIFSIGNALED(状况) ? 128 + WTERMSIG(状况) : -1;
}

}  // namespace

临时目录::临时目录() {
    std::string 模板 = (std::filesystem::temp_directory_path() / "xlx-test-XXXXXX").string();
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

进程结果 运行进程(const 进程请求& 请求) {
    临时目录 管道;
    const auto 入 = 管道 / "in", 出 = 管道 / "out", 错 = 管道 / "err";
    写文件(入, 请求.标准输入);
    const auto 出处 = 请求.标准输出到.empty() ? 出 : 请求.标准输出到;
    const pid_t 进程 = fork();
    if (进程 < 0) throw std::runtime_error("fork failed");
    if (进程 == 0) {
        重定向(入, STDIN_FILENO, O_RDONLY);
        重定向(出处, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        重定向(错, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        执行(请求.命令, 请求.目录);
    }
    进程结果 结果;
    结果.状态 = 等待(进程);
    if (请求.标准输出到.empty()) 结果.输出 = 读文件(出);
    结果.错误 = 读文件(错);
    return 结果;
}

进程结果 在终端运行(const std::vector<std::string>& 命令, const std::filesystem::path& 目录) {
    int 主端 = -1;
    const pid_t 进程 = forkpty(&主端, nullptr, nullptr, nullptr);
    if (进程 < 0) throw std::runtime_error("forkpty failed");
    if (进程 == 0) 执行(命令, 目录);
    进程结果 结果;
    char 块[4096];
    for (;;) {
        const ssize_t 读到 = read(主端, 块, sizeof 块);
        if (读到 > 0) {
            结果.输出.append(块, static_cast<size_t>(读到));
        } else if (读到 < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // EIO once the child has closed its side
        }
    }
    close(主端);
    结果.状态 = 等待(进程);
    return 结果;
}

}  // namespace testsupport
