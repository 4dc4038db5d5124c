// Reader of the carousel's image-list stream:
//   offset 0   "MITL", then 4 bytes that are not read
//   offset 8   28-byte header, little-endian: "IL", version 0x0101, images in use, slots,
//              grow step, frame width, frame height, background colour (32 bits),
//              flags (0x0021: 32-bit colour with a mask), four overlay indexes (16-bit, -1 = none)
//   offset 36  colour bitmap: BMP file, 32 bits per pixel, uncompressed, bottom-up
//   then       mask bitmap: BMP file, 1 bit per pixel with a two-entry colour table; bit 1 is
//              transparent, 0 opaque
// Both bitmaps hold the frames in a grid four frames wide and as many rows as the slots need;
// frame k has its top-left corner at (width * (k mod 4), height * (k div 4)) from the top.
// Bytes after the mask bitmap are ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace app {

class 图像列表 {
public:
    // nullopt when the stream is short, truncated, or any header field is wrong; never reads
    // outside the span. The result keeps a view into the stream, not a copy: the caller keeps
    // the bytes alive and unchanged while it is used (the embedded stream lives as long as the
    // program).
    static std::optional<图像列表> 读取(std::span<const uint8_t> 流);

    int 图像数() const { return 数_; }
    int 图像宽() const { return 宽_; }
    int 图像高() const { return 高_; }

    // Frame k (0 <= k < 图像数) drawn on white, honouring the mask, as the bytes of a 24-bit BMP
    // file (same layout as the QR module's output: 54-byte header, bottom-up rows). The mask
    // alone decides transparency; the colour bitmap's alpha byte is not blended. Throws
    // std::out_of_range for another k. Reads only, so it may run on any thread.
    std::vector<uint8_t> 帧到BMP(int k) const;

private:
    struct 位图 {
        std::span<const uint8_t> 像素;  // stored rows, bottom row first
        size_t 行字节 = 0;
        int 高 = 0;
    };

    图像列表(int 数, int 宽, int 高, 位图 颜色, 位图 掩码)
        : 数_(数), 宽_(宽), 高_(高), 颜色_(颜色), 掩码_(掩码) {}

    static std::optional<位图> 读位图(std::span<const uint8_t>& 余下, int 宽, int 高, int 位深);

    int 数_;
    int 宽_;
    int 高_;
    位图 颜色_;
    位图 掩码_;
};

}  // namespace app
