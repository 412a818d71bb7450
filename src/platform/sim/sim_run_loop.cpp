#include "platform/sim/sim_run_loop.h"

namespace varnel {

void SimRunLoop::settle() {
    do {
        events_.deliverPosted();
    } while (queue_.runOne() || events_.hasPosted());
}

void SimRunLoop::wait(double seconds) {
    const double target = clock_.now() + seconds;
    events_.deliverHeldNotices();
    settle();
    while (auto due = queue_.nextDueTime()) {
        if (*due > target) {
            break;
        }
        clock_.advanceTo(*due);
        settle();
    }
    clock_.advanceTo(target);
    settle();
}

}  // namespace varnel
