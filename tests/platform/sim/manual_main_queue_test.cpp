#include "platform/sim/manual_main_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace varnel {
namespace {

class ManualMainQueueTest : public ::testing::Test {
  protected:
    void drain() {
        while (queue.runOne()) {
        }
    }
    // A task that logs its name, kept in a string on the heap: a task whose storage moved or
    // was freed while it ran would log garbage (or trip the address sanitizer).
    Task logging(std::string name) {
        return [this, name = name + " (a name long enough to live on the heap)"] {
            log.push_back(name.substr(0, name.find(' ')));
        };
    }

    SimClock clock;
    ManualMainQueue queue{clock};
    std::vector<std::string> log;
};

// Tasks run where they lie: what a running task does to the queue must neither move nor
// destroy it, and the order stays the order queued.
TEST_F(ManualMainQueueTest, ARunningTaskMayQueueRunAndClear) {
    queue.async([this] {
        for (int i = 0; i < 40; ++i) {  // the queue grows under the running task
            queue.async(logging("queued" + std::to_string(i)));
        }
        log.push_back("first");
    });
    queue.async(logging("second"));
    drain();
    ASSERT_EQ(log.size(), 42u);
    EXPECT_EQ(log[0], "first");
    EXPECT_EQ(log[1], "second");
    EXPECT_EQ(log[41], "queued39");

    // From inside a task, the queue runs the rest of its own turn and then what was queued.
    log.clear();
    queue.async([this] {
        queue.async(logging("later"));
        while (queue.runOne()) {
        }
        log.push_back("outer done");
    });
    queue.async(logging("same-turn"));
    drain();
    EXPECT_EQ(log, (std::vector<std::string>{"same-turn", "later", "outer done"}));

    // A task that clears the queue finishes; nothing it forgot runs.
    log.clear();
    queue.async([this, name = std::string(40, 'c')] {
        queue.clear();
        queue.async(logging("after-clear"));
        log.push_back(name.substr(0, 5));
    });
    queue.async(logging("forgotten"));
    queue.asyncAfter(0.1, logging("forgotten-later"));
    drain();
    clock.advanceTo(1);
    drain();
    EXPECT_EQ(log, (std::vector<std::string>{"ccccc", "after-clear"}));
    EXPECT_EQ(queue.pendingCount(), 0u);
}

// The work before waiting runs whenever nothing is due, after every task; what it queues runs
// before it runs again. It may remove itself, and clearing the queue forgets it.
TEST_F(ManualMainQueueTest, WorkBeforeWaitingRunsOnceNothingIsDue) {
    struct Waiter {
        ManualMainQueue& queue;
        std::vector<std::string>& log;
        int runs = 0;
        bool queueOnce = true;
        bool removeItself = false;
        static void run(void* context) {
            auto& self = *static_cast<Waiter*>(context);
            self.log.push_back("waiting " + std::to_string(++self.runs));
            if (std::exchange(self.queueOnce, false)) {
                self.queue.async([&log = self.log] { log.push_back("queued-by-waiting"); });
            }
            if (self.removeItself) {
                self.queue.removeBeforeWaiting(context);
            }
        }
    };
    Waiter waiter{queue, log};
    queue.addBeforeWaiting(&Waiter::run, &waiter);
    queue.async(logging("task"));
    drain();
    EXPECT_EQ(log,
              (std::vector<std::string>{"task", "waiting 1", "queued-by-waiting", "waiting 2"}));

    log.clear();
    waiter.removeItself = true;
    drain();
    drain();
    EXPECT_EQ(log, (std::vector<std::string>{"waiting 3"}));

    queue.addBeforeWaiting(&Waiter::run, &waiter);
    queue.clear();
    drain();
    EXPECT_EQ(waiter.runs, 3);
}

}  // namespace
}  // namespace varnel
