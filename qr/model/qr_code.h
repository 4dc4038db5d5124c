// The record of one encoded symbol, and the owner of the builders of the fixed tables.
#pragma once

#include <cstdint>
#include <string>

#include "qr/model/byte_matrix.h"
#include "qr/model/tables.h"

namespace qr {

class 二维码类 {
public:
    二维码类();

    模式类 取模式() const { return 模式; }
    void 置模式(const 模式类& 值) { 模式 = 值; }
    容错级别类 取容错级别() const { return 容错级别; }
    void 置容错级别(const 容错级别类& 值) { 容错级别 = 值; }
    int32_t 取版本号() const { return 版本号; }
    void 置版本号(int32_t 值) { 版本号 = 值; }
    int32_t 取矩阵宽度() const { return 矩阵宽度; }
    void 置矩阵宽度(int32_t 值) { 矩阵宽度 = 值; }
    int32_t 取掩码图案() const { return 掩码图案; }
    void 置掩码图案(int32_t 值) { 掩码图案 = 值; }
    int32_t 取总字节数() const { return 总字节数; }
    void 置总字节数(int32_t 值) { 总字节数 = 值; }
    int32_t 取数据字节数() const { return 数据字节数; }
    void 置数据字节数(int32_t 值) { 数据字节数 = 值; }
    int32_t 取容错字节数() const { return 容错字节数; }
    void 置容错字节数(int32_t 值) { 容错字节数 = 值; }
    int32_t 取RS块数() const { return RS块数; }
    void 置RS块数(int32_t 值) { RS块数 = 值; }
    字节矩阵类 取矩阵() const { return 矩阵; }
    void 置矩阵(const 字节矩阵类& 值) { 矩阵 = 值; }
    void 置矩阵(字节矩阵类&& 值) { 矩阵 = std::move(值); }

    void 重置();
    bool 是否有效() const;
    static bool 是否为有效掩码(int32_t 掩码) { return 掩码 >= 0 && 掩码 < 8; }
    int32_t 矩阵取值(int32_t x, int32_t y) const;

    // Fixed tables (they use none of the record's fields).
    void 构建模式表();
    模式类 按位取模式(int32_t 位) const;
    void 构建容错级别表();
    容错级别类 取容错级别_按索引(int32_t 索引) const;
    void 构建版本表();
    版本类 取版本_通过版本号(int32_t 号) const;
    版本类 取版本_通过维长度(int32_t 维) const;
    void 初始化表();

    const std::string& 取类名() const { return 类名; }
    // Read-only view of the symbol for readers that must not copy it.
    const 字节矩阵类& 矩阵视图() const { return 矩阵; }

private:
    模式类 模式;
    容错级别类 容错级别;
    int32_t 版本号 = 0;
    int32_t 矩阵宽度 = 0;
    int32_t 掩码图案 = 0;
    int32_t 总字节数 = 0;
    int32_t 数据字节数 = 0;
    int32_t 容错字节数 = 0;
    int32_t RS块数 = 0;
    字节矩阵类 矩阵;
    std::string 类名;
};

}  // namespace qr
