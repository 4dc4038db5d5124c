#include "tests/support/bmp_reader.h"

namespace testsupport {
namespace {
uint32_t u32(const std::vector<uint8_t>& b, size_t o) {
    return b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (static_cast<uint32_t>(b[o + 3]) << 24);
}
uint16_t u16(const std::vector<uint8_t>& b, size_t o) { return static_cast<uint16_t>(b[o] | (b[o + 1] << 8)); }
}  // namespace

std::optional<灰度图> 读BMP(const std::vector<uint8_t>& 文件) {
    if (文件.size() < 54 || 文件[0] != 'B' || 文件[1] != 'M') return std::nullopt;
    const auto 宽 = static_cast<int32_t>(u32(文件, 18));
    const auto 高 = static_cast<int32_t>(u32(文件, 22));
    const uint32_t 偏移 = u32(文件, 10);
    if (宽 <= 0 || 高 <= 0 || u16(文件, 28) != 24 || u32(文件, 30) != 0) return std::nullopt;
    const size_t 行字节 = ((24ull * 宽 + 31) / 32) * 4;
    if (偏移 + 行字节 * 高 > 文件.size()) return std::nullopt;
    灰度图 图{宽, 高, std::vector<uint8_t>(static_cast<size_t>(宽) * 高)};
    for (int y = 0; y < 高; ++y) {
        const uint8_t* 行 = 文件.data() + 偏移 + 行字节 * (高 - 1 - y);
        for (int x = 0; x < 宽; ++x) {
            const uint8_t* p = 行 + 3 * x;
            图.像素[static_cast<size_t>(y) * 宽 + x] = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
        }
    }
    return 图;
}

}  // namespace testsupport
