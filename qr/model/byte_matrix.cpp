#include "qr/model/byte_matrix.h"

#include <algorithm>

namespace qr {

字节矩阵类::字节矩阵类() : 类名("字节矩阵类"), 字节网格(1, 0) {}

矩阵集 字节矩阵类::取数组() const {
    矩阵集 结果;
    结果.字节组.assign(static_cast<size_t>(网格行数), {});
    for (int32_t y = 0; y < 网格行数; ++y) 结果.字节组[static_cast<size_t>(y)].assign(行(y), 行(y) + 网格列数);
    return 结果;
}

void 字节矩阵类::置字节矩阵(const std::vector<std::vector<uint8_t>>& 数组) {
    const size_t 行数 = 数组.size();
    const size_t 列数 = 行数 == 0 ? 0 : 数组[0].size();
    if (行数 < 1 || 列数 < 1) 抛出异常({类名, "置字节矩阵", "不是矩阵"});
    // The grid keeps its size; cells of the array beyond it have nowhere to go and are
    // left out rather than written past the grid.
    const size_t 可写行 = std::min(行数, static_cast<size_t>(网格行数));
    for (size_t y = 0; y < 可写行; ++y) {
        const size_t 可写列 = std::min(数组[y].size(), static_cast<size_t>(网格列数));
        std::copy_n(数组[y].begin(), 可写列, 字节网格.begin() + static_cast<ptrdiff_t>(y * 网格列数));
    }
}

void 字节矩阵类::置尺寸(int32_t 新宽度, int32_t 新高度) {
    字节网格.assign(static_cast<size_t>(新宽度) * static_cast<size_t>(新高度), 0);
    网格行数 = 新高度;
    网格列数 = 新宽度;
    高度 = 新高度;
    宽度 = 新宽度;
}

void 字节矩阵类::填充(int32_t 值) {
    // 宽度 and 高度 equal the grid's shape except on a new matrix, where both are 0.
    if (宽度 <= 0 || 高度 <= 0) return;
    std::fill(字节网格.begin(), 字节网格.end(), static_cast<uint8_t>(值));
}

std::string 字节矩阵类::到字符串() const {
    std::string 文本;
    for (int32_t y = 0; y < 网格行数; ++y) {
        if (y > 0) 文本 += "\r\n";
        for (int32_t x = 0; x < 网格列数; ++x) {
            if (x > 0) 文本 += ',';
            文本 += std::to_string(行(y)[x]);
        }
    }
    return 文本;
}

}  // namespace qr
