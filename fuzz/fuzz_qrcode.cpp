// libFuzzer target for the module's entry 创建二维码.
//
// Input layout (missing bytes read as 0):
//   byte 0      level: an index into 级别表, or past its end for "no level given"
//   bytes 1-2   width, signed 16-bit little-endian   (see 读尺寸)
//   bytes 3-4   height, the same
//   the rest    the content, as raw bytes
//
// The module's report (qr::模块异常) is an expected outcome. Anything else that escapes,
// a sanitizer report, or a picture that breaks one of the properties checked below is a
// crash for the fuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "qr/encode/qrcode.h"

namespace {

// The letters the module takes in both cases, and texts it must refuse.
const std::string 级别表[] = {
    "L", "M", "Q", "H", "l", "m", "q", "h", "", " L", "L ", "X", "LL", "\xE3\x80\x80", "\xEF\xBC\xAC",
    std::string("L\0", 2),
};
constexpr size_t 级别数 = sizeof 级别表 / sizeof 级别表[0];

// Largest side a case may ask for: enough for a version-40 symbol at two pixels a module,
// small enough that one case stays fast.
constexpr int32_t 最大边 = 512;

class 读取器 {
public:
    读取器(const uint8_t* 数据, size_t 长度) : 数据_(数据), 长度_(长度) {}
    uint8_t 字节() { return 位置_ < 长度_ ? 数据_[位置_++] : 0; }
    int16_t 有符号16() {
        const uint16_t 低 = 字节(), 高 = 字节();
        return static_cast<int16_t>(static_cast<uint16_t>(低 | 高 << 8));
    }
    std::string 其余() const {
        return 位置_ < 长度_ ? std::string(reinterpret_cast<const char*>(数据_ + 位置_), 长度_ - 位置_) : "";
    }

private:
    const uint8_t* 数据_;
    size_t 长度_;
    size_t 位置_ = 0;
};

// Negative, zero and small values go through as they are; larger ones fold into
// 0..最大边. Two values stand for the extremes: INT16_MAX for INT32_MAX (the module must
// refuse it before allocating) and INT16_MIN for "not given".
std::optional<int32_t> 读尺寸(读取器& 读) {
    const int16_t 值 = 读.有符号16();
    if (值 == INT16_MIN) return std::nullopt;
    if (值 == INT16_MAX) return INT32_MAX;
    if (值 == INT16_MIN + 1) return INT32_MIN;
    if (值 > 最大边) return 值 % (最大边 + 1);
    return 值;
}

[[noreturn]] void 违反(const char* 性质) {
    std::fprintf(stderr, "property broken: %s\n", 性质);
    std::abort();
}

void 要求(bool 成立, const char* 性质) {
    if (!成立) 违反(性质);
}

uint32_t 读32(const std::vector<uint8_t>& 字节, size_t 处) {
    return 字节[处] | 字节[处 + 1] << 8 | 字节[处 + 2] << 16 | static_cast<uint32_t>(字节[处 + 3]) << 24;
}

// Blue, green and red bytes of pixel (x, y), y from the top.
const uint8_t* 像素(const std::vector<uint8_t>& 文件, int32_t 宽, int32_t 高, int32_t x, int32_t y) {
    const size_t 行长 = (static_cast<size_t>(宽) * 24 + 31) / 32 * 4;
    return 文件.data() + 54 + 行长 * static_cast<size_t>(高 - 1 - y) + 3 * static_cast<size_t>(x);
}

bool 是颜色(const uint8_t* p, uint8_t 值) { return p[0] == 值 && p[1] == 值 && p[2] == 值; }

void 检查图片(const std::vector<uint8_t>& 文件, std::optional<int32_t> 请求宽, std::optional<int32_t> 请求高) {
    const int32_t 宽 = 请求宽.value_or(0) > 0 ? *请求宽 : 100;
    const int32_t 高 = 请求高.value_or(0) > 0 ? *请求高 : 100;
    const size_t 行长 = (static_cast<size_t>(宽) * 24 + 31) / 32 * 4;
    要求(文件.size() == 54 + 行长 * static_cast<size_t>(高), "file size is 54 + rowBytes x height");
    要求(文件[0] == 'B' && 文件[1] == 'M', "file begins with BM");
    要求(读32(文件, 2) == 文件.size() && 读32(文件, 10) == 54, "header holds the file size and offset 54");
    要求(static_cast<int32_t>(读32(文件, 18)) == 宽 && static_cast<int32_t>(读32(文件, 22)) == 高,
         "header holds the effective width and height");

    const int32_t 版本 = qr::当前二维码->取版本号();
    要求(版本 >= 1 && 版本 <= 40, "the record holds a version 1..40");
    const int32_t 边 = qr::当前二维码->取矩阵宽度();
    要求(边 == 17 + 4 * 版本, "the symbol has 17 + 4 x version modules");
    要求(宽 >= 边 + 4 && 高 >= 边 + 4, "a picture is only made when the symbol and its quiet zone fit");

    // The finder pattern's corner module is dark; the picture's corner is quiet zone.
    const qr::渲染布局 布局 = qr::计算渲染布局(边, 边, 宽, 高);
    要求(是颜色(像素(文件, 宽, 高, 布局.左边距, 布局.上边距), 0), "the symbol's top-left module is black");
    要求(是颜色(像素(文件, 宽, 高, 0, 0), 0xFF), "the picture's top-left pixel is white");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qr::初始化模块();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* 数据, size_t 长度) {
    读取器 读(数据, 长度);
    const size_t 级别号 = 读.字节() % (级别数 + 1);
    const std::optional<std::string> 级别 =
        级别号 < 级别数 ? std::optional<std::string>(级别表[级别号]) : std::nullopt;
    const std::optional<int32_t> 宽 = 读尺寸(读);
    const std::optional<int32_t> 高 = 读尺寸(读);
    const std::string 内容 = 读.其余();
    try {
        检查图片(qr::创建二维码(内容, 级别, 宽, 高), 宽, 高);
    } catch (const qr::模块异常& 异常) {
        const qr::异常记录& 记录 = 异常.取记录();
        要求(!记录.异常来源.empty() && !记录.方法名称.empty(), "a report names its source and method");
        要求(异常.报告().rfind("异常来源：[" + 记录.异常来源 + "]\r\n", 0) == 0, "the report text starts with its source");
    }
    return 0;
}
