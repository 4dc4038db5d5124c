// Decodes QR symbols with zbar, an independent decoder, for round-trip tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/bmp_reader.h"

namespace testsupport {

// Every QR symbol zbar finds in the picture, as raw bytes (no charset guessing).
std::vector<std::string> zbar解码(const 灰度图& 图);
// The same for a BMP file; empty when the bytes are no 24-bit BMP.
std::vector<std::string> zbar解码BMP(const std::vector<uint8_t>& 文件);

}  // namespace testsupport
