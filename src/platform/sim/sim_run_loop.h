#pragma once

#include "platform/sim/manual_main_queue.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_event_system.h"

namespace varnel {

// The simulated main run loop: events posted outside a tap callback and the main queue's
// tasks, interleaved as on a Mac where a person acts far slower than the queue drains. The
// main thread may be busy for a while: its queue then waits, and so do taps on its run loop,
// while a tap on a thread of its own goes on.
class SimRunLoop {
  public:
    SimRunLoop(SimClock& clock, SimEventSystem& events, ManualMainQueue& queue)
        : clock_(clock), events_(events), queue_(queue) {}

    // Delivers whatever was posted and, unless the main thread is busy, runs every due task,
    // the events each task posts delivered before the next runs, until nothing is left.
    void settle();
    // Moves the clock on by `seconds`, running delayed tasks in order as they fall due. Notices
    // of taps the system disabled `later` arrive first; the main thread catches up with its
    // work the moment it is no longer busy.
    void wait(double seconds);
    // The main thread is occupied for `seconds` from now (the clock does not move by itself).
    void busy(double seconds);
    bool isMainBusy() const { return events_.isMainBusy(); }

  private:
    SimClock& clock_;
    SimEventSystem& events_;
    ManualMainQueue& queue_;
};

}  // namespace varnel
