#include "cli/input.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace cli {

namespace {

std::string 字节十六进制(unsigned char 字节) {
    char 缓冲[8];
    std::snprintf(缓冲, sizeof 缓冲, "0x%02X", 字节);
    return 缓冲;
}

// Length of the well-formed UTF-8 sequence at the front of 文本, or 0 if there is none.
size_t 序列长度(std::string_view 文本) {
    auto 字节 = [&](size_t i) { return static_cast<unsigned char>(文本[i]); };
    unsigned char 首 = 字节(0);
    if (首 < 0x80) return 1;
    size_t 长度;
    unsigned char 次下限 = 0x80, 次上限 = 0xBF;  // range of the second byte
    if (首 >= 0xC2 && 首 <= 0xDF) {
        长度 = 2;
    } else if (首 >= 0xE0 && 首 <= 0xEF) {
        长度 = 3;
        if (首 == 0xE0) 次下限 = 0xA0;  // overlong
        if (首 == 0xED) 次上限 = 0x9F;  // surrogates
    } else if (首 >= 0xF0 && 首 <= 0xF4) {
        长度 = 4;
        if (首 == 0xF0) 次下限 = 0x90;  // overlong
        if (首 == 0xF4) 次上限 = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (文本.size() < 长度) return 0;
    if (字节(1) < 次下限 || 字节(1) > 次上限) return 0;
    for (size_t i = 2; i < 长度; ++i)
        if (字节(i) < 0x80 || 字节(i) > 0xBF) return 0;
    return 长度;
}

// One iconv descriptor from GBK to UTF-8, closed however the conversion ends.
class GBK转换器 {
public:
    GBK转换器() : 句柄(iconv_open("UTF-8", "GBK")) {
        if (句柄 == reinterpret_cast<iconv_t>(-1))
            throw 文件错误(std::string("cannot convert from GBK: ") + std::strerror(errno));
    }
    ~GBK转换器() { iconv_close(句柄); }
    GBK转换器(const GBK转换器&) = delete;
    GBK转换器& operator=(const GBK转换器&) = delete;
    iconv_t 句柄;
};

std::string GBK到UTF8(std::string_view 原文) {
    GBK转换器 转换器;
    std::string 结果;
    std::string 输入(原文);
    char* 读处 = 输入.data();
    size_t 剩余 = 输入.size();
    char 块[4096];
    while (剩余 > 0) {
        char* 写处 = 块;
        size_t 空余 = sizeof 块;
        size_t 回答 = iconv(转换器.句柄, &读处, &剩余, &写处, &空余);
        结果.append(块, static_cast<size_t>(写处 - 块));
        if (回答 != static_cast<size_t>(-1) || errno == E2BIG) continue;
        size_t 偏移 = static_cast<size_t>(读处 - 输入.data());
        // EILSEQ: a byte no GBK character starts with, or a bad second byte;
        // EINVAL: the input ends inside a two-byte character.
        throw 输入错误("input is not valid GBK at byte offset " + std::to_string(偏移) + " (byte " +
                           字节十六进制(static_cast<unsigned char>(输入[偏移])) + ")",
                       偏移);
    }
    return 结果;
}

}  // namespace

namespace {

// Reads a stream to its end. The standard library throws out of the read itself for some
// errors (a directory opened as a file), so those end in our message as well; 名称 is what
// the message calls the source, and the system's reason follows when it gave one.
std::string 读到末尾(std::istream& 流, const std::string& 名称) {
    errno = 0;
    try {
        std::string 结果((std::istreambuf_iterator<char>(流)), std::istreambuf_iterator<char>());
        if (!流.bad()) return 结果;
    } catch (const std::ios_base::failure&) {
    }
    throw 文件错误("cannot read " + 名称 + (errno ? std::string(": ") + std::strerror(errno) : ""));
}

}  // namespace

std::string 读取全部(const std::string& 路径) {
    if (路径 == "-") return 读到末尾(std::cin, "standard input");
    std::ifstream 文件(路径, std::ios::binary);
    if (!文件) throw 文件错误("cannot open '" + 路径 + "': " + std::strerror(errno));
    return 读到末尾(文件, "'" + 路径 + "'");
}

std::string 去掉末尾换行(std::string 文本) {
    if (!文本.empty() && 文本.back() == '\n') {
        文本.pop_back();
        if (!文本.empty() && 文本.back() == '\r') 文本.pop_back();
    }
    return 文本;
}

std::optional<size_t> 首个无效UTF8字节(std::string_view 文本) {
    size_t 位置 = 0;
    while (位置 < 文本.size()) {
        size_t 长度 = 序列长度(文本.substr(位置));
        if (长度 == 0) return 位置;
        位置 += 长度;
    }
    return std::nullopt;
}

std::string 转为UTF8(std::string_view 原文, 文本编码 编码) {
    if (编码 == 文本编码::gbk) return GBK到UTF8(原文);
    if (auto 偏移 = 首个无效UTF8字节(原文))
        throw 输入错误("input is not valid UTF-8 at byte offset " + std::to_string(*偏移) + " (byte " +
                           字节十六进制(static_cast<unsigned char>(原文[*偏移])) + ")",
                       *偏移);
    return std::string(原文);
}

}  // namespace cli
