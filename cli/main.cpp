// xilaixia-qr: the QR code module on the command line.
#include <unistd.h>

#include <exception>
#include <iostream>

#include "cli/batch.h"
#include "cli/input.h"
#include "cli/job.h"
#include "cli/options.h"
#include "qr/encode/qrcode.h"

namespace {

using namespace cli;

int 用法失败(const std::string& 信息) {
    std::cerr << 程序名 << ": " << 信息 << "\n"
              << "Try '" << 程序名 << " --help' for more information.\n";
    return 2;
}

输出格式 选定格式(const 选项& 选) {
    if (选.格式) return *选.格式;
    if (选.批量文件 || 选.输出 == "-") return 输出格式::bmp;
    return 按扩展名取格式(选.输出);
}

int 运行单个(const 选项& 选, 输出格式 格式) {
    std::string 原文 = 选.内容 ? *选.内容 : 去掉末尾换行(读取全部(*选.输入文件));
    编码结果 结果 = 编码一个(原文, 选, 格式);
    if (!结果.成功) {
        std::cerr << 结果.错误;
        return 1;
    }
    std::cerr << 结果.信息;
    写出(选.输出, 结果.文件);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    选项 选;
    try {
        选 = 解析命令行(argc, argv);
    } catch (const 用法错误& 错) {
        return 用法失败(错.what());
    }
    if (选.帮助) {
        std::cout << 帮助文本;
        return 0;
    }
    if (选.版本) {
        std::cout << 程序名 << " " << XLX_VERSION << "\n";
        return 0;
    }
    const 输出格式 格式 = 选定格式(选);
    if (!选.批量文件 && 选.输出 == "-" && 是二进制格式(格式) && isatty(STDOUT_FILENO))
        return 用法失败(std::string("will not write ") + 格式名称(格式) +
                        " to a terminal: use -o FILE, redirect the output, or -t utf8");

    try {
        qr::模块守护 守护;
        return 选.批量文件 ? 运行批量(选, 格式) : 运行单个(选, 格式);
    } catch (const std::exception& 错) {
        // Files that cannot be read or written, and anything the module did not foresee.
        std::cerr << 程序名 << ": " << 错.what() << "\n";
        return 1;
    }
}
