#include "cli/render.h"

#include <cstring>
#include <stdexcept>

#include "cli/png_writer.h"
#include "qr/encode/qrcode.h"

namespace cli {

namespace {

constexpr int32_t 静区模块数 = 2;

// The picture size written in the module's BMP header (little-endian at 18 and 22).
std::pair<int32_t, int32_t> 位图尺寸(const std::vector<uint8_t>& 位图) {
    if (位图.size() < 54) throw std::runtime_error("the module returned no BMP header");
    auto 读32 = [&](size_t 处) {
        return static_cast<int32_t>(位图[处] | 位图[处 + 1] << 8 | 位图[处 + 2] << 16 |
                                    static_cast<uint32_t>(位图[处 + 3]) << 24);
    };
    return {读32(18), 读32(22)};
}

bool 是深色(const qr::字节矩阵类& 矩阵, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < 矩阵.取宽度() && y < 矩阵.取高度() && 矩阵.取值(x, y) == 1;
}

// One path of the dark modules: each horizontal run of dark modules in a row becomes one
// rectangle, at the same pixels the module paints them.
std::string 渲染SVG(const std::vector<uint8_t>& 位图, const qr::字节矩阵类& 矩阵) {
    auto [宽, 高] = 位图尺寸(位图);
    const int32_t 边 = 矩阵.取宽度();
    const qr::渲染布局 布局 = qr::计算渲染布局(边, 矩阵.取高度(), 宽, 高);
    const int32_t 倍 = 布局.倍数;
    std::string 路径;
    for (int32_t y = 0; y < 矩阵.取高度(); ++y) {
        for (int32_t x = 0; x < 边;) {
            if (!是深色(矩阵, x, y)) { ++x; continue; }
            int32_t 起 = x;
            while (是深色(矩阵, x, y)) ++x;
            const std::string 长 = std::to_string((x - 起) * 倍);
            路径 += "M" + std::to_string(布局.左边距 + 起 * 倍) + " " + std::to_string(布局.上边距 + y * 倍) +
                    "h" + 长 + "v" + std::to_string(倍) + "h-" + 长 + "z";
        }
    }
    const std::string W = std::to_string(宽), H = std::to_string(高);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + W + "\" height=\"" + H +
           "\" viewBox=\"0 0 " + W + " " + H + "\" shape-rendering=\"crispEdges\">\n"
           "<rect x=\"0\" y=\"0\" width=\"" + W + "\" height=\"" + H + "\" fill=\"#ffffff\"/>\n"
           "<path fill=\"#000000\" d=\"" + 路径 + "\"/>\n"
           "</svg>\n";
}

std::string 渲染TXT(const qr::字节矩阵类& 矩阵) {
    std::string 文本;
    for (int32_t y = 0; y < 矩阵.取高度(); ++y) {
        for (int32_t x = 0; x < 矩阵.取宽度(); ++x) 文本 += 是深色(矩阵, x, y) ? '1' : '0';
        文本 += '\n';
    }
    return 文本;
}

// Dark modules are ink: upper half, lower half, full block; two light modules a space.
std::string 渲染UTF8(const qr::字节矩阵类& 矩阵) {
    static const char* const 字形[4] = {" ", "\u2584", "\u2580", "\u2588"};  // index: top*2 + bottom
    const int32_t 首 = -静区模块数;
    const int32_t 列尾 = 矩阵.取宽度() + 静区模块数;
    const int32_t 行尾 = 矩阵.取高度() + 静区模块数;
    std::string 文本;
    for (int32_t y = 首; y < 行尾; y += 2) {
        for (int32_t x = 首; x < 列尾; ++x)
            文本 += 字形[(是深色(矩阵, x, y) ? 2 : 0) + (是深色(矩阵, x, y + 1) ? 1 : 0)];
        文本 += '\n';
    }
    return 文本;
}

}  // namespace

std::string 渲染输出(输出格式 格式, const std::vector<uint8_t>& 位图, const qr::二维码类& 记录) {
    switch (格式) {
        case 输出格式::bmp: return std::string(位图.begin(), 位图.end());
        case 输出格式::png: return BMP转PNG(位图);
        case 输出格式::svg: return 渲染SVG(位图, 记录.矩阵视图());
        case 输出格式::txt: return 渲染TXT(记录.矩阵视图());
        case 输出格式::utf8: return 渲染UTF8(记录.矩阵视图());
    }
    throw std::logic_error("unknown output format");
}

std::string 符号信息(const qr::二维码类& 记录) {
    auto 行 = [](const char* 键, const std::string& 值) { return std::string(键) + ": " + 值 + "\n"; };
    return 行("version", std::to_string(记录.取版本号())) + 行("mask", std::to_string(记录.取掩码图案())) +
           行("mode", 记录.取模式().取名称()) + 行("level", 记录.取容错级别().取名称()) +
           行("modules", std::to_string(记录.取矩阵宽度())) +
           行("data codewords", std::to_string(记录.取数据字节数())) +
           行("ec codewords", std::to_string(记录.取容错字节数())) + 行("blocks", std::to_string(记录.取RS块数()));
}

}  // namespace cli
