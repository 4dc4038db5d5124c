// Modes, error-correction levels and the version table: the fixed values of the symbol.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qr {

class 版本类;

class 模式类 {
public:
    void 置模式信息(const std::vector<int32_t>& 位数表, int32_t 位, const std::string& 名);
    int32_t 取计数位数(const 版本类& 版本) const;
    int32_t 取模式位() const { return 模式位; }
    std::string 取名称() const { return 名称; }
    std::string 到字符串() const { return 名称; }

    const std::vector<int32_t>& 取计数位数表() const { return 计数位数表; }

private:
    std::vector<int32_t> 计数位数表;
    int32_t 模式位 = 0;
    std::string 名称;
};

class 容错级别类 {
public:
    void 置级别信息(int32_t 新序号, int32_t 位, const std::string& 名);
    int32_t 取序号() const { return 序号; }
    int32_t 取级别位() const { return 级别位; }
    std::string 取名称() const { return 名称; }

private:
    int32_t 序号 = 0;
    int32_t 级别位 = 0;
    std::string 名称;
};

class 块组类 {
public:
    void 置块组(int32_t 数, int32_t 码字数);
    int32_t 取块数() const { return 块数; }
    int32_t 取数据码字数() const { return 数据码字数; }

private:
    int32_t 块数 = 0;
    int32_t 数据码字数 = 0;
};

class 容错块组类 {
public:
    void 置一组(int32_t 容错码字数, const 块组类& 组);
    void 置两组(int32_t 容错码字数, const 块组类& 组1, const 块组类& 组2);
    int32_t 取每块容错码字数() const { return 每块容错码字数; }
    int32_t 取总块数() const;
    int32_t 取容错码字总数() const { return 每块容错码字数 * 取总块数(); }
    std::vector<块组类> 取块组列表() const { return 块组列表; }

private:
    int32_t 每块容错码字数 = 0;
    std::vector<块组类> 块组列表;
};

class 容错级别类;

class 版本类 {
public:
    void 置版本信息(int32_t 号, const std::vector<int32_t>& 坐标, const 容错块组类& L,
                    const 容错块组类& M, const 容错块组类& Q, const 容错块组类& H);
    void 载入版本信息表();
    int32_t 取版本号() const { return 版本号; }
    int32_t 取总码字数() const { return 总码字数; }
    std::vector<int32_t> 取方位调整坐标() const { return 方位调整坐标; }
    int32_t 取维长度() const { return 17 + 4 * 版本号; }
    容错块组类 取容错块组(const 容错级别类& 级别) const;
    std::string 到字符串() const { return std::to_string(版本号); }

    std::vector<int32_t> 取版本信息表() const { return 版本信息表; }
    // Read-only view for the encoder's version search, which must not copy per version.
    const 容错块组类& 块组(int32_t 序号) const { return 容错块组列表[static_cast<size_t>(序号 - 1)]; }

private:
    int32_t 版本号 = 0;
    std::vector<容错块组类> 容错块组列表;
    int32_t 总码字数 = 0;
    std::vector<int32_t> 方位调整坐标;
    std::vector<int32_t> 版本信息表;
};

// The fixed data behind the tables, kept as number texts in one place.
namespace 固定表 {
// Per version 1..40: for L, M, Q, H in turn the EC codewords per block, then the
// groups as (block count, data codewords), one or two; "0,0" marks a missing second group.
extern const std::array<const char*, 40> 容错特性;
extern const std::array<const char*, 40> 方位调整坐标;  // "" for version 1
// The alignment centres of version 1..40 as numbers; empty for version 1.
std::vector<int32_t> 方位调整坐标列表(int32_t 版本);
extern const char* const 版本信息码;                   // the 34 codes of versions 7..40
}  // namespace 固定表

}  // namespace qr
