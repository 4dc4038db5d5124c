#include "qr/model/bit_vector.h"

namespace qr {

namespace {
constexpr size_t 初始字节数 = 32;
}

位向量类::位向量类() : 字节数组(初始字节数, 0), 类名("位向量类") {}

数组集 位向量类::取字节数组() const {
    数组集 结果;
    结果.字节组 = 字节数组;
    return 结果;
}

void 位向量类::置字节数组(const std::vector<uint8_t>& 字节) { 字节数组 = 字节; }

int32_t 位向量类::取位值(int32_t 索引) const {
    if (索引 < 0 || 索引 >= 大小) 抛出异常({类名, "取位值", "索引超限"});
    return (字节数组[static_cast<size_t>(索引 >> 3)] >> (7 - (索引 & 7))) & 1;
}

void 位向量类::追加位(int32_t 位) {
    if (位 != 0 && 位 != 1) 抛出异常({类名, "追加位", "位数据只能是0或1"});
    const int32_t r = 大小 & 7;
    if (r == 0) {
        // Opening a new byte goes through 追加字节, which is where the storage grows.
        追加字节(0);
        大小 -= 8;
    }
    字节数组[static_cast<size_t>(大小 >> 3)] |= static_cast<uint8_t>(位 << (7 - r));
    ++大小;
}

void 位向量类::追加字节(int32_t 值) {
    const size_t 位置 = static_cast<size_t>(大小 >> 3);
    if (位置 == 字节数组.size()) 字节数组.resize(字节数组.size() * 2, 0);
    字节数组[位置] = static_cast<uint8_t>(值 & 0xFF);
    大小 += 8;
}

void 位向量类::追加数值位(int32_t 值, int32_t 位数) {
    if (位数 < 0 || 位数 > 32) return;
    // Shift the 32-bit pattern as unsigned: only the low bits are kept in the end, and a
    // shift of a negative value must not depend on the compiler.
    const uint32_t 模式 = static_cast<uint32_t>(值);
    int32_t n = 位数;
    while (n > 0) {
        if ((大小 & 7) == 0 && n >= 8) {
            追加字节(static_cast<int32_t>((模式 >> (n - 8)) & 0xFF));
            n -= 8;
        } else {
            追加位(static_cast<int32_t>((模式 >> (n - 1)) & 1));
            n -= 1;
        }
    }
}

void 位向量类::清空() {
    大小 = 0;
    字节数组.assign(初始字节数, 0);
}

std::string 位向量类::到字符串() const {
    std::string 文本;
    文本.reserve(static_cast<size_t>(大小) * 2);
    for (int32_t i = 0; i < 大小; ++i) {
        if (i > 0) 文本 += ',';
        文本 += 取位值(i) ? '1' : '0';
    }
    return 文本;
}

位向量子类::位向量子类() : 类名("位向量子类") {}

void 位向量子类::置位向量(const 位向量类& 向量) { 内部位向量 = 向量; }

位向量类 位向量子类::取位向量() const { return 内部位向量; }

void 位向量子类::追加位向量(const 位向量类& 其他) {
    for (int32_t i = 0; i < 其他.取大小(); ++i) 内部位向量.追加位(其他.取位值(i));
}

位向量类 位向量子类::异或(const 位向量类& 其他) {
    if (内部位向量.取大小() != 其他.取大小())
        抛出异常({类名, "异或", "两个位向量长度不同，不能做异或运算。"});
    std::vector<uint8_t> 字节 = 内部位向量.存储();
    const auto& 另 = 其他.存储();
    const size_t n = static_cast<size_t>(内部位向量.取字节数());
    for (size_t k = 0; k < n; ++k) 字节[k] ^= 另[k];
    内部位向量.置字节数组(字节);
    return 内部位向量;
}

}  // namespace qr
