// The output formats: each turns the module's BMP bytes and the symbol record of the same
// encode into the bytes of one file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/options.h"

namespace qr {
class 二维码类;
}

namespace cli {

std::string 渲染输出(输出格式 格式, const std::vector<uint8_t>& 位图, const qr::二维码类& 记录);

// The eight "key: value" lines of --info, each ending in a newline.
std::string 符号信息(const qr::二维码类& 记录);

}  // namespace cli
