#pragma once

#include "engine/main_queue.h"

namespace varnel {

// The main queue on Qt's event loop: tasks posted to the application object, delayed ones
// through single-shot timers. On a Mac, Qt's loop is the main run loop.
class QtMainQueue : public MainQueue {
  public:
    void async(Task task) override;
    void asyncAfter(double seconds, Task task) override;
};

}  // namespace varnel
