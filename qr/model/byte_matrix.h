// A grid of byte cells addressed (x, y): x the column, y the row, from the top left.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qr/model/frame.h"

namespace qr {

class 字节矩阵类 {
public:
    字节矩阵类();
    字节矩阵类(const 字节矩阵类&) = default;
    字节矩阵类& operator=(const 字节矩阵类&) = default;
    字节矩阵类(字节矩阵类&&) noexcept = default;
    字节矩阵类& operator=(字节矩阵类&&) noexcept = default;
    ~字节矩阵类() = default;

    int32_t 取高度() const { return 高度; }
    int32_t 取宽度() const { return 宽度; }
    矩阵集 取数组() const;  // a copy of the grid in the 字节组 member
    void 置字节矩阵(const std::vector<std::vector<uint8_t>>& 数组);
    void 置尺寸(int32_t 新宽度, int32_t 新高度);
    // Callers keep 0 <= x < 宽度 and 0 <= y < 高度.
    uint8_t 取值(int32_t x, int32_t y) const { return 字节网格[static_cast<size_t>(y) * 网格列数 + x]; }
    void 置值(int32_t x, int32_t y, int32_t 值) {
        字节网格[static_cast<size_t>(y) * 网格列数 + x] = static_cast<uint8_t>(值);
    }
    void 填充(int32_t 值 = 0);
    std::string 到字符串() const;

    const std::string& 取类名() const { return 类名; }
    // Read-only view of the cells, row after row, for loops that must not copy the grid.
    const uint8_t* 行(int32_t y) const { return 字节网格.data() + static_cast<size_t>(y) * 网格列数; }
    uint8_t* 可写行(int32_t y) { return 字节网格.data() + static_cast<size_t>(y) * 网格列数; }

private:
    std::string 类名;
    // Stored flat, row after row; the grid's own shape is kept apart from 宽度 and 高度
    // because a new matrix holds a 1 x 1 grid while both read 0.
    std::vector<uint8_t> 字节网格;
    int32_t 网格行数 = 1;
    int32_t 网格列数 = 1;
    int32_t 宽度 = 0;
    int32_t 高度 = 0;
};

}  // namespace qr
