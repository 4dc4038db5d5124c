// The module's globals, made at start-up and released at shut-down.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "qr/model/qr_code.h"
#include "qr/model/tables.h"

namespace qr {

class GF256;

struct 容错级别组类 {
    容错级别类 L, M, Q, H;
    std::vector<容错级别类> 列表;  // L, M, Q, H: position 序号 - 1
};

struct 模式组类 {
    模式类 数字, 字母数字, 字节;
};

extern std::string 模块名;
extern std::unique_ptr<二维码类> 当前二维码;
extern std::unique_ptr<容错级别组类> 容错级别组;
extern std::unique_ptr<模式组类> 模式组;
extern std::unique_ptr<std::vector<版本类>> 版本表;
extern std::unique_ptr<GF256> 二维码域;

// Makes the globals, names the module and fills every fixed table. Call once before
// the first encode.
void 初始化模块();
// Releases the globals; safe to call when the module was never started.
void 销毁模块();

// Starts the module for the life of a scope and shuts it down however the scope ends,
// so a program that stops on a report still runs the shut-down.
class 模块守护 {
public:
    模块守护() { 初始化模块(); }
    ~模块守护() { 销毁模块(); }
    模块守护(const 模块守护&) = delete;
    模块守护& operator=(const 模块守护&) = delete;
};

}  // namespace qr
