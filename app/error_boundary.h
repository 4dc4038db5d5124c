// The window's boundary for the module's errors: every handler runs inside it; a module
// error is reported in the error box and ends the program with status 1 (the module's
// shut-down runs as main unwinds).
#pragma once

#include <QMessageBox>

#include <functional>
#include <memory>

#include "qr/model/frame.h"

namespace app {

using 异常出口 = std::function<void(const qr::模块异常&)>;

// The report as the box shows it.
QString 提示文本(const qr::模块异常& 异常);
// The box that reports a module error: error icon, one OK button.
std::unique_ptr<QMessageBox> 构造异常提示框(const qr::模块异常& 异常, QWidget* 父 = nullptr);
// Shows the box and waits for OK.
void 显示异常提示(const qr::模块异常& 异常, QWidget* 父 = nullptr);
// The default exit of a handler: shows the box, then ends the event loop with status 1.
void 报告并退出(const qr::模块异常& 异常);

template <typename 操作类型>
void 在边界执行(操作类型&& 操作, const 异常出口& 出口) {
    try {
        操作();
    } catch (const qr::模块异常& 异常) {
        出口(异常);
    }
}

}  // namespace app
