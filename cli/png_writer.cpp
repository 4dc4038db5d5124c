#include "cli/png_writer.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace cli {

namespace {

uint32_t 读32(const std::vector<uint8_t>& 字节, size_t 处) {
    return 字节[处] | 字节[处 + 1] << 8 | 字节[处 + 2] << 16 | static_cast<uint32_t>(字节[处 + 3]) << 24;
}

struct RGB图 {
    uint32_t 宽 = 0, 高 = 0;
    std::vector<uint8_t> 像素;  // R, G, B per pixel, top row first
};

RGB图 读像素(const std::vector<uint8_t>& 位图) {
    if (位图.size() < 54 || 位图[0] != 'B' || 位图[1] != 'M')
        throw std::runtime_error("not a BMP file");
    const int32_t 宽 = static_cast<int32_t>(读32(位图, 18));
    const int32_t 高 = static_cast<int32_t>(读32(位图, 22));
    const uint32_t 数据处 = 读32(位图, 10);
    const uint16_t 位深 = static_cast<uint16_t>(位图[28] | 位图[29] << 8);
    if (宽 <= 0 || 高 <= 0 || 位深 != 24 || 读32(位图, 30) != 0)
        throw std::runtime_error("not a bottom-up 24-bit uncompressed BMP");
    const size_t 行字节 = (static_cast<size_t>(宽) * 24 + 31) / 32 * 4;
    if (数据处 > 位图.size() || (位图.size() - 数据处) / 行字节 < static_cast<size_t>(高))
        throw std::runtime_error("BMP pixel data is shorter than its header says");

    RGB图 图{static_cast<uint32_t>(宽), static_cast<uint32_t>(高), {}};
    图.像素.resize(static_cast<size_t>(宽) * 高 * 3);
    for (int32_t y = 0; y < 高; ++y) {
        const uint8_t* 源 = 位图.data() + 数据处 + static_cast<size_t>(高 - 1 - y) * 行字节;
        uint8_t* 目标 = 图.像素.data() + static_cast<size_t>(y) * 宽 * 3;
        for (int32_t x = 0; x < 宽; ++x, 源 += 3, 目标 += 3) {
            目标[0] = 源[2];
            目标[1] = 源[1];
            目标[2] = 源[0];
        }
    }
    return 图;
}

}  // namespace

std::string BMP转PNG(const std::vector<uint8_t>& 位图) {
    RGB图 图 = 读像素(位图);

    png_image 描述{};
    描述.version = PNG_IMAGE_VERSION;
    描述.width = 图.宽;
    描述.height = 图.高;
    描述.format = PNG_FORMAT_RGB;

    // libpng's simplified API writes to a FILE; a memory stream keeps the bytes with us.
    char* 缓冲 = nullptr;
    size_t 长度 = 0;
    FILE* 流 = open_memstream(&缓冲, &长度);
    if (!流) throw std::runtime_error("cannot open a memory stream for the PNG");
    const int 成功 = png_image_write_to_stdio(&描述, 流, 0, 图.像素.data(), 0, nullptr);
    std::fclose(流);
    std::unique_ptr<char, decltype(&std::free)> 持有(缓冲, &std::free);
    if (!成功) throw std::runtime_error(std::string("libpng: ") + 描述.message);
    return std::string(缓冲, 长度);
}

}  // namespace cli
