// A small image-list stream built pixel by pixel, so tests know what every frame must look
// like: 5 frames of 3 x 2 in a grid with 6 slots (12 x 4 pixels). The widths are chosen so
// that both bitmaps have row padding (colour rows 48 bytes, mask rows 12 bits in 4 bytes).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace appdata_test {

struct 合成列表 {
    static constexpr int 数 = 5;
    static constexpr int 容量 = 6;
    static constexpr int 宽 = 3;
    static constexpr int 高 = 2;
    static constexpr int 网格宽 = 4 * 宽;
    static constexpr int 网格高 = 高 * 2;
    static constexpr size_t 颜色位图位置 = 36;
    static constexpr size_t 颜色位图字节 = 54 + 48 * 网格高;
    static constexpr size_t 掩码位图位置 = 颜色位图位置 + 颜色位图字节;
    static constexpr size_t 总字节 = 掩码位图位置 + 62 + 4 * 网格高;

    // R, G, B of frame k's pixel (x, y), distinct for every frame and pixel.
    static std::array<uint8_t, 3> 颜色(int k, int x, int y) {
        return {static_cast<uint8_t>(10 * k + 1), static_cast<uint8_t>(40 + 20 * x), static_cast<uint8_t>(100 + 50 * y)};
    }
    static bool 透明(int k, int x, int y) { return (k + x + 2 * y) % 3 == 0; }

    static std::vector<uint8_t> 流();
};

inline void 写小端(std::vector<uint8_t>& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline void 写BMP头(std::vector<uint8_t>& b, uint32_t 文件字节, uint32_t 数据位置, uint16_t 位深, uint32_t 色数) {
    b.push_back('B');
    b.push_back('M');
    写小端(b, 文件字节, 4);
    写小端(b, 0, 4);
    写小端(b, 数据位置, 4);
    写小端(b, 40, 4);
    写小端(b, 合成列表::网格宽, 4);
    写小端(b, 合成列表::网格高, 4);
    写小端(b, 1, 2);
    写小端(b, 位深, 2);
    for (int i = 0; i < 4; ++i) 写小端(b, 0, 4);  // compression, image size, resolution
    写小端(b, 色数, 4);
    写小端(b, 0, 4);
}

inline std::vector<uint8_t> 合成列表::流() {
    std::vector<uint8_t> b{'M', 'I', 'T', 'L', 0x00, 0x00, 0x00, 0xFF, 'I', 'L'};
    for (uint32_t v : {0x0101u, uint32_t(数), uint32_t(容量), 4u, uint32_t(宽), uint32_t(高)}) 写小端(b, v, 2);
    写小端(b, 0x00FFFFFF, 4);
    写小端(b, 0x0021, 2);
    for (int i = 0; i < 4; ++i) 写小端(b, 0xFFFF, 2);

    写BMP头(b, 颜色位图字节, 54, 32, 0);
    for (int 存储行 = 0; 存储行 < 网格高; ++存储行) {
        const int Y = 网格高 - 1 - 存储行;
        for (int X = 0; X < 网格宽; ++X) {
            const int k = 4 * (Y / 高) + X / 宽;
            // Under transparent pixels and in unused slots the colour is dark grey, so a reader
            // that ignores the mask or picks the wrong cell shows it.
            std::array<uint8_t, 3> rgb{0x30, 0x30, 0x30};
            if (k < 数 && !透明(k, X % 宽, Y % 高)) rgb = 颜色(k, X % 宽, Y % 高);
            b.insert(b.end(), {rgb[2], rgb[1], rgb[0], 0xFF});
        }
    }

    写BMP头(b, 62 + 4 * 网格高, 62, 1, 2);
    写小端(b, 0x00000000, 4);
    写小端(b, 0x00FFFFFF, 4);
    for (int 存储行 = 0; 存储行 < 网格高; ++存储行) {
        const int Y = 网格高 - 1 - 存储行;
        uint32_t 位 = 0;  // 32 bits, the first pixel in the most significant bit
        for (int X = 0; X < 网格宽; ++X) {
            const int k = 4 * (Y / 高) + X / 宽;
            if (k >= 数 || 透明(k, X % 宽, Y % 高)) 位 |= 0x80000000u >> X;
        }
        位 |= 0x000FFFFFu;  // padding bits set, so a reader that strays into them is caught
        for (int i = 3; i >= 0; --i) b.push_back(static_cast<uint8_t>(位 >> (8 * i)));
    }
    return b;
}

// Reads pixel (x, y), counted from the top, of a 24-bit bottom-up BMP file as R, G, B.
inline std::array<uint8_t, 3> BMP像素(const std::vector<uint8_t>& 文件, int x, int y) {
    auto u32 = [&](size_t i) {
        return uint32_t{文件[i]} | uint32_t{文件[i + 1]} << 8 | uint32_t{文件[i + 2]} << 16 | uint32_t{文件[i + 3]} << 24;
    };
    const uint32_t 宽 = u32(18), 高 = u32(22), 行 = (宽 * 3 + 3) / 4 * 4;
    const size_t i = u32(10) + (高 - 1 - static_cast<uint32_t>(y)) * 行 + 3 * static_cast<uint32_t>(x);
    return {文件.at(i + 2), 文件.at(i + 1), 文件.at(i)};
}

}  // namespace appdata_test
