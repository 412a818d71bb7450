#pragma once

#include <QMetaObject>

class QAbstractEventDispatcher;
#include <vector>

#include "engine/main_queue.h"

namespace varnel {

// The main queue on Qt's event loop: tasks posted to the application object, delayed ones
// through single-shot timers, the work before waiting on the event dispatcher's aboutToBlock
// (on a Mac, Qt's observer of the main run loop's "before waiting"). On a Mac, Qt's loop is
// the main run loop. Made once the application object, and so the dispatcher, exists.
class QtMainQueue : public MainQueue {
  public:
    QtMainQueue();
    ~QtMainQueue() override;
    QtMainQueue(const QtMainQueue&) = delete;
    QtMainQueue& operator=(const QtMainQueue&) = delete;

    void async(Task task) override;
    void asyncAfter(double seconds, Task task) override;
    void addBeforeWaiting(BeforeWaiting work, void* context) override;
    void removeBeforeWaiting(void* context) override;
    void wakeUp() override;

  private:
    // The main thread's, taken where it is made: wakeUp() comes from other threads.
    QAbstractEventDispatcher* dispatcher_;
    struct WorkBeforeWaiting {
        void* context;
        QMetaObject::Connection connection;
    };
    std::vector<WorkBeforeWaiting> beforeWaiting_;
};

}  // namespace varnel
