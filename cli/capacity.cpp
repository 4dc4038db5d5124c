#include "cli/capacity.h"

#include <string_view>

#include "qr/encode/qrcode.h"

namespace cli {

namespace {

constexpr int32_t 版本余量 = 3;  // the encoder wants data bytes + 3 codewords
constexpr int32_t 最大版本号 = 40;
constexpr std::string_view 字母数字字符 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";

enum class 模式 { 数字, 字母数字, 字节 };

// The encoder's mode choice: the first byte outside the alphanumeric set means byte
// mode; otherwise any non-digit means alphanumeric; only digits mean numeric.
模式 选择模式(const std::string& 内容) {
    bool 有非数字 = false;
    for (char c : 内容) {
        if (c >= '0' && c <= '9') continue;
        if (字母数字字符.find(c) == std::string_view::npos) return 模式::字节;
        有非数字 = true;
    }
    if (内容.empty()) return 模式::字节;
    return 有非数字 ? 模式::字母数字 : 模式::数字;
}

int64_t 数据位数(const std::string& 内容) {
    const int64_t n = static_cast<int64_t>(内容.size());
    switch (选择模式(内容)) {
        case 模式::数字: return 10 * (n / 3) + (n % 3 == 2 ? 7 : n % 3 == 1 ? 4 : 0);
        case 模式::字母数字: return 11 * (n / 2) + 6 * (n % 2);
        case 模式::字节: break;
    }
    return 8 * n;
}

std::string 大写(std::string 文本) {
    for (char& c : 文本)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return 文本;
}

}  // namespace

int64_t 所需数据字节数(const std::string& 内容) { return (数据位数(内容) + 7) / 8; }

std::optional<int32_t> 最多数据字节数(const std::optional<std::string>& 级别) {
    const std::string 名 = 大写(级别.value_or("L"));
    for (const auto& 候选 : qr::容错级别组->列表) {
        if (候选.取名称() != 名) continue;
        qr::版本类 最大版本 = qr::当前二维码->取版本_通过版本号(最大版本号);
        return 最大版本.取总码字数() - 最大版本.取容错块组(候选).取容错码字总数() - 版本余量;
    }
    return std::nullopt;
}

std::string 过长说明(const std::string& 内容, const std::optional<std::string>& 级别) {
    std::string 说明 = "the content needs " + std::to_string(所需数据字节数(内容)) + " data bytes";
    if (auto 最多 = 最多数据字节数(级别))
        说明 += "; level " + 大写(级别.value_or("L")) + " holds at most " + std::to_string(*最多) +
                " (version 40)";
    return 说明;
}

}  // namespace cli
