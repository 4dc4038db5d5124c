#include "qr/ecc/reed_solomon.h"

#include <algorithm>

#include "qr/model/module.h"

namespace qr {

namespace {

constexpr int32_t QR本原多项式 = 0x011D;
// The most error-correction codewords one QR block carries.
constexpr int32_t 共享生成最高次数 = 30;

// g × (x + alpha^(k-1)): the step from the generator of degree k-1 to that of degree k.
多项式类 乘以一次因子(const GF256& 域, const 多项式类& g, int32_t k) {
    多项式类 因子;
    因子.构造多项式(域, {1, 域.取指数(k - 1)});
    GFP 工作;
    工作.置运算多项式(g);
    return 工作.相乘(因子);
}

// The generator's coefficients after its leading 1, as logarithms; -1 marks a zero.
std::vector<int32_t> 生成式对数(const GF256::域表& 表, const std::vector<int32_t>& 生成式) {
    std::vector<int32_t> 对数(生成式.size() - 1);
    for (size_t j = 1; j < 生成式.size(); ++j)
        对数[j - 1] = 生成式[j] == 0 ? -1 : 表.对数表[static_cast<size_t>(生成式[j])];
    return 对数;
}

// The QR field's generators, built once per process: an encoder is made for every
// block, and rebuilding the same products each time would dominate the encode.
struct 共享生成表 {
    std::string 标识;
    std::vector<std::vector<int32_t>> 对数;  // index d: the generator of degree d
};

const 共享生成表& 取共享生成表() {
    static const 共享生成表 表 = [] {
        GF256 域;
        域.置本原多项式(QR本原多项式);
        共享生成表 结果{域.取标识(), {{}}};
        多项式类 g;
        g.构造多项式(域, {1});
        for (int32_t k = 1; k <= 共享生成最高次数; ++k) {
            g = 乘以一次因子(域, g, k);
            结果.对数.push_back(生成式对数(*域.取表(), g.系数列表()));
        }
        return 结果;
    }();
    return 表;
}

int32_t 对数相乘(const GF256::域表& 表, int32_t 对数a, int32_t 对数b) {
    if (对数a < 0 || 对数b < 0) return 0;
    return 表.指数表[static_cast<size_t>((对数a + 对数b) % 255)];
}

// The remainder of data(x)·x^n divided by the monic generator, by shift-register
// division straight into the n entries behind the data: one buffer, no allocation.
// It equals the remainder of the polynomial division, leading zeros included.
void 写入余式(const GF256::域表& 表, const std::vector<int32_t>& 生成对数, std::vector<int32_t>& 列表,
              size_t 数据数) {
    const size_t n = 生成对数.size();
    int32_t* 余 = 列表.data() + 数据数;
    std::fill(余, 余 + n, 0);
    for (size_t i = 0; i < 数据数; ++i) {
        const int32_t 反馈 = 列表[i] ^ 余[0];
        const int32_t 反馈对数 = 反馈 == 0 ? -1 : 表.对数表[static_cast<size_t>(反馈)];
        for (size_t j = 0; j + 1 < n; ++j) 余[j] = 余[j + 1] ^ 对数相乘(表, 反馈对数, 生成对数[j]);
        余[n - 1] = 对数相乘(表, 反馈对数, 生成对数[n - 1]);
    }
}

}  // namespace

RS编码器类::RS编码器类() : 类名("RS编码器类") {}

void RS编码器类::RS编码器(const GF256& 新域) {
    const std::string 模块标识 = 二维码域 ? 二维码域->取标识() : std::string();
    if (模块标识 != 新域.取标识()) 抛出异常({类名, "RS编码器", "GF标识不相同"});
    域 = 新域;
    // Binding again starts over: a second {1} behind the first would be handed out as
    // the generator of degree 1.
    生成多项式缓存.clear();
    多项式类 一;
    一.构造多项式(域, {1});
    生成多项式缓存.push_back(std::move(一));
}

多项式类 RS编码器类::构建生成多项式(int32_t 次数) {
    if (生成多项式缓存.empty()) 抛出异常({类名, "构建生成多项式", "未绑定可用的GF256"});
    if (次数 < 0) 抛出异常({类名, "构建生成多项式", "次数小于0，当前值为：" + std::to_string(次数)});
    for (auto k = static_cast<int32_t>(生成多项式缓存.size()); k <= 次数; ++k)
        生成多项式缓存.push_back(乘以一次因子(域, 生成多项式缓存.back(), k));
    return 生成多项式缓存[static_cast<size_t>(次数)];
}

void RS编码器类::编码(std::vector<int32_t>& 列表, int32_t n) {
    if (n == 0) 抛出异常({类名, "编码", "没有容错字节"});
    if (n < 0) 抛出异常({类名, "编码", "容错字节数小于0，当前值为：" + std::to_string(n)});
    const int64_t 数据数 = static_cast<int64_t>(列表.size()) - n;
    if (数据数 <= 0) 抛出异常({类名, "编码", "未提供数据字节"});
    const GF256::域表* 表 = 域.取表();
    if (生成多项式缓存.empty() || 表 == nullptr) 抛出异常({类名, "编码", "未绑定可用的GF256"});
    for (int64_t i = 0; i < 数据数; ++i) {
        const int32_t v = 列表[static_cast<size_t>(i)];
        if (v < 0 || v > 255) 抛出异常({类名, "编码", "数据字节超出范围，当前值为：" + std::to_string(v)});
    }

    const 共享生成表& 共享 = 取共享生成表();
    if (n <= 共享生成最高次数 && 表->标识 == 共享.标识) {
        写入余式(*表, 共享.对数[static_cast<size_t>(n)], 列表, static_cast<size_t>(数据数));
    } else {
        const 多项式类 生成式 = 构建生成多项式(n);
        写入余式(*表, 生成式对数(*表, 生成式.系数列表()), 列表, static_cast<size_t>(数据数));
    }
}

}  // namespace qr
