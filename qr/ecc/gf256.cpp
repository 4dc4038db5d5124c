#include "qr/ecc/gf256.h"

#include <utility>

namespace qr {

namespace {

// Builds the tables the way the field is defined: alpha = 2 multiplied up, reduced by
// the polynomial whenever it leaves the byte.
GF256::域表 计算域表(int32_t 本原多项式) {
    GF256::域表 表;
    表.标识 = "GF256:" + std::to_string(本原多项式);
    int32_t x = 1;
    for (int32_t i = 0; i < 256; ++i) {
        表.指数表[static_cast<size_t>(i)] = x;
        x <<= 1;
        if (x >= 256) x ^= 本原多项式;
    }
    for (int32_t i = 0; i < 255; ++i) 表.对数表[static_cast<size_t>(表.指数表[static_cast<size_t>(i)])] = i;
    return 表;
}

// A polynomial of degree 8 (bit 8 set, nothing above) keeps every power inside the byte;
// it is primitive when alpha^0..alpha^254 are the 255 non-zero elements, each once.
bool 是本原多项式(int32_t 本原多项式) {
    if (本原多项式 < 256 || 本原多项式 > 511) return false;
    std::array<bool, 256> 见过{};
    int32_t x = 1;
    for (int32_t i = 0; i < 255; ++i) {
        if (x == 0 || 见过[static_cast<size_t>(x)]) return false;
        见过[static_cast<size_t>(x)] = true;
        x <<= 1;
        if (x >= 256) x ^= 本原多项式;
    }
    return x == 1;
}

// An unbuilt field hands out empty tables.
数组集 整数组集(const std::array<int32_t, 256>* 表) {
    数组集 结果;
    结果.整数组.clear();
    if (表) 结果.整数组.assign(表->begin(), 表->end());
    return 结果;
}

}  // namespace

GF256::GF256() : 类名("GF256") {}

std::string GF256::取标识() const { return 表 ? 表->标识 : std::string(); }

数组集 GF256::取零系数() const {
    数组集 结果;
    if (!表) 结果.整数组.clear();  // an unbuilt field has no zero list yet
    return 结果;                    // otherwise the default {0} is the zero polynomial's list
}

void GF256::置本原多项式(int32_t 本原多项式) {
    // Any other value would give tables that are no field (wrong inverses, divisions
    // that never finish) or, outside 256..511, powers that overrun the tables.
    if (!是本原多项式(本原多项式))
        抛出异常({类名, "置本原多项式", "不是本原多项式，当前值为：" + std::to_string(本原多项式)});
    表 = std::make_shared<const 域表>(计算域表(本原多项式));
}

const GF256::域表& GF256::已建表(const char* 方法) const {
    if (!表) 抛出异常({类名, 方法, "未设置本原多项式"});
    return *表;
}

void GF256::检查元素(const char* 方法, int32_t 值) const {
    if (值 < 0 || 值 > 255) 抛出异常({类名, 方法, "参数超出范围，当前值为：" + std::to_string(值)});
}

int32_t GF256::取指数(int32_t a) const {
    检查元素("取指数", a);
    return 已建表("取指数").指数表[static_cast<size_t>(a)];
}

int32_t GF256::取对数(int32_t a) const {
    if (a == 0) 抛出异常();
    检查元素("取对数", a);
    return 已建表("取对数").对数表[static_cast<size_t>(a)];
}

int32_t GF256::求逆(int32_t a) const {
    if (a == 0) 抛出异常();
    检查元素("求逆", a);
    const 域表& 表格 = 已建表("求逆");
    return 表格.指数表[static_cast<size_t>(255 - 表格.对数表[static_cast<size_t>(a)])];
}

int32_t GF256::元素相乘(int32_t a, int32_t b) const {
    if (a == 0 || b == 0) return 0;
    if (a == 1) return b;
    if (b == 1) return a;
    检查元素("元素相乘", a);
    检查元素("元素相乘", b);
    const 域表& 表格 = 已建表("元素相乘");
    const int32_t 和 = 表格.对数表[static_cast<size_t>(a)] + 表格.对数表[static_cast<size_t>(b)];
    return 表格.指数表[static_cast<size_t>(和 % 255)];
}

数组集 GF256::取指数表() const { return 整数组集(表 ? &表->指数表 : nullptr); }

数组集 GF256::取对数表() const { return 整数组集(表 ? &表->对数表 : nullptr); }

}  // namespace qr
