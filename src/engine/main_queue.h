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

    // Work the main thread does each time it has run what was due and is about to wait for
    // more (a run loop's "before waiting"). For state that changes faster than anyone reads
    // it: the code that changes it queues nothing and allocates nothing, and the reader hears
    // of it once a turn of the loop. One piece of work per context; both calls are made on
    // the main thread, and the work is removed before its context goes.
    using BeforeWaiting = void (*)(void* context);
    virtual void addBeforeWaiting(BeforeWaiting work, void* context) = 0;
    virtual void removeBeforeWaiting(void* context) = 0;
    // Wakes the main thread if it waits, so that it soon runs its work before waiting again:
    // how the tap's thread has the main thread deliver what it left. Callable from any thread;
    // never blocks, never allocates.
    virtual void wakeUp() = 0;
};

}  // namespace varnel
