// The Reed-Solomon encoder of one QR block: generator polynomials
// (x + alpha^0)...(x + alpha^(d-1)) and the systematic error-correction codewords.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qr/ecc/gf256.h"
#include "qr/ecc/polynomial.h"

namespace qr {

class RS编码器类 {
public:
    RS编码器类();

    const std::string& 取类名() const { return 类名; }

    // Binds the encoder to the field, which must be the module's 二维码域.
    void RS编码器(const GF256& 新域);
    // A copy of the generator of the given degree; the cache grows as needed.
    多项式类 构建生成多项式(int32_t 次数);
    // Overwrites the last n entries of the list with the error-correction codewords of
    // the entries before them.
    void 编码(std::vector<int32_t>& 列表, int32_t n);

private:
    std::string 类名;
    GF256 域;
    std::vector<多项式类> 生成多项式缓存;  // index d holds the generator of degree d
};

}  // namespace qr
