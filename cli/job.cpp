#include "cli/job.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "cli/capacity.h"
#include "cli/input.h"
#include "cli/render.h"
#include "qr/encode/qrcode.h"

namespace cli {

const char* const 程序名 = "xilaixia-qr";

namespace {

// txt and utf8 have no picture; they ask for one that holds a version-40 symbol with its
// quiet zone, so the module never refuses the size for them.
constexpr int32_t 最大图边 = 17 + 4 * 40 + 2 * 2;

bool 有图片(输出格式 格式) { return 格式 != 输出格式::txt && 格式 != 输出格式::utf8; }

bool 是过长报告(const qr::异常记录& 记录) {
    return 记录.异常来源 == "编码类" && 记录.方法名称 == "初始化二维码";
}

std::string 模块报告(const qr::模块异常& 异常, const std::string& 内容, const 选项& 选) {
    std::string 文本 = 异常.报告() + "\n";
    if (是过长报告(异常.取记录())) 文本 += std::string(程序名) + ": " + 过长说明(内容, 选.级别) + "\n";
    return 文本;
}

}  // namespace

编码结果 编码一个(std::string_view 原文, const 选项& 选, 输出格式 格式) {
    编码结果 结果;
    std::string 内容;
    try {
        内容 = 转为UTF8(原文, 选.编码);
    } catch (const 输入错误& 错) {
        结果.错误 = std::string(程序名) + ": " + 错.what() + "\n";
        return 结果;
    }
    try {
        auto 宽 = 有图片(格式) ? 选.宽度 : 最大图边;
        auto 高 = 有图片(格式) ? 选.高度 : 最大图边;
        const std::vector<uint8_t> 位图 = qr::创建二维码(内容, 选.级别, 宽, 高);
        结果.文件 = 渲染输出(格式, 位图, *qr::当前二维码);
        if (选.信息) 结果.信息 = 符号信息(*qr::当前二维码);
        结果.成功 = true;
    } catch (const qr::模块异常& 异常) {
        结果.错误 = 模块报告(异常, 内容, 选);
    }
    return 结果;
}

void 写出(const std::string& 路径, const std::string& 字节) {
    if (路径 == "-") {
        if (std::fwrite(字节.data(), 1, 字节.size(), stdout) != 字节.size() || std::fflush(stdout) != 0)
            throw 文件错误(std::string("cannot write standard output: ") + std::strerror(errno));
        return;
    }
    std::ofstream 文件(路径, std::ios::binary | std::ios::trunc);
    if (!文件) throw 文件错误("cannot create '" + 路径 + "': " + std::strerror(errno));
    文件.write(字节.data(), static_cast<std::streamsize>(字节.size()));
    文件.close();
    if (!文件) throw 文件错误("cannot write '" + 路径 + "': " + std::strerror(errno));
}

}  // namespace cli
