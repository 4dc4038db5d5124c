#include "qr/model/qr_code.h"

#include <cmath>

#include "qr/ecc/gf256.h"
#include "qr/model/module.h"

namespace qr {

二维码类::二维码类() : 类名("二维码类") {}

void 二维码类::重置() {
    版本号 = 矩阵宽度 = 掩码图案 = 总字节数 = 数据字节数 = 容错字节数 = RS块数 = -1;
}

bool 二维码类::是否有效() const {
    for (int32_t 值 : {版本号, 矩阵宽度, 掩码图案, 总字节数, 数据字节数, 容错字节数, RS块数})
        if (值 == -1) return false;
    return true;
}

int32_t 二维码类::矩阵取值(int32_t x, int32_t y) const {
    const int32_t 值 = 矩阵.取值(x, y);
    if (值 != 0 && 值 != 1) 抛出异常({类名, "矩阵取值", "值异常，当前值为：" + std::to_string(值)});
    return 值;
}

void 二维码类::构建模式表() {
    struct 行 { const char* 位数表; int32_t 位; const char* 名; 模式类 模式组类::*成员; };
    static const 行 表[] = {
        {"10,12,14", 1, "数字", &模式组类::数字},
        {"9,11,13", 2, "字母数字", &模式组类::字母数字},
        {"8,16,16", 4, "字节", &模式组类::字节},
    };
    模式类 草稿;
    for (const 行& r : 表) {
        草稿.置模式信息(文本到整数数组(r.位数表, ",").整数组, r.位, r.名);
        (*模式组).*(r.成员) = 草稿;
    }
}

模式类 二维码类::按位取模式(int32_t 位) const {
    switch (位) {
        case 1: return 模式组->数字;
        case 2: return 模式组->字母数字;
        case 4: return 模式组->字节;
        default: return 模式类();
    }
}

void 二维码类::构建容错级别表() {
    容错级别组->L.置级别信息(1, 1, "L");
    容错级别组->M.置级别信息(2, 0, "M");
    容错级别组->Q.置级别信息(3, 3, "Q");
    容错级别组->H.置级别信息(4, 2, "H");
    容错级别组->列表 = {容错级别组->L, 容错级别组->M, 容错级别组->Q, 容错级别组->H};
}

容错级别类 二维码类::取容错级别_按索引(int32_t 索引) const {
    if (索引 < 1 || 索引 > 4)
        抛出异常({类名, "取容错级别_按索引", "索引异常。当前索引：" + std::to_string(索引)});
    return 容错级别组->列表[static_cast<size_t>(索引 - 1)];
}

namespace {

容错块组类 块组集(const int32_t* 数) {
    块组类 组1, 组2;
    组1.置块组(数[1], 数[2]);
    容错块组类 集;
    if (数[3] == 0) {
        集.置一组(数[0], 组1);
    } else {
        组2.置块组(数[3], 数[4]);
        集.置两组(数[0], 组1, 组2);
    }
    return 集;
}

}  // namespace

void 二维码类::构建版本表() {
    auto 新表 = std::make_unique<std::vector<版本类>>(40);
    for (auto& 版本 : *新表) 版本.载入版本信息表();
    for (int32_t v = 1; v <= 40; ++v) {
        const auto 数 = 文本到整数数组(固定表::容错特性[static_cast<size_t>(v - 1)], ",").整数组;
        (*新表)[static_cast<size_t>(v - 1)].置版本信息(v, 固定表::方位调整坐标列表(v), 块组集(&数[0]), 块组集(&数[5]),
                                                    块组集(&数[10]), 块组集(&数[15]));
    }
    版本表 = std::move(新表);
}

版本类 二维码类::取版本_通过版本号(int32_t 号) const {
    if (号 < 1 || 号 > 40 || !版本表 || 版本表->empty())
        抛出异常({类名, "取版本_通过版本号", "版本号不在0到40之间。当前版本号：" + std::to_string(号)});
    return (*版本表)[static_cast<size_t>(号 - 1)];
}

版本类 二维码类::取版本_通过维长度(int32_t 维) const {
    // The remainder is taken in floating point with the dividend's sign, so 13 and 17
    // pass here and are refused by the version-number lookup.
    if (std::fabs(std::fmod(static_cast<double>(维), 4.0) - 1.0) > 1e-7)
        抛出异常({类名, "取版本_通过维长度", "维长度不为4的位数加1。当前维数：" + std::to_string(维)});
    return 取版本_通过版本号((维 - 17) >> 2);
}

void 二维码类::初始化表() {
    重置();
    构建模式表();
    构建版本表();
    构建容错级别表();
    二维码域->置本原多项式(0x011D);
}

}  // namespace qr
