// The 33 fortune cards of the carousel, one QImage per frame.
#pragma once

#include <QImage>
#include <vector>

namespace appdata_gen {

inline constexpr int 卡片数 = 33;
inline constexpr int 卡片宽 = 266;
inline constexpr int 卡片高 = 270;

// ARGB32 frames whose alpha is 0 (outside the card: the rounded corners) or 255, never between,
// so a one-bit mask carries the card's shape exactly.
std::vector<QImage> 画轮播卡片();

}  // namespace appdata_gen
