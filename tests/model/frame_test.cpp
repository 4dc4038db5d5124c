#include <gtest/gtest.h>

#include "qr/model/frame.h"
#include "tests/support/expect_report.h"

namespace {

using qr::异常记录;

TEST(报告文本, 三行以CRLF分隔且方法名带一对括号) {
    EXPECT_EQ(qr::报告文本({"二维码模块", "编码", "没有编码内容"}),
              "异常来源：[二维码模块]\r\n方法名称：编码()\r\n异常信息：没有编码内容");
    // An empty message leaves nothing behind the last colon.
    EXPECT_EQ(qr::报告文本({"编码类", "初始化二维码", ""}),
              "异常来源：[编码类]\r\n方法名称：初始化二维码()\r\n异常信息：");
}

TEST(抛出异常, 带记录时异常携带记录和报告文本) {
    try {
        qr::抛出异常(异常记录{"位向量类", "取位值", "索引超限"});
        FAIL() << "抛出异常 returned";
    } catch (const qr::模块异常& e) {
        EXPECT_EQ(e.取记录().异常来源, "位向量类");
        EXPECT_EQ(e.取记录().方法名称, "取位值");
        EXPECT_EQ(e.取记录().异常信息, "索引超限");
        EXPECT_EQ(e.报告(), "异常来源：[位向量类]\r\n方法名称：取位值()\r\n异常信息：索引超限");
        EXPECT_STREQ(e.what(), e.报告().c_str());
    }
}

TEST(抛出异常, 无记录时三处都是无) {
    try {
        qr::抛出异常();
        FAIL() << "抛出异常 returned";
    } catch (const qr::模块异常& e) {
        EXPECT_EQ(e.报告(), "异常来源：[无]\r\n方法名称：无()\r\n异常信息：无");
    }
}

TEST(文本到整数数组, 按分隔符切分并像atoi一样读数) {
    struct 例 { const char* 文本; std::vector<int32_t> 期望; };
    const 例 表[] = {
        {"6,18", {6, 18}},
        {"-1,-1,36", {-1, -1, 36}},
        {"10,12,14", {10, 12, 14}},
        {" 7,+3,x,12abc,", {7, 3, 0, 12, 0}},
        {"", {0}},
    };
    for (const 例& e : 表) EXPECT_EQ(qr::文本到整数数组(e.文本, ",").整数组, e.期望) << e.文本;
    const auto 集 = qr::文本到整数数组("1,2", ",");
    EXPECT_EQ(集.字节组, std::vector<uint8_t>{0}) << "other members keep their one-element default";
    EXPECT_EQ(集.文本组, std::vector<std::string>{""});
}

TEST(无符号右移, 负数移入零) {
    EXPECT_EQ(qr::无符号右移(-1, 1), 2147483647);
    EXPECT_EQ(qr::无符号右移(-8, 1), 2147483644);
    EXPECT_EQ(qr::无符号右移(12, 1), 6);
    EXPECT_EQ(qr::无符号右移(-1, 0), -1);
    EXPECT_EQ(qr::无符号右移(INT32_MIN, 31), 1);
}

}  // namespace
