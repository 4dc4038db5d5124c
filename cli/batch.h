// --batch: one content per line of a file, each into its own numbered file.
#pragma once

#include <string>
#include <vector>

#include "cli/options.h"

namespace cli {

// Lines split at LF, a CR before it dropped; a final line break ends the last line
// rather than starting an empty one.
std::vector<std::string> 分行(const std::string& 文本);

// DIR/NNNN.EXT: the line number from 1, at least four digits.
std::string 批量文件名(const std::string& 目录, size_t 行号, 输出格式 格式);

// Runs the batch; returns the exit status (1 if any line failed). Throws 文件错误 when
// the list cannot be read or the directory cannot be made.
int 运行批量(const 选项& 选, 输出格式 格式);

}  // namespace cli
