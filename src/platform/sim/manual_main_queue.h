#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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
    void addBeforeWaiting(BeforeWaiting work, void* context) override;
    void removeBeforeWaiting(void* context) override;
    // The simulated main thread runs its work before waiting whenever it has nothing due.
    void wakeUp() override {}

    // Runs the first due task. When none is due, the main thread would wait: the work done
    // before waiting runs instead, and the answer is whether it queued a task (false: the
    // queue has nothing more to do now). A task may queue tasks, run the queue itself or
    // clear it.
    bool runOne();
    // The time at which the earliest delayed task falls due.
    std::optional<double> nextDueTime() const;
    std::size_t pendingCount() const {
        return running_->size - runningHead_ + queued_->size + delayed_.size();
    }
    // Forgets every task and the work before waiting, as when the process that queued them
    // ends.
    void clear();

  private:
    // Tasks in a row of slots that only grows; a slot past `size`, or one whose task ran,
    // is empty, so that emptying the row is setting its size.
    struct Row {
        std::unique_ptr<Task[]> tasks;
        std::size_t size = 0;
        std::size_t capacity = 0;

        void push(Task&& task) {
            if (size == capacity) {
                grow();
            }
            // Made anew over an empty task, whose destructor does nothing.
            std::construct_at(&tasks[size++], std::move(task));
        }
        void grow();
    };
    struct Delayed {
        double due;
        std::uint64_t order;
        Task task;
    };
    void releaseDue();
    // A task run from inside another once the running row is used up: the first queued one,
    // since the row cannot be swapped out from under the task still running.
    bool runQueuedFromInsideATask();
    bool runBeforeWaiting();
    void dropEmptiedBeforeWaiting();

    SimClock& clock_;
    // Due tasks run where they lie, in running_ from runningHead_ on; what is queued
    // meanwhile goes to queued_, so the row holding a running task never moves. Once the
    // running row is used up, the two trade places (each keeps its storage).
    Row rows_[2];
    Row* running_ = &rows_[0];
    Row* queued_ = &rows_[1];  // due, in order, after every task left in running_
    std::size_t runningHead_ = 0;
    std::vector<Delayed> delayed_;
    std::uint64_t nextOrder_ = 0;
    int depth_ = 0;  // tasks running now, one inside another
    struct WorkBeforeWaiting {
        BeforeWaiting work;
        void* context;  // null once removed
    };
    std::vector<WorkBeforeWaiting> beforeWaiting_;
    bool runningBeforeWaiting_ = false;
    bool emptiedBeforeWaiting_ = false;  // an entry of beforeWaiting_ is null
};

}  // namespace varnel
