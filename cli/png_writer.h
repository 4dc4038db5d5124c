// PNG through libpng, with the pixels of a BMP file made by the module.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

// The same picture as 8-bit RGB PNG bytes. The BMP must be the module's kind:
// uncompressed, 24 bits per pixel, stored bottom row first. Throws std::runtime_error.
std::string BMP转PNG(const std::vector<uint8_t>& 位图);

}  // namespace cli
