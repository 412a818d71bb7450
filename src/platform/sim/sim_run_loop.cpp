#include "platform/sim/sim_run_loop.h"

namespace varnel {

void SimRunLoop::settle() {
    do {
        events_.deliverPosted();
    } while (!isMainBusy() && (queue_.runOne() || events_.hasPosted()));
}

void SimRunLoop::busy(double seconds) {
    events_.setMainBusyUntil(clock_.now() + seconds);
}

void SimRunLoop::wait(double seconds) {
    const double target = clock_.now() + seconds;
    events_.deliverHeldNotices();
    settle();
    // Each moment something happens on the main thread: it is free again, or a task falls due.
    while (true) {
        const std::optional<double> next =
            isMainBusy() ? std::optional(events_.mainBusyUntil()) : queue_.nextDueTime();
        if (!next || *next > target) {
            break;
        }
        clock_.advanceTo(*next);
        events_.deliverHeldNotices();  // those that waited for the main thread, now free
        settle();
    }
    clock_.advanceTo(target);
    settle();
}

}  // namespace varnel
