// Polynomials over a GF256 field: the value class, the arithmetic on one held operand,
// and division of a held dividend.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qr/ecc/gf256.h"
#include "qr/model/frame.h"

namespace qr {

// A field and its coefficients, highest degree first. Once built, the list is never
// empty and starts with a non-zero coefficient unless it is the zero polynomial {0}.
class 多项式类 {
public:
    多项式类() = default;
    多项式类(const 多项式类&) = default;
    多项式类& operator=(const 多项式类&) = default;
    多项式类(多项式类&&) noexcept = default;
    多项式类& operator=(多项式类&&) noexcept = default;
    virtual ~多项式类() = default;

    GF256 取域() const { return 域; }
    数组集 取系数组() const;
    int32_t 取次数() const { return static_cast<int32_t>(系数.size()) - 1; }
    bool 是否为零() const;
    int32_t 取系数(int32_t 次数) const;
    void 构造多项式(const GF256& 新域, const std::vector<int32_t>& 列表);
    int32_t 求值(int32_t a) const;
    std::string 到字符串() const;

    // Never set: a polynomial has no display name.
    const std::string& 取类名() const { return 类名; }
    // Read-only views for code that must not copy the list or the field.
    const std::vector<int32_t>& 系数列表() const { return 系数; }
    const GF256& 所在域() const { return 域; }

private:
    void 检查已构造(const char* 方法) const;

    std::string 类名;
    std::vector<int32_t> 系数;
    GF256 域;
};

// Arithmetic on the held operand; every operation returns a new polynomial in the
// operand's field.
class GFP : public 多项式类 {
public:
    GFP();

    const std::string& 取类名() const { return 类名; }

    void 置运算多项式(const 多项式类& 多项式);
    多项式类 取运算多项式() const { return 运算多项式; }
    多项式类 加或减(const 多项式类& 其他) const;
    多项式类 相乘(const 多项式类& 其他) const;
    多项式类 乘以标量(int32_t 标量) const;
    多项式类 叠加单项式(int32_t 次数, int32_t 系数值) const;
    多项式类 构造单项式(int32_t 次数, int32_t 系数值) const;

private:
    void 检查同域(const 多项式类& 其他, const char* 方法) const;
    多项式类 零多项式() const;
    多项式类 在本域构造(const std::vector<int32_t>& 列表) const;

    std::string 类名;
    多项式类 运算多项式;
};

// Division of the dividend held in a GFP.
class GFPP : public GFP {
public:
    GFPP();

    const std::string& 取类名() const { return 类名; }

    void 置被除式(const GFP& 新被除式) { 被除式 = 新被除式; }
    GFP 取被除式() const { return 被除式; }
    // Appends the quotient, then the remainder.
    void 分离(const 多项式类& 除式, std::vector<多项式类>& 结果) const;

private:
    std::string 类名;
    GFP 被除式;
};

}  // namespace qr
