#include "qr/ecc/polynomial.h"

#include <algorithm>
#include <utility>

namespace qr {

// ---- 多项式类 ----

数组集 多项式类::取系数组() const {
    数组集 结果;
    结果.整数组 = 系数;
    return 结果;
}

void 多项式类::检查已构造(const char* 方法) const {
    if (系数.empty()) 抛出异常({类名, 方法, "多项式未构造"});
}

bool 多项式类::是否为零() const {
    检查已构造("是否为零");
    return 系数[0] == 0;
}

int32_t 多项式类::取系数(int32_t 次数) const {
    if (次数 < 0 || 次数 > 取次数())
        抛出异常({类名, "取系数", "次数超出范围，当前值为：" + std::to_string(次数)});
    return 系数[系数.size() - 1 - static_cast<size_t>(次数)];
}

void 多项式类::构造多项式(const GF256& 新域, const std::vector<int32_t>& 列表) {
    if (列表.empty()) 抛出异常();
    域 = 新域;
    if (列表.size() >= 2 && 列表[0] == 0) {
        const auto 首个非零 = std::find_if(列表.begin() + 1, 列表.end(), [](int32_t c) { return c != 0; });
        if (首个非零 == 列表.end())
            系数.assign(1, 0);
        else
            系数.assign(首个非零, 列表.end());
    } else {
        系数 = 列表;
    }
}

int32_t 多项式类::求值(int32_t a) const {
    检查已构造("求值");
    if (a == 0) return 取系数(0);
    if (a == 1) {
        int32_t 和 = 0;
        for (int32_t c : 系数) 和 = 域.元素加减(和, c);
        return 和;
    }
    int32_t r = 系数[0];
    for (size_t i = 1; i < 系数.size(); ++i) r = 域.元素加减(域.元素相乘(a, r), 系数[i]);
    return r;
}

std::string 多项式类::到字符串() const {
    std::string 文本;
    for (int32_t d = 取次数(); d >= 0; --d) {
        int32_t v = 取系数(d);
        if (v == 0) continue;
        if (v < 0) {
            文本 += " - ";
            v = static_cast<int32_t>(-static_cast<int64_t>(v));
        } else if (!文本.empty()) {
            文本 += " + ";
        }
        if (d == 0 || v != 1) {
            const int32_t p = 域.取对数(v);
            if (p == 0)
                文本 += "1";
            else if (p == 1)
                文本 += "a";
            else
                文本 += "a^" + std::to_string(p);
        }
        if (d == 1)
            文本 += "x";
        else if (d != 0)
            文本 += "x^" + std::to_string(d);
    }
    return 文本;
}

// ---- GFP ----

GFP::GFP() : 类名("GFP") {}

void GFP::置运算多项式(const 多项式类& 多项式) { 运算多项式 = 多项式; }

void GFP::检查同域(const 多项式类& 其他, const char* 方法) const {
    if (运算多项式.所在域().取标识() != 其他.所在域().取标识())
        抛出异常({类名, 方法, "GF256信息不相同"});
}

多项式类 GFP::在本域构造(const std::vector<int32_t>& 列表) const {
    多项式类 结果;
    结果.构造多项式(运算多项式.所在域(), 列表);
    return 结果;
}

多项式类 GFP::零多项式() const { return 在本域构造({0}); }

多项式类 GFP::加或减(const 多项式类& 其他) const {
    检查同域(其他, "加或减");
    if (运算多项式.是否为零()) return 其他;
    if (其他.是否为零()) return 运算多项式;
    const std::vector<int32_t>& P = 运算多项式.系数列表();
    const std::vector<int32_t>& Q = 其他.系数列表();
    const bool P较短 = P.size() <= Q.size();
    const std::vector<int32_t>& S = P较短 ? P : Q;
    const std::vector<int32_t>& L = P较短 ? Q : P;
    const GF256& F = 运算多项式.所在域();
    const size_t m = L.size() - S.size();
    std::vector<int32_t> R(L.begin(), L.end());
    for (size_t i = m; i < L.size(); ++i) R[i] = F.元素加减(S[i - m], L[i]);
    return 在本域构造(R);
}

多项式类 GFP::相乘(const 多项式类& 其他) const {
    检查同域(其他, "相乘");
    if (运算多项式.是否为零() || 其他.是否为零()) return 零多项式();
    const std::vector<int32_t>& A = 运算多项式.系数列表();
    const std::vector<int32_t>& B = 其他.系数列表();
    const GF256& F = 运算多项式.所在域();
    std::vector<int32_t> R(A.size() + B.size() - 1, 0);
    for (size_t i = 0; i < A.size(); ++i)
        for (size_t j = 0; j < B.size(); ++j) R[i + j] = F.元素加减(R[i + j], F.元素相乘(A[i], B[j]));
    return 在本域构造(R);
}

多项式类 GFP::乘以标量(int32_t 标量) const {
    if (标量 == 0) return 零多项式();
    if (标量 == 1) return 运算多项式;
    const GF256& F = 运算多项式.所在域();
    std::vector<int32_t> R = 运算多项式.系数列表();
    for (int32_t& c : R) c = F.元素相乘(c, 标量);
    return 在本域构造(R);
}

多项式类 GFP::叠加单项式(int32_t 次数, int32_t 系数值) const {
    if (次数 < 0) 抛出异常({类名, "叠加单项式", "维度小于0"});
    if (系数值 == 0) return 零多项式();
    const GF256& F = 运算多项式.所在域();
    const std::vector<int32_t>& P = 运算多项式.系数列表();
    std::vector<int32_t> R(P.size() + static_cast<size_t>(次数), 0);
    for (size_t i = 0; i < P.size(); ++i) R[i] = F.元素相乘(P[i], 系数值);
    return 在本域构造(R);
}

多项式类 GFP::构造单项式(int32_t 次数, int32_t 系数值) const {
    if (次数 < 0) 抛出异常({类名, "构造单项式", "度小于0"});
    if (系数值 == 0) return 零多项式();
    std::vector<int32_t> R(static_cast<size_t>(次数) + 1, 0);
    R[0] = 系数值;
    return 在本域构造(R);
}

// ---- GFPP ----

GFPP::GFPP() : 类名("GFPP") {}

void GFPP::分离(const 多项式类& 除式, std::vector<多项式类>& 结果) const {
    const 多项式类 被除多项式 = 被除式.取运算多项式();
    const GF256& F = 被除多项式.所在域();
    if (F.取标识() != 除式.所在域().取标识()) 抛出异常({类名, "分离", "GF256不同"});
    if (除式.是否为零()) 抛出异常({类名, "分离", "除数为0"});

    GFP 工作;
    工作.置运算多项式(被除多项式);
    多项式类 商 = 工作.构造单项式(0, 0);
    多项式类 余 = 被除多项式;
    const int32_t 除式次数 = 除式.取次数();
    const int32_t 逆 = F.求逆(除式.取系数(除式次数));
    GFP 除式工作;
    除式工作.置运算多项式(除式);
    GFP 累加;
    while (余.取次数() >= 除式次数 && !余.是否为零()) {
        const int32_t k = 余.取次数() - 除式次数;
        const int32_t s = F.元素相乘(余.取系数(余.取次数()), 逆);
        const 多项式类 项 = 除式工作.叠加单项式(k, s);
        const 多项式类 q = 被除式.构造单项式(k, s);
        累加.置运算多项式(商);
        商 = 累加.加或减(q);
        累加.置运算多项式(余);
        余 = 累加.加或减(项);
    }
    结果.push_back(std::move(商));
    结果.push_back(std::move(余));
}

}  // namespace qr
