// Asserts that an operation stops with the module's report of a given source, method and
// message.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "qr/model/frame.h"

namespace testsupport {

template <typename F>
::testing::AssertionResult 报告为(F&& 操作, const std::string& 来源, const std::string& 方法,
                                 const std::string& 信息) {
    try {
        操作();
    } catch (const qr::模块异常& e) {
        const auto& r = e.取记录();
        if (r.异常来源 == 来源 && r.方法名称 == 方法 && r.异常信息 == 信息)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "reported [" << r.异常来源 << "] " << r.方法名称 << ": " << r.异常信息;
    }
    return ::testing::AssertionFailure() << "nothing was reported";
}

}  // namespace testsupport
