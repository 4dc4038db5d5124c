// The QR code module's public interface: one include gives a program everything it
// needs to start the module, make QR code bitmaps and read the last symbol made.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "qr/model/byte_matrix.h"
#include "qr/model/frame.h"
#include "qr/model/module.h"
#include "qr/model/qr_code.h"

namespace qr {

// Content (UTF-8), level letter L/M/Q/H in any case (L when absent), picture size in
// pixels (100 when absent or <= 0). Returns the bytes of a 24-bit BMP file of exactly
// that size. Errors are thrown as 模块异常. The symbol stays in *当前二维码.
std::vector<uint8_t> 创建二维码(const std::string& 内容,
                                const std::optional<std::string>& 级别 = std::nullopt,
                                std::optional<int32_t> 宽度 = std::nullopt,
                                std::optional<int32_t> 高度 = std::nullopt);

// Where a symbol of inW x inH modules lands in a picture of width x height pixels.
struct 渲染布局 {
    int32_t 输出宽度, 输出高度;  // outW, outH
    int32_t 倍数;                // pixels per module
    int32_t 左边距, 上边距;      // first pixel of the symbol
};
渲染布局 计算渲染布局(int32_t 符号宽度, int32_t 符号高度, int32_t 宽度, int32_t 高度);

class 容错级别类;
字节矩阵类 生成二维码矩阵(const std::string& 内容, const 容错级别类& 级别, int32_t 宽度, int32_t 高度);
字节矩阵类 渲染矩阵(const 二维码类& 记录, int32_t 宽度, int32_t 高度);
std::vector<uint8_t> 矩阵到位图(const std::vector<std::vector<uint8_t>>& 格, int32_t 宽度, int32_t 高度);

}  // namespace qr
