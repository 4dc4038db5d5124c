#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>
#include <utility>

namespace cli {

namespace {

struct 格式信息 {
    输出格式 格式;
    const char* 名称;
    const char* 扩展名;
    bool 二进制;
};

// utf8 drawings get their own extension so that .txt keeps meaning the 0/1 matrix.
constexpr std::array<格式信息, 5> 格式表{{
    {输出格式::bmp, "bmp", "bmp", true},
    {输出格式::png, "png", "png", true},
    {输出格式::svg, "svg", "svg", false},
    {输出格式::txt, "txt", "txt", false},
    {输出格式::utf8, "utf8", "utf8", false},
}};

const 格式信息& 查格式(输出格式 格式) {
    return *std::find_if(格式表.begin(), 格式表.end(),
                         [格式](const 格式信息& 项) { return 项.格式 == 格式; });
}

std::string 小写(std::string_view 文本) {
    std::string 结果(文本);
    for (char& c : 结果)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return 结果;
}

std::optional<int32_t> 读整数(std::string_view 文本) {
    int32_t 值 = 0;
    const char* 尾 = 文本.data() + 文本.size();
    auto [停处, 错误] = std::from_chars(文本.data(), 尾, 值);
    if (文本.empty() || 错误 != std::errc() || 停处 != 尾) return std::nullopt;
    return 值;
}

// "N" for N x N, or "WxH"; numbers go to the module as written (it reads <= 0 as 100).
std::pair<int32_t, int32_t> 读尺寸(std::string_view 文本) {
    auto 叉 = 文本.find_first_of("xX");
    auto 宽 = 读整数(文本.substr(0, 叉));
    auto 高 = 叉 == std::string_view::npos ? 宽 : 读整数(文本.substr(叉 + 1));
    if (!宽 || !高)
        throw 用法错误("invalid size '" + std::string(文本) + "': expected N or WxH, e.g. 300 or 300x200");
    return {*宽, *高};
}

文本编码 读编码(std::string_view 文本) {
    std::string 名 = 小写(文本);
    if (名 == "utf-8" || 名 == "utf8") return 文本编码::utf8;
    if (名 == "gbk") return 文本编码::gbk;
    throw 用法错误("unknown encoding '" + std::string(文本) + "': expected utf-8 or gbk");
}

// The option getopt stopped at, as the user wrote it.
std::string 出错选项(char** argv) {
    std::string 原文 = argv[optind - 1];
    if (原文.rfind("--", 0) == 0) return 原文.substr(0, 原文.find('='));
    if (optopt > 0 && optopt < 128) return std::string("-") + static_cast<char>(optopt);
    return 原文;
}

enum 长选项 : int { 选项信息 = 1000, 选项编码, 选项批量, 选项版本 };

constexpr option 长选项表[] = {
    {"input", required_argument, nullptr, 'i'},
    {"level", required_argument, nullptr, 'l'},
    {"size", required_argument, nullptr, 's'},
    {"output", required_argument, nullptr, 'o'},
    {"format", required_argument, nullptr, 't'},
    {"info", no_argument, nullptr, 选项信息},
    {"encoding", required_argument, nullptr, 选项编码},
    {"batch", required_argument, nullptr, 选项批量},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 选项版本},
    {nullptr, 0, nullptr, 0},
};

void 检查搭配(const 选项& 选) {
    if (选.批量文件) {
        if (选.内容 || 选.输入文件) throw 用法错误("--batch takes its contents from FILE: no CONTENT or -i with it");
        if (选.输出 == "-") throw 用法错误("--batch needs -o DIR for the files it writes");
        return;
    }
    if (选.内容 && 选.输入文件) throw 用法错误("give the content either as CONTENT or with -i FILE, not both");
    if (!选.内容 && !选.输入文件) throw 用法错误("no content: give CONTENT or -i FILE (- for standard input)");
}

}  // namespace

std::optional<输出格式> 按名称取格式(std::string_view 名称) {
    std::string 名 = 小写(名称);
    for (const auto& 项 : 格式表)
        if (名 == 项.名称) return 项.格式;
    return std::nullopt;
}

输出格式 按扩展名取格式(std::string_view 路径) {
    auto 点 = 路径.rfind('.');
    auto 斜杠 = 路径.rfind('/');
    if (点 == std::string_view::npos || (斜杠 != std::string_view::npos && 点 < 斜杠)) return 输出格式::bmp;
    std::string 扩展 = 小写(路径.substr(点 + 1));
    for (const auto& 项 : 格式表)
        if (项.格式 != 输出格式::utf8 && 扩展 == 项.扩展名) return 项.格式;
    return 输出格式::bmp;
}

const char* 格式名称(输出格式 格式) { return 查格式(格式).名称; }
const char* 格式扩展名(输出格式 格式) { return 查格式(格式).扩展名; }
bool 是二进制格式(输出格式 格式) { return 查格式(格式).二进制; }

选项 解析命令行(int argc, char** argv) {
    选项 选;
    opterr = 0;  // we word the message ourselves
    optind = 1;
    int 字符;
    while ((字符 = getopt_long(argc, argv, ":i:l:s:o:t:h", 长选项表, nullptr)) != -1) {
        switch (字符) {
            case 'i': 选.输入文件 = optarg; break;
            case 'l': 选.级别 = optarg; break;
            case 's': std::tie(选.宽度, 选.高度) = 读尺寸(optarg); break;
            case 'o': 选.输出 = optarg; break;
            case 't':
                选.格式 = 按名称取格式(optarg);
                if (!选.格式)
                    throw 用法错误(std::string("unknown format '") + optarg + "': expected bmp, png, svg, txt or utf8");
                break;
            case 选项信息: 选.信息 = true; break;
            case 选项编码: 选.编码 = 读编码(optarg); break;
            case 选项批量: 选.批量文件 = optarg; break;
            case 'h': 选.帮助 = true; break;
            case 选项版本: 选.版本 = true; break;
            case ':': throw 用法错误("option '" + 出错选项(argv) + "' needs a value");
            default:
                // getopt names a known long option in optopt, an unknown one with 0.
                if (std::string_view 原文 = argv[optind - 1];
                    optopt != 0 && 原文.rfind("--", 0) == 0 && 原文.find('=') != std::string_view::npos)
                    throw 用法错误("option '" + 出错选项(argv) + "' takes no value");
                throw 用法错误("unknown option '" + 出错选项(argv) + "'");
        }
    }
    if (选.帮助 || 选.版本) return 选;
    if (optind < argc) 选.内容 = argv[optind++];
    if (optind < argc)
        throw 用法错误(std::string("unexpected argument '") + argv[optind] +
                       "': quote a content that holds spaces");
    检查搭配(选);
    return 选;
}

const char* const 帮助文本 =
    "Usage: xilaixia-qr [OPTIONS] [CONTENT]\n"
    "       xilaixia-qr [OPTIONS] --batch FILE -o DIR\n"
    "Encode CONTENT (UTF-8 text) as a QR code picture.\n"
    "\n"
    "  -i, --input FILE       read the content from FILE (- for standard input);\n"
    "                         one trailing newline (LF or CR LF) is dropped\n"
    "  -l, --level L|M|Q|H    error-correction level, any case (default L)\n"
    "  -s, --size N|WxH       picture size in pixels (default 100x100); the symbol is\n"
    "                         scaled by a whole factor and centred with a 2-module quiet zone\n"
    "  -o, --output FILE      write to FILE (default -, standard output)\n"
    "  -t, --format FORMAT    bmp, png, svg, txt or utf8; default from the output file's\n"
    "                         extension (.bmp .png .svg .txt), else bmp\n"
    "      --info             print the symbol's version, mask, mode, level, size and\n"
    "                         codeword counts on standard error\n"
    "      --encoding ENC     the input's encoding: utf-8 (default) or gbk\n"
    "      --batch FILE       encode each line of FILE (- for standard input) into\n"
    "                         DIR/NNNN.EXT, NNNN the line number from 0001 (EXT is\n"
    "                         the format's name); an empty line fails like an empty\n"
    "                         content, the other lines are still written\n"
    "  -h, --help             show this help\n"
    "      --version          show the version\n"
    "\n"
    "Formats: bmp is the module's 24-bit BMP; png holds the same pixels; svg draws the\n"
    "same picture as one path of dark modules on a white rectangle; txt is the module\n"
    "matrix without quiet zone, one line of 0 (light) and 1 (dark) per row; utf8 draws\n"
    "the symbol with its quiet zone in half blocks, dark modules as ink, so it scans on a\n"
    "terminal with dark text on a light background. txt and utf8 ignore --size.\n"
    "bmp and png are not written to a terminal.\n"
    "\n"
    "Exit status: 0 success; 1 an error (the module's report, invalid input text, or a\n"
    "file that cannot be read or written; in a batch: any line failed); 2 a usage error.\n"
    "\n"
    "Examples:\n"
    "  xilaixia-qr -s 300 -o link.png 'https://example.com/'\n"
    "  printf 'HELLO WORLD' | xilaixia-qr -i - -l q -t utf8\n"
    "  xilaixia-qr --encoding gbk -i note-gbk.txt -o note.svg --info\n"
    "  xilaixia-qr --batch links.txt -o out -t png -s 200\n";

}  // namespace cli
