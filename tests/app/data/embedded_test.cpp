// The pictures and the carousel stream compiled into the program: formats, sizes, the stream's
// byte layout, the reader on it, and that the build-time generator reproduces them exactly.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <set>
#include <span>
#include <vector>

#include "app/data/embedded.h"
#include "app/image_list.h"
#include "image_list_fixture.h"

namespace {

using app::图像列表;

constexpr size_t 流字节 = 10'672'712;
constexpr size_t 颜色位图位置 = 36;
constexpr size_t 颜色像素位置 = 颜色位图位置 + 54;
constexpr size_t 颜色行 = 1064 * 4;
constexpr size_t 掩码位图位置 = 颜色像素位置 + 颜色行 * 2430;
constexpr size_t 掩码像素位置 = 掩码位图位置 + 62;

std::vector<uint8_t> 字节(const QByteArray& a) { return {a.begin(), a.end()}; }

uint32_t 小端(const std::vector<uint8_t>& b, size_t i, int n) {
    uint32_t v = 0;
    for (int j = n - 1; j >= 0; --j) v = v << 8 | b.at(i + static_cast<size_t>(j));
    return v;
}
uint32_t 大端32(const std::vector<uint8_t>& b, size_t i) {
    return uint32_t{b.at(i)} << 24 | uint32_t{b.at(i + 1)} << 16 | uint32_t{b.at(i + 2)} << 8 | b.at(i + 3);
}

struct 图规格 {
    int 行;
    int 宽;
    int 高;
};

// The markers of a JPEG up to its first scan; baseline files have a frame of type SOF0.
std::vector<uint8_t> JPEG段标记(const std::vector<uint8_t>& b) {
    std::vector<uint8_t> 标记;
    size_t i = 2;
    while (i + 4 <= b.size() && b[i] == 0xFF) {
        标记.push_back(b[i + 1]);
        if (b[i + 1] == 0xDA) break;  // start of scan: entropy-coded data follows
        i += 2 + (size_t{b[i + 2]} << 8 | b[i + 3]);
    }
    return 标记;
}

TEST(EmbeddedPictures, FortuneRowZeroIsBaselineJpeg400x367) {
    const auto b = 字节(app::data::福图片(0));
    ASSERT_GE(b.size(), 4u);
    EXPECT_EQ(b[0], 0xFF);
    EXPECT_EQ(b[1], 0xD8);
    const auto 标记 = JPEG段标记(b);
    EXPECT_NE(std::find(标记.begin(), 标记.end(), 0xC0), 标记.end()) << "no baseline frame header";
    for (uint8_t sof : {0xC1, 0xC2, 0xC3})
        EXPECT_EQ(std::find(标记.begin(), 标记.end(), sof), 标记.end()) << "frame type " << int(sof);

    const QImage 图 = QImage::fromData(app::data::福图片(0), "JPEG");
    ASSERT_FALSE(图.isNull());
    EXPECT_EQ(图.size(), QSize(400, 367));
}

// PNG: signature, then IHDR with width, height, bit depth 8 and colour type 6 (RGBA).
void 检查RGBA_PNG(const QByteArray& 文件, int 宽, int 高) {
    const auto b = 字节(文件);
    ASSERT_GE(b.size(), 33u);
    const std::vector<uint8_t> 签名{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    EXPECT_TRUE(std::equal(签名.begin(), 签名.end(), b.begin()));
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_EQ(大端32(b, 16), static_cast<uint32_t>(宽));
    EXPECT_EQ(大端32(b, 20), static_cast<uint32_t>(高));
    EXPECT_EQ(b[24], 8) << "bit depth";
    EXPECT_EQ(b[25], 6) << "colour type RGBA";
    const QImage 图 = QImage::fromData(文件, "PNG");
    ASSERT_FALSE(图.isNull());
    EXPECT_EQ(图.size(), QSize(宽, 高));
    EXPECT_TRUE(图.hasAlphaChannel());
}

TEST(EmbeddedPictures, FortuneRowsOneToTenAreRgbaPngsOfTheirSizes) {
    const std::vector<图规格> 表{{1, 272, 271}, {2, 271, 273}, {3, 272, 273}, {4, 270, 268}, {5, 275, 274},
                                {6, 266, 271}, {7, 269, 275}, {8, 268, 270}, {9, 270, 271}, {10, 273, 270}};
    for (const auto& r : 表) {
        SCOPED_TRACE("row " + std::to_string(r.行));
        检查RGBA_PNG(app::data::福图片(r.行), r.宽, r.高);
    }
}

TEST(EmbeddedPictures, RowsOutsideTheTableGiveNothing) {
    for (int 行 : {-1, 11, 1000}) EXPECT_TRUE(app::data::福图片(行).isEmpty()) << "row " << 行;
}

TEST(EmbeddedPictures, ThirdBoxStartPictureIsRgbaPng279x274) {
    检查RGBA_PNG(app::data::图片框3初始图片(), 279, 274);
}

TEST(EmbeddedPictures, FortunePicturesAreAllDifferentFiles) {
    std::set<QByteArray> 文件;
    for (int 行 = 0; 行 <= 10; ++行) 文件.insert(app::data::福图片(行));
    文件.insert(app::data::图片框3初始图片());
    EXPECT_EQ(文件.size(), 12u);
}

struct 字段 {
    const char* 说明;
    size_t 位置;
    int 长度;
    uint32_t 值;
};

TEST(EmbeddedCarouselStream, HasItsFixedLengthAndHeaderFields) {
    const auto b = 字节(app::data::轮播图像列表());
    ASSERT_EQ(b.size(), 流字节);
    const std::vector<uint8_t> 开头{'M', 'I', 'T', 'L', 0x00, 0x00, 0x00, 0xFF, 'I', 'L'};
    EXPECT_TRUE(std::equal(开头.begin(), 开头.end(), b.begin()));
    const std::vector<字段> 表{
        {"version", 10, 2, 0x0101},
        {"images in use", 12, 2, 33},
        {"slots", 14, 2, 36},
        {"grow step", 16, 2, 4},
        {"frame width", 18, 2, 266},
        {"frame height", 20, 2, 270},
        {"background", 22, 4, 0x00FFFFFF},
        {"flags", 26, 2, 0x0021},
        {"overlay 0", 28, 2, 0xFFFF},
        {"overlay 1", 30, 2, 0xFFFF},
        {"overlay 2", 32, 2, 0xFFFF},
        {"overlay 3", 34, 2, 0xFFFF},
        {"colour BM", 颜色位图位置, 2, 0x4D42},
        {"colour file size", 颜色位图位置 + 2, 4, 54 + 颜色行 * 2430},
        {"colour data offset", 颜色位图位置 + 10, 4, 54},
        {"colour info size", 颜色位图位置 + 14, 4, 40},
        {"colour width", 颜色位图位置 + 18, 4, 1064},
        {"colour height (bottom-up)", 颜色位图位置 + 22, 4, 2430},
        {"colour planes", 颜色位图位置 + 26, 2, 1},
        {"colour depth", 颜色位图位置 + 28, 2, 32},
        {"colour compression", 颜色位图位置 + 30, 4, 0},
        {"mask BM", 掩码位图位置, 2, 0x4D42},
        {"mask file size", 掩码位图位置 + 2, 4, 62 + 136 * 2430},
        {"mask data offset", 掩码位图位置 + 10, 4, 62},
        {"mask info size", 掩码位图位置 + 14, 4, 40},
        {"mask width", 掩码位图位置 + 18, 4, 1064},
        {"mask height (bottom-up)", 掩码位图位置 + 22, 4, 2430},
        {"mask planes", 掩码位图位置 + 26, 2, 1},
        {"mask depth", 掩码位图位置 + 28, 2, 1},
        {"mask compression", 掩码位图位置 + 30, 4, 0},
        {"mask palette 0", 掩码位图位置 + 54, 4, 0x00000000},
        {"mask palette 1", 掩码位图位置 + 58, 4, 0x00FFFFFF},
    };
    for (const auto& f : 表) EXPECT_EQ(小端(b, f.位置, f.长度), f.值) << f.说明;
    EXPECT_EQ(掩码像素位置 + 136 * 2430, 流字节) << "the mask's pixels end the stream";
}

class EmbeddedCarouselReader : public testing::Test {
protected:
    static void SetUpTestSuite() {
        流_ = new QByteArray(app::data::轮播图像列表());
        列表_ = new std::optional<图像列表>(图像列表::读取(视图()));
    }
    static void TearDownTestSuite() {
        delete 列表_;
        delete 流_;
    }
    static std::span<const uint8_t> 视图() {
        return {reinterpret_cast<const uint8_t*>(流_->constData()), static_cast<size_t>(流_->size())};
    }
    // Frame k's pixel (x, y) as stored in the colour bitmap: B, G, R, A.
    static const uint8_t* 原色(int k, int x, int y) {
        const size_t X = 266 * static_cast<size_t>(k % 4) + static_cast<size_t>(x);
        const size_t Y = 270 * static_cast<size_t>(k / 4) + static_cast<size_t>(y);
        return 视图().data() + 颜色像素位置 + (2429 - Y) * 颜色行 + 4 * X;
    }
    static bool 掩码透明(int k, int x, int y) {
        const size_t X = 266 * static_cast<size_t>(k % 4) + static_cast<size_t>(x);
        const size_t Y = 270 * static_cast<size_t>(k / 4) + static_cast<size_t>(y);
        return (视图()[掩码像素位置 + (2429 - Y) * 136 + X / 8] >> (7 - X % 8)) & 1;
    }
    static inline QByteArray* 流_ = nullptr;
    static inline std::optional<图像列表>* 列表_ = nullptr;
};

TEST_F(EmbeddedCarouselReader, Reads33FramesOf266x270) {
    ASSERT_TRUE(列表_->has_value());
    EXPECT_EQ((*列表_)->图像数(), 33);
    EXPECT_EQ((*列表_)->图像宽(), 266);
    EXPECT_EQ((*列表_)->图像高(), 270);
}

TEST_F(EmbeddedCarouselReader, FramesAre24BitBmpsAndAllDiffer) {
    ASSERT_TRUE(列表_->has_value());
    std::set<std::vector<uint8_t>> 帧;
    for (int k = 0; k < 33; ++k) {
        const auto bmp = (*列表_)->帧到BMP(k);
        ASSERT_EQ(bmp.size(), 54u + 800 * 270) << "frame " << k;  // 266 * 3 = 798, padded to 800
        EXPECT_EQ(小端(bmp, 18, 4), 266u);
        EXPECT_EQ(小端(bmp, 22, 4), 270u);
        EXPECT_EQ(小端(bmp, 28, 2), 24u);
        帧.insert(bmp);
    }
    EXPECT_EQ(帧.size(), 33u);
}

TEST_F(EmbeddedCarouselReader, MaskedPixelsComeOutWhiteAndOpaqueOnesKeepTheirColour) {
    ASSERT_TRUE(列表_->has_value());
    for (int k = 0; k < 33; ++k) {
        SCOPED_TRACE("frame " + std::to_string(k));
        const auto bmp = (*列表_)->帧到BMP(k);
        // A rounded corner: masked, and its stored colour is not white, so only the mask can
        // make it white.
        ASSERT_TRUE(掩码透明(k, 0, 0));
        const uint8_t* 角 = 原色(k, 0, 0);
        EXPECT_FALSE(角[0] == 0xFF && 角[1] == 0xFF && 角[2] == 0xFF);
        EXPECT_EQ(appdata_test::BMP像素(bmp, 0, 0), (std::array<uint8_t, 3>{0xFF, 0xFF, 0xFF}));
        // Inside the card, left of the disc: opaque, the card's colour.
        ASSERT_FALSE(掩码透明(k, 20, 130));
        const uint8_t* 内 = 原色(k, 20, 130);
        EXPECT_EQ(appdata_test::BMP像素(bmp, 20, 130), (std::array<uint8_t, 3>{内[2], 内[1], 内[0]}));
        EXPECT_FALSE(内[0] == 0xFF && 内[1] == 0xFF && 内[2] == 0xFF);
    }
}

TEST_F(EmbeddedCarouselReader, FrameNumbersOutside0To32Throw) {
    ASSERT_TRUE(列表_->has_value());
    for (int k : {-1, 33, 35}) EXPECT_THROW((*列表_)->帧到BMP(k), std::out_of_range) << "k = " << k;
}

TEST_F(EmbeddedCarouselReader, TruncatedStreamsAreRefused) {
    const std::vector<std::pair<const char*, size_t>> 截点{
        {"empty", 0},
        {"inside MITL", 3},
        {"before the list header", 8},
        {"inside the list header", 20},
        {"one byte short of the list header", 35},
        {"before the colour bitmap", 颜色位图位置},
        {"inside the colour file header", 颜色位图位置 + 10},
        {"inside the colour info header", 颜色位图位置 + 30},
        {"before the colour pixels", 颜色像素位置},
        {"inside the colour pixels", 颜色像素位置 + 5'000'000},
        {"one byte short of the colour pixels", 掩码位图位置 - 1},
        {"before the mask bitmap", 掩码位图位置},
        {"inside the mask info header", 掩码位图位置 + 40},
        {"inside the mask palette", 掩码位图位置 + 58},
        {"inside the mask pixels", 掩码像素位置 + 100'000},
        {"one byte short of the end", 流字节 - 1},
    };
    for (const auto& [说明, n] : 截点) {
        const std::vector<uint8_t> 截断(视图().begin(), 视图().begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(图像列表::读取(std::span(截断)).has_value()) << 说明 << " (" << n << " bytes)";
    }
}

TEST(EmbeddedDataGenerator, ProducesTheEmbeddedBytesAgain) {
    QTemporaryDir 目录;
    ASSERT_TRUE(目录.isValid());
    QProcess 进程;
    auto 环境 = QProcessEnvironment::systemEnvironment();
    环境.insert("QT_QPA_PLATFORM", "offscreen");
    进程.setProcessEnvironment(环境);
    进程.start(XLX_APPDATA_GEN, {目录.path()});
    ASSERT_TRUE(进程.waitForFinished(120'000));
    ASSERT_EQ(进程.exitCode(), 0) << 进程.readAllStandardError().toStdString();

    auto 读文件 = [&](const QString& 名) {
        QFile f(目录.filePath(名));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    for (int 行 = 0; 行 <= 10; ++行) {
        const QString 名 = QString("fortune_%1.%2").arg(行, 2, 10, QChar('0')).arg(行 == 0 ? "jpg" : "png");
        EXPECT_TRUE(读文件(名) == app::data::福图片(行)) << 名.toStdString();
    }
    EXPECT_TRUE(读文件("box3_initial.png") == app::data::图片框3初始图片());
    EXPECT_TRUE(读文件("carousel.bin") == app::data::轮播图像列表());
}

}  // namespace
