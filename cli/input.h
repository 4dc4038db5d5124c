// Getting the content: reading files and standard input, and turning the input's bytes
// into the UTF-8 text the module takes.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/options.h"

namespace cli {

// Input text that is not valid in its encoding; 偏移 is the first bad byte, from 0.
struct 输入错误 : std::runtime_error {
    输入错误(const std::string& 信息, size_t 偏移值) : std::runtime_error(信息), 偏移(偏移值) {}
    size_t 偏移;
};

// A file that cannot be read or written, a directory that cannot be made, or no GBK
// converter on this system.
struct 文件错误 : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The whole file as bytes; "-" reads standard input. Throws 文件错误.
std::string 读取全部(const std::string& 路径);
// Drops one trailing LF, or CR LF.
std::string 去掉末尾换行(std::string 文本);

// Offset of the first byte that starts no well-formed UTF-8 sequence (overlong forms,
// surrogates and code points above U+10FFFF are not well-formed), or nullopt.
std::optional<size_t> 首个无效UTF8字节(std::string_view 文本);

// The input in UTF-8: checked when it is UTF-8, converted with iconv when it is GBK.
// Throws 输入错误 naming the offset of the first byte that is not valid.
std::string 转为UTF8(std::string_view 原文, 文本编码 编码);

}  // namespace cli
