#pragma once

#include "platform/sim/manual_main_queue.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_event_system.h"

namespace varnel {

// The simulated main run loop: events posted outside a tap callback and the main queue's
// tasks, interleaved as on a Mac where a person acts far slower than the queue drains.
class SimRunLoop {
  public:
    SimRunLoop(SimClock& clock, SimEventSystem& events, ManualMainQueue& queue)
        : clock_(clock), events_(events), queue_(queue) {}

    // Delivers whatever was posted and runs every due task, the events each task posts
    // delivered before the next runs, until nothing is left.
    void settle();
    // Moves the clock on by `seconds`, running delayed tasks in order as they fall due. The
    // main thread is free first: notices of taps the system disabled `later` arrive.
    void wait(double seconds);

  private:
    SimClock& clock_;
    SimEventSystem& events_;
    ManualMainQueue& queue_;
};

}  // namespace varnel
