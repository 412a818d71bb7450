#pragma once

#include "engine/task.h"

namespace varnel {

// The main thread's queue of work for later. Tasks run on the main thread, in the order
// they were queued, after the code that queued them has returned; a delayed task runs once
// its delay has passed. Tasks hold their targets weakly and do nothing once they are gone.
class MainQueue {
  public:
    using Task = varnel::Task;

    virtual ~MainQueue() = default;
    virtual void async(Task task) = 0;
    virtual void asyncAfter(double seconds, Task task) = 0;
};

}  // namespace varnel
