#include "app/platform/runtime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

namespace app {

int64_t 每单位毫秒(int64_t 单位) {
    switch (单位) {
        case 0: return 1;
        case 1: return 1000;
        case 2: return 60'000;
        case 3: return 3'600'000;
        default: return 单位;
    }
}

int64_t 延时到期(int32_t 间隔, int64_t 单位) {
    const double 到期 = static_cast<double>(间隔) * static_cast<double>(每单位毫秒(单位)) * -10000.0;
    constexpr double 下限 = static_cast<double>(std::numeric_limits<int64_t>::min());
    constexpr double 上限 = static_cast<double>(std::numeric_limits<int64_t>::max());
    if (到期 <= 下限) return std::numeric_limits<int64_t>::min();
    if (到期 >= 上限) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(到期);  // truncates toward zero
}

namespace {

// QTimer takes at most INT_MAX ms; longer waits go in slices.
constexpr int64_t 最长一段毫秒 = 24LL * 3600 * 1000;

int64_t 剩余毫秒(const QDeadlineTimer& 截止) {
    const int64_t 纳秒 = 截止.remainingTimeNSecs();
    if (纳秒 < 0) return 最长一段毫秒;  // forever
    return std::min<int64_t>((纳秒 + 999'999) / 1'000'000, 最长一段毫秒);  // round up: never early
}

}  // namespace

bool 消息延时(int32_t 间隔, int64_t 单位) {
    const int64_t 到期 = 延时到期(间隔, 单位);
    if (到期 >= 0) {
        处理事件();
        return true;
    }
    // 100 ns steps to ns; beyond ~29 years the wait is simply endless.
    const int64_t 步数 = 到期 == std::numeric_limits<int64_t>::min() ? std::numeric_limits<int64_t>::max() : -到期;
    const QDeadlineTimer 截止 = 步数 > std::numeric_limits<int64_t>::max() / 100
                                  ? QDeadlineTimer(QDeadlineTimer::Forever)
                                  : QDeadlineTimer(std::chrono::nanoseconds(步数 * 100), Qt::PreciseTimer);

    QThread* 本线程 = QThread::currentThread();
    QEventLoop 循环;
    QTimer 定时器;
    定时器.setSingleShot(true);
    定时器.setTimerType(Qt::PreciseTimer);
    bool 已到时 = false;
    QObject::connect(&定时器, &QTimer::timeout, &循环, [&] {
        已到时 = true;
        循环.quit();
    });
    while (!截止.hasExpired() && !本线程->isInterruptionRequested()) {
        已到时 = false;
        定时器.start(static_cast<int>(剩余毫秒(截止)));
        循环.exec();
        // Anything but our own timer ending the loop means the thread's loops are being
        // shut down; waiting on would spin, since every further exec() returns at once.
        if (!已到时) break;
    }
    return true;
}

void 处理事件() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

工作线程::工作线程(std::function<void(const 工作线程&)> 例程)
    : 线程_([this, 例程 = std::move(例程)] { 运行(例程); }) {}

工作线程::~工作线程() { 停止(); }

void 工作线程::运行(const std::function<void(const 工作线程&)>& 例程) {
    {
        const std::lock_guard 锁(锁_);
        线程对象_ = QThread::currentThread();
        // Asked to stop before it ran: its first wait must not block either.
        if (已请求停止()) 线程对象_->exit();
    }
    例程(*this);
    const std::lock_guard 锁(锁_);
    线程对象_ = nullptr;  // Qt releases it with the thread
}

void 工作线程::停止() {
    停止_.store(true, std::memory_order_release);
    {
        const std::lock_guard 锁(锁_);
        // Ends the thread's event loops now, and makes any later one return at once.
        if (线程对象_) 线程对象_->exit();
    }
    if (线程_.joinable()) 线程_.join();
}

std::unique_ptr<工作线程> 启动线程(std::function<void(const 工作线程&)> 例程) {
    return std::make_unique<工作线程>(std::move(例程));
}

uint32_t 滴答计数() {
    const auto 毫秒 = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(毫秒.count());
}

int 随机数发生器::取随机数(int 最小, int 最大) {
    if (最小 > 最大) std::swap(最小, 最大);
    return std::uniform_int_distribution<int>(最小, 最大)(引擎_);
}

QWidget* 取焦点窗口() { return QApplication::focusWidget(); }

}  // namespace app
