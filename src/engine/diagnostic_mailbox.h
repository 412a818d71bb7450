#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "engine/description_cache.h"
#include "engine/diagnostic_facts.h"
#include "engine/task.h"
#include "model/diagnostic_snapshot.h"

namespace varnel {

// What the engine has for its owner, kept until the main thread has run what was due and is
// about to wait: the diagnostics' facts, which the tap only updates in place and marks
// changed, and work posted from the tap (a report to the owner, the removal of a tap retired
// inside its callback). Nothing here is queued on the main queue, whose tasks may allocate
// and lock. Before waiting, the engine runs the posted work in order, then delivers the live
// facts rendered as they are then, so the owner sees the latest event and exact counters
// once a turn of the loop. A report holds back the facts of its moment for a delivery just
// before it: the owner hears of everything in the order it happened.
class DiagnosticMailbox {
  public:
    struct Posted {
        Task work;
        bool deliverFirst = false;  // `facts` go to the owner before the work runs
        DiagnosticFacts facts;
    };

    DiagnosticMailbox();

    // The facts changed: the tap's one store.
    void changed() { waiting_ = true; }
    void post(Task work) { posted_.push_back({std::move(work), false, {}}); }
    // A report: after the facts of `now`, if they changed since they were last delivered.
    void postReport(Task work, const DiagnosticFacts& now) {
        const bool changedSince = std::exchange(waiting_, false);
        posted_.push_back({std::move(work), changedSince, now});
    }

    // The row is emptied as its last work is taken.
    bool hasPosted() const { return !posted_.empty(); }
    // The oldest work posted, taken out; what it posts while it runs comes after it.
    Posted takePosted();

    // The live facts changed since they were last delivered (run what was posted first).
    bool liveDue() const { return waiting_; }
    void liveDelivered() { waiting_ = false; }
    // The snapshot of `facts` (held back or live), rewriting only the texts whose facts changed
    // since the last one. Valid until the next call.
    const DiagnosticSnapshot& render(const DiagnosticFacts& facts) {
        facts.render(snapshot_, shown_, descriptions_);
        return snapshot_;
    }

  private:
    bool waiting_ = false;        // the live facts changed since last delivered
    std::vector<Posted> posted_;  // from postedHead_ on, in the order posted
    std::size_t postedHead_ = 0;
    DiagnosticSnapshot snapshot_;  // the texts rendered last, reused
    DiagnosticFacts shown_;        // the facts snapshot_ shows
    DescriptionCache descriptions_;
};

}  // namespace varnel
