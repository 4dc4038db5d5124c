#include "tests/cli/cli_fixture.h"

#include <cstdio>
#include <memory>

#include "qr/encode/qrcode.h"

namespace clitest {

std::vector<uint8_t> 模块位图(const std::string& 内容, const std::optional<std::string>& 级别,
                              std::optional<int32_t> 宽, std::optional<int32_t> 高) {
    static qr::模块守护 守护;
    return qr::创建二维码(内容, 级别, 宽, 高);
}

std::string zbarimg解码(const std::filesystem::path& 文件) {
    // zbarimg's own complaints (no D-Bus in a container) stay out of the test log.
    const std::string 命令 = "zbarimg --raw -q '" + 文件.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> 管道(popen(命令.c_str(), "r"), pclose);
    if (!管道) return {};
    std::string 输出;
    char 块[4096];
    for (size_t n; (n = std::fread(块, 1, sizeof 块, 管道.get())) > 0;) 输出.append(块, n);
    if (!输出.empty() && 输出.back() == '\n') 输出.pop_back();
    return 输出;
}

}  // namespace clitest
