// The eight data mask conditions and the four penalty rules that score a finished symbol.
#pragma once

#include <cstdint>
#include <string>

#include "qr/model/byte_matrix.h"
#include "qr/model/frame.h"

namespace qr {

class 掩码辅助类 {
public:
    掩码辅助类() : 类名("掩码辅助类") {}

    // Asked for every data cell of every build, so it lives here to be inlined.
    bool 取数据掩码位(int32_t 掩码, int32_t x, int32_t y) const {
        int32_t v = 0;
        switch (掩码) {
            case 0: v = (x + y) & 1; break;
            case 1: v = y & 1; break;
            case 2: v = x % 3; break;
            case 3: v = (x + y) % 3; break;
            case 4: v = (无符号右移(y, 1) + x / 3) & 1; break;
            case 5: v = ((x * y) & 1) + ((x * y) % 3); break;
            case 6: v = (((x * y) & 1) + ((x * y) % 3)) & 1; break;
            case 7: v = (((x * y) % 3) + ((x + y) & 1)) & 1; break;
            default: 报告掩码无效();
        }
        return v == 0;
    }
    int32_t 计算惩罚规则1(const 字节矩阵类& 矩阵) const;
    int32_t 计算惩罚规则2(const 字节矩阵类& 矩阵) const;
    int32_t 计算惩罚规则3(const 字节矩阵类& 矩阵) const;
    int32_t 计算惩罚规则4(const 字节矩阵类& 矩阵) const;
    int32_t 计算单向连续惩罚(const 字节矩阵类& 矩阵, bool 水平) const;

    const std::string& 取类名() const { return 类名; }

private:
    [[noreturn]] void 报告掩码无效() const;

    std::string 类名;
};

}  // namespace qr
