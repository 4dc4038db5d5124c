#include "app/data/items.h"

#include <stdexcept>

namespace app::data {

namespace {

constexpr std::string_view 链接路径{"/p/c/17yq18lq3slc?source="};

// Values exactly as the campaign uses them, misspellings included.
constexpr std::array<来源项, 来源数> 来源表{{
    {"天猫精灵", "JING_LING"},
    {"飞猪", "FEI_ZHU"},
    {"优酷", "YOUKU_TV"},
    {"淘票票", "PIAO_PIAO"},
    {"手机天猫", "TIAN_MAO"},
    {"考拉", "KAO_LA"},
    {"菜鸟", "CAI_NIAO"},
    {"新华社", "XINHUA_SHE"},
    {"江南百景图", "BAI_JINGTU"},
    {"科创中国", "KE_CHUANG"},
    {"科技工作者之家", "KEJI_ZHIJIA"},
    {"上观新闻", "JIEFANG_RIBAO"},
    {"新安晚报", "DA_WAN"},
    {"南京紫金山新闻", "ZIJIN_SHAN"},
    {"中国蓝新闻", "ZHONGGUO_LAN"},
    {"大河财立方", "CAI_LIFANG"},
    {"正观APP", "ZHENG_GUAN"},
    {"江西新闻客户端", "JIANGXI_XINWEN"},
    {"羊城晚报", "YANG_CHENG"},
    {"N视频", "NAN_DU"},
    {"三亚日报", "SANYA_RIBAO"},
    {"开屏新闻", "CHUNCHENG_WANBAO"},
    {"天眼新闻", "GUIZHOU_DUSHIBAO"},
    {"黄河plus", "HUANG_HE"},
    {"陕西头条", "SHANXI_TOUTIAO"},
    {"新京报", "XINJING_BAO"},
    {"津云客户端", "JIN_YUN"},
    {"重庆日报", "CHONG_QING"},
    {"龙头新闻", "LONGTOU_XINWEN"},
    {"风口财经", "FENGKOU_CAIJING"},
    {"齐鲁晚报", "QILU_WANBAO"},
    {"国家政务服务平台", "GUOWU_YUAN"},
    {"电子社保卡", "REN_SHE"},
    {"医保局", "YI_BAO"},
    {"豫事办", "YUSHI_BAN"},
    {"鄂汇办", "EHUI_BAN"},
    {"随申办", "SUISHEN_BAN"},
    {"深圳交警", "SHENZHEN_JIAOJING"},
    {"赣服通", "GANFU_TONG"},
    {"安徽税务局", "ANHUI_SHUIWU"},
    {"无锡公积金", "WUXI_GONGJIJIN"},
    {"上海公积金", "SHANGHAI_GONGJIJIN"},
    {"天府通办", "TIANFU_TONG"},
    {"青岛大数据局", "QINGDAN_DASHUJU"},
    {"皖事通", "WANSHI_TONG"},
    {"闽政通", "MINZHENG_TONG"},
    {"美图秀秀", "MEI_TU"},
    {"美颜相机", "MEI_YAN"},
    {"芒果TV", "MANG_GUO"},
    {"快手", "KUAI_SHOU"},
    {"网易云音乐", "WANGYI_YUN"},
    {"书旗小说", "SHU_QI"},
}};

constexpr std::array<std::string_view, 福数> 福名表{
    "蓝鹊万能福", "必中沾沾福", "纯甄", "海尔", "快手", "芒果",
    "美图秀秀",   "特仑苏",     "新华社", "一汽大众", "美颜相机",
};

}  // namespace

const std::array<来源项, 来源数>& 来源列表() { return 来源表; }

const std::array<std::string_view, 福数>& 福名列表() { return 福名表; }

std::string 活动链接(int 行) {
    if (行 < 0 || 行 >= 来源数)
        throw std::out_of_range("source row " + std::to_string(行) + " is outside 0.." +
                                std::to_string(来源数 - 1));
    std::string 链接 = "https://";
    链接 += 活动主机;
    链接 += 链接路径;
    链接 += 来源表[static_cast<size_t>(行)].值;
    return 链接;
}

}  // namespace app::data
