// The runtime operations the window leans on: the pumped delay, starting a thread, random
// numbers seeded from the tick count, and the focused control.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

class QThread;
class QWidget;

namespace app {

// Milliseconds per unit of 消息延时: 0 ms, 1 s, 2 min, 3 h; any other code is itself the
// number of milliseconds per unit.
int64_t 每单位毫秒(int64_t 单位);

// The wait's due time as a relative time in 100 ns steps (negative means "from now"):
// interval x ms per unit x -10000 in double precision, truncated; saturates at the ends
// of the 64-bit range instead of overflowing.
int64_t 延时到期(int32_t 间隔, int64_t 单位 = 0);

// Waits interval x unit while dispatching the calling thread's own events; an event that
// arrives meanwhile does not end the wait, and the thread sleeps in between. The wait ends
// early only when the thread is being shut down: its event loops were told to exit
// (工作线程::停止, QThread::exit, QCoreApplication::exit on the main thread) or an
// interruption was requested. A due time that is not in the future only dispatches pending
// events.
bool 消息延时(int32_t 间隔, int64_t 单位 = 0);

// Dispatches every event waiting for the calling thread, then returns.
void 处理事件();

// A thread whose routine may wait in 消息延时 and is stopped from outside: 停止 asks it to
// end, cuts its current or next wait short and joins it. A plain std::thread underneath, so
// its start and join are visible to ThreadSanitizer; Qt gives it an event loop on first use.
class 工作线程 {
public:
    // The routine polls 已请求停止 between its steps.
    explicit 工作线程(std::function<void(const 工作线程&)> 例程);
    ~工作线程();  // 停止
    工作线程(const 工作线程&) = delete;
    工作线程& operator=(const 工作线程&) = delete;

    bool 已请求停止() const { return 停止_.load(std::memory_order_acquire); }
    // Safe to call more than once; returns when the routine has returned.
    void 停止();

private:
    void 运行(const std::function<void(const 工作线程&)>& 例程);

    std::atomic<bool> 停止_{false};
    std::mutex 锁_;
    QThread* 线程对象_ = nullptr;  // Qt's object for the running thread, under 锁_
    std::thread 线程_;
};

// Starts the routine on a new thread.
std::unique_ptr<工作线程> 启动线程(std::function<void(const 工作线程&)> 例程);

// Milliseconds since an arbitrary fixed point (boot), cut to 32 bits.
uint32_t 滴答计数();

class 随机数发生器 {
public:
    explicit 随机数发生器(uint32_t 种子 = 滴答计数()) : 引擎_(种子) {}
    // Uniform from 最小 to 最大, both included (the bounds may come in either order).
    int 取随机数(int 最小, int 最大);

private:
    std::mt19937 引擎_;
};

// The control that has the keyboard focus in the active window, or nullptr.
QWidget* 取焦点窗口();

}  // namespace app
