// The two item tables of the window: the 52 campaign sources with their "source" values and
// the 11 fortune names, plus the campaign link each source row stands for.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace app::data {

// The campaign's web host, the only place it is written.
inline constexpr std::string_view 活动主机{"render.example.com"};

struct 来源项 {
    std::string_view 文本;  // shown in the source list
    std::string_view 值;    // the link's "source" parameter, spelled as the campaign spells it
};

inline constexpr int 来源数 = 52;
inline constexpr int 福数 = 11;

const std::array<来源项, 来源数>& 来源列表();
const std::array<std::string_view, 福数>& 福名列表();

// "https://" + host + "/p/c/17yq18lq3slc?source=" + the row's value.
// Throws std::out_of_range for a row outside 0..51.
std::string 活动链接(int 行);

}  // namespace app::data
