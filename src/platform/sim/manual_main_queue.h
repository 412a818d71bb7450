#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/main_queue.h"
#include "platform/sim/sim_clock.h"

namespace varnel {

// The main queue of the simulated Mac: tasks run only when the test (or varnel-sim) runs
// them, in the order queued; a delayed task becomes due when the clock reaches its time.
class ManualMainQueue : public MainQueue {
  public:
    explicit ManualMainQueue(SimClock& clock) : clock_(clock) {}

    void async(Task task) override;
    void asyncAfter(double seconds, Task task) override;

    // Runs the first due task; false when none is due.
    bool runOne();
    // The time at which the earliest delayed task falls due.
    std::optional<double> nextDueTime() const;
    std::size_t pendingCount() const { return ready_.size() - readyHead_ + delayed_.size(); }
    // Forgets every task, as when the process that queued them ends.
    void clear();

  private:
    struct Delayed {
        double due;
        std::uint64_t order;
        Task task;
    };
    void releaseDue();

    SimClock& clock_;
    std::vector<Task> ready_;  // due, in order, from readyHead_ on; reused once emptied
    std::size_t readyHead_ = 0;
    std::vector<Delayed> delayed_;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace varnel
