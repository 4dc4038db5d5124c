// Lays the carousel frames out as the image-list stream the window reads:
//   "MITL", 00 00 00 FF, the 28-byte image-list header (little-endian),
//   a 32-bit BMP file of the frame grid (four frames wide, bottom-up rows),
//   a 1-bit BMP file of the mask (bit 1 = transparent) with its two-entry colour table.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace appdata_gen {

struct 图像列表参数 {
    int 容量;     // frame slots the grid has room for
    int 增长步长;  // slots added when the list grows; stored, not used here
};

// Frames must all have the first frame's size; alpha 0 marks a transparent pixel.
std::vector<uint8_t> 写图像列表流(const std::vector<QImage>& 帧, 图像列表参数 参数);

}  // namespace appdata_gen
