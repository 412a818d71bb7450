#include "engine/diagnostic_mailbox.h"

#include "model/key_names.h"

namespace varnel {

DiagnosticMailbox::DiagnosticMailbox() {
    // Room for the reports that can follow one another before the main queue runs (a
    // language switch and its snapshot, a stop), so that holding back allocates nothing.
    heldBack_.reserve(8);
    snapshot_.lastPhysicalKey.reserve(KeyNames::descriptionRoom);
    snapshot_.lastTransformedAction.reserve(KeyNames::descriptionRoom);
}

// Held-back deliveries run in the order queued, and the live facts wait for them: while facts
// are held back, the delivery running is one they were held for.
void DiagnosticMailbox::takeHeldBack(bool render) {
    const DiagnosticFacts& facts = heldBack_[heldBackHead_++];
    if (render) {
        facts.render(snapshot_, shown_, descriptions_);
    }
    if (heldBackHead_ == heldBack_.size()) {
        heldBack_.clear();
        heldBackHead_ = 0;
    }
}

}  // namespace varnel
