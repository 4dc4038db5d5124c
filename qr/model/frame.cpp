#include "qr/model/frame.h"

#include <utility>

namespace qr {

std::string 报告文本(const 异常记录& 记录) {
    return "异常来源：[" + 记录.异常来源 + "]\r\n方法名称：" + 记录.方法名称 + "()\r\n异常信息：" +
           记录.异常信息;
}

模块异常::模块异常(异常记录 记录) : 记录_(std::move(记录)), 报告_(报告文本(记录_)) {}

void 抛出异常(const 异常记录& 记录) { throw 模块异常(记录); }

void 抛出异常() { 抛出异常(异常记录{"无", "无", "无"}); }

namespace {

bool 是空白(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads a piece the way atoi does; a piece without digits is 0. Saturates instead of
// overflowing, since the fixed tables never come near the limits.
int32_t 片段到整数(std::string_view 片段) {
    size_t i = 0;
    while (i < 片段.size() && 是空白(片段[i])) ++i;
    bool 负 = false;
    if (i < 片段.size() && (片段[i] == '+' || 片段[i] == '-')) 负 = 片段[i++] == '-';
    int64_t 值 = 0;
    for (; i < 片段.size() && 片段[i] >= '0' && 片段[i] <= '9'; ++i) {
        if (值 <= INT32_MAX) 值 = 值 * 10 + (片段[i] - '0');
    }
    值 = 负 ? -值 : 值;
    if (值 > INT32_MAX) return INT32_MAX;
    if (值 < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(值);
}

}  // namespace

数组集 文本到整数数组(std::string_view 文本, std::string_view 分隔符) {
    数组集 结果;
    结果.整数组.clear();
    if (分隔符.empty()) {
        结果.整数组.push_back(片段到整数(文本));
        return 结果;
    }
    size_t 起点 = 0;
    for (;;) {
        size_t 位置 = 文本.find(分隔符, 起点);
        结果.整数组.push_back(片段到整数(文本.substr(起点, 位置 - 起点)));
        if (位置 == std::string_view::npos) break;
        起点 = 位置 + 分隔符.size();
    }
    return 结果;
}

}  // namespace qr
