// The module's entry at the limits of its own arithmetic, in-process: contents and sizes
// whose counts no longer fit 32 bits must be reported, never wrap round into a picture.
#include <gtest/gtest.h>

#include <string>

#include "qr/encode/qrcode.h"
#include "tests/support/expect_report.h"

namespace reliability {
namespace {

class 模块极限测试 : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qr::初始化模块(); }
    static void TearDownTestSuite() { qr::销毁模块(); }
};

// 2^28 bytes are 2^31 bits: a signed 32-bit bit count wraps to a negative size, and the
// content came out as a version-1 symbol with status 0.
TEST_F(模块极限测试, ContentOfTwoToTheThirtyOneBitsIsTooLong) {
    const std::string 内容(size_t{1} << 28, 'a');
    EXPECT_TRUE(testsupport::报告为([&] { qr::创建二维码(内容); }, "编码类", "初始化二维码", ""));
}

}  // namespace
}  // namespace reliability
