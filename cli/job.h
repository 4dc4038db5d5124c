// One content through the module: decode the input text, encode, render; and writing
// the result where it belongs.
#pragma once

#include <string>
#include <string_view>

#include "cli/options.h"

namespace cli {

struct 编码结果 {
    bool 成功 = false;
    std::string 文件;  // the output file's bytes
    std::string 信息;  // the --info lines, when asked for
    std::string 错误;  // what to show on standard error when it failed, newline-terminated
};

// The content's own faults (text not valid in its encoding, the module's reports) come
// back in 错误; only faults of the program's surroundings are thrown.
编码结果 编码一个(std::string_view 原文, const 选项& 选, 输出格式 格式);

// Writes the bytes to the file, or to standard output for "-". Throws 文件错误.
void 写出(const std::string& 路径, const std::string& 字节);

extern const char* const 程序名;

}  // namespace cli
