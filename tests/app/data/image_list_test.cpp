// The image-list reader on a small stream whose every pixel is known.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/image_list.h"
#include "image_list_fixture.h"

namespace {

using appdata_test::BMP像素;
using appdata_test::合成列表;
using app::图像列表;

std::optional<图像列表> 读(const std::vector<uint8_t>& 流) { return 图像列表::读取(std::span(流)); }

TEST(ImageListReader, ReadsHeaderAndDrawsEveryFrameOnWhiteHonouringTheMask) {
    const auto 流 = 合成列表::流();
    ASSERT_EQ(流.size(), 合成列表::总字节);
    const auto 列表 = 读(流);
    ASSERT_TRUE(列表.has_value());
    EXPECT_EQ(列表->图像数(), 合成列表::数);
    EXPECT_EQ(列表->图像宽(), 合成列表::宽);
    EXPECT_EQ(列表->图像高(), 合成列表::高);

    for (int k = 0; k < 合成列表::数; ++k) {
        const auto bmp = 列表->帧到BMP(k);
        // 54-byte header and 3-pixel rows padded from 9 to 12 bytes.
        ASSERT_EQ(bmp.size(), 54u + 12 * 合成列表::高) << "frame " << k;
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(bmp[28], 24) << "bits per pixel";
        for (int y = 0; y < 合成列表::高; ++y)
            for (int x = 0; x < 合成列表::宽; ++x) {
                const std::array<uint8_t, 3> 白{0xFF, 0xFF, 0xFF};
                const auto 期望 = 合成列表::透明(k, x, y) ? 白 : 合成列表::颜色(k, x, y);
                EXPECT_EQ(BMP像素(bmp, x, y), 期望) << "frame " << k << " pixel (" << x << ", " << y << ")";
            }
    }
}

TEST(ImageListReader, FrameOutsideTheImagesInUseThrows) {
    const auto 列表 = 读(合成列表::流());
    ASSERT_TRUE(列表.has_value());
    // 5 is a slot of the grid but not an image in use.
    for (int k : {-1, 合成列表::数, 合成列表::容量 - 1, 1000})
        EXPECT_THROW(列表->帧到BMP(k), std::out_of_range) << "k = " << k;
}

TEST(ImageListReader, BytesAfterTheMaskAreIgnored) {
    auto 流 = 合成列表::流();
    流.push_back(0xAB);
    EXPECT_TRUE(读(流).has_value());
}

TEST(ImageListReader, EveryTruncatedStreamIsRefused) {
    const auto 流 = 合成列表::流();
    // Each prefix is its own allocation of exactly that length, so a read past it is a fault
    // the address sanitizer sees.
    for (size_t n = 0; n < 流.size(); ++n) {
        const std::vector<uint8_t> 截断(流.begin(), 流.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(读(截断).has_value()) << "cut after " << n << " bytes";
    }
}

struct 篡改 {
    const char* 说明;
    size_t 位置;
    std::vector<uint8_t> 字节;  // little-endian value written at 位置
};

class ImageListCorruptHeader : public testing::TestWithParam<篡改> {};

TEST_P(ImageListCorruptHeader, IsRefused) {
    auto 流 = 合成列表::流();
    const 篡改& c = GetParam();
    std::copy(c.字节.begin(), c.字节.end(), 流.begin() + static_cast<std::ptrdiff_t>(c.位置));
    EXPECT_FALSE(读(流).has_value()) << c.说明;
}

constexpr size_t 色 = 合成列表::颜色位图位置;
constexpr size_t 掩 = 合成列表::掩码位图位置;

INSTANTIATE_TEST_SUITE_P(
    Fields, ImageListCorruptHeader,
    testing::Values(篡改{"prefix MITL", 0, {'X'}}, 篡改{"list magic", 9, {'X'}}, 篡改{"version", 10, {0x00, 0x01}},
                    篡改{"no images", 12, {0, 0}}, 篡改{"more images than slots", 12, {7, 0}},
                    篡改{"fewer slots than images", 14, {4, 0}}, 篡改{"slots beyond the grid", 14, {9, 0}},
                    篡改{"zero width", 18, {0, 0}}, 篡改{"width not the grid's quarter", 18, {4, 0}},
                    篡改{"zero height", 20, {0, 0}}, 篡改{"height not the grid's row", 20, {3, 0}},
                    篡改{"no mask flag", 26, {0x20, 0}}, 篡改{"24-bit colour flag", 26, {0x19, 0}},
                    篡改{"overlay index past the images", 28, {5, 0}}, 篡改{"overlay index -2", 34, {0xFE, 0xFF}},
                    篡改{"colour BMP signature", 色, {'X'}}, 篡改{"colour BMP file size", 色 + 2, {0xF7}},
                    篡改{"colour BMP data offset", 色 + 10, {58}}, 篡改{"colour BMP info size", 色 + 14, {12}},
                    篡改{"colour BMP width", 色 + 18, {13}}, 篡改{"colour BMP top-down", 色 + 22, {0xFC, 0xFF, 0xFF, 0xFF}},
                    篡改{"colour BMP planes", 色 + 26, {2}}, 篡改{"colour BMP depth", 色 + 28, {24}},
                    篡改{"colour BMP compressed", 色 + 30, {3}}, 篡改{"colour BMP image size", 色 + 34, {1}},
                    篡改{"colour BMP palette", 色 + 46, {1}}, 篡改{"mask BMP signature", 掩 + 1, {'X'}},
                    篡改{"mask BMP file size", 掩 + 2, {0xFF}}, 篡改{"mask BMP data offset", 掩 + 10, {54}},
                    篡改{"mask BMP width", 掩 + 18, {11}}, 篡改{"mask BMP height", 掩 + 22, {5}},
                    篡改{"mask BMP depth", 掩 + 28, {4}}, 篡改{"mask BMP palette", 掩 + 46, {3}}));

}  // namespace
