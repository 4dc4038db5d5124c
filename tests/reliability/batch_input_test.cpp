// Bad lines in a batch file, and input files that are no files: each bad line is named
// with its number and its fault, the good ones are still written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "qr/encode/qrcode.h"
#include "tests/reliability/tool_process.h"
#include "tests/support/zbar_decode.h"

namespace reliability {
namespace {

std::string 模块报告(const std::string& 来源, const std::string& 方法, const std::string& 信息) {
    return "异常来源：[" + 来源 + "]\r\n方法名称：" + 方法 + "()\r\n异常信息：" + 信息 + "\n";
}

const std::string 无内容 = 模块报告("二维码模块", "编码", "没有编码内容");

class 批量坏行测试 : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qr::初始化模块(); }
    static void TearDownTestSuite() { qr::销毁模块(); }

    临时目录 目录;
    std::filesystem::path 清单() const { return 目录.路径() / "list.txt"; }
    std::filesystem::path 输出目录() const { return 目录.路径() / "out"; }

    进程结果 运行(std::vector<std::string> 参数) const {
        参数.insert(参数.begin(), XLX_QR_TOOL);
        return 运行进程({参数, "", "", {}});
    }
    std::vector<std::string> 写出的文件() const {
        std::vector<std::string> 名;
        if (!std::filesystem::exists(输出目录())) return 名;
        for (const auto& 项 : std::filesystem::directory_iterator(输出目录())) 名.push_back(项.path().filename());
        std::sort(名.begin(), 名.end());
        return 名;
    }
    std::vector<uint8_t> 文件字节(const std::string& 名) const {
        const std::string 文本 = 读文件(输出目录() / 名);
        return {文本.begin(), 文本.end()};
    }
};

TEST_F(批量坏行测试, EmptyLongAndInvalidLinesFailAloneAndTheRestIsWritten) {
    const std::string 最长 = std::string(2953, 'y');  // the most level L holds in version 40
    写文件(清单(), "first\n\n" + std::string(size_t{1} << 20, 'x') + "\nab\xFF" "cd\n\u3000 \r\n" + 最长 +
                      "\nlast");
    const auto 结果 = 运行({"--batch", 清单().string(), "-o", 输出目录().string(), "-s", "740"});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.输出, "");
    EXPECT_EQ(结果.错误,
              "xilaixia-qr: line 2:\n" + 无内容 +
              "xilaixia-qr: line 3:\n" + 模块报告("编码类", "初始化二维码", "") +
              "xilaixia-qr: the content needs 1048576 data bytes; level L holds at most 2953 (version 40)\n"
              "xilaixia-qr: line 4:\n"
              "xilaixia-qr: input is not valid UTF-8 at byte offset 2 (byte 0xFF)\n"
              "xilaixia-qr: line 5:\n" + 无内容 +
              "xilaixia-qr: 4 of 7 lines failed\n");
    ASSERT_EQ(写出的文件(), (std::vector<std::string>{"0001.bmp", "0006.bmp", "0007.bmp"}));
    EXPECT_EQ(文件字节("0001.bmp"), qr::创建二维码("first", std::nullopt, 740, 740));
    EXPECT_EQ(文件字节("0006.bmp"), qr::创建二维码(最长, std::nullopt, 740, 740));
    EXPECT_EQ(文件字节("0007.bmp"), qr::创建二维码("last", std::nullopt, 740, 740)) << "a last line without LF";
    EXPECT_EQ(testsupport::zbar解码BMP(文件字节("0006.bmp")), std::vector<std::string>{最长});
}

TEST_F(批量坏行测试, InvalidGbkLinesAreNamedByLineAndOffset) {
    写文件(清单(), "\xC4\xE3\xBA\xC3\n\xC4\xE3\xFF\xFF\n\xA1\xA1\n\xC4");
    const auto 结果 = 运行({"--batch", 清单().string(), "-o", 输出目录().string(), "--encoding", "gbk"});
    EXPECT_EQ(结果.状态, 1);
    EXPECT_EQ(结果.错误,
              "xilaixia-qr: line 2:\n"
              "xilaixia-qr: input is not valid GBK at byte offset 2 (byte 0xFF)\n"
              "xilaixia-qr: line 3:\n" + 无内容 +
              "xilaixia-qr: line 4:\n"
              "xilaixia-qr: input is not valid GBK at byte offset 0 (byte 0xC4)\n"
              "xilaixia-qr: 3 of 4 lines failed\n");
    ASSERT_EQ(写出的文件(), std::vector<std::string>{"0001.bmp"});
    EXPECT_EQ(文件字节("0001.bmp"), qr::创建二维码("你好"));
}

// A directory given where a file is expected is a fault of the input, named with its path,
// never an empty content or an empty batch.
TEST_F(批量坏行测试, DirectoryAsInputIsNamed) {
    const std::string 目录名 = 目录.路径().string();
    const std::string 期望 = "xilaixia-qr: cannot read '" + 目录名 + "': Is a directory\n";
    const auto 单个 = 运行({"-i", 目录名, "-o", (目录.路径() / "a.bmp").string()});
    EXPECT_EQ(单个.状态, 1);
    EXPECT_EQ(单个.错误, 期望);
    const auto 批量 = 运行({"--batch", 目录名, "-o", 输出目录().string()});
    EXPECT_EQ(批量.状态, 1);
    EXPECT_EQ(批量.错误, 期望);
    EXPECT_EQ(写出的文件(), std::vector<std::string>{});
}

}  // namespace
}  // namespace reliability
