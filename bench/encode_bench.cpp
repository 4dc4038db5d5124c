// Text to module matrix, ours against libqrencode and the C++ QR Code generator library,
// and our whole entry (matrix plus a 700 x 700 BMP). Each peer is asked for the same thing:
// the given level, automatic version and mask, one segment in the content's mode.
#include <benchmark/benchmark.h>
#include <qrencode.h>

#include <qrcodegen/qrcodegen.hpp>
#include <string>

#include "qr/encode/encoder.h"
#include "qr/encode/qrcode.h"

namespace {

struct 输入 {
    const char* 名;
    std::string 内容;
    const char* 级别;
};

const 输入 输入表[] = {
    {"link_v4_L", "https://render.example.com/p/c/17yq18lq3slc?source=JING_LING", "L"},
    {"text_500B_M", std::string(500, 'x'), "M"},
    {"digits_2000_Q", std::string(2000, '7'), "Q"},
    {"bytes_2900_L", std::string(2900, 'q'), "L"},
};

qr::模块守护& 模块() {
    static qr::模块守护 守护;
    return 守护;
}

const qr::容错级别类& 我们的级别(const char* l) {
    switch (*l) {
        case 'M': return qr::容错级别组->M;
        case 'Q': return qr::容错级别组->Q;
        case 'H': return qr::容错级别组->H;
        default: return qr::容错级别组->L;
    }
}

void xilaixia_matrix(benchmark::State& state) {
    模块();
    const 输入& in = 输入表[state.range(0)];
    const qr::编码类 编码器;
    for (auto _ : state) {
        编码器.编码(in.内容, 我们的级别(in.级别), *qr::当前二维码);
        benchmark::DoNotOptimize(qr::当前二维码->矩阵视图().行(0));
    }
    state.SetLabel(std::string(in.名) + " v" + std::to_string(qr::当前二维码->取版本号()));
}

void xilaixia_bmp700(benchmark::State& state) {
    模块();
    const 输入& in = 输入表[state.range(0)];
    const int32_t 边 = 700;  // large enough for version 40 with its quiet zone
    for (auto _ : state) benchmark::DoNotOptimize(qr::创建二维码(in.内容, in.级别, 边, 边));
    state.SetLabel(in.名);
}

void libqrencode_matrix(benchmark::State& state) {
    const 输入& in = 输入表[state.range(0)];
    const QRecLevel 级别[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    const QRecLevel l = 级别[std::string("LMQH").find(in.级别)];
    int 版本 = 0;
    for (auto _ : state) {
        QRcode* c = QRcode_encodeString(in.内容.c_str(), 0, l, QR_MODE_8, 1);
        版本 = c->version;
        benchmark::DoNotOptimize(c->data);
        QRcode_free(c);
    }
    state.SetLabel(std::string(in.名) + " v" + std::to_string(版本));
}

void qrcodegen_matrix(benchmark::State& state) {
    const 输入& in = 输入表[state.range(0)];
    const qrcodegen::QrCode::Ecc 级别[] = {qrcodegen::QrCode::Ecc::LOW, qrcodegen::QrCode::Ecc::MEDIUM,
                                          qrcodegen::QrCode::Ecc::QUARTILE, qrcodegen::QrCode::Ecc::HIGH};
    const auto l = 级别[std::string("LMQH").find(in.级别)];
    int 版本 = 0;
    for (auto _ : state) {
        const auto segs = qrcodegen::QrSegment::makeSegments(in.内容.c_str());
        const auto c = qrcodegen::QrCode::encodeSegments(segs, l, 1, 40, -1, false);
        版本 = c.getVersion();
        benchmark::DoNotOptimize(c.getModule(0, 0));
    }
    state.SetLabel(std::string(in.名) + " v" + std::to_string(版本));
}

}  // namespace

BENCHMARK(xilaixia_matrix)->DenseRange(0, 3);
BENCHMARK(libqrencode_matrix)->DenseRange(0, 3);
BENCHMARK(qrcodegen_matrix)->DenseRange(0, 3);
BENCHMARK(xilaixia_bmp700)->DenseRange(0, 3);

BENCHMARK_MAIN();
