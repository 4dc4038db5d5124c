#include "image_list_stream.h"

#include <stdexcept>
#include <string>

namespace appdata_gen {
namespace {

constexpr int 每行帧数 = 4;
constexpr uint16_t 版本 = 0x0101;
constexpr uint32_t 背景色 = 0x00FFFFFF;
constexpr uint16_t 标志_32位带掩码 = 0x0021;
constexpr uint32_t 文件头字节 = 14;
constexpr uint32_t 信息头字节 = 40;

class 字节写 {
public:
    explicit 字节写(std::vector<uint8_t>& 输出) : 出(输出) {}
    void 字节(uint8_t v) { 出.push_back(v); }
    void 文字(const char* s) {
        while (*s) 出.push_back(static_cast<uint8_t>(*s++));
    }
    void u16(uint32_t v) {
        for (int i = 0; i < 2; ++i) 出.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void u32(uint32_t v) {
        for (int i = 0; i < 4; ++i) 出.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }

private:
    std::vector<uint8_t>& 出;
};

uint32_t 行字节数(uint32_t 宽, uint32_t 位深) { return (宽 * 位深 + 31) / 32 * 4; }

void 写BMP头(字节写& 写, uint32_t 宽, uint32_t 高, uint16_t 位深, uint32_t 调色板项) {
    const uint32_t 像素字节 = 行字节数(宽, 位深) * 高;
    const uint32_t 数据位置 = 文件头字节 + 信息头字节 + 4 * 调色板项;
    写.文字("BM");
    写.u32(数据位置 + 像素字节);
    写.u32(0);  // two reserved words
    写.u32(数据位置);
    写.u32(信息头字节);
    写.u32(宽);
    写.u32(高);  // positive: bottom-up rows
    写.u16(1);
    写.u16(位深);
    写.u32(0);  // uncompressed
    写.u32(像素字节);
    写.u32(0);
    写.u32(0);
    写.u32(调色板项);
    写.u32(0);
}

}  // namespace

std::vector<uint8_t> 写图像列表流(const std::vector<QImage>& 帧, 图像列表参数 参数) {
    if (帧.empty() || static_cast<int>(帧.size()) > 参数.容量)
        throw std::runtime_error("frame count " + std::to_string(帧.size()) + " does not fit capacity " +
                                 std::to_string(参数.容量));
    const int 帧宽 = 帧[0].width();
    const int 帧高 = 帧[0].height();
    for (const QImage& f : 帧)
        if (f.width() != 帧宽 || f.height() != 帧高) throw std::runtime_error("frames differ in size");

    const uint32_t 宽 = static_cast<uint32_t>(帧宽 * 每行帧数);
    const uint32_t 高 = static_cast<uint32_t>(帧高 * ((参数.容量 + 每行帧数 - 1) / 每行帧数));
    const uint32_t 色行 = 行字节数(宽, 32);
    const uint32_t 掩行 = 行字节数(宽, 1);

    // Unused cells stay transparent: colour 0 and mask bit 1.
    std::vector<uint8_t> 色(static_cast<size_t>(色行) * 高, 0);
    std::vector<uint8_t> 掩(static_cast<size_t>(掩行) * 高, 0);
    for (uint32_t Y = 0; Y < 高; ++Y)
        for (uint32_t X = 0; X < 宽; ++X) 掩[(高 - 1 - Y) * 掩行 + X / 8] |= static_cast<uint8_t>(0x80 >> (X % 8));

    for (size_t k = 0; k < 帧.size(); ++k) {
        const uint32_t 左 = static_cast<uint32_t>(帧宽) * static_cast<uint32_t>(k % 每行帧数);
        const uint32_t 顶 = static_cast<uint32_t>(帧高) * static_cast<uint32_t>(k / 每行帧数);
        for (int y = 0; y < 帧高; ++y)
            for (int x = 0; x < 帧宽; ++x) {
                const QRgb p = 帧[k].pixel(x, y);
                if (qAlpha(p) == 0) continue;
                const uint32_t X = 左 + static_cast<uint32_t>(x);
                const size_t 存储行 = 高 - 1 - (顶 + static_cast<uint32_t>(y));
                uint8_t* 像 = &色[存储行 * 色行 + X * 4];
                像[0] = static_cast<uint8_t>(qBlue(p));
                像[1] = static_cast<uint8_t>(qGreen(p));
                像[2] = static_cast<uint8_t>(qRed(p));
                像[3] = static_cast<uint8_t>(qAlpha(p));
                掩[存储行 * 掩行 + X / 8] &= static_cast<uint8_t>(~(0x80 >> (X % 8)));
            }
    }

    std::vector<uint8_t> 流;
    字节写 写(流);
    写.文字("MITL");
    for (uint8_t b : {0x00, 0x00, 0x00, 0xFF}) 写.字节(b);
    写.文字("IL");
    写.u16(版本);
    写.u16(static_cast<uint32_t>(帧.size()));
    写.u16(static_cast<uint32_t>(参数.容量));
    写.u16(static_cast<uint32_t>(参数.增长步长));
    写.u16(static_cast<uint32_t>(帧宽));
    写.u16(static_cast<uint32_t>(帧高));
    写.u32(背景色);
    写.u16(标志_32位带掩码);
    for (int i = 0; i < 4; ++i) 写.u16(0xFFFF);  // no overlay images: -1

    写BMP头(写, 宽, 高, 32, 0);
    流.insert(流.end(), 色.begin(), 色.end());
    写BMP头(写, 宽, 高, 1, 2);
    写.u32(0x00000000);  // index 0: opaque, black
    写.u32(0x00FFFFFF);  // index 1: transparent, white
    流.insert(流.end(), 掩.begin(), 掩.end());
    return 流;
}

}  // namespace appdata_gen
