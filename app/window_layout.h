// The main window's fixed layout: places, sizes, fonts, colours and texts of every control.
// Nothing is laid out again when the window changes size.
#pragma once

#include <string>
#include <string_view>

namespace app::布局 {

struct 矩形 {
    int x, y, 宽, 高;
};

struct 颜色 {
    int r, g, b;
};

enum class 字体族 {
    雅黑,  // "微软雅黑", WenQuanYi Micro Hei where it is missing
    默认,  // the system's face, with a Chinese fallback
    书法,  // AR PL UKai
};

struct 字体 {
    字体族 族;
    int 像素;  // character height in pixels
    bool 粗体;
};

struct 标签规格 {
    矩形 位置;
    字体 字;
    颜色 文字色;
};

struct 列表规格 {
    矩形 位置;
    字体 字;
    颜色 文字色;
    颜色 底色;
};

inline constexpr std::string_view 窗口标题{"喜来匣- 支付宝 纳吉妙招 2021 第二版"};
inline constexpr 矩形 窗口{50, 50, 972, 590};

inline constexpr 标签规格 透明标签3{{16, 0, 512, 48}, {字体族::雅黑, 16, true}, {0, 136, 255}};
inline constexpr 标签规格 透明标签6{{568, 1, 336, 48}, {字体族::雅黑, 16, true}, {0, 136, 255}};
inline constexpr 列表规格 列表框1{{16, 59, 192, 304}, {字体族::雅黑, 16, true}, {255, 0, 0}, {255, 255, 255}};
inline constexpr 矩形 图片框1{220, 59, 300, 300};  // single-line border; centred, shrunk to fit
inline constexpr 列表规格 列表框2{{528, 56, 128, 304}, {字体族::雅黑, 16, true}, {0, 96, 192}, {255, 255, 255}};
inline constexpr 矩形 图片框2{660, 57, 300, 300};  // single-line border; centred, shrunk to fit
inline constexpr 标签规格 透明标签1{{16, 371, 464, 192}, {字体族::默认, 16, true}, {192, 96, 0}};
inline constexpr 标签规格 透明标签4{{520, 360, 8, 200}, {字体族::默认, 12, true}, {192, 192, 192}};
inline constexpr 矩形 图片框3{538, 371, 180, 180};  // no border; stretched
inline constexpr 标签规格 透明标签5{{728, 377, 224, 128}, {字体族::默认, 16, true}, {192, 96, 0}};
inline constexpr 标签规格 透明标签2{{816, 512, 136, 48}, {字体族::书法, 16, true}, {88, 48, 224}};

inline constexpr std::string_view 操作步骤1{"操作步骤：【支付宝】-【首页】-【扫一扫】扫描下二维码即可。"};
inline constexpr std::string_view 操作步骤2{"操作步骤：用AR扫福即可扫描"};

inline constexpr std::string_view 提示文本1{
    "支付宝 搜索，滴滴  可以获得额外福\r\n\r\n"
    "支付宝搜索，消费券 打开小程序后，洗牌有机会获取沾沾卡\r\n\r\n"
    "支付宝搜索，肯德基 可以获得额外福\r\n\r\n"
    "支付宝搜索，银泰百货 可以获得额外福\r\n\r\n"
    "支付宝搜索，麦当劳 可以获得额外福\r\n\r\n"
    "支付宝搜索，蒙牛 可以获得额外福\r\n\r\n"
    "支付宝搜索，大众 可以获得额外福"};

inline constexpr std::string_view 提示文本2{
    "以上特殊福每日可扫\r\n\r\n"
    "有些不好扫，需要多扫几次\r\n\r\n"
    "具体没测试，可自行测试\r\n\r\n"
    "左边为自动轮播"};

inline constexpr std::string_view 署名文本{"喜来匣 新春纳福"};

// A vertical divider: twenty bars, one per line.
inline std::string 分隔线文本() {
    std::string 文本;
    for (int i = 0; i < 20; ++i) 文本 += i == 0 ? "|" : "\r\n|";
    return 文本;
}

}  // namespace app::布局
