// Runs the real xilaixia-qr binary and collects what it did.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace clitest {

struct 运行结果 {
    int 状态 = -1;       // exit status; -1 when it did not exit normally
    std::string 输出;    // standard output
    std::string 错误;    // standard error
};

// Standard input from 输入, standard output and error to files; runs in 目录 when given.
运行结果 运行工具(const std::vector<std::string>& 参数, const std::string& 输入 = {},
                  const std::filesystem::path& 目录 = {});

// Standard input, output and error on one pseudo-terminal; 输出 holds all the terminal
// showed (the terminal turns LF into CR LF), 错误 stays empty.
运行结果 在终端运行工具(const std::vector<std::string>& 参数, const std::filesystem::path& 目录 = {});

// A fresh directory removed with everything in it at the end of the scope.
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

}  // namespace clitest
