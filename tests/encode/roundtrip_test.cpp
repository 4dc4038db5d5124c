// Every symbol must be readable by an independent decoder: zbar reads the module's BMP
// back to the exact content over all versions, levels and modes.
#include <gtest/gtest.h>

#include <random>

#include "qr/encode/qrcode.h"
#include "tests/support/zbar_decode.h"

namespace {

struct 模式样本 {
    const char* 名;
    // Content of n units in this mode and the data bytes it needs.
    std::string (*内容)(int32_t n, std::mt19937& r);
    int32_t (*字节数)(int32_t n);
};

int32_t 向上取字节(int32_t 位) { return (位 + 7) / 8; }

const 模式样本 模式表[] = {
    {"数字",
     [](int32_t n, std::mt19937& r) {
         std::string s;
         for (int32_t i = 0; i < n; ++i) s += static_cast<char>('0' + r() % 10);
         return s;
     },
     [](int32_t n) { return 向上取字节(10 * (n / 3) + (n % 3 == 2 ? 7 : n % 3 == 1 ? 4 : 0)); }},
    {"字母数字",
     [](int32_t n, std::mt19937& r) {
         static const char 表[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";
         std::string s;
         for (int32_t i = 0; i < n; ++i) s += 表[r() % 45];
         s[0] = 'A';  // at least one letter keeps it out of numeric mode
         return s;
     },
     [](int32_t n) { return 向上取字节(11 * (n / 2) + 6 * (n % 2)); }},
    {"字节",
     // n bytes of UTF-8: Chinese characters (3 bytes each), lower-case letters for the rest.
     [](int32_t n, std::mt19937& r) {
         static const char* 字[] = {"福", "喜", "来", "匣", "春", "码"};
         std::string s;
         while (static_cast<int32_t>(s.size()) + 3 <= n && r() % 2) s += 字[r() % 6];
         while (static_cast<int32_t>(s.size()) < n) s += static_cast<char>('a' + r() % 26);
         return s;
     },
     [](int32_t n) { return n; }},
};

// The longest content of the mode that fits the version at the level.
int32_t 最长单位数(const 模式样本& 模式, int32_t 数据码字) {
    int32_t n = 1;
    while (模式.字节数(n + 1) + 3 <= 数据码字) ++n;
    return n;
}

class 往返 : public ::testing::TestWithParam<int32_t> {
protected:
    qr::模块守护 模块;
};

TEST_P(往返, 每个级别和模式在该版本的最长内容都能被zbar读回) {
    const int32_t v = GetParam();
    std::mt19937 随机(static_cast<uint32_t>(v));
    const qr::版本类& 版本 = (*qr::版本表)[static_cast<size_t>(v - 1)];
    for (const char* 级别 : {"L", "M", "Q", "H"}) {
        const qr::容错级别类 l = qr::当前二维码->取容错级别_按索引(std::string("LMQH").find(级别) + 1);
        const int32_t 数据码字 = 版本.取总码字数() - 版本.取容错块组(l).取容错码字总数();
        for (const 模式样本& 模式 : 模式表) {
            const std::string 内容 = 模式.内容(最长单位数(模式, 数据码字), 随机);
            const int32_t 边 = (版本.取维长度() + 4) * 3;
            const auto 位图 = qr::创建二维码(内容, 级别, 边, 边);
            ASSERT_EQ(qr::当前二维码->取版本号(), v) << 级别 << " " << 模式.名;
            ASSERT_EQ(qr::当前二维码->取模式().取名称(), 模式.名);
            EXPECT_EQ(testsupport::zbar解码BMP(位图), std::vector<std::string>{内容})
                << "version " << v << " level " << 级别 << " mode " << 模式.名 << " mask "
                << qr::当前二维码->取掩码图案();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(版本, 往返, ::testing::Range(1, 41));

TEST(往返短内容, 中文与混合文本) {
    qr::模块守护 模块;
    for (const std::string 内容 : {"新年快乐，恭喜发财", "福", "a", "0", "https://render.example.com/p/c/17yq18lq3slc?source=SHU_QI",
                                   "😀 emoji", "MIXED case 123", "  leading spaces"}) {
        const auto 位图 = qr::创建二维码(内容, "M", 300, 300);
        EXPECT_EQ(testsupport::zbar解码BMP(位图), std::vector<std::string>{内容}) << 内容;
    }
}

}  // namespace
