#include "engine/diagnostic_mailbox.h"

namespace varnel {

DiagnosticMailbox::DiagnosticMailbox(MainQueue& mainQueue) : mainQueue_(mainQueue) {
    // Room for the work that can follow one another before the main thread waits (a language
    // switch and its snapshot, a stop and the tap's removal), so that posting allocates
    // nothing.
    posted_.reserve(8);
}

DiagnosticMailbox::Posted DiagnosticMailbox::takePosted() {
    std::lock_guard guard(lock_);
    Posted posted = std::move(posted_[postedHead_++]);
    if (postedHead_ == posted_.size()) {  // all taken: the row starts again, keeping its room
        posted_.clear();
        postedHead_ = 0;
    }
    return posted;
}

}  // namespace varnel
