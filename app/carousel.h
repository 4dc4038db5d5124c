// The carousel: a worker thread that picks a random frame of the embedded image list, hands
// its BMP bytes to the window's thread, and waits five seconds, for as long as it runs.
#pragma once

#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/image_list.h"
#include "app/platform/runtime.h"

namespace app {

inline constexpr int 最大帧号 = 32;  // frames 0..32

// The frame number of one round: uniform from 0 to 32.
int 轮播抽帧(随机数发生器& 随机);

class 轮播 {
public:
    // Called on 接收者's thread with each frame's BMP bytes.
    using 交付函数 = std::function<void(const QByteArray&)>;

    轮播(QObject* 接收者, 交付函数 交付, int32_t 间隔毫秒 = 5000);
    ~轮播();  // stops the worker and waits for it
    轮播(const 轮播&) = delete;
    轮播& operator=(const 轮播&) = delete;

    // Reads the image-list stream and starts the worker; false, and nothing starts, when the
    // stream is not a valid image list. Only the first call starts anything.
    bool 启动(const QByteArray& 流);
    // Asks the worker to end, wakes its wait and waits for it. Safe to call more than once.
    void 停止();

    int32_t 取轮播标志() const { return 轮播标志_; }

private:
    void 线程例程(const 工作线程& 线程);

    QObject* 接收者_;
    交付函数 交付_;
    int32_t 间隔毫秒_;
    // 0 until started; set to 1 once, before the worker exists, and never changed after.
    int32_t 轮播标志_ = 0;
    QByteArray 流_;  // kept alive for as long as the list may read it
    std::optional<图像列表> 列表_;
    std::unique_ptr<工作线程> 线程_;
};

}  // namespace app
