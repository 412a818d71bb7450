#include "platform/qt/qt_main_queue.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>

namespace varnel {

void QtMainQueue::async(Task task) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

void QtMainQueue::asyncAfter(double seconds, Task task) {
    const auto milliseconds = static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000));
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(task));
}

}  // namespace varnel
