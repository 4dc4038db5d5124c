// Readers for the tool's outputs, so tests can compare them pixel by pixel and module by
// module with the BMP the module makes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/bmp_reader.h"

namespace clitest {

using testsupport::灰度图;

// nullopt unless the bytes are a PNG whose every pixel is grey (R = G = B).
std::optional<灰度图> 读PNG(const std::string& 文件);

// Paints an SVG of the tool's kind (a white rectangle and one path of rectangles built
// from M, h, v and z) into pixels: 0 inside a rectangle of the path, 255 elsewhere.
// nullopt when the SVG holds anything else, e.g. a path piece that is no rectangle.
std::optional<灰度图> 画SVG(const std::string& 文本);

// Module rows of '0' and '1'.
using 模块网格 = std::vector<std::string>;

// The txt output; nullopt unless every line is equally long and holds only 0 and 1.
std::optional<模块网格> 读TXT(const std::string& 文本);
// The utf8 output back into modules: two rows per line from the half blocks; nullopt
// on any other character or ragged lines.
std::optional<模块网格> 读半块(const std::string& 文本);

// The format information next to the top-left finder: level bits (L 1, M 0, Q 3, H 2)
// and mask; nullopt when its BCH check bits do not match.
struct 格式信息 {
    int 级别位;
    int 掩码;
};
std::optional<格式信息> 读格式信息(const 模块网格& 网格);

}  // namespace clitest
