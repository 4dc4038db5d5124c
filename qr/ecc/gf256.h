// The field GF(256): exponent and logarithm tables built from a primitive polynomial,
// and the element operations the polynomials and the Reed-Solomon encoder stand on.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "qr/model/frame.h"

namespace qr {

class GF256 {
public:
    // What 置本原多项式 builds. A built block never changes, so every copy of a field
    // shares it: copying a field costs a pointer, not two tables.
    struct 域表 {
        std::string 标识;                 // "GF256:" + primitive polynomial in decimal
        std::array<int32_t, 256> 指数表{};  // entry i = alpha^i; entry 255 = entry 0 = 1
        std::array<int32_t, 256> 对数表{};  // entry v = i with alpha^i = v; entry 0 stays 0
    };

    GF256();

    const std::string& 取类名() const { return 类名; }

    std::string 取标识() const;
    数组集 取零系数() const;
    void 置本原多项式(int32_t 本原多项式);
    int32_t 元素加减(int32_t a, int32_t b) const { return a ^ b; }
    int32_t 取指数(int32_t a) const;
    int32_t 取对数(int32_t a) const;
    int32_t 求逆(int32_t a) const;
    int32_t 元素相乘(int32_t a, int32_t b) const;
    数组集 取指数表() const;
    数组集 取对数表() const;

    // The built tables, or null before 置本原多项式: read-only access for the encoder's
    // inner loop, which must not copy them or go through the checked operations.
    const 域表* 取表() const { return 表.get(); }

private:
    const 域表& 已建表(const char* 方法) const;
    void 检查元素(const char* 方法, int32_t 值) const;

    std::shared_ptr<const 域表> 表;
    std::string 类名;
};

}  // namespace qr
