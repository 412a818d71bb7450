#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "engine/diagnostic_facts.h"
#include "model/diagnostic_snapshot.h"

namespace varnel {

// The engine's diagnostics on their way to the owner. The tap updates the facts in place and
// asks for a delivery only when none is waiting on the main queue; the delivery renders the
// facts as they are when it runs, so the owner sees the latest event and exact counters.
// When the engine queues another report while a delivery waits, the facts of that moment are
// held back for the waiting delivery: the owner hears of both in the order they happened.
class DiagnosticMailbox {
  public:
    DiagnosticMailbox();

    // The facts changed. True when no delivery is waiting: the caller queues one.
    bool changed() { return !std::exchange(waiting_, true); }
    // Another report is about to be queued: a waiting delivery keeps the facts of now.
    void holdBack(const DiagnosticFacts& now);
    // For the delivery running now, the oldest one queued: its snapshot, rendered from the
    // facts held back for it or else from `live`. Valid until the next call.
    const DiagnosticSnapshot& take(const DiagnosticFacts& live) {
        if (heldBack_.empty()) {  // emptied whenever the last held-back facts are taken
            waiting_ = false;
            live.render(snapshot_, shown_);
            return snapshot_;
        }
        takeHeldBack(/*render=*/true);
        return snapshot_;
    }
    // What take() does, for a delivery with nobody to hear it: nothing is rendered.
    void skip() {
        if (heldBack_.empty()) {
            waiting_ = false;
        } else {
            takeHeldBack(/*render=*/false);
        }
    }

  private:
    void takeHeldBack(bool render);

    bool waiting_ = false;                   // a delivery of the live facts is on the main queue
    std::vector<DiagnosticFacts> heldBack_;  // from heldBackHead_ on, one per waiting delivery
    std::size_t heldBackHead_ = 0;
    DiagnosticSnapshot snapshot_;  // the texts rendered last, reused
    DiagnosticFacts shown_;        // the facts snapshot_ shows
};

}  // namespace varnel
