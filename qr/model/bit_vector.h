// Append-only bits packed most significant bit first, and the subclass that joins and
// exclusive-ors whole vectors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qr/model/frame.h"

namespace qr {

class 位向量类 {
public:
    位向量类();
    位向量类(const 位向量类&) = default;
    位向量类& operator=(const 位向量类&) = default;
    位向量类(位向量类&&) noexcept = default;
    位向量类& operator=(位向量类&&) noexcept = default;
    virtual ~位向量类() = default;

    数组集 取字节数组() const;  // the whole storage, spare tail included
    void 置字节数组(const std::vector<uint8_t>& 字节);
    int32_t 取大小() const { return 大小; }
    int32_t 取字节数() const { return (大小 + 7) >> 3; }
    int32_t 取位值(int32_t 索引) const;
    void 追加位(int32_t 位);
    void 追加字节(int32_t 值);
    void 追加数值位(int32_t 值, int32_t 位数);
    void 清空();
    std::string 到字符串() const;

    const std::string& 取类名() const { return 类名; }
    // Read-only view of the storage for hot loops that must not copy it.
    const std::vector<uint8_t>& 存储() const { return 字节数组; }

private:
    std::vector<uint8_t> 字节数组;
    int32_t 大小 = 0;
    std::string 类名;
};

class 位向量子类 : public 位向量类 {
public:
    位向量子类();

    void 置位向量(const 位向量类& 向量);
    位向量类 取位向量() const;
    void 追加位向量(const 位向量类& 其他);
    位向量类 异或(const 位向量类& 其他);

    // Its own display name; the inherited part keeps "位向量类".
    const std::string& 取子类名() const { return 类名; }

private:
    位向量类 内部位向量;
    std::string 类名;
};

}  // namespace qr
