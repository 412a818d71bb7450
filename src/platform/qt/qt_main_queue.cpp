#include "platform/qt/qt_main_queue.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>
#include <memory>

namespace varnel {

namespace {

// Qt's queued calls copy their functor; the task itself is moved only once, into a shared
// holder.
auto runner(Task task) {
    return [shared = std::make_shared<Task>(std::move(task))] { (*shared)(); };
}

}  // namespace

void QtMainQueue::async(Task task) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), runner(std::move(task)),
                              Qt::QueuedConnection);
}

void QtMainQueue::asyncAfter(double seconds, Task task) {
    const auto milliseconds = static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000));
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), runner(std::move(task)));
}

}  // namespace varnel
