// Builds the module matrix of a symbol: function patterns, type and version information,
// and the masked data bits in zig-zag order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "qr/model/bit_vector.h"
#include "qr/model/byte_matrix.h"
#include "qr/model/tables.h"

namespace qr {

class 矩阵应用类 {
public:
    矩阵应用类();

    void 构建矩阵(const 位向量类& 数据位, const 容错级别类& 级别, int32_t 版本, int32_t 掩码,
                  字节矩阵类& 矩阵) const;
    void 清空矩阵(字节矩阵类& 矩阵) const;
    void 插入基本图形(int32_t 版本, 字节矩阵类& 矩阵) const;
    void 插入位置探测图和分割图(字节矩阵类& 矩阵) const;
    static bool 是否为空(int32_t 值) { return 值 == 255; }
    static bool 是否为有效值(int32_t 值) { return 值 == 0 || 值 == 1 || 值 == 255; }
    void 初始化图形表();
    void 插入位置探测图(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const;
    void 左下角插入黑点(字节矩阵类& 矩阵) const;
    void 按需插入方位调整标识(int32_t 版本, 字节矩阵类& 矩阵) const;
    void 插入方位调整标识(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const;
    void 插入定位基线(字节矩阵类& 矩阵) const;
    static int32_t 取最高位位置(int32_t 值);
    static int32_t 计算BCH码(int32_t 值, int32_t 多项式);
    void 标记类型信息位(const 容错级别类& 级别, int32_t 掩码, 位向量类& 位) const;
    void 插入类型信息(const 容错级别类& 级别, int32_t 掩码, 字节矩阵类& 矩阵) const;
    void 标记版本信息位(int32_t 版本, 位向量类& 位) const;
    void 按需插入版本信息(int32_t 版本, 字节矩阵类& 矩阵) const;
    void 插入数据信息位(const 位向量类& 数据位, int32_t 掩码, 字节矩阵类& 矩阵) const;
    void 插入水平分割图(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const;
    void 插入垂直分割图(int32_t x起点, int32_t y起点, 字节矩阵类& 矩阵) const;

    const std::string& 取类名() const { return 类名; }

private:
    using 表 = std::vector<std::vector<int32_t>>;
    [[noreturn]] void 报告(const char* 方法, const std::string& 信息) const;
    // 插入数据信息位 for a matrix of the version's own size, from the version's known cells.
    void 按序插入数据信息位(const 位向量类& 数据位, int32_t 掩码, int32_t 版本, 字节矩阵类& 矩阵) const;
    void 报告未填满(int32_t 已放位数, int32_t 总位数) const;

    struct 图形表集 {
        表 位置探测图;
        表 水平分割图;
        表 垂直分割图;
        表 方位调整标识图;
        表 方位调整坐标表;
        表 类型信息坐标表;
    };
    // The fixed tables are made once for the process and shared by every builder: nothing
    // writes them, so copies of a builder still behave as separate values, and making a
    // builder (twice per encode) costs no parsing.
    std::shared_ptr<const 图形表集> 图形表;
    std::string 类名;
};

}  // namespace qr
