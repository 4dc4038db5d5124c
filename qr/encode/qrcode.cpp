#include "qr/encode/qrcode.h"

#include <algorithm>
#include <climits>

#include "qr/encode/encoder.h"

namespace qr {

namespace {

constexpr int32_t 默认尺寸 = 100;
constexpr int32_t 静区模块数 = 2;  // light modules on each side of the symbol
constexpr std::string_view 全角空格 = "\xE3\x80\x80";  // U+3000

[[noreturn]] void 入口报告(const char* 方法, const std::string& 信息) { 抛出异常({模块名, 方法, 信息}); }

bool 是空白内容(const std::string& 内容) {
    for (size_t i = 0; i < 内容.size();) {
        if (内容[i] == ' ') ++i;
        else if (std::string_view(内容).substr(i, 全角空格.size()) == 全角空格) i += 全角空格.size();
        else return false;
    }
    return true;
}

容错级别类 按字母取级别(const std::optional<std::string>& 级别) {
    if (!级别) return 容错级别组->L;
    std::string 大写 = *级别;
    for (char& c : 大写)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const 容错级别类* 候选 : {&容错级别组->L, &容错级别组->M, &容错级别组->Q, &容错级别组->H})
        if (大写 == 候选->取名称()) return *候选;
    入口报告("创建二维码", "容错等级必须为L、M、Q、H四个之一。");
}

int64_t 行字节数(int64_t 宽度) { return ((24 * 宽度 + 31) / 32) * 4; }

constexpr int64_t BMP头字节数 = 54;

// A BMP file must stay addressable by its own 32-bit size field, and every size the
// renderer computes must fit 32 bits; checked before anything is allocated.
void 检查尺寸上限(int32_t 宽度, int32_t 高度) {
    if (24 * int64_t{宽度} + 31 > INT32_MAX || BMP头字节数 + 行字节数(宽度) * 高度 > INT32_MAX)
        入口报告("创建二维码", "图片尺寸过大");
}

// A picture smaller than the symbol with its quiet zone would cut the symbol off.
void 检查尺寸下限(const 二维码类& 记录, int32_t 宽度, int32_t 高度) {
    const int32_t 所需宽 = 记录.矩阵视图().取宽度() + 2 * 静区模块数;
    const int32_t 所需高 = 记录.矩阵视图().取高度() + 2 * 静区模块数;
    if (宽度 < 所需宽 || 高度 < 所需高)
        入口报告("创建二维码", "图片尺寸过小，无法容纳二维码。所需最小尺寸：" + std::to_string(所需宽) + "x" +
                                   std::to_string(所需高));
}

void 写小端(std::vector<uint8_t>& 字节, size_t 位置, uint32_t 值, int 长度) {
    for (int i = 0; i < 长度; ++i) 字节[位置 + static_cast<size_t>(i)] = static_cast<uint8_t>(值 >> (8 * i));
}

}  // namespace

std::vector<uint8_t> 创建二维码(const std::string& 内容, const std::optional<std::string>& 级别,
                                std::optional<int32_t> 宽度, std::optional<int32_t> 高度) {
    if (是空白内容(内容)) 入口报告("编码", "没有编码内容");
    const 容错级别类 级别对象 = 按字母取级别(级别);
    const int32_t 宽 = 宽度.value_or(0) > 0 ? *宽度 : 默认尺寸;
    const int32_t 高 = 高度.value_or(0) > 0 ? *高度 : 默认尺寸;
    检查尺寸上限(宽, 高);
    const 字节矩阵类 矩阵 = 生成二维码矩阵(内容, 级别对象, 宽, 高);
    return 矩阵到位图(矩阵.取数组().字节组, 宽, 高);
}

字节矩阵类 生成二维码矩阵(const std::string& 内容, const 容错级别类& 级别, int32_t 宽度, int32_t 高度) {
    const 编码类 编码器;
    编码器.编码(内容, 级别, *当前二维码);
    检查尺寸下限(*当前二维码, 宽度, 高度);
    return 渲染矩阵(*当前二维码, 宽度, 高度);
}

渲染布局 计算渲染布局(int32_t 符号宽度, int32_t 符号高度, int32_t 宽度, int32_t 高度) {
    const int32_t qrW = 符号宽度 + 2 * 静区模块数, qrH = 符号高度 + 2 * 静区模块数;
    渲染布局 布局{};
    布局.输出宽度 = std::max(宽度, qrW);
    布局.输出高度 = std::max(高度, qrH);
    布局.倍数 = std::max(std::min(布局.输出宽度 / qrW, 布局.输出高度 / qrH), 1);
    布局.左边距 = (布局.输出宽度 - 符号宽度 * 布局.倍数) / 2;
    布局.上边距 = (布局.输出高度 - 符号高度 * 布局.倍数) / 2;
    return 布局;
}

字节矩阵类 渲染矩阵(const 二维码类& 记录, int32_t 宽度, int32_t 高度) {
    const 字节矩阵类& 输入 = 记录.矩阵视图();
    const int32_t 符号宽 = 输入.取宽度(), 符号高 = 输入.取高度();
    const 渲染布局 布局 = 计算渲染布局(符号宽, 符号高, 宽度, 高度);
    字节矩阵类 输出;
    输出.置尺寸(布局.输出宽度, 布局.输出高度);
    const int32_t m = 布局.倍数;
    // Each module row is drawn into its first pixel row and copied to the other m - 1.
    for (int32_t y = 0; y < 符号高; ++y) {
        uint8_t* 首行 = 输出.可写行(布局.上边距 + y * m) + 布局.左边距;
        for (int32_t x = 0; x < 符号宽; ++x)
            if (输入.取值(x, y) == 1) std::fill_n(首行 + static_cast<ptrdiff_t>(x) * m, m, uint8_t{1});
        for (int32_t j = 1; j < m; ++j)
            std::copy_n(首行, static_cast<size_t>(符号宽) * m, 输出.可写行(布局.上边距 + y * m + j) + 布局.左边距);
    }
    return 输出;
}

std::vector<uint8_t> 矩阵到位图(const std::vector<std::vector<uint8_t>>& 格, int32_t 宽度, int32_t 高度) {
    const size_t 行长 = static_cast<size_t>(行字节数(宽度));
    const size_t 像素字节 = 行长 * static_cast<size_t>(高度);
    std::vector<uint8_t> 文件(static_cast<size_t>(BMP头字节数) + 像素字节, 0);
    文件[0] = 'B';
    文件[1] = 'M';
    写小端(文件, 2, static_cast<uint32_t>(文件.size()), 4);
    写小端(文件, 10, static_cast<uint32_t>(BMP头字节数), 4);
    写小端(文件, 14, 40, 4);
    写小端(文件, 18, static_cast<uint32_t>(宽度), 4);
    写小端(文件, 22, static_cast<uint32_t>(高度), 4);
    写小端(文件, 26, 1, 2);
    写小端(文件, 28, 24, 2);
    // Rows are stored bottom row first; every pixel starts white and dark cells turn black.
    for (int32_t y = 0; y < 高度; ++y) {
        uint8_t* 行 = 文件.data() + BMP头字节数 + 行长 * static_cast<size_t>(高度 - 1 - y);
        std::fill_n(行, static_cast<size_t>(宽度) * 3, uint8_t{0xFF});
        if (static_cast<size_t>(y) >= 格.size()) continue;
        const auto& 格行 = 格[static_cast<size_t>(y)];
        const size_t 列数 = std::min(格行.size(), static_cast<size_t>(宽度));
        for (size_t x = 0; x < 列数; ++x)
            if (格行[x] == 1) std::fill_n(行 + 3 * x, 3, uint8_t{0});
    }
    return 文件;
}

}  // namespace qr
