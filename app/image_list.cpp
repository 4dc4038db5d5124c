#include "app/image_list.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace app {
namespace {

constexpr size_t 前缀字节 = 8;
constexpr size_t 列表头字节 = 28;
constexpr size_t BMP文件头字节 = 14;
constexpr size_t BMP信息头字节 = 40;
constexpr uint16_t 支持的版本 = 0x0101;
constexpr uint16_t 标志_32位带掩码 = 0x0021;
constexpr int 每行帧数 = 4;

uint32_t 读u16(std::span<const uint8_t> b, size_t i) { return b[i] | uint32_t{b[i + 1]} << 8; }
uint32_t 读u32(std::span<const uint8_t> b, size_t i) { return 读u16(b, i) | 读u16(b, i + 2) << 16; }
int32_t 读i32(std::span<const uint8_t> b, size_t i) { return static_cast<int32_t>(读u32(b, i)); }
int16_t 读i16(std::span<const uint8_t> b, size_t i) { return static_cast<int16_t>(读u16(b, i)); }

// Takes n bytes off the front of the remaining stream; nullopt when fewer are left.
std::optional<std::span<const uint8_t>> 取(std::span<const uint8_t>& 余下, size_t n) {
    if (余下.size() < n) return std::nullopt;
    const auto 段 = 余下.first(n);
    余下 = 余下.subspan(n);
    return 段;
}

size_t 行字节数(size_t 宽, size_t 位深) { return (宽 * 位深 + 31) / 32 * 4; }

void 写小端(std::vector<uint8_t>& 字节, size_t 位置, uint32_t 值, int 长度) {
    for (int i = 0; i < 长度; ++i) 字节[位置 + static_cast<size_t>(i)] = static_cast<uint8_t>(值 >> (8 * i));
}

}  // namespace

std::optional<图像列表::位图> 图像列表::读位图(std::span<const uint8_t>& 余下, int 宽, int 高, int 位深) {
    const auto 头 = 取(余下, BMP文件头字节 + BMP信息头字节);
    if (!头) return std::nullopt;
    const auto& h = *头;
    const size_t 调色板项 = 位深 == 1 ? 2 : 0;
    const size_t 行字节 = 行字节数(static_cast<size_t>(宽), static_cast<size_t>(位深));
    const uint64_t 像素字节 = uint64_t{行字节} * static_cast<uint64_t>(高);
    const uint64_t 数据位置 = BMP文件头字节 + BMP信息头字节 + 4 * 调色板项;
    const uint32_t 色数 = 读u32(h, 46);
    const uint32_t 图像字节 = 读u32(h, 34);
    const bool 头对 = h[0] == 'B' && h[1] == 'M' && 读u32(h, 2) == 数据位置 + 像素字节 && 读u32(h, 10) == 数据位置 &&
                      读u32(h, 14) == BMP信息头字节 && 读i32(h, 18) == 宽 && 读i32(h, 22) == 高 &&
                      读u16(h, 26) == 1 && 读u16(h, 28) == static_cast<uint32_t>(位深) && 读u32(h, 30) == 0 &&
                      (图像字节 == 0 || 图像字节 == 像素字节) && (色数 == 0 || 色数 == 调色板项);
    if (!头对) return std::nullopt;
    if (!取(余下, 4 * 调色板项)) return std::nullopt;
    const auto 像素 = 取(余下, static_cast<size_t>(像素字节));
    if (!像素) return std::nullopt;
    return 位图{*像素, 行字节, 高};
}

std::optional<图像列表> 图像列表::读取(std::span<const uint8_t> 流) {
    std::span<const uint8_t> 余下 = 流;
    const auto 前缀 = 取(余下, 前缀字节);
    if (!前缀 || std::memcmp(前缀->data(), "MITL", 4) != 0) return std::nullopt;

    const auto 头 = 取(余下, 列表头字节);
    if (!头) return std::nullopt;
    const auto& h = *头;
    const int 数 = static_cast<int>(读u16(h, 4));
    const int 容量 = static_cast<int>(读u16(h, 6));
    const int 宽 = static_cast<int>(读u16(h, 10));
    const int 高 = static_cast<int>(读u16(h, 12));
    bool 头对 = h[0] == 'I' && h[1] == 'L' && 读u16(h, 2) == 支持的版本 && 数 >= 1 && 数 <= 容量 && 宽 >= 1 &&
                高 >= 1 && 读u16(h, 18) == 标志_32位带掩码;
    for (size_t i = 0; i < 4; ++i) {
        const int 叠加 = 读i16(h, 20 + 2 * i);
        头对 = 头对 && 叠加 >= -1 && 叠加 < 数;
    }
    if (!头对) return std::nullopt;

    // The grid's size follows from the header; both bitmaps must have exactly that size.
    const int 网格宽 = 宽 * 每行帧数;
    const int 网格高 = 高 * ((容量 + 每行帧数 - 1) / 每行帧数);
    const auto 颜色 = 读位图(余下, 网格宽, 网格高, 32);
    if (!颜色) return std::nullopt;
    const auto 掩码 = 读位图(余下, 网格宽, 网格高, 1);
    if (!掩码) return std::nullopt;
    return 图像列表(数, 宽, 高, *颜色, *掩码);
}

std::vector<uint8_t> 图像列表::帧到BMP(int k) const {
    if (k < 0 || k >= 数_)
        throw std::out_of_range("image list frame " + std::to_string(k) + " outside 0.." + std::to_string(数_ - 1));
    const size_t 宽 = static_cast<size_t>(宽_);
    const size_t 高 = static_cast<size_t>(高_);
    const size_t 出行 = 行字节数(宽, 24);
    std::vector<uint8_t> 文件(BMP文件头字节 + BMP信息头字节 + 出行 * 高, 0);
    文件[0] = 'B';
    文件[1] = 'M';
    写小端(文件, 2, static_cast<uint32_t>(文件.size()), 4);
    写小端(文件, 10, BMP文件头字节 + BMP信息头字节, 4);
    写小端(文件, 14, BMP信息头字节, 4);
    写小端(文件, 18, static_cast<uint32_t>(宽), 4);
    写小端(文件, 22, static_cast<uint32_t>(高), 4);
    写小端(文件, 26, 1, 2);
    写小端(文件, 28, 24, 2);

    const size_t 左 = 宽 * static_cast<size_t>(k % 每行帧数);
    const size_t 顶 = 高 * static_cast<size_t>(k / 每行帧数);
    for (size_t y = 0; y < 高; ++y) {
        const size_t 源行 = static_cast<size_t>(颜色_.高) - 1 - (顶 + y);
        const uint8_t* 色 = 颜色_.像素.data() + 源行 * 颜色_.行字节;
        const uint8_t* 掩 = 掩码_.像素.data() + 源行 * 掩码_.行字节;
        uint8_t* 出 = 文件.data() + BMP文件头字节 + BMP信息头字节 + (高 - 1 - y) * 出行;
        for (size_t x = 0; x < 宽; ++x) {
            const size_t X = 左 + x;
            const bool 透明 = (掩[X / 8] >> (7 - X % 8)) & 1;
            if (透明)
                std::fill_n(出 + 3 * x, 3, uint8_t{0xFF});
            else
                std::copy_n(色 + 4 * X, 3, 出 + 3 * x);
        }
    }
    return 文件;
}

}  // namespace app
