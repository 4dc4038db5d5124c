#include "cli/batch.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/input.h"
#include "cli/job.h"

namespace cli {

namespace {

// A bar on standard error that redraws itself in place; quiet unless that is a terminal.
class 进度条 {
public:
    explicit 进度条(size_t 总数值) : 总数(总数值), 显示(isatty(STDERR_FILENO) == 1 && 总数值 > 0) {}

    void 更新(size_t 已完成) {
        if (!显示) return;
        constexpr size_t 宽度 = 30;
        const size_t 满格 = 已完成 * 宽度 / 总数;
        std::cerr << "\r[" << std::string(满格, '#') << std::string(宽度 - 满格, '.') << "] " << 已完成 << "/"
                  << 总数 << std::flush;
        有字 = true;
    }
    // Leaves the finished bar on its own line.
    void 结束() {
        if (有字) std::cerr << "\n" << std::flush;
        有字 = false;
    }
    // Clears the bar's line so that a message starts at the left margin.
    void 清除() {
        if (!有字) return;
        std::cerr << "\r\033[K" << std::flush;
        有字 = false;
    }

private:
    size_t 总数;
    bool 显示;
    bool 有字 = false;
};

void 建目录(const std::string& 目录) {
    std::error_code 错;
    std::filesystem::create_directories(目录, 错);
    if (错) throw 文件错误("cannot create directory '" + 目录 + "': " + 错.message());
}

// A file that cannot be written fails its line; the other lines still go on.
void 写入文件(const std::string& 路径, 编码结果& 结果) {
    try {
        写出(路径, 结果.文件);
    } catch (const 文件错误& 错) {
        结果.成功 = false;
        结果.错误 = std::string(程序名) + ": " + 错.what() + "\n";
    }
}

}  // namespace

std::vector<std::string> 分行(const std::string& 文本) {
    std::vector<std::string> 行组;
    size_t 起 = 0;
    while (起 < 文本.size()) {
        size_t 止 = 文本.find('\n', 起);
        if (止 == std::string::npos) 止 = 文本.size();
        std::string 行 = 文本.substr(起, 止 - 起);
        if (!行.empty() && 行.back() == '\r') 行.pop_back();
        行组.push_back(std::move(行));
        起 = 止 + 1;
    }
    return 行组;
}

std::string 批量文件名(const std::string& 目录, size_t 行号, 输出格式 格式) {
    char 编号[32];
    std::snprintf(编号, sizeof 编号, "%04zu", 行号);
    return (std::filesystem::path(目录) / (std::string(编号) + "." + 格式扩展名(格式))).string();
}

int 运行批量(const 选项& 选, 输出格式 格式) {
    // Splitting before any conversion is safe for GBK too: its second bytes are 0x40 and up.
    const std::vector<std::string> 行组 = 分行(读取全部(*选.批量文件));
    建目录(选.输出);
    进度条 条(行组.size());
    size_t 失败数 = 0;
    for (size_t i = 0; i < 行组.size(); ++i) {
        const size_t 行号 = i + 1;
        条.更新(i);
        编码结果 结果 = 编码一个(行组[i], 选, 格式);
        if (结果.成功) 写入文件(批量文件名(选.输出, 行号, 格式), 结果);
        if (!结果.信息.empty() || !结果.成功) 条.清除();
        if (!结果.信息.empty()) std::cerr << "line: " << 行号 << "\n" << 结果.信息;
        if (!结果.成功) {
            ++失败数;
            std::cerr << 程序名 << ": line " << 行号 << ":\n" << 结果.错误;
        }
    }
    条.更新(行组.size());
    条.结束();
    if (失败数 == 0) return 0;
    std::cerr << 程序名 << ": " << 失败数 << " of " << 行组.size() << " lines failed\n";
    return 1;
}

}  // namespace cli
