#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/diagnostic_facts.h"
#include "model/diagnostic_snapshot.h"

namespace varnel {

// The engine's diagnostics on their way to the owner. The tap only updates the facts in
// place and marks them changed; the main thread delivers them when it has run what was due
// and is about to wait, rendered as they are then, so the owner sees the latest event and
// exact counters, once a turn of the loop. When the engine queues a report, the facts of that
// moment are held back for a delivery queued just before it, and the live facts wait until
// every such report has run: the owner hears of both in the order they happened.
class DiagnosticMailbox {
  public:
    DiagnosticMailbox();

    // The facts changed: the tap's one store.
    void changed() { waiting_ = true; }
    // A report is about to be queued. True when facts are waiting: they are held back, and the
    // caller queues a delivery of them before the report.
    bool holdBack(const DiagnosticFacts& now) {
        ++reportsQueued_;
        if (!std::exchange(waiting_, false)) {
            return false;
        }
        heldBack_.push_back(now);
        return true;
    }
    // A report queued after holdBack() is running.
    void reportRuns() { --reportsQueued_; }
    // The live facts are due before the main thread waits: they changed, and nothing queued
    // before the change is still to be heard.
    bool liveDue() const { return waiting_ && reportsQueued_ == 0 && heldBack_.empty(); }

    // For the delivery running now (the one before waiting, or a held-back one): its
    // snapshot, rendered from the oldest facts held back or else from `live`. Valid until the
    // next call.
    const DiagnosticSnapshot& take(const DiagnosticFacts& live) {
        if (heldBack_.empty()) {  // emptied whenever the last held-back facts are taken
            waiting_ = false;
            live.render(snapshot_, shown_, descriptions_);
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

    bool waiting_ = false;                   // the live facts changed since last delivered
    std::uint32_t reportsQueued_ = 0;        // reports queued and not yet run
    std::vector<DiagnosticFacts> heldBack_;  // from heldBackHead_ on, one per queued delivery
    std::size_t heldBackHead_ = 0;
    DiagnosticSnapshot snapshot_;  // the texts rendered last, reused
    DiagnosticFacts shown_;        // the facts snapshot_ shows
    DescriptionCache descriptions_;
};

}  // namespace varnel
