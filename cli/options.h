// The command line of xilaixia-qr: what the user asked for, read with getopt_long.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

enum class 输出格式 { bmp, png, svg, txt, utf8 };
enum class 文本编码 { utf8, gbk };

struct 选项 {
    std::optional<std::string> 内容;      // CONTENT argument
    std::optional<std::string> 输入文件;  // -i FILE, "-" for standard input
    std::optional<std::string> 级别;      // handed to the module as given
    std::optional<int32_t> 宽度, 高度;    // handed to the module as given
    std::string 输出 = "-";               // file, directory (batch) or "-"
    std::optional<输出格式> 格式;         // -t; absent: from the output's extension
    文本编码 编码 = 文本编码::utf8;
    std::optional<std::string> 批量文件;  // --batch FILE
    bool 信息 = false;
    bool 帮助 = false;
    bool 版本 = false;
};

// A command line we cannot make sense of; what() is the one-line message.
struct 用法错误 : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads argv; throws 用法错误. Checks that the options go together, not the content.
选项 解析命令行(int argc, char** argv);

std::optional<输出格式> 按名称取格式(std::string_view 名称);
// .bmp .png .svg .txt (any case) name their format; anything else is bmp.
输出格式 按扩展名取格式(std::string_view 路径);
const char* 格式名称(输出格式 格式);
// Extension of the files a batch writes, without the dot.
const char* 格式扩展名(输出格式 格式);
bool 是二进制格式(输出格式 格式);

extern const char* const 帮助文本;

}  // namespace cli
