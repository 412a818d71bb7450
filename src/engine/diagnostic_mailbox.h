#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "engine/description_cache.h"
#include "engine/diagnostic_facts.h"
#include "engine/main_queue.h"
#include "engine/spin_lock.h"
#include "engine/task.h"
#include "model/diagnostic_snapshot.h"

namespace varnel {

// What the engine's tap thread has for the main thread, kept until the main thread has run
// what was due and is about to wait: the diagnostics' facts, which the tap publishes whole
// after each event, and work posted from the tap (a report to the owner, the removal of a tap
// retired inside its callback). Nothing here is queued on the main queue, whose tasks may
// allocate and lock. Before waiting, the engine runs the posted work in order, then delivers
// the live facts rendered as they are then, so the owner sees the latest event and exact
// counters once a turn of the loop. A report holds back the facts of its moment for a delivery
// just before it: the owner hears of everything in the order it happened.
//
// The tap's side (changed, post, postReport) and the main thread's side (the rest) meet under a
// spin lock that either holds only to copy or move a few bytes; the tap's first word after a
// delivery wakes the main thread, which otherwise might sleep on while the tap works.
class DiagnosticMailbox {
  public:
    struct Posted {
        Task work;
        bool deliverFirst = false;  // `facts` go to the owner before the work runs
        DiagnosticFacts facts;
    };

    explicit DiagnosticMailbox(MainQueue& mainQueue);

    // Tap side. The facts after an event, published whole.
    void changed(const DiagnosticFacts& facts) {
        {
            std::lock_guard guard(lock_);
            live_ = facts;
            waiting_ = true;
        }
        wakeMainThread();
    }
    void post(Task work) {
        {
            std::lock_guard guard(lock_);
            posted_.push_back({std::move(work), false, {}});
        }
        wakeMainThread();
    }
    // A report: after the facts of `now`, if they changed since they were last delivered.
    void postReport(Task work, const DiagnosticFacts& now) {
        {
            std::lock_guard guard(lock_);
            const bool changedSince = std::exchange(waiting_, false);
            posted_.push_back({std::move(work), changedSince, now});
        }
        wakeMainThread();
    }

    // Main side. Called first thing before waiting: whether the tap has said anything since
    // the last call. False spares the lock below: a word the tap is still saying wakes the
    // main thread again.
    bool awake() {
        if (!wakeRequested_.load(std::memory_order_relaxed)) {
            return false;
        }
        wakeRequested_.store(false, std::memory_order_relaxed);
        return true;
    }
    enum class Due : std::uint8_t { nothing, posted, live };
    // What to take first: posted work, else the live facts (into `facts`) when they changed
    // since they were last taken. One lock for the common turn, a key and no report.
    Due takeDue(DiagnosticFacts& facts) {
        std::lock_guard guard(lock_);
        if (!posted_.empty()) {
            return Due::posted;
        }
        if (!waiting_) {
            return Due::nothing;
        }
        waiting_ = false;
        facts = live_;
        return Due::live;
    }
    bool hasPosted() {
        std::lock_guard guard(lock_);
        return !posted_.empty();
    }
    // The oldest work posted, taken out; what is posted while it runs comes after it.
    Posted takePosted();
    // The snapshot of `facts` (held back or live), rewriting only the texts whose facts changed
    // since the last one. Valid until the next call. Main thread only.
    const DiagnosticSnapshot& render(const DiagnosticFacts& facts) {
        facts.render(snapshot_, shown_, descriptions_);
        return snapshot_;
    }

  private:
    // Once between two turns of the main thread. Plain loads and stores of the flag suffice,
    // with no exchange on either side: each side looks at it only after its own last turn of
    // lock_, and the lock orders the two. A word said under the lock before the main thread's
    // turn of it is taken in that turn; one said after sees the flag cleared and wakes it.
    void wakeMainThread() {
        if (!wakeRequested_.load(std::memory_order_relaxed)) {
            wakeRequested_.store(true, std::memory_order_relaxed);
            mainQueue_.wakeUp();
        }
    }

    MainQueue& mainQueue_;
    SpinLock lock_;
    // Under lock_:
    bool waiting_ = false;        // the live facts changed since last taken
    DiagnosticFacts live_;        // as the tap last published them
    std::vector<Posted> posted_;  // from postedHead_ on, in the order posted
    std::size_t postedHead_ = 0;
    std::atomic<bool> wakeRequested_{false};
    // Main thread only:
    DiagnosticSnapshot snapshot_;  // the texts rendered last, reused
    DiagnosticFacts shown_;        // the facts snapshot_ shows
    DescriptionCache descriptions_;
};

}  // namespace varnel
