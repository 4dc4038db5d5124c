#include "app/carousel.h"

#include <QtGlobal>

#include <span>
#include <vector>

namespace app {

int 轮播抽帧(随机数发生器& 随机) { return 随机.取随机数(0, 最大帧号); }

轮播::轮播(QObject* 接收者, 交付函数 交付, int32_t 间隔毫秒)
    : 接收者_(接收者), 交付_(std::move(交付)), 间隔毫秒_(间隔毫秒) {}

轮播::~轮播() { 停止(); }

bool 轮播::启动(const QByteArray& 流) {
    if (线程_) return false;
    流_ = 流;
    列表_ = 图像列表::读取(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(流_.constData()),
                                                    static_cast<size_t>(流_.size())));
    if (!列表_) {
        qCritical("carousel: the embedded image list (%lld bytes) does not read; no carousel",
                  static_cast<long long>(流_.size()));
        return false;
    }
    轮播标志_ = 1;
    线程_ = 启动线程([this](const 工作线程& 线程) { 线程例程(线程); });
    return true;
}

void 轮播::停止() {
    if (!线程_) return;
    线程_->停止();  // cuts the five-second wait short
    线程_.reset();
}

void 轮播::线程例程(const 工作线程& 线程) {
    随机数发生器 随机;  // seeded from the tick count
    while (轮播标志_ == 1 && !线程.已请求停止()) {
        const std::vector<uint8_t> 帧 = 列表_->帧到BMP(轮播抽帧(随机));
        QByteArray 字节(reinterpret_cast<const char*>(帧.data()), static_cast<qsizetype>(帧.size()));
        // The widget belongs to the receiver's thread: only a queued call may touch it.
        QMetaObject::invokeMethod(
            接收者_, [交付 = 交付_, 字节 = std::move(字节)] { 交付(字节); }, Qt::QueuedConnection);
        消息延时(间隔毫秒_);
    }
}

}  // namespace app
