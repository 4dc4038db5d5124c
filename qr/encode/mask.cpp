#include "qr/encode/mask.h"

#include <cmath>
#include <cstdlib>

#include "qr/model/frame.h"
#include "qr/model/qr_code.h"

namespace qr {

void 掩码辅助类::报告掩码无效() const { 抛出异常({类名, "取数据掩码位", "掩图无效。"}); }

int32_t 掩码辅助类::计算单向连续惩罚(const 字节矩阵类& 矩阵, bool 水平) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    const int32_t 线数 = 水平 ? H : W;
    const int32_t 线长 = 水平 ? W : H;
    // Cells lie row after row, so a column is walked with a stride of one row.
    const ptrdiff_t 线距 = 水平 ? W : 1, 格距 = 水平 ? 1 : W;
    const uint8_t* 起点 = 矩阵.行(0);
    int32_t 惩罚 = 0, 计数 = 0, 前值 = -1;
    for (int32_t i = 0; i < 线数; ++i) {
        const uint8_t* p = 起点 + i * 线距;
        for (int32_t j = 0; j < 线长; ++j, p += 格距) {
            const int32_t 值 = *p;
            if (值 == 前值) {
                ++计数;
                if (计数 == 5) 惩罚 += 3;
                else if (计数 > 5) 惩罚 += 1;
            } else {
                计数 = 1;
                前值 = 值;
            }
        }
        // A run ends with its line; the previous value deliberately carries over.
        计数 = 0;
    }
    return 惩罚;
}

int32_t 掩码辅助类::计算惩罚规则1(const 字节矩阵类& 矩阵) const {
    return 计算单向连续惩罚(矩阵, true) + 计算单向连续惩罚(矩阵, false);
}

int32_t 掩码辅助类::计算惩罚规则2(const 字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    int32_t 惩罚 = 0;
    for (int32_t y = 0; y + 1 < H; ++y) {
        const uint8_t* 上 = 矩阵.行(y);
        const uint8_t* 下 = 矩阵.行(y + 1);
        for (int32_t x = 0; x + 1 < W; ++x) {
            const uint8_t v = 上[x];
            if (v == 上[x + 1] && v == 下[x] && v == 下[x + 1]) 惩罚 += 3;
        }
    }
    return 惩罚;
}

namespace {

// 1:1:3:1:1 dark-light pattern that looks like a finder pattern.
constexpr uint8_t 探测形[7] = {1, 0, 1, 1, 1, 0, 1};

// Whether the shape starts at cell p, the 位置-th of a line of 长度 cells read with the
// given stride, with four light cells after it or before it. Stops at the first failing
// part, so no cell outside the line is read.
inline bool 有探测形(const uint8_t* p, ptrdiff_t 步长, int32_t 位置, int32_t 长度) {
    if (位置 + 6 >= 长度) return false;
    for (int32_t i = 0; i < 7; ++i)
        if (p[i * 步长] != 探测形[i]) return false;
    auto 全浅 = [&](int32_t 从, int32_t 到) {
        for (int32_t i = 从; i <= 到; ++i)
            if (p[i * 步长] != 0) return false;
        return true;
    };
    return (位置 + 10 < 长度 && 全浅(7, 10)) || (位置 - 4 >= 0 && 全浅(-4, -1));
}

}  // namespace

int32_t 掩码辅助类::计算惩罚规则3(const 字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    int32_t 惩罚 = 0;
    for (int32_t y = 0; y < H; ++y) {
        const uint8_t* 行 = 矩阵.行(y);
        for (int32_t x = 0; x < W; ++x) {
            if (行[x] != 1) continue;  // both shapes start with a dark cell
            if (有探测形(行 + x, 1, x, W)) 惩罚 += 40;
            if (有探测形(行 + x, W, y, H)) 惩罚 += 40;
        }
    }
    return 惩罚;
}

int32_t 掩码辅助类::计算惩罚规则4(const 字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    int32_t 深色 = 0;
    for (int32_t y = 0; y < H; ++y) {
        const uint8_t* 行 = 矩阵.行(y);
        for (int32_t x = 0; x < W; ++x) 深色 += 行[x] == 1;
    }
    // The share is kept as a 32-bit float on purpose: it decides the boundary cases.
    const float 比例 = static_cast<float>(static_cast<double>(深色) / static_cast<double>(W * H));
    const auto d = static_cast<int32_t>(100.0 * static_cast<double>(比例) - 50.0);
    return (std::abs(d) / 5) * 10;
}

}  // namespace qr

