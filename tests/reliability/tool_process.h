// Running the real xilaixia-qr (possibly under valgrind) and the files around such runs.
#pragma once

#include "tests/support/process.h"

namespace reliability {

using testsupport::临时目录;
using testsupport::写文件;
using testsupport::读文件;
using testsupport::运行进程;
using testsupport::进程结果;
using testsupport::进程请求;

}  // namespace reliability
