// How much a content needs and how much a level can hold, for the line that follows the
// module's report on a content too long for any version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// Bytes of the content's data bits, counted as the encoder counts them before it picks a
// version: the mode it would choose (numeric, alphanumeric or byte), that mode's bits,
// rounded up to whole bytes.
int64_t 所需数据字节数(const std::string& 内容);

// The most data bytes a content may have at the level: version 40's data codewords less
// the encoder's fixed margin of 3. nullopt for a level text the module does not know.
std::optional<int32_t> 最多数据字节数(const std::optional<std::string>& 级别);

// "the content needs N data bytes; level X holds at most M" (without a newline).
std::string 过长说明(const std::string& 内容, const std::optional<std::string>& 级别);

}  // namespace cli
