#include "qr/encode/matrix_builder.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <type_traits>

#include "qr/encode/mask.h"
#include "qr/model/frame.h"
#include "qr/model/qr_code.h"

namespace qr {

namespace {
constexpr int32_t 空 = 255;
constexpr int32_t 类型信息多项式 = 0x537;
constexpr int32_t 类型信息掩码 = 0x5412;
constexpr int32_t 版本信息多项式 = 0x1F25;

bool 形状为(const std::vector<std::vector<int32_t>>& 表, size_t 行数, size_t 列数) {
    if (表.size() != 行数) return false;
    for (const auto& 行 : 表)
        if (行.size() != 列数) return false;
    return true;
}
}  // namespace

矩阵应用类::矩阵应用类() : 类名("矩阵应用类") { 初始化图形表(); }

void 矩阵应用类::报告(const char* 方法, const std::string& 信息) const { 抛出异常({类名, 方法, 信息}); }

void 矩阵应用类::初始化图形表() {
    static const auto 共享 = [] {
        图形表集 t;
        t.位置探测图 = {
            {1, 1, 1, 1, 1, 1, 1}, {1, 0, 0, 0, 0, 0, 1}, {1, 0, 1, 1, 1, 0, 1}, {1, 0, 1, 1, 1, 0, 1},
            {1, 0, 1, 1, 1, 0, 1}, {1, 0, 0, 0, 0, 0, 1}, {1, 1, 1, 1, 1, 1, 1},
        };
        t.水平分割图 = {{0, 0, 0, 0, 0, 0, 0, 0}};
        t.垂直分割图 = {{0}, {0}, {0}, {0}, {0}, {0}, {0}};
        t.方位调整标识图 = {
            {1, 1, 1, 1, 1}, {1, 0, 0, 0, 1}, {1, 0, 1, 0, 1}, {1, 0, 0, 0, 1}, {1, 1, 1, 1, 1},
        };
        // The alignment centres come from the same fixed data as the version table, padded
        // with -1 to seven entries.
        t.方位调整坐标表.assign(40, std::vector<int32_t>(7, -1));
        for (int32_t v = 1; v <= 40; ++v) {
            const auto 坐标 = 固定表::方位调整坐标列表(v);
            std::copy_n(坐标.begin(), std::min<size_t>(坐标.size(), 7), t.方位调整坐标表[static_cast<size_t>(v - 1)].begin());
        }
        t.类型信息坐标表 = {{8, 0}, {8, 1}, {8, 2}, {8, 3}, {8, 4}, {8, 5}, {8, 7}, {8, 8},
                           {7, 8}, {5, 8}, {4, 8}, {3, 8}, {2, 8}, {1, 8}, {0, 8}};
        return std::make_shared<const 图形表集>(std::move(t));
    }();
    图形表 = 共享;
}

void 矩阵应用类::构建矩阵(const 位向量类& 数据位, const 容错级别类& 级别, int32_t 版本, int32_t 掩码,
                          字节矩阵类& 矩阵) const {
    清空矩阵(矩阵);
    插入基本图形(版本, 矩阵);
    插入类型信息(级别, 掩码, 矩阵);
    按需插入版本信息(版本, 矩阵);
    // On a matrix of the version's own size the data cells are known in advance.
    const int32_t 维 = 17 + 4 * 版本;
    if (版本 >= 1 && 版本 <= 40 && 矩阵.取宽度() == 维 && 矩阵.取高度() == 维)
        按序插入数据信息位(数据位, 掩码, 版本, 矩阵);
    else
        插入数据信息位(数据位, 掩码, 矩阵);
}

void 矩阵应用类::清空矩阵(字节矩阵类& 矩阵) const { 矩阵.填充(空); }

void 矩阵应用类::插入基本图形(int32_t 版本, 字节矩阵类& 矩阵) const {
    插入位置探测图和分割图(矩阵);
    左下角插入黑点(矩阵);
    // Alignment patterns go before the timing patterns, which then skip their cells.
    按需插入方位调整标识(版本, 矩阵);
    插入定位基线(矩阵);
}

void 矩阵应用类::插入位置探测图和分割图(字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    插入位置探测图(0, 0, 矩阵);
    插入位置探测图(W - 7, 0, 矩阵);
    插入位置探测图(0, W - 7, 矩阵);
    插入水平分割图(0, 7, 矩阵);
    插入水平分割图(W - 8, 7, 矩阵);
    插入水平分割图(0, W - 8, 矩阵);
    插入垂直分割图(7, 0, 矩阵);
    插入垂直分割图(H - 8, 0, 矩阵);
    插入垂直分割图(7, H - 7, 矩阵);
}

void 矩阵应用类::插入位置探测图(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const {
    if (!形状为(图形表->位置探测图, 7, 7)) 报告("插入位置探测图", "方位检测标识异常，不是7*7矩阵。");
    for (int32_t y = 0; y < 7; ++y) {
        for (int32_t x = 0; x < 7; ++x) {
            if (!是否为空(矩阵.取值(x起点 + x, y起点 + y)))
                报告("插入位置探测图", "方位检测标识异常，当前位置有空值。当前行索引：" +
                                           std::to_string(x起点 + x + 1) + "；列索引：" +
                                           std::to_string(y起点 + y + 1));
            矩阵.置值(x起点 + x, y起点 + y, 图形表->位置探测图[static_cast<size_t>(y)][static_cast<size_t>(x)]);
        }
    }
}

void 矩阵应用类::插入水平分割图(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const {
    if (!形状为(图形表->水平分割图, 1, 8)) 报告("插入水平分割图", "无效的水平分割图");
    for (int32_t x = 0; x < 8; ++x) {
        if (!是否为空(矩阵.取值(x起点 + x, y起点)))
            报告("插入水平分割图", "矩阵当前操作位数据不为空。i：" + std::to_string(x + 1) +
                                       "；x：" + std::to_string(x起点) + "；y：" + std::to_string(y起点));
        矩阵.置值(x起点 + x, y起点, 0);
    }
}

void 矩阵应用类::插入垂直分割图(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const {
    if (!形状为(图形表->垂直分割图, 7, 1)) 报告("插入垂直分割图", "无效的垂直分割图");
    for (int32_t y = 0; y < 7; ++y) {
        if (!是否为空(矩阵.取值(x起点, y起点 + y)))
            报告("插入垂直分割图", "矩阵当前操作位数据不为空。i：" + std::to_string(y + 1) +
                                       "；x：" + std::to_string(x起点) + "；y：" + std::to_string(y起点));
        矩阵.置值(x起点, y起点 + y, 0);
    }
}

void 矩阵应用类::左下角插入黑点(字节矩阵类& 矩阵) const {
    const int32_t H = 矩阵.取高度();
    if (矩阵.取值(8, H - 8) == 0) 报告("左下角插入黑点", "空值");
    矩阵.置值(8, H - 8, 1);
}

void 矩阵应用类::按需插入方位调整标识(int32_t 版本, 字节矩阵类& 矩阵) const {
    if (版本 < 2) return;
    const auto& c = 图形表->方位调整坐标表[static_cast<size_t>(版本 - 1)];
    for (size_t i = 0; i < 7; ++i) {
        for (size_t j = 0; j < 7; ++j) {
            const int32_t y = c[i], x = c[j];
            if (x == -1 || y == -1) continue;
            // Centres inside the finder patterns are already set and so are left out.
            if (是否为空(矩阵.取值(x, y))) 插入方位调整标识(x - 2, y - 2, 矩阵);
        }
    }
}

void 矩阵应用类::插入方位调整标识(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const {
    if (!形状为(图形表->方位调整标识图, 5, 5)) 报告("插入方位调整标识", "定位探测图矩阵维度不正确");
    for (int32_t y = 0; y < 5; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            if (!是否为空(矩阵.取值(x起点 + x, y起点 + y))) 报告("插入方位调整标识", "值为空");
            矩阵.置值(x起点 + x, y起点 + y, 图形表->方位调整标识图[static_cast<size_t>(y)][static_cast<size_t>(x)]);
        }
    }
}

void 矩阵应用类::插入定位基线(字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度();
    for (int32_t p = 8; p <= W - 9; ++p) {
        const int32_t 位 = (p + 1) % 2;
        for (auto [x, y] : {std::pair{p, 6}, std::pair{6, p}}) {
            const int32_t 值 = 矩阵.取值(x, y);
            if (!是否为有效值(值)) 报告("插入定位基线", "无效值");
            if (是否为空(值)) 矩阵.置值(x, y, 位);
        }
    }
}

int32_t 矩阵应用类::取最高位位置(int32_t 值) {
    int32_t 位数 = 0;
    while (值 != 0) {
        值 = 无符号右移(值, 1);
        ++位数;
    }
    return 位数;
}

int32_t 矩阵应用类::计算BCH码(int32_t 值, int32_t 多项式) {
    const int32_t m = 取最高位位置(多项式);
    值 = static_cast<int32_t>(static_cast<uint32_t>(值) << (m - 1));
    while (取最高位位置(值) >= m)
        值 ^= static_cast<int32_t>(static_cast<uint32_t>(多项式) << (取最高位位置(值) - m));
    return 值;
}

void 矩阵应用类::标记类型信息位(const 容错级别类& 级别, int32_t 掩码, 位向量类& 位) const {
    if (!二维码类::是否为有效掩码(掩码)) 报告("标记类型信息位", "掩图无效");
    const int32_t 类型信息 = (级别.取级别位() << 3) | 掩码;
    位.追加数值位(类型信息, 5);
    位.追加数值位(计算BCH码(类型信息, 类型信息多项式), 10);
    位向量类 掩码位;
    掩码位.追加数值位(类型信息掩码, 15);
    位向量子类 异或器;
    异或器.置位向量(位);
    位 = 异或器.异或(掩码位);
    if (位.取大小() != 15) 报告("标记类型信息位", "位向量长度不对。");
}

void 矩阵应用类::插入类型信息(const 容错级别类& 级别, int32_t 掩码, 字节矩阵类& 矩阵) const {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    位向量类 位;
    标记类型信息位(级别, 掩码, 位);
    for (int32_t i = 0; i < 15; ++i) {
        const int32_t 值 = 位.取位值(14 - i);
        const auto& 坐标 = 图形表->类型信息坐标表[static_cast<size_t>(i)];
        矩阵.置值(坐标[0], 坐标[1], 值);
        if (i < 8) 矩阵.置值(W - 1 - i, 8, 值);
        else 矩阵.置值(8, H - 15 + i, 值);
    }
}

void 矩阵应用类::标记版本信息位(int32_t 版本, 位向量类& 位) const {
    位.追加数值位(版本, 6);
    位.追加数值位(计算BCH码(版本, 版本信息多项式), 12);
    if (位.取大小() != 18) 报告("标记版本信息位", "版本信息不为18位");
}

void 矩阵应用类::按需插入版本信息(int32_t 版本, 字节矩阵类& 矩阵) const {
    if (版本 < 7) return;
    const int32_t H = 矩阵.取高度();
    位向量类 位;
    标记版本信息位(版本, 位);
    int32_t k = 17;
    for (int32_t i = 0; i < 6; ++i) {
        for (int32_t j = 0; j < 3; ++j) {
            const int32_t 值 = 位.取位值(k--);
            矩阵.置值(i, H - 11 + j, 值);
            矩阵.置值(H - 11 + j, i, 值);
        }
    }
}

namespace {

// Calls 访问(x, y) for every empty cell in placement order: up the rightmost two-column
// strip from the bottom, right cell before left, then down the next strip, and so on; the
// vertical timing column is never part of a strip.
template <typename 访问函数>
void 遍历空格(const 字节矩阵类& 矩阵, 访问函数 访问) {
    const int32_t W = 矩阵.取宽度(), H = 矩阵.取高度();
    int32_t 方向 = -1, x = W - 1, y = H - 1;
    while (x > 0) {
        if (x == 6) x = 5;
        while (y >= 0 && y < H) {
            for (int32_t xx = x; xx >= x - 1; --xx)
                if (矩阵应用类::是否为空(矩阵.取值(xx, y))) 访问(xx, y);
            y += 方向;
        }
        方向 = -方向;
        y += 方向;
        x -= 2;
    }
}

// Calls 放置(条件) with the condition of 掩码 fixed at compile time for 0..7, so it is
// decided once per build rather than once per cell; any other mask takes the general
// condition, which reports it at the first cell.
template <typename 放置函数>
void 按掩码(const 掩码辅助类& 辅助, int32_t 掩码, 放置函数 放置) {
    auto 固定 = [&](auto 常量) { 放置([&](int32_t x, int32_t y) { return 辅助.取数据掩码位(常量, x, y); }); };
    switch (掩码) {
        case 0: 固定(std::integral_constant<int32_t, 0>{}); break;
        case 1: 固定(std::integral_constant<int32_t, 1>{}); break;
        case 2: 固定(std::integral_constant<int32_t, 2>{}); break;
        case 3: 固定(std::integral_constant<int32_t, 3>{}); break;
        case 4: 固定(std::integral_constant<int32_t, 4>{}); break;
        case 5: 固定(std::integral_constant<int32_t, 5>{}); break;
        case 6: 固定(std::integral_constant<int32_t, 6>{}); break;
        case 7: 固定(std::integral_constant<int32_t, 7>{}); break;
        default: 放置([&](int32_t x, int32_t y) { return 辅助.取数据掩码位(掩码, x, y); });
    }
}

// Bit i of the data, or 0 past its end: cells left after the last data bit carry 0 before
// masking.
struct 数据位读取 {
    const std::vector<uint8_t>& 存储;
    int32_t 总位数;
    int32_t 取(int32_t i) const { return i < 总位数 ? (存储[static_cast<size_t>(i >> 3)] >> (7 - (i & 7))) & 1 : 0; }
};

// The data cells of a version in placement order. They depend on the version alone (the
// level and the mask change what the type information holds, not where it is), so each
// version's list is made once, by the same walk, and shared by every build.
struct 格 {
    uint8_t x, y;
};
const std::vector<格>& 数据格顺序(const 矩阵应用类& 构建器, int32_t 版本) {
    static std::array<std::once_flag, 40> 已建;
    static std::array<std::vector<格>, 40> 顺序;
    const auto i = static_cast<size_t>(版本 - 1);
    std::call_once(已建[i], [&] {
        const int32_t 维 = 17 + 4 * 版本;
        字节矩阵类 m;
        m.置尺寸(维, 维);
        容错级别类 任一级别;
        任一级别.置级别信息(1, 1, "L");
        构建器.清空矩阵(m);
        构建器.插入基本图形(版本, m);
        构建器.插入类型信息(任一级别, 0, m);
        构建器.按需插入版本信息(版本, m);
        遍历空格(m, [&](int32_t x, int32_t y) {
            顺序[i].push_back({static_cast<uint8_t>(x), static_cast<uint8_t>(y)});
        });
    });
    return 顺序[i];
}

}  // namespace

void 矩阵应用类::插入数据信息位(const 位向量类& 数据位, int32_t 掩码, 字节矩阵类& 矩阵) const {
    const 掩码辅助类 辅助;
    const 数据位读取 读{数据位.存储(), 数据位.取大小()};
    int32_t 格数 = 0;
    按掩码(辅助, 掩码, [&](auto 条件) {
        遍历空格(矩阵, [&](int32_t x, int32_t y) { 矩阵.置值(x, y, 读.取(格数++) ^ 条件(x, y)); });
    });
    报告未填满(std::min(格数, 读.总位数), 读.总位数);
}

void 矩阵应用类::按序插入数据信息位(const 位向量类& 数据位, int32_t 掩码, int32_t 版本, 字节矩阵类& 矩阵) const {
    const 掩码辅助类 辅助;
    const 数据位读取 读{数据位.存储(), 数据位.取大小()};
    const auto& 顺序 = 数据格顺序(*this, 版本);
    const auto 格数 = static_cast<int32_t>(顺序.size());
    按掩码(辅助, 掩码, [&](auto 条件) {
        for (int32_t i = 0; i < 格数; ++i) {
            const 格 g = 顺序[static_cast<size_t>(i)];
            矩阵.置值(g.x, g.y, 读.取(i) ^ 条件(g.x, g.y));
        }
    });
    报告未填满(std::min(格数, 读.总位数), 读.总位数);
}

void 矩阵应用类::报告未填满(int32_t 已放位数, int32_t 总位数) const {
    if (已放位数 != 总位数)
        报告("插入数据信息位", "数据位未被全部填充，n：" + std::to_string(已放位数) + "；位向量大小：" +
                                   std::to_string(总位数));
}

}  // namespace qr
