#include "qr/encode/mask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

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

// The 1:1:3:1:1 finder-like shape with four light cells before it, and with four after it,
// as 11-cell windows read oldest cell first.
constexpr uint32_t 前浅探测形 = 0b00001011101;
constexpr uint32_t 后浅探测形 = 0b10111010000;
constexpr uint32_t 窗口掩码 = 0x7FF;

// Scores one line, fed cell by cell. After cell k the window holds cells k-10..k: it shows
// the shape starting at k-6 with light cells before it, or the shape starting at k-10
// with light cells after it. A shape with light cells on both sides was already counted
// by the first test, four cells earlier, so the second test skips it. Cells other than 0
// and 1 match nothing.
struct 探测形扫描 {
    uint32_t 深 = 0, 非二值 = 0, 前浅命中 = 0;
    int32_t 读入(int32_t k, uint8_t 值) {
        深 = ((深 << 1) | (值 == 1)) & 窗口掩码;
        非二值 = ((非二值 << 1) | (值 > 1)) & 窗口掩码;
        const bool 满窗 = k >= 10 && 非二值 == 0;
        const bool 前浅 = 满窗 && 深 == 前浅探测形;
        前浅命中 = (前浅命中 << 1) | 前浅;
        const bool 后浅 = 满窗 && 深 == 后浅探测形 && !(前浅命中 & (1u << 4));
        return 40 * (前浅 + 后浅);
    }
};

}  // namespace

int32_t 掩码辅助类::计算惩罚规则3(const 字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    int32_t 惩罚 = 0;
    // Rows one by one, and all columns at once while walking down the rows.
    std::vector<探测形扫描> 列(static_cast<size_t>(std::max(W, 0)));
    for (int32_t y = 0; y < H; ++y) {
        const uint8_t* 行 = 矩阵.行(y);
        探测形扫描 横;
        for (int32_t x = 0; x < W; ++x) {
            惩罚 += 横.读入(x, 行[x]);
            惩罚 += 列[static_cast<size_t>(x)].读入(y, 行[x]);
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

