// Runs a program (the real xilaixia-qr, possibly under valgrind) with a given standard
// input and collects its exit status and both output streams.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace reliability {

struct 进程结果 {
    int 状态 = -1;       // exit status, or 128 + signal number when a signal ended it
    std::string 输出;    // standard output (empty when it went to a named file)
    std::string 错误;    // standard error
};

struct 进程请求 {
    std::vector<std::string> 命令;  // program path first
    std::string 标准输入;
    std::filesystem::path 标准输出到;  // a file such as /dev/full; empty: collected
};

进程结果 运行进程(const 进程请求& 请求);

// A fresh directory, removed with everything in it at the end of the scope.
class 临时目录 {
public:
    临时目录();
    ~临时目录();
    临时目录(const 临时目录&) = delete;
    临时目录& operator=(const 临时目录&) = delete;
    const std::filesystem::path& 路径() const { return 路径_; }

private:
    std::filesystem::path 路径_;
};

std::string 读文件(const std::filesystem::path& 路径);
void 写文件(const std::filesystem::path& 路径, const std::string& 内容);

}  // namespace reliability
