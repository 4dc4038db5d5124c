#include "qr/encode/encoder.h"

#include <algorithm>

#include "qr/ecc/reed_solomon.h"
#include "qr/encode/mask.h"
#include "qr/encode/matrix_builder.h"
#include "qr/model/module.h"

namespace qr {

namespace {

// Alphanumeric values of the character codes 0..95; -1 where a code has none.
constexpr const char* 字母数字表文本 =
    "-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,"
    "36,-1,-1,-1,37,38,-1,-1,-1,-1,39,40,-1,41,42,43,0,1,2,3,4,5,6,7,8,9,44,-1,-1,-1,-1,-1,"
    "-1,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,-1,-1,-1,-1,-1";

// The extra bytes the version choice keeps free beyond the data bits.
constexpr int32_t 版本余量 = 3;

// Length of the valid UTF-8 sequence starting at s[i], or 0 when none starts there.
size_t UTF8序列长度(std::string_view s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t c = b(i);
    if (c < 0x80) return 1;
    size_t n;
    uint8_t 下限 = 0x80, 上限 = 0xBF;  // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) 下限 = 0xA0;  // no overlong forms
        if (c == 0xED) 上限 = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) 下限 = 0x90;
        if (c == 0xF4) 上限 = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    if (b(i + 1) < 下限 || b(i + 1) > 上限) return 0;
    for (size_t k = 2; k < n; ++k)
        if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
    return n;
}

}  // namespace

std::vector<字符片段> 取字符数组(std::string_view 文本) {
    std::vector<字符片段> 字符;
    字符.reserve(文本.size());
    for (size_t i = 0; i < 文本.size();) {
        const size_t n = std::max<size_t>(UTF8序列长度(文本, i), 1);
        字符.push_back({i, n});
        i += n;
    }
    return 字符;
}

bool 是有效UTF8(std::string_view 文本) {
    for (size_t i = 0; i < 文本.size();) {
        const size_t n = UTF8序列长度(文本, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

namespace {
// Parsed once: an encoder is made for every call of the entry.
const std::vector<int32_t>& 解析后的字母数字表() {
    static const std::vector<int32_t> 表 = 文本到整数数组(字母数字表文本, ",").整数组;
    return 表;
}
}  // namespace

编码类::编码类() : 类名("编码类"), 字母数字表(解析后的字母数字表()) {}

void 编码类::报告(const char* 方法, const std::string& 信息) const { 抛出异常({类名, 方法, 信息}); }

void 编码类::编码(const std::string& 内容, const 容错级别类& 级别, 二维码类& 记录) const {
    位向量类 数据位, 头部位, 最终位;
    位向量子类 连接器;
    字节矩阵类 矩阵;

    // Even digits take more than three bits each, so no version holds a content of more
    // than three bytes per codeword of version 40. Such a content gets 初始化二维码's
    // report before its bits are counted: from 2^28 bytes on the 32-bit bit count wraps
    // round and the content came out as a small symbol.
    if (内容.size() > 3 * static_cast<size_t>(版本表->back().取总码字数())) 报告("初始化二维码", "");
    const 模式类 模式 = 选择模式(内容);
    追加数据字节(内容, 模式, 数据位);
    初始化二维码(数据位.取字节数(), 级别, 模式, 记录);
    追加模式信息(模式, 头部位);
    const int32_t 数量 = 模式.取名称() == 模式组->字节.取名称()
                           ? 数据位.取字节数()
                           : static_cast<int32_t>(取字符数组(内容).size());
    追加长度信息(数量, 记录.取版本号(), 模式, 头部位);
    连接器.置位向量(头部位);
    连接器.追加位向量(数据位);
    头部位 = 连接器.取位向量();
    结束数据位(记录.取数据字节数(), 头部位);
    交错容错字节(头部位, 记录.取总字节数(), 记录.取数据字节数(), 记录.取RS块数(), 最终位);
    矩阵.置尺寸(记录.取矩阵宽度(), 记录.取矩阵宽度());
    记录.置掩码图案(选择掩码图案(最终位, 记录.取容错级别(), 记录.取版本号(), 矩阵));
    矩阵应用类().构建矩阵(最终位, 记录.取容错级别(), 记录.取版本号(), 记录.取掩码图案(), 矩阵);
    记录.置矩阵(std::move(矩阵));
    if (!记录.是否有效()) 报告("编码", "无效的二维码");
}

void 编码类::初始化二维码(int32_t 输入字节数, const 容错级别类& 级别, const 模式类& 模式, 二维码类& 记录) const {
    记录.置容错级别(级别);
    记录.置模式(模式);
    for (const 版本类& 版本 : *版本表) {
        const 容错块组类& 块组 = 版本.块组(级别.取序号());
        const int32_t 总数 = 版本.取总码字数();
        const int32_t 容错总数 = 块组.取容错码字总数();
        const int32_t 数据字节数 = 总数 - 容错总数;
        if (数据字节数 >= 输入字节数 + 版本余量) {
            记录.置版本号(版本.取版本号());
            记录.置总字节数(总数);
            记录.置数据字节数(数据字节数);
            记录.置RS块数(块组.取总块数());
            记录.置容错字节数(容错总数);
            记录.置矩阵宽度(版本.取维长度());
            return;
        }
    }
    报告("初始化二维码", "");
}

void 编码类::追加数据字节(const std::string& 内容, const 模式类& 模式, 位向量类& 位) const {
    const std::string 名称 = 模式.取名称();
    if (名称 == 模式组->数字.取名称()) 追加数字字节(内容, 位);
    else if (名称 == 模式组->字母数字.取名称()) 追加字母数字字节(内容, 位);
    else 追加八位字节(内容, 位);
}

void 编码类::追加数字字节(const std::string& 内容, 位向量类& 位) const {
    const auto d = [&](size_t i) { return static_cast<int32_t>(static_cast<uint8_t>(内容[i])) - 48; };
    const size_t n = 内容.size();
    size_t i = 0;
    while (i < n) {
        if (n - i >= 3) {
            位.追加数值位(100 * d(i) + 10 * d(i + 1) + d(i + 2), 10);
            i += 3;
        } else if (n - i == 2) {
            位.追加数值位(10 * d(i) + d(i + 1), 7);
            i += 2;
        } else {
            位.追加数值位(d(i), 4);
            i += 1;
        }
    }
}

void 编码类::追加字母数字字节(const std::string& 内容, 位向量类& 位) const {
    const auto 值 = [&](size_t i) {
        const int32_t p = 取字母数字编码(static_cast<uint8_t>(内容[i]));
        if (p == -1) 报告("追加字母数字字节", "无效值");
        return p;
    };
    for (size_t i = 0; i < 内容.size(); i += 2) {
        const int32_t p = 值(i);
        if (i + 1 == 内容.size()) {
            位.追加数值位(p, 6);
            break;
        }
        位.追加数值位(45 * p + 值(i + 1), 11);
    }
}

void 编码类::追加八位字节(const std::string& 内容, 位向量类& 位) const {
    // Byte mode carries the content's own UTF-8 bytes; bytes that are no UTF-8 text would
    // otherwise be encoded as something no reader can show as the content.
    if (!是有效UTF8(内容)) 报告("追加八位字节", "内容不是有效的UTF-8文本");
    for (const char c : 内容) 位.追加数值位(static_cast<uint8_t>(c), 8);
}

模式类 编码类::选择模式(const std::string& 内容) const {
    bool 有数字 = false, 有字母数字 = false;
    for (const 字符片段& 字符 : 取字符数组(内容)) {
        const int32_t 码 = static_cast<uint8_t>(内容[字符.起点]);
        if (码 >= 48 && 码 <= 57) 有数字 = true;
        else if (取字母数字编码(码) == -1) return 模式组->字节;
        else 有字母数字 = true;
    }
    if (有字母数字) return 模式组->字母数字;
    if (有数字) return 模式组->数字;
    return 模式组->字节;
}

int32_t 编码类::取字母数字编码(int32_t 码) const {
    if (码 < 0 || 码 >= static_cast<int32_t>(字母数字表.size())) return -1;
    return 字母数字表[static_cast<size_t>(码)];
}

void 编码类::追加模式信息(const 模式类& 模式, 位向量类& 位) const { 位.追加数值位(模式.取模式位(), 4); }

void 编码类::追加长度信息(int32_t 数量, int32_t 版本号, const 模式类& 模式, 位向量类& 位) const {
    const int32_t 位数 = 模式.取计数位数(当前二维码->取版本_通过版本号(版本号));
    if (static_cast<int64_t>(数量) > (int64_t{1} << 位数) - 1) 报告("追加长度信息", "要添加信息过多");
    位.追加数值位(数量, 位数);
}

void 编码类::结束数据位(int32_t 数据字节数, 位向量类& 位) const {
    const int32_t 容量 = 8 * 数据字节数;
    if (位.取大小() > 容量) 报告("结束数据位", "数据无法填充");
    for (int32_t i = 0; i < 4 && 位.取大小() < 容量; ++i) 位.追加位(0);
    while ((位.取大小() & 7) != 0) 位.追加位(0);
    if ((位.取大小() & 7) != 0) 报告("结束数据位", "位数不是8的倍数");
    const int32_t 填充数 = 数据字节数 - 位.取字节数();
    for (int32_t i = 1; i <= 填充数; ++i) 位.追加数值位(i % 2 == 1 ? 0xEC : 0x11, 8);
    if (位.取大小() != 容量) 报告("结束数据位", "位长度不等于容量");
}

void 编码类::根据块ID取数据字节数和容错字节数(int32_t 总字节数, int32_t 数据字节数, int32_t 块数, int32_t 块ID,
                                              int32_t& 块数据字节数, int32_t& 块容错字节数) const {
    if (块ID >= 块数) 报告("根据块ID取数据字节数和容错字节数", "无效值");
    const int32_t 第二组块数 = 总字节数 % 块数;
    const int32_t 第一组块数 = 块数 - 第二组块数;
    const int32_t 第一组总数 = 总字节数 / 块数;
    const int32_t 第二组总数 = 第一组总数 + 1;
    const int32_t 第一组数据 = 数据字节数 / 块数;
    const int32_t 第二组数据 = 第一组数据 + 1;
    if (块ID < 第一组块数) {
        块数据字节数 = 第一组数据;
        块容错字节数 = 第一组总数 - 第一组数据;
    } else {
        块数据字节数 = 第二组数据;
        块容错字节数 = 第二组总数 - 第二组数据;
    }
}

std::vector<uint8_t> 编码类::生成容错字节(const std::vector<uint8_t>& 数据, int32_t 容错字节数) const {
    const size_t n = 数据.size();
    std::vector<int32_t> 列表(n + static_cast<size_t>(容错字节数), 0);
    std::copy(数据.begin(), 数据.end(), 列表.begin());
    RS编码器类 编码器;
    编码器.RS编码器(*二维码域);
    编码器.编码(列表, 容错字节数);
    return std::vector<uint8_t>(列表.begin() + static_cast<ptrdiff_t>(n), 列表.end());
}

void 编码类::交错容错字节(const 位向量类& 位, int32_t 总字节数, int32_t 数据字节数, int32_t 块数,
                          位向量类& 结果) const {
    if (位.取字节数() != 数据字节数) 报告("交错容错字节", "位数和数据字节数不匹配");
    struct 块对 { std::vector<uint8_t> 数据, 容错; };
    std::vector<块对> 块;
    块.reserve(static_cast<size_t>(std::max(块数, 0)));
    const auto& 存储 = 位.存储();
    size_t 偏移 = 0, 最多数据 = 0, 最多容错 = 0;
    for (int32_t id = 0; id < 块数; ++id) {
        int32_t d = 0, e = 0;
        根据块ID取数据字节数和容错字节数(总字节数, 数据字节数, 块数, id, d, e);
        const size_t 数 = static_cast<size_t>(d);
        if (偏移 + 数 > 存储.size()) 报告("交错容错字节", "数据字节数写偏移量不匹配");
        std::vector<uint8_t> 数据(存储.begin() + static_cast<ptrdiff_t>(偏移),
                                  存储.begin() + static_cast<ptrdiff_t>(偏移 + 数));
        std::vector<uint8_t> 容错 = 生成容错字节(数据, e);
        最多数据 = std::max(最多数据, 数);
        最多容错 = std::max(最多容错, 容错.size());
        块.push_back({std::move(数据), std::move(容错)});
        偏移 += 数;
    }
    if (偏移 != static_cast<size_t>(数据字节数)) 报告("交错容错字节", "数据字节数写偏移量不匹配");
    for (size_t i = 0; i < 最多数据; ++i)
        for (const 块对& b : 块)
            if (b.数据.size() > i) 结果.追加数值位(b.数据[i], 8);
    for (size_t i = 0; i < 最多容错; ++i)
        for (const 块对& b : 块)
            if (b.容错.size() > i) 结果.追加数值位(b.容错[i], 8);
    if (结果.取字节数() != 总字节数) 报告("交错容错字节", "交错出错");
}

int32_t 编码类::计算掩码惩罚(const 字节矩阵类& 矩阵) const {
    const 掩码辅助类 辅助;
    return 辅助.计算惩罚规则1(矩阵) + 辅助.计算惩罚规则2(矩阵) + 辅助.计算惩罚规则3(矩阵) +
           辅助.计算惩罚规则4(矩阵);
}

int32_t 编码类::选择掩码图案(const 位向量类& 位, const 容错级别类& 级别, int32_t 版本号, 字节矩阵类& 矩阵) const {
    const 矩阵应用类 构建器;
    int32_t 最低 = 2147483647, 最佳 = -1;
    for (int32_t 掩码 = 0; 掩码 < 8; ++掩码) {
        构建器.构建矩阵(位, 级别, 版本号, 掩码, 矩阵);
        const int32_t 惩罚 = 计算掩码惩罚(矩阵);
        // Strictly lower only: among equal penalties the lowest mask number wins.
        if (惩罚 < 最低) {
            最低 = 惩罚;
            最佳 = 掩码;
        }
    }
    return 最佳;
}

}  // namespace qr
