// Reads an uncompressed 24-bit BMP file into 8-bit grey pixels, top row first, so tests
// can check geometry and hand the picture to a decoder.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace testsupport {

struct 灰度图 {
    int 宽 = 0;
    int 高 = 0;
    std::vector<uint8_t> 像素;  // 宽 * 高, row 0 at the top
    uint8_t at(int x, int y) const { return 像素[static_cast<size_t>(y) * 宽 + x]; }
};

// nullopt unless the bytes are a 24-bit bottom-up BMP whose declared sizes fit the data.
std::optional<灰度图> 读BMP(const std::vector<uint8_t>& 文件);

}  // namespace testsupport
