#include "qr/model/module.h"

#include "qr/ecc/gf256.h"

namespace qr {

std::string 模块名;
std::unique_ptr<二维码类> 当前二维码;
std::unique_ptr<容错级别组类> 容错级别组;
std::unique_ptr<模式组类> 模式组;
std::unique_ptr<std::vector<版本类>> 版本表;
std::unique_ptr<GF256> 二维码域;

void 初始化模块() {
    当前二维码 = std::make_unique<二维码类>();
    容错级别组 = std::make_unique<容错级别组类>();
    容错级别组->列表.resize(4);
    模式组 = std::make_unique<模式组类>();
    版本表 = std::make_unique<std::vector<版本类>>();
    二维码域 = std::make_unique<GF256>();
    模块名 = "二维码模块";
    当前二维码->初始化表();
}

void 销毁模块() {
    模块名.clear();
    当前二维码.reset();
    容错级别组.reset();
    模式组.reset();
    版本表.reset();
    二维码域.reset();
}

}  // namespace qr
