#include "tests/support/zbar_decode.h"

#include <zbar.h>

namespace testsupport {

// In C++ the header puts its C interface into namespace zbar.
using namespace zbar;

std::vector<std::string> zbar解码(const 灰度图& 图) {
    std::vector<std::string> 结果;
    zbar_image_scanner_t* 扫描器 = zbar_image_scanner_create();
    zbar_image_scanner_set_config(扫描器, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(扫描器, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    // Keep the payload's bytes as they are: no conversion from a guessed charset.
    zbar_image_scanner_set_config(扫描器, ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);
    zbar_image_t* 图像 = zbar_image_create();
    zbar_image_set_format(图像, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(图像, static_cast<unsigned>(图.宽), static_cast<unsigned>(图.高));
    zbar_image_set_data(图像, 图.像素.data(), 图.像素.size(), nullptr);
    if (zbar_scan_image(扫描器, 图像) > 0) {
        for (const zbar_symbol_t* s = zbar_image_first_symbol(图像); s; s = zbar_symbol_next(s)) {
            if (zbar_symbol_get_type(s) == ZBAR_QRCODE)
                结果.emplace_back(zbar_symbol_get_data(s), zbar_symbol_get_data_length(s));
        }
    }
    zbar_image_destroy(图像);
    zbar_image_scanner_destroy(扫描器);
    return 结果;
}

std::vector<std::string> zbar解码BMP(const std::vector<uint8_t>& 文件) {
    auto 图 = 读BMP(文件);
    if (!图) return {};
    return zbar解码(*图);
}

}  // namespace testsupport
