#include "app/platform/exit_signals.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

int 信号管道[2] = {-1, -1};  // [0] written by the handler, [1] read by the event loop

extern "C" void 转发信号(int) {
    const char 字节 = 1;
    [[maybe_unused]] const ssize_t 写入 = ::write(信号管道[0], &字节, 1);  // async-signal-safe
}

}  // namespace

void 终止信号时关闭(QWidget* 窗口) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, 信号管道) != 0) return;  // signals keep their default
    auto* 通知 = new QSocketNotifier(信号管道[1], QSocketNotifier::Read, 窗口);
    QObject::connect(通知, &QSocketNotifier::activated, 窗口, [窗口] {
        char 字节;
        [[maybe_unused]] const ssize_t 读出 = ::read(信号管道[1], &字节, 1);
        窗口->close();
    });
    struct sigaction 动作 {};
    动作.sa_handler = 转发信号;
    sigemptyset(&动作.sa_mask);
    动作.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &动作, nullptr);
    ::sigaction(SIGINT, &动作, nullptr);
}

}  // namespace app
