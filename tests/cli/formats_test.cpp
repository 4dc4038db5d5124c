// Every output format against the module's own picture of the same request.
#include "qr/encode/qrcode.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/zbar_decode.h"

namespace clitest {
namespace {

using testsupport::读BMP;

struct 请求 {
    std::string 内容;
    std::string 级别;
    std::string 尺寸;  // as given to -s
    int 宽, 高;        // the picture the module makes for it
};

void PrintTo(const 请求& 例, std::ostream* 流) { *流 << 例.内容 << " -l " << 例.级别 << " -s " << 例.尺寸; }

// Odd leftovers, a height-bound factor, a multi-block symbol, a Chinese byte-mode text.
const std::vector<请求> 请求表 = {
    {"HELLO WORLD", "q", "100", 100, 100},
    {"https://example.com/p/c/17yq18lq3slc?source=abc", "L", "300x200", 300, 200},
    {"01234567890123456789", "H", "101", 101, 101},
    {"新年快乐，集福卡", "M", "157x160", 157, 160},
};

class 格式测试 : public 工具测试, public ::testing::WithParamInterface<请求> {
protected:
    运行结果 生成(const std::string& 文件, const std::vector<std::string>& 额外 = {}) {
        std::vector<std::string> 参数{"-l", GetParam().级别, "-s", GetParam().尺寸, "-o", 路径(文件)};
        参数.insert(参数.end(), 额外.begin(), 额外.end());
        参数.push_back(GetParam().内容);
        return 运行工具(参数);
    }
    std::vector<uint8_t> 参照() const {
        return 模块位图(GetParam().内容, GetParam().级别, GetParam().宽, GetParam().高);
    }
};

TEST_P(格式测试, BmpIsTheModulesBytesAndScans) {
    auto 结果 = 生成("a.bmp");
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    EXPECT_EQ(结果.输出, "");
    const std::string 文件 = 读文件(目录 / "a.bmp");
    EXPECT_EQ(字节(文件), 参照());
    EXPECT_EQ(testsupport::zbar解码BMP(字节(文件)), std::vector<std::string>{GetParam().内容});
}

TEST_P(格式测试, PngHoldsTheSamePixels) {
    auto 结果 = 生成("a.png");
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    auto 图 = 读PNG(读文件(目录 / "a.png"));
    auto 原图 = 读BMP(参照());
    ASSERT_TRUE(图 && 原图);
    EXPECT_EQ(图->宽, GetParam().宽);
    EXPECT_EQ(图->高, GetParam().高);
    EXPECT_EQ(图->像素, 原图->像素);
}

TEST_P(格式测试, SvgDrawsTheSamePicture) {
    auto 结果 = 生成("a.svg");
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    const std::string 文本 = 读文件(目录 / "a.svg");
    EXPECT_NE(文本.find("width=\"" + std::to_string(GetParam().宽) + "\" height=\"" + std::to_string(GetParam().高) + "\""),
              std::string::npos);
    EXPECT_EQ(std::count(文本.begin(), 文本.end(), '<'), 5) << "declaration, svg, rect, path, end of svg";
    auto 图 = 画SVG(文本);
    auto 原图 = 读BMP(参照());
    ASSERT_TRUE(图) << 文本.substr(0, 400);
    ASSERT_TRUE(原图);
    EXPECT_EQ(图->宽, 原图->宽);
    EXPECT_EQ(图->高, 原图->高);
    EXPECT_EQ(图->像素, 原图->像素);
}

// The txt matrix, placed with the renderer's layout, must be the BMP's dark pixels.
TEST_P(格式测试, TxtIsTheModuleMatrixWithoutQuietZone) {
    auto 结果 = 生成("a.txt");
    ASSERT_EQ(结果.状态, 0) << 结果.错误;
    auto 网格 = 读TXT(读文件(目录 / "a.txt"));
    ASSERT_TRUE(网格);
    const int n = static_cast<int>(网格->size());
    ASSERT_EQ(static_cast<int>(网格->front().size()), n);
    ASSERT_EQ((n - 17) % 4, 0);
    EXPECT_EQ(网格->front().substr(0, 8), "11111110") << "finder pattern and separator";

    auto 原图 = 读BMP(参照());
    ASSERT_TRUE(原图);
    const auto 布局 = qr::计算渲染布局(n, n, 原图->宽, 原图->高);
    int 不符 = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool 深 = 原图->at(布局.左边距 + x * 布局.倍数, 布局.上边距 + y * 布局.倍数) < 128;
            不符 += 深 != ((*网格)[y][x] == '1');
        }
    EXPECT_EQ(不符, 0);
}

TEST_P(格式测试, Utf8DrawsTheSymbolWithTwoModulesOfQuietZone) {
    auto 文本 = 生成("a.txt");
    auto 画 = 生成("a.utf8", {"-t", "utf8"});
    ASSERT_EQ(画.状态, 0) << 画.错误;
    auto 网格 = 读TXT(读文件(目录 / "a.txt"));
    auto 半块 = 读半块(读文件(目录 / "a.utf8"));
    ASSERT_TRUE(网格 && 半块);
    const size_t n = 网格->size();
    ASSERT_EQ(半块->size(), (n + 4 + 1) / 2 * 2) << "two rows per line";
    ASSERT_EQ(半块->front().size(), n + 4);
    for (size_t y = 0; y < 半块->size(); ++y) {
        const bool 内行 = y >= 2 && y < n + 2;
        const std::string 期望 = 内行 ? "00" + (*网格)[y - 2] + "00" : std::string(n + 4, '0');
        EXPECT_EQ((*半块)[y], 期望) << "row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, 格式测试, ::testing::ValuesIn(请求表));

// zbarimg reads the files as they are written, the way a user would check them.
TEST_F(工具测试, BmpAndPngScanWithZbarimg) {
    const std::string 内容 = "https://example.com/p/c/17yq18lq3slc?source=xilaixia";
    for (const char* 文件 : {"z.bmp", "z.png"}) {
        auto 结果 = 运行工具({"-s", "300", "-o", 路径(文件), 内容});
        ASSERT_EQ(结果.状态, 0) << 结果.错误;
        EXPECT_EQ(zbarimg解码(目录 / 文件), 内容) << 文件;
    }
}

TEST_F(工具测试, FormatFollowsExtensionUnlessGiven) {
    struct 情形 {
        std::string 文件;
        std::vector<std::string> 选项;
        std::string 开头;
    };
    const 情形 情形表[] = {
        {"a.bmp", {}, "BM"},
        {"a.PNG", {}, "\x89PNG"},
        {"a.svg", {}, "<?xml"},
        {"a.txt", {}, "1111111"},
        {"a.jpg", {}, "BM"},
        {"noext", {}, "BM"},
        {"dir.png/a", {}, "BM"},
        {"a.png", {"-t", "svg"}, "<?xml"},
        {"a.bmp", {"--format", "PNG"}, "\x89PNG"},
        {"a.svg", {"-t", "utf8"}, "  "},
    };
    std::filesystem::create_directory(目录 / "dir.png");
    for (const auto& 例 : 情形表) {
        std::vector<std::string> 参数 = 例.选项;
        参数.insert(参数.end(), {"-o", 路径(例.文件), "ABC"});
        auto 结果 = 运行工具(参数);
        ASSERT_EQ(结果.状态, 0) << 例.文件 << ": " << 结果.错误;
        EXPECT_EQ(读文件(目录 / 例.文件).substr(0, 例.开头.size()), 例.开头) << 例.文件;
    }
}

TEST_F(工具测试, TextFormatsGoToStandardOutput) {
    auto 文本 = 运行工具({"-t", "txt", "ABC"});
    auto 文件 = 运行工具({"-t", "txt", "-o", 路径("a.txt"), "ABC"});
    ASSERT_EQ(文本.状态, 0);
    ASSERT_EQ(文件.状态, 0);
    EXPECT_EQ(文本.输出, 读文件(目录 / "a.txt"));
    EXPECT_TRUE(读TXT(文本.输出));
}

// The size goes to the module as given; it reads 0 and negative numbers as 100.
TEST_F(工具测试, SizeIsPassedAsGiven) {
    struct 情形 {
        std::string 尺寸;
        int 宽, 高;
    };
    const 情形 情形表[] = {{"57", 57, 57}, {"300x200", 300, 200}, {"0", 100, 100},
                           {"-5x150", 100, 150}, {"120X0", 120, 100}};
    for (const auto& 例 : 情形表) {
        auto 结果 = 运行工具({"-s", 例.尺寸, "-o", 路径("s.bmp"), "ABC"});
        ASSERT_EQ(结果.状态, 0) << 例.尺寸 << ": " << 结果.错误;
        auto 图 = 读BMP(字节(读文件(目录 / "s.bmp")));
        ASSERT_TRUE(图);
        EXPECT_EQ(图->宽, 例.宽) << 例.尺寸;
        EXPECT_EQ(图->高, 例.高) << 例.尺寸;
    }
}

// txt and utf8 have no picture, so a symbol too big for the default 100 x 100 still prints.
TEST_F(工具测试, TextFormatsIgnoreThePictureSize) {
    const std::string 长内容(900, 'a');
    auto 图 = 运行工具({"-o", 路径("big.bmp"), 长内容});
    EXPECT_EQ(图.状态, 1) << "a version-21 symbol does not fit 100 x 100";
    for (const char* 格式 : {"txt", "utf8"}) {
        auto 结果 = 运行工具({"-t", 格式, "-s", "10", 长内容});
        EXPECT_EQ(结果.状态, 0) << 格式 << ": " << 结果.错误;
    }
}

}  // namespace
}  // namespace clitest
