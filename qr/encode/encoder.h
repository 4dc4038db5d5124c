// Turns a content text into the codewords and the finished matrix of one QR symbol.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "qr/model/bit_vector.h"
#include "qr/model/byte_matrix.h"
#include "qr/model/qr_code.h"
#include "qr/model/tables.h"

namespace qr {

// A character of the content: one UTF-8 sequence, or one stray byte that starts none.
struct 字符片段 {
    size_t 起点;
    size_t 长度;
};
std::vector<字符片段> 取字符数组(std::string_view 文本);
bool 是有效UTF8(std::string_view 文本);

class 编码类 {
public:
    编码类();

    void 编码(const std::string& 内容, const 容错级别类& 级别, 二维码类& 记录) const;
    void 初始化二维码(int32_t 输入字节数, const 容错级别类& 级别, const 模式类& 模式, 二维码类& 记录) const;
    void 追加数据字节(const std::string& 内容, const 模式类& 模式, 位向量类& 位) const;
    void 追加数字字节(const std::string& 内容, 位向量类& 位) const;
    void 追加字母数字字节(const std::string& 内容, 位向量类& 位) const;
    void 追加八位字节(const std::string& 内容, 位向量类& 位) const;
    模式类 选择模式(const std::string& 内容) const;
    int32_t 取字母数字编码(int32_t 码) const;
    void 追加模式信息(const 模式类& 模式, 位向量类& 位) const;
    void 追加长度信息(int32_t 数量, int32_t 版本号, const 模式类& 模式, 位向量类& 位) const;
    void 结束数据位(int32_t 数据字节数, 位向量类& 位) const;
    void 交错容错字节(const 位向量类& 位, int32_t 总字节数, int32_t 数据字节数, int32_t 块数,
                      位向量类& 结果) const;
    void 根据块ID取数据字节数和容错字节数(int32_t 总字节数, int32_t 数据字节数, int32_t 块数, int32_t 块ID,
                                        int32_t& 块数据字节数, int32_t& 块容错字节数) const;
    std::vector<uint8_t> 生成容错字节(const std::vector<uint8_t>& 数据, int32_t 容错字节数) const;
    int32_t 计算掩码惩罚(const 字节矩阵类& 矩阵) const;
    int32_t 选择掩码图案(const 位向量类& 位, const 容错级别类& 级别, int32_t 版本号, 字节矩阵类& 矩阵) const;

    const std::string& 取类名() const { return 类名; }

private:
    [[noreturn]] void 报告(const char* 方法, const std::string& 信息) const;

    std::string 类名;
    std::vector<int32_t> 字母数字表;
};

}  // namespace qr
