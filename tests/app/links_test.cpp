// The item tables and the 52 campaign links: with our host every link is 57 to 69 bytes
// (row 41, SHANGHAI_GONGJIJIN, is the one of 69), encodes to a version-4 symbol at level L
// and reads back through an independent decoder.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "app/data/items.h"
#include "qr/encode/qrcode.h"
#include "tests/support/zbar_decode.h"

namespace {

using namespace app::data;

TEST(活动链接, 主机只有一处且每条链接由前缀和值组成) {
    EXPECT_EQ(活动主机, "render.example.com");
    std::set<std::string_view> 值;
    for (int 行 = 0; 行 < 来源数; ++行) {
        const std::string 链接 = 活动链接(行);
        EXPECT_EQ(链接, "https://render.example.com/p/c/17yq18lq3slc?source=" +
                            std::string(来源列表()[static_cast<size_t>(行)].值));
        值.insert(来源列表()[static_cast<size_t>(行)].值);
    }
    EXPECT_EQ(值.size(), 52u) << "two rows share a value";
    EXPECT_EQ(活动链接(0), "https://render.example.com/p/c/17yq18lq3slc?source=JING_LING");
    EXPECT_EQ(活动链接(43), "https://render.example.com/p/c/17yq18lq3slc?source=QINGDAN_DASHUJU");
    EXPECT_EQ(活动链接(51), "https://render.example.com/p/c/17yq18lq3slc?source=SHU_QI");
}

TEST(活动链接, 表外的行被拒绝) {
    for (int 行 : {-1, 52, 1000}) EXPECT_THROW(活动链接(行), std::out_of_range) << 行;
}

TEST(活动链接, 每条都是五十七到六十九字节的四版L级码且能被读回) {
    size_t 最短 = 1000, 最长 = 0;
    for (int 行 = 0; 行 < 来源数; ++行) {
        const std::string 链接 = 活动链接(行);
        EXPECT_GE(链接.size(), 57u) << 链接;
        EXPECT_LE(链接.size(), 69u) << 链接;
        最短 = std::min(最短, 链接.size());
        最长 = std::max(最长, 链接.size());
        const auto 位图 = qr::创建二维码(链接, "L", 300, 300);
        EXPECT_EQ(qr::当前二维码->取版本号(), 4) << 链接;
        EXPECT_EQ(qr::当前二维码->取容错级别().取名称(), "L") << 链接;
        EXPECT_EQ(testsupport::zbar解码BMP(位图), std::vector<std::string>{链接});
    }
    EXPECT_EQ(最短, 57u);
    EXPECT_EQ(最长, 69u);
    EXPECT_EQ(活动链接(41).size(), 69u);
    EXPECT_EQ(活动链接(37).size(), 68u);
}

TEST(福名, 十一个名字按表的顺序) {
    const auto& 名 = 福名列表();
    EXPECT_EQ(名[0], "蓝鹊万能福");
    EXPECT_EQ(名[1], "必中沾沾福");
    EXPECT_EQ(名[9], "一汽大众");
    EXPECT_EQ(名[10], "美颜相机");
}

}  // namespace
