// The eight data mask conditions and the four penalty rules that score a finished symbol.
#pragma once

#include <cstdint>
#include <string>

#include "qr/model/byte_matrix.h"

namespace qr {

class 掩码辅助类 {
public:
    掩码辅助类() : 类名("掩码辅助类") {}

    bool 取数据掩码位(int32_t 掩码, int32_t x, int32_t y) const;
    int32_t 计算惩罚规则1(const 字节矩阵类& 矩阵) const;
    int32_t 计算惩罚规则2(const 字节矩阵类& 矩阵) const;
    int32_t 计算惩罚规则3(const 字节矩阵类& 矩阵) const;
    int32_t 计算惩罚规则4(const 字节矩阵类& 矩阵) const;
    int32_t 计算单向连续惩罚(const 字节矩阵类& 矩阵, bool 水平) const;

    const std::string& 取类名() const { return 类名; }

private:
    std::string 类名;
};

}  // namespace qr
