#include "tests/cli/pictures.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>
#include <string_view>

namespace clitest {

std::optional<灰度图> 读PNG(const std::string& 文件) {
    png_image 描述{};
    描述.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&描述, 文件.data(), 文件.size())) return std::nullopt;
    描述.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> 像素(PNG_IMAGE_SIZE(描述));
    if (!png_image_finish_read(&描述, nullptr, 像素.data(), 0, nullptr)) return std::nullopt;
    灰度图 图;
    图.宽 = static_cast<int>(描述.width);
    图.高 = static_cast<int>(描述.height);
    for (size_t i = 0; i < 像素.size(); i += 3) {
        if (像素[i] != 像素[i + 1] || 像素[i] != 像素[i + 2]) return std::nullopt;
        图.像素.push_back(像素[i]);
    }
    return 图;
}

namespace {

// The text between name=" and the next quote in a tag.
std::optional<std::string> 属性文本(const std::string& 标签, const std::string& 名) {
    const std::string 键 = " " + 名 + "=\"";
    auto 起 = 标签.find(键);
    if (起 == std::string::npos) return std::nullopt;
    起 += 键.size();
    auto 止 = 标签.find('"', 起);
    if (止 == std::string::npos) return std::nullopt;
    return 标签.substr(起, 止 - 起);
}

std::optional<int> 读整数(std::string_view 文本) {
    int 值 = 0;
    auto [停处, 错误] = std::from_chars(文本.data(), 文本.data() + 文本.size(), 值);
    if (文本.empty() || 错误 != std::errc() || 停处 != 文本.data() + 文本.size()) return std::nullopt;
    return 值;
}

std::optional<int> 属性(const std::string& 标签, const std::string& 名) {
    auto 文本 = 属性文本(标签, 名);
    return 文本 ? 读整数(*文本) : std::nullopt;
}

std::optional<std::string> 首个标签(const std::string& 文本, const std::string& 名) {
    auto 起 = 文本.find("<" + 名 + " ");
    if (起 == std::string::npos) return std::nullopt;
    return 文本.substr(起, 文本.find('>', 起) - 起 + 1);
}

struct 矩形 {
    int x0, y0, x1, y1;
};

// Reads "M x y h a v b h c z" pieces with c = -a: axis-aligned rectangles only.
class 路径读者 {
public:
    explicit 路径读者(std::string_view d) : 余(d) {}
    bool 完() const { return 余.empty(); }
    bool 字(char c) {
        if (余.empty() || 余.front() != c) return false;
        余.remove_prefix(1);
        return true;
    }
    std::optional<int> 数() {
        size_t n = 0;
        while (n < 余.size() && (std::isdigit(static_cast<unsigned char>(余[n])) || (n == 0 && 余[n] == '-'))) ++n;
        auto 值 = 读整数(余.substr(0, n));
        余.remove_prefix(n);
        return 值;
    }
    std::optional<矩形> 矩形片() {
        if (!字('M')) return std::nullopt;
        auto x = 数();
        if (!字(' ')) return std::nullopt;
        auto y = 数();
        if (!字('h')) return std::nullopt;
        auto a = 数();
        if (!字('v')) return std::nullopt;
        auto b = 数();
        if (!字('h')) return std::nullopt;
        auto c = 数();
        if (!字('z') || !x || !y || !a || !b || !c || *a <= 0 || *b <= 0 || *c != -*a) return std::nullopt;
        return 矩形{*x, *y, *x + *a, *y + *b};
    }

private:
    std::string_view 余;
};

std::optional<std::vector<矩形>> 读路径(std::string_view d) {
    std::vector<矩形> 结果;
    路径读者 读者(d);
    while (!读者.完()) {
        auto 片 = 读者.矩形片();
        if (!片) return std::nullopt;
        结果.push_back(*片);
    }
    return 结果;
}

}  // namespace

std::optional<灰度图> 画SVG(const std::string& 文本) {
    auto svg = 首个标签(文本, "svg");
    auto 底 = 首个标签(文本, "rect");
    auto 路径 = 首个标签(文本, "path");
    if (!svg || !底 || !路径) return std::nullopt;
    auto 宽 = 属性(*svg, "width"), 高 = 属性(*svg, "height");
    if (!宽 || !高 || *宽 <= 0 || *高 <= 0) return std::nullopt;
    if (属性(*底, "width") != 宽 || 属性(*底, "height") != 高 || 属性(*底, "x") != 0 || 属性(*底, "y") != 0 ||
        底->find("fill=\"#ffffff\"") == std::string::npos || 路径->find("fill=\"#000000\"") == std::string::npos)
        return std::nullopt;
    auto d = 属性文本(*路径, "d");
    auto 矩形组 = d ? 读路径(*d) : std::nullopt;
    if (!矩形组) return std::nullopt;

    灰度图 图;
    图.宽 = *宽;
    图.高 = *高;
    图.像素.assign(static_cast<size_t>(图.宽) * 图.高, 255);
    for (const auto& r : *矩形组)
        for (int y = std::max(r.y0, 0); y < std::min(r.y1, 图.高); ++y)
            for (int x = std::max(r.x0, 0); x < std::min(r.x1, 图.宽); ++x)
                图.像素[static_cast<size_t>(y) * 图.宽 + x] = 0;
    return 图;
}

std::optional<模块网格> 读TXT(const std::string& 文本) {
    模块网格 网格;
    std::istringstream 流(文本);
    for (std::string 行; std::getline(流, 行);) {
        if (行.find_first_not_of("01") != std::string::npos) return std::nullopt;
        if (!网格.empty() && 行.size() != 网格.front().size()) return std::nullopt;
        网格.push_back(行);
    }
    if (网格.empty() || 文本.back() != '\n') return std::nullopt;
    return 网格;
}

std::optional<模块网格> 读半块(const std::string& 文本) {
    struct 字形 {
        std::string 字;
        char 上, 下;
    };
    static const 字形 字形表[] = {{" ", '0', '0'}, {"\u2580", '1', '0'}, {"\u2584", '0', '1'}, {"\u2588", '1', '1'}};
    模块网格 网格;
    std::istringstream 流(文本);
    for (std::string 行; std::getline(流, 行);) {
        std::string 上, 下;
        for (size_t i = 0; i < 行.size();) {
            const 字形* 找到 = nullptr;
            for (const auto& 形 : 字形表)
                if (行.compare(i, 形.字.size(), 形.字) == 0) 找到 = &形;
            if (!找到) return std::nullopt;
            上 += 找到->上;
            下 += 找到->下;
            i += 找到->字.size();
        }
        if (!网格.empty() && 上.size() != 网格.front().size()) return std::nullopt;
        网格.push_back(上);
        网格.push_back(下);
    }
    return 网格;
}

std::optional<格式信息> 读格式信息(const 模块网格& 网格) {
    if (网格.size() < 9 || 网格[0].size() < 9) return std::nullopt;
    auto 位 = [&](int x, int y) { return 网格[static_cast<size_t>(y)][static_cast<size_t>(x)] == '1' ? 1 : 0; };
    // Bit 14 first: (0..5, 8), (7, 8), (8, 8), (8, 7), then (8, 5..0); x the column.
    int 字 = 0;
    for (int x = 0; x <= 5; ++x) 字 = 字 << 1 | 位(x, 8);
    字 = 字 << 1 | 位(7, 8);
    字 = 字 << 1 | 位(8, 8);
    字 = 字 << 1 | 位(8, 7);
    for (int y = 5; y >= 0; --y) 字 = 字 << 1 | 位(8, y);
    字 ^= 0x5412;
    const int 数据 = 字 >> 10;
    // BCH(15,5) with generator 0x537: the check bits are the remainder of data * x^10.
    int 余 = 数据 << 10;
    for (int i = 14; i >= 10; --i)
        if (余 >> i & 1) 余 ^= 0x537 << (i - 10);
    if ((字 & 0x3FF) != 余) return std::nullopt;
    return 格式信息{数据 >> 3, 数据 & 7};
}

}  // namespace clitest
