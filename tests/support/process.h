// Runs a program (the real xilaixia-qr, possibly under valgrind) with a given standard input
// and collects its exit status and both output streams; files and directories for such runs.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct 进程结果 {
    int 状态 = -1;       // exit status, or 128 + signal number when a signal ended it
    std::string 输出;    // standard output (empty when it went to a named file)
    std::string 错误;    // standard error (empty when run on a terminal)
};

struct 进程请求 {
    std::vector<std::string> 命令;      // program path first
    std::string 标准输入;
    std::filesystem::path 标准输出到;  // a file such as /dev/full; empty: collected
    std::filesystem::path 目录;        // working directory; empty: this one
};

进程结果 运行进程(const 进程请求& 请求);

// Standard input, output and error on one pseudo-terminal; 输出 holds all the terminal
// showed (the terminal turns LF into CR LF).
进程结果 在终端运行(const std::vector<std::string>& 命令, const std::filesystem::path& 目录 = {});

// A fresh directory, removed with everything in it at the end of the scope.
class 临时目录 {
public:
    临时目录();
    ~临时目录();
    临时目录(const 临时目录&) = delete;
    临时目录& operator=(const 临时目录&) = delete;
    const std::filesystem::path& 路径() const { return 路径_; }
    std::filesystem::path operator/(const std::string& 名) const { return 路径_ / 名; }

private:
    std::filesystem::path 路径_;
};

std::string 读文件(const std::filesystem::path& 路径);
void 写文件(const std::filesystem::path& 路径, const std::string& 内容);

}  // namespace testsupport
