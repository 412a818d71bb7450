#include "platform/qt/qt_main_queue.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
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

QtMainQueue::QtMainQueue()
    : dispatcher_(QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread())) {}

void QtMainQueue::async(Task task) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), runner(std::move(task)),
                              Qt::QueuedConnection);
}

void QtMainQueue::asyncAfter(double seconds, Task task) {
    const auto milliseconds = static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000));
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), runner(std::move(task)));
}

void QtMainQueue::addBeforeWaiting(BeforeWaiting work, void* context) {
    removeBeforeWaiting(context);
    // Emitted on the main thread, by the main thread's own dispatcher: a direct call.
    beforeWaiting_.push_back(
        {context, QObject::connect(dispatcher_, &QAbstractEventDispatcher::aboutToBlock,
                                   [work, context] { work(context); })});
}

// The dispatcher's wake-up is its thread-safe call: the loop turns, and says again that it is
// about to block.
void QtMainQueue::wakeUp() {
    dispatcher_->wakeUp();
}

void QtMainQueue::removeBeforeWaiting(void* context) {
    std::erase_if(beforeWaiting_, [context](const WorkBeforeWaiting& entry) {
        if (entry.context != context) {
            return false;
        }
        QObject::disconnect(entry.connection);
        return true;
    });
}

QtMainQueue::~QtMainQueue() {
    for (const WorkBeforeWaiting& entry : beforeWaiting_) {
        QObject::disconnect(entry.connection);
    }
}

}  // namespace varnel
