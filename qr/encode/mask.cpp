#include "qr/encode/mask.h"

#include <cmath>
#include <cstdlib>

#include "qr/model/frame.h"
#include "qr/model/qr_code.h"

namespace qr {

bool 掩码辅助类::取数据掩码位(int32_t 掩码, int32_t x, int32_t y) const {
    if (!二维码类::是否为有效掩码(掩码)) 抛出异常({类名, "取数据掩码位", "掩图无效。"});
    int32_t v = 0;
    switch (掩码) {
        case 0: v = (x + y) & 1; break;
        case 1: v = y & 1; break;
        case 2: v = x % 3; break;
        case 3: v = (x + y) % 3; break;
        case 4: v = (无符号右移(y, 1) + x / 3) & 1; break;
        case 5: v = ((x * y) & 1) + ((x * y) % 3); break;
        case 6: v = (((x * y) & 1) + ((x * y) % 3)) & 1; break;
        case 7: v = (((x * y) % 3) + ((x + y) & 1)) & 1; break;
    }
    return v == 0;
}

int32_t 掩码辅助类::计算单向连续惩罚(const 字节矩阵类& 矩阵, bool 水平) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    const int32_t 线数 = 水平 ? H : W;
    const int32_t 线长 = 水平 ? W : H;
    int32_t 惩罚 = 0, 计数 = 0, 前值 = -1;
    for (int32_t i = 0; i < 线数; ++i) {
        for (int32_t j = 0; j < 线长; ++j) {
            const int32_t 值 = 水平 ? 矩阵.取值(j, i) : 矩阵.取值(i, j);
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

// Reads cell i along a line, horizontal or vertical, starting at (x, y).
struct 线读取 {
    const 字节矩阵类& 矩阵;
    int32_t x, y;
    bool 水平;
    uint8_t operator()(int32_t i) const { return 水平 ? 矩阵.取值(x + i, y) : 矩阵.取值(x, y + i); }
};

bool 有探测形(const 线读取& 读, int32_t 起点, int32_t 长度) {
    if (起点 + 6 >= 长度) return false;
    for (int32_t i = 0; i < 7; ++i)
        if (读(i) != 探测形[i]) return false;
    auto 全浅 = [&](int32_t 从, int32_t 到) {
        for (int32_t i = 从; i <= 到; ++i)
            if (读(i) != 0) return false;
        return true;
    };
    return (起点 + 10 < 长度 && 全浅(7, 10)) || (起点 - 4 >= 0 && 全浅(-4, -1));
}

}  // namespace

int32_t 掩码辅助类::计算惩罚规则3(const 字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    int32_t 惩罚 = 0;
    for (int32_t y = 0; y < H; ++y) {
        for (int32_t x = 0; x < W; ++x) {
            if (有探测形({矩阵, x, y, true}, x, W)) 惩罚 += 40;
            if (有探测形({矩阵, x, y, false}, y, H)) 惩罚 += 40;
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

