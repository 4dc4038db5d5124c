// Every kind of bad input a person or a script can hand xilaixia-qr, run against the real
// binary: each gets its exit status and exactly its message, and nothing is written on an
// error. Where the input is fine after all, the file is the module's own picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "qr/encode/qrcode.h"
#include "tests/reliability/tool_process.h"
#include "tests/support/zbar_decode.h"

namespace reliability {
namespace {

constexpr size_t 十兆 = size_t{10} << 20;

// The same request made in-process: what a successful run must have written.
struct 参照请求 {
    std::string 内容;
    std::optional<std::string> 级别;
    std::optional<int32_t> 宽, 高;
    bool 扫描 = false;  // also read the file back with zbar
};

struct 情形 {
    std::string 名称;
    std::vector<std::string> 参数;  // "{dir}": the scratch directory; "{out}": out.bmp in it
    // Made when the case runs: building every ten-megabyte input whenever the binary
    // starts would make each of ctest's runs of it slow.
    std::function<std::string()> 标准输入;
    int 状态 = 0;
    std::string 错误;  // the whole of standard error; "{dir}" and "{out}" as above
    std::optional<参照请求> 参照;
    std::string 标准输出到;  // a device for standard output instead of a file
};

std::function<std::string()> 固定(std::string 文本) {
    return [文本 = std::move(文本)] { return 文本; };
}

// A run that must fail with this status and exactly this standard error.
情形 错(std::string 名称, std::vector<std::string> 参数, int 状态, std::string 错误,
       std::function<std::string()> 输入 = 固定("")) {
    return {std::move(名称), std::move(参数), std::move(输入), 状态, std::move(错误), std::nullopt, ""};
}

情形 错(std::string 名称, std::vector<std::string> 参数, int 状态, std::string 错误, std::string 输入) {
    return 错(std::move(名称), std::move(参数), 状态, std::move(错误), 固定(std::move(输入)));
}

// A run that must succeed silently and write the module's picture for this request.
情形 成(std::string 名称, std::vector<std::string> 参数, std::string 内容, std::optional<std::string> 级别,
       std::optional<int32_t> 宽, std::optional<int32_t> 高, bool 扫描, std::string 输入 = "") {
    参照请求 参照{std::move(内容), std::move(级别), 宽, 高, 扫描};
    return {std::move(名称), std::move(参数), 固定(std::move(输入)), 0, "", std::move(参照), ""};
}

// ctest lists each case by its name, not by its bytes.
void PrintTo(const 情形& 例, std::ostream* 流) { *流 << 例.名称; }

std::string 模块报告(const std::string& 来源, const std::string& 方法, const std::string& 信息) {
    return "异常来源：[" + 来源 + "]\r\n方法名称：" + 方法 + "()\r\n异常信息：" + 信息 + "\n";
}

const std::string 无内容 = 模块报告("二维码模块", "编码", "没有编码内容");
const std::string 等级错 = 模块报告("二维码模块", "创建二维码", "容错等级必须为L、M、Q、H四个之一。");
const std::string 过大 = 模块报告("二维码模块", "创建二维码", "图片尺寸过大");
const std::string 版本1过小 = 模块报告("二维码模块", "创建二维码", "图片尺寸过小，无法容纳二维码。所需最小尺寸：25x25");

std::string 过长(int64_t 所需, const std::string& 级别, int 最多) {
    return 模块报告("编码类", "初始化二维码", "") + "xilaixia-qr: the content needs " + std::to_string(所需) +
           " data bytes; level " + 级别 + " holds at most " + std::to_string(最多) + " (version 40)\n";
}

std::string 无效(const std::string& 编码, size_t 偏移, const std::string& 字节) {
    return "xilaixia-qr: input is not valid " + 编码 + " at byte offset " + std::to_string(偏移) + " (byte " + 字节 +
           ")\n";
}

std::string 用法(const std::string& 信息) {
    return "xilaixia-qr: " + 信息 + "\nTry 'xilaixia-qr --help' for more information.\n";
}

std::string 尺寸用法(const std::string& 文本) {
    return 用法("invalid size '" + 文本 + "': expected N or WxH, e.g. 300 or 300x200");
}

std::string 重复(const std::string& 片段, size_t 次数) {
    std::string 结果;
    结果.reserve(片段.size() * 次数);
    for (size_t i = 0; i < 次数; ++i) 结果 += 片段;
    return 结果;
}

// Ten mebibytes of a piece, then a tail.
std::function<std::string()> 十兆输入(std::string 片段, std::string 尾 = "") {
    return [=] { return 重复(片段, (十兆 - 尾.size()) / 片段.size()) + 尾; };
}

// The most bytes version 40 holds at each level with the encoder's margin of 3 codewords.
struct 容量 {
    const char* 级别;
    int 字节数;
};
constexpr 容量 容量表[] = {{"L", 2953}, {"M", 2331}, {"Q", 1663}, {"H", 1273}};

// Byte mode at the edge of version 40: ASCII letters, and the same count of bytes made of
// three-byte characters, since the capacity is counted in bytes, not characters.
void 加容量情形(std::vector<情形>& 表) {
    for (const auto& 项 : 容量表) {
        const std::string 级 = 项.级别;
        const size_t n = static_cast<size_t>(项.字节数);
        const std::string 字母满 = std::string(n, 'a');
        const std::string 汉字满 = 重复("中", n / 3) + std::string(n % 3, 'b');
        // 740 pixels give version 40 (185 modules with the quiet zone) 4 pixels a module.
        const std::vector<std::string> 参数 = {"-l", 级, "-s", "740", "-i", "-", "-o", "{out}"};
        for (const auto& [名, 满] : {std::pair{"Letters", 字母满}, std::pair{"Chinese", 汉字满}}) {
            表.push_back(成("CapacityAt" + 级 + 名, 参数, 满, 级, 740, 740, true, 满));
            表.push_back(错("CapacityOver" + 级 + 名, 参数, 1, 过长(项.字节数 + 1, 级, 项.字节数), 满 + "z"));
        }
    }
}

std::vector<情形> 情形表() {
    const std::vector<std::string> 标准输入 = {"-i", "-", "-o", "{out}"};
    const auto 参 = [](std::vector<std::string> 前) {
        前.insert(前.end(), {"-o", "{out}"});
        return 前;
    };
    const auto 无 = std::nullopt;
    const std::string 含零 = std::string("a\0b", 3);
    std::vector<情形> 表 = {
        // Blank content, from the argument and from standard input.
        错("EmptyContent", 参({""}), 1, 无内容),
        错("OnlySpaces", 参({"     "}), 1, 无内容),
        错("OnlyFullWidthSpaces", 参({"\u3000\u3000\u3000"}), 1, 无内容),
        错("MixedBlanks", 参({" \u3000 \u3000"}), 1, 无内容),
        错("BlankStandardInput", 标准输入, 1, 无内容, "  \u3000\r\n"),
        错("EmptyStandardInput", 标准输入, 1, 无内容, ""),
        成("SpacesAroundAreKept", 参({" A\u3000"}), " A\u3000", 无, 无, 无, true),
        成("TabIsNotBlank", 参({"\t"}), "\t", 无, 无, 无, false),
        成("NulInsideContent", 标准输入, 含零, 无, 无, 无, false, 含零),

        // Text that is not UTF-8: the first bad byte is named.
        错("Utf8StrayByte", 参({"ab\xFF" "c"}), 1, 无效("UTF-8", 2, "0xFF")),
        错("Utf8LoneContinuation", 参({"\x80"}), 1, 无效("UTF-8", 0, "0x80")),
        错("Utf8Truncated", 参({"ab\xE4\xB8"}), 1, 无效("UTF-8", 2, "0xE4")),
        错("Utf8Overlong", 参({"\xC0\xAF"}), 1, 无效("UTF-8", 0, "0xC0")),
        错("Utf8Surrogate", 参({"a\xED\xA0\x80"}), 1, 无效("UTF-8", 1, "0xED")),
        错("Utf8AboveUnicode", 参({"\xF4\x90\x80\x80"}), 1, 无效("UTF-8", 0, "0xF4")),
        错("Utf8BadAfterBlanks", 标准输入, 1, 无效("UTF-8", 4, "0xFE"), "\u3000 \xFE"),

        // Text that is not GBK.
        错("GbkInvalidByte", 参({"--encoding", "gbk", "\xB0\xA1\xFF"}), 1, 无效("GBK", 2, "0xFF")),
        错("GbkEndsInsideCharacter", 参({"--encoding", "gbk", "\xB0\xA1\xB0"}), 1, 无效("GBK", 2, "0xB0")),
        错("GbkBadSecondByte", 参({"--encoding", "gbk", "\x81\x20"}), 1, 无效("GBK", 0, "0x81")),
        错("GbkFullWidthSpacesOnly", 参({"--encoding", "gbk", "\xA1\xA1\xA1\xA1"}), 1, 无内容),

        // Ten megabytes on standard input: refused with figures, not swallowed.
        错("TenMegabytesOfLetters", 标准输入, 1, 过长(十兆, "L", 2953), 十兆输入("a")),
        // Digits: 10 bits per three and 4 for the last one, 34952534 bits.
        错("TenMegabytesOfDigits", {"-l", "h", "-i", "-", "-o", "{out}"}, 1, 过长(4369067, "H", 1273),
          十兆输入("7")),
        错("TenMegabytesOfSpaces", 标准输入, 1, 无内容, 十兆输入(" ")),
        错("TenMegabytesBadLastByte", 标准输入, 1, 无效("UTF-8", 十兆 - 1, "0xC3"), 十兆输入("a", "\xC3")),
        错("TenMegabytesOfGbk", {"--encoding", "gbk", "-i", "-", "-o", "{out}"}, 1, 过长(十兆 / 2 * 3, "L", 2953),
          十兆输入("\xD6\xD0")),

        // Sizes: zero and negative mean the default 100; too small and too large are reported.
        成("SizeZero", 参({"-s", "0", "A"}), "A", 无, 100, 100, true),
        成("SizeNegative", 参({"-s", "-5", "A"}), "A", 无, 100, 100, true),
        成("SizeNegativeWidthOnly", 参({"-s", "-5x300", "A"}), "A", 无, 100, 300, true),
        成("SizeSmallestInt", 参({"-s", "-2147483648", "A"}), "A", 无, 100, 100, false),
        成("SizeExactFit", 参({"-s", "25x25", "A"}), "A", 无, 25, 25, false),
        错("SizeOnePixel", 参({"-s", "1x1", "A"}), 1, 版本1过小),
        错("Size20", 参({"-s", "20x20", "A"}), 1, 版本1过小),
        错("SizeOneShortInWidth", 参({"-s", "24x25", "A"}), 1, 版本1过小),
        错("SizeOneShortInHeight", 参({"-s", "25x24", "A"}), 1, 版本1过小),
        错("SizeLargestInt", 参({"-s", "2147483647x2147483647", "A"}), 1, 过大),
        错("SizeWidthTooLarge", 参({"-s", "2147483647x100", "A"}), 1, 过大),
        错("SizeHeightTooLarge", 参({"-s", "100x2147483647", "A"}), 1, 过大),
        // 54 + 76 x 28256364 is the first file size of a 25 pixel wide picture past 2^31 - 1.
        错("SizeFileOneRowTooLarge", 参({"-s", "25x28256364", "A"}), 1, 过大),
        错("SizeGarbage", 参({"-s", "abc", "A"}), 2, 尺寸用法("abc")),
        错("SizeEmpty", 参({"-s", "", "A"}), 2, 尺寸用法("")),
        错("SizeBeyondInt", 参({"-s", "2147483648", "A"}), 2, 尺寸用法("2147483648")),
        错("SizeExponent", 参({"-s", "1e3", "A"}), 2, 尺寸用法("1e3")),
        错("SizeTrailingX", 参({"-s", "100x", "A"}), 2, 尺寸用法("100x")),

        // Levels: one letter, any case, nothing around it.
        错("LevelEmpty", 参({"-l", "", "A"}), 1, 等级错),
        错("LevelUnknown", 参({"-l", "X", "A"}), 1, 等级错),
        错("LevelLeadingBlank", 参({"-l", " L", "A"}), 1, 等级错),
        错("LevelTrailingBlank", 参({"-l", "L ", "A"}), 1, 等级错),
        错("LevelFullWidthLetter", 参({"-l", "\uFF2C", "A"}), 1, 等级错),
        错("LevelVeryLong", 参({"-l", std::string(100000, 'L'), "A"}), 1, 等级错),
        错("LevelCheckedBeforeSize", 参({"-l", "X", "-s", "1", "A"}), 1, 等级错),
        成("LevelLowerCaseQ", 参({"-l", "q", "A"}), "A", "Q", 无, 无, true),

        // Where the picture cannot go.
        错("OutputDirectoryMissing", {"A", "-o", "{dir}/no/such/a.bmp"}, 1,
          "xilaixia-qr: cannot create '{dir}/no/such/a.bmp': No such file or directory\n"),
        错("OutputBelowAFile", {"A", "-o", "/dev/null/a.bmp"}, 1,
          "xilaixia-qr: cannot create '/dev/null/a.bmp': Not a directory\n"),
        错("OutputIsADirectory", {"A", "-o", "/"}, 1, "xilaixia-qr: cannot create '/': Is a directory\n"),
        错("OutputDeviceFull", {"A", "-o", "/dev/full"}, 1,
          "xilaixia-qr: cannot write '/dev/full': No space left on device\n"),
    };
    情形 满输出 = 错("StandardOutputFull", {"A"}, 1, "xilaixia-qr: cannot write standard output: No space left on device\n");
    满输出.标准输出到 = "/dev/full";
    表.push_back(满输出);
    加容量情形(表);
    return 表;
}

std::string 代入(std::string 文本, const std::string& 记号, const std::string& 值) {
    for (size_t 处; (处 = 文本.find(记号)) != std::string::npos;) 文本.replace(处, 记号.size(), 值);
    return 文本;
}

class 坏输入测试 : public ::testing::TestWithParam<情形> {
protected:
    static void SetUpTestSuite() { qr::初始化模块(); }
    static void TearDownTestSuite() { qr::销毁模块(); }
    临时目录 目录;
};

TEST_P(坏输入测试, ExitStatusAndMessage) {
    const 情形& 例 = GetParam();
    const std::string 输出 = (目录.路径() / "out.bmp").string();
    const auto 展开 = [&](const std::string& 文本) { return 代入(代入(文本, "{out}", 输出), "{dir}", 目录.路径()); };

    进程请求 请求{{XLX_QR_TOOL}, 例.标准输入(), 例.标准输出到, {}};
    for (const auto& 参数 : 例.参数) 请求.命令.push_back(展开(参数));
    const 进程结果 结果 = 运行进程(请求);

    EXPECT_EQ(结果.状态, 例.状态) << 结果.错误.substr(0, 2000);
    EXPECT_EQ(结果.错误, 展开(例.错误));
    EXPECT_EQ(结果.输出, "");
    if (!例.参照) {
        EXPECT_FALSE(std::filesystem::exists(输出)) << "a failed run leaves no picture behind";
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(输出));
    const std::string 文件 = 读文件(输出);
    const std::vector<uint8_t> 字节(文件.begin(), 文件.end());
    const 参照请求& 参 = *例.参照;
    EXPECT_EQ(字节, qr::创建二维码(参.内容, 参.级别, 参.宽, 参.高)) << "not the module's picture for this request";
    if (参.扫描) {
        EXPECT_EQ(testsupport::zbar解码BMP(字节), std::vector<std::string>{参.内容});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, 坏输入测试, ::testing::ValuesIn(情形表()),
                         [](const ::testing::TestParamInfo<情形>& 信息) { return 信息.param.名称; });

}  // namespace
}  // namespace reliability
