// The module's frame: error records and the fatal report, the shared array records,
// and the small routines every class of the module leans on.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace qr {

// Who found an error, in which method, and what it is. The record owns its texts.
struct 异常记录 {
    std::string 异常来源;
    std::string 方法名称;  // bare name; the report adds "()"
    std::string 异常信息;
};

// The report shown for a record: three CR LF separated lines.
std::string 报告文本(const 异常记录& 记录);

// What 抛出异常 throws. The module never catches it; each program catches it at its
// boundary, shows 报告(), shuts the module down and exits with status 1.
class 模块异常 : public std::exception {
public:
    explicit 模块异常(异常记录 记录);
    const 异常记录& 取记录() const noexcept { return 记录_; }
    const std::string& 报告() const noexcept { return 报告_; }
    const char* what() const noexcept override { return 报告_.c_str(); }

private:
    异常记录 记录_;
    std::string 报告_;
};

// Ends the current operation with the given record; never returns.
[[noreturn]] void 抛出异常(const 异常记录& 记录);
// Without a record every field reads "无".
[[noreturn]] void 抛出异常();

// The module's record for handing out arrays: one member is filled, the others keep
// their default of one element (empty text or 0).
struct 数组集 {
    std::vector<std::string> 文本组{std::string()};
    std::vector<int32_t> 整数组{0};
    std::vector<float> 小数组{0.0f};
    std::vector<uint8_t> 字节组{0};
};

// The same four members as two-dimensional arrays, rows first; each defaults to 1 x 1.
struct 矩阵集 {
    std::vector<std::vector<std::string>> 文本组{{std::string()}};
    std::vector<std::vector<int32_t>> 整数组{{0}};
    std::vector<std::vector<float>> 小数组{{0.0f}};
    std::vector<std::vector<uint8_t>> 字节组{{0}};
};

// "10,-2,x" -> 10, -2, 0: each piece is read like atoi (blanks, sign, digits).
数组集 文本到整数数组(std::string_view 文本, std::string_view 分隔符);

// Logical right shift of the value's 32-bit pattern, counts 0..31.
constexpr int32_t 无符号右移(int32_t 值, int32_t 位数) {
    return static_cast<int32_t>(static_cast<uint32_t>(值) >> 位数);
}

}  // namespace qr
