#include "platform/sim/sim_event_system.h"

#include <algorithm>
#include <utility>

namespace varnel {

struct SimEventSystem::Tap {
    TapCallback callback;
    void* userInfo;
    std::uint64_t mask;
    bool enabled = true;  // a new tap is enabled, as on a Mac
    bool valid = true;
    bool released = false;
    bool inRunLoop = false;
    SimEventSystem::TapThread* thread = nullptr;  // whose run loop; the main one when null
    // A disabled notice waiting on the tap's port, and whether it waits for a free main
    // thread (disabled `later`) rather than the end of the current event.
    std::uint32_t pendingNotice = 0;
    bool noticeHeld = false;
    bool misused = false;  // reported once
};

struct SimEventSystem::Source {
    Tap* tap;
};

struct SimEventSystem::TapThread {
    bool ended = false;
};

namespace {

EventRef toRef(SimEvent* event) {
    return reinterpret_cast<EventRef>(event);
}
SimEvent& fromRef(EventRef event) {
    return *reinterpret_cast<SimEvent*>(event);
}

struct SimEventSource {};

KeyboardType layoutOf(std::int64_t keyboardType) {
    for (KeyboardType layout : {KeyboardType::iso, KeyboardType::jis}) {
        if (keyboardType == SimEventSystem::keyboardTypeOf(layout)) {
            return layout;
        }
    }
    return KeyboardType::ansi;
}

}  // namespace

SimEventSystem::SimEventSystem(SimClock& clock) : clock_(clock) {}

SimEventSystem::~SimEventSystem() = default;

TapThreadRef SimEventSystem::startTapThread() {
    if (failTapThreadCreation) {
        return nullptr;
    }
    threads_.push_back(std::make_unique<TapThread>());
    return reinterpret_cast<TapThreadRef>(threads_.back().get());
}

void SimEventSystem::runOnTapThread(TapThreadRef ref, void (*work)(void*), void* context) {
    auto* thread = reinterpret_cast<TapThread*>(ref);
    if (thread->ended && onMisuse) {
        onMisuse("work run on a tap thread that has ended");
    }
    if (inCallback_ != nullptr && inCallback_->thread == thread && onMisuse) {
        // On a Mac the callback would wait for itself for good.
        onMisuse("a tap's callback waited for its own thread");
    }
    work(context);
}

void SimEventSystem::endTapThread(TapThreadRef ref) {
    auto* thread = reinterpret_cast<TapThread*>(ref);
    for (const auto& tap : taps_) {
        if (tap->thread == thread && tap->inRunLoop && !tap->released) {
            misuse(*tap, "tap thread ended with a tap's source on its run loop");
        }
    }
    std::erase_if(threads_, [thread](const auto& t) { return t.get() == thread; });
}

std::size_t SimEventSystem::liveTapThreadCount() const {
    return threads_.size();
}

TapRef SimEventSystem::createTap(TapLocation, TapPlacement, TapOptions, std::uint64_t eventMask,
                                 TapCallback callback, void* userInfo) {
    if (tapAllowed && !tapAllowed()) {
        return nullptr;
    }
    // Without Accessibility the system clears the key events the process may not see from the
    // mask, and refuses the tap only when nothing is left: one that also asks for modifier
    // changes or mouse buttons is made, and never sees a key.
    if (!isProcessTrusted()) {
        eventMask &= ~(1ull << EventType::keyDown | 1ull << EventType::keyUp);
        if (eventMask == 0) {
            return nullptr;
        }
    }
    collectReleasedTaps();
    // Head placement: before every tap already there.
    taps_.insert(taps_.begin(), std::make_unique<Tap>(Tap{callback, userInfo, eventMask}));
    return reinterpret_cast<TapRef>(taps_.front().get());
}

RunLoopSourceRef SimEventSystem::createRunLoopSource(TapRef tap) {
    if (failRunLoopSourceCreation || tap == nullptr) {
        return nullptr;
    }
    sources_.push_back(std::make_unique<Source>(Source{reinterpret_cast<Tap*>(tap)}));
    return reinterpret_cast<RunLoopSourceRef>(sources_.back().get());
}

void SimEventSystem::misuse(Tap& tap, const char* what) {
    if (!tap.misused && onMisuse) {
        tap.misused = true;
        onMisuse(what);
    }
}

void SimEventSystem::addToRunLoop(TapThreadRef thread, RunLoopSourceRef source) {
    Tap& tap = *reinterpret_cast<Source*>(source)->tap;
    tap.inRunLoop = true;
    tap.thread = reinterpret_cast<TapThread*>(thread);
}

void SimEventSystem::removeFromRunLoop(TapThreadRef, RunLoopSourceRef source) {
    Tap& tap = *reinterpret_cast<Source*>(source)->tap;
    if (&tap == inCallback_) {
        misuse(tap, "tap torn down inside its own callback");
    } else if (tap.enabled && tap.valid) {
        // Nobody would service it: on a Mac the keyboard waits for it until it times out.
        misuse(tap, "run-loop source of an enabled tap removed");
    }
    tap.inRunLoop = false;
}

void SimEventSystem::enableTap(TapRef tap, bool enable) {
    reinterpret_cast<Tap*>(tap)->enabled = enable;
}

void SimEventSystem::invalidateTap(TapRef ref) {
    Tap& tap = *reinterpret_cast<Tap*>(ref);
    if (&tap == inCallback_) {
        misuse(tap, "tap torn down inside its own callback");
    }
    tap.valid = false;
    tap.pendingNotice = 0;  // its port is gone, and the message with it
}

void SimEventSystem::releaseTap(TapRef ref) {
    Tap& tap = *reinterpret_cast<Tap*>(ref);
    if (&tap == inCallback_) {
        misuse(tap, "tap torn down inside its own callback");
    }
    // Kept until no delivery walks the list.
    tap.released = true;
    tap.pendingNotice = 0;
    ++releasedTaps_;
}

void SimEventSystem::releaseRunLoopSource(RunLoopSourceRef source) {
    auto* raw = reinterpret_cast<Source*>(source);
    if (raw->tap == inCallback_) {
        misuse(*raw->tap, "tap torn down inside its own callback");
    }
    std::erase_if(sources_, [raw](const auto& s) { return s.get() == raw; });
}

void SimEventSystem::collectReleasedTaps() {
    if (deliveryDepth_ == 0 && releasedTaps_ != 0) {
        std::erase_if(taps_, [](const auto& tap) { return tap->released; });
        releasedTaps_ = 0;
    }
}

bool SimEventSystem::isServiced(const Tap& tap) const {
    return tap.valid && tap.inRunLoop && !tap.released;
}

bool SimEventSystem::isActive(const Tap& tap) const {
    return isServiced(tap) && tap.enabled;
}

std::size_t SimEventSystem::liveTapCount() const {
    return static_cast<std::size_t>(
        std::count_if(taps_.begin(), taps_.end(), [](const auto& tap) { return !tap->released; }));
}

std::size_t SimEventSystem::activeTapCount() const {
    return static_cast<std::size_t>(std::count_if(
        taps_.begin(), taps_.end(), [this](const auto& tap) { return isActive(*tap); }));
}

std::int64_t SimEventSystem::integerField(EventRef event, EventField field) {
    const SimEvent& e = fromRef(event);
    switch (field) {
        case EventField::keyboardEventAutorepeat: return e.autorepeat;
        case EventField::keyboardEventKeycode: return e.keyCode;
        case EventField::keyboardEventKeyboardType: return e.keyboardType;
        case EventField::eventSourceUserData: return e.userData;
    }
    return 0;
}

void SimEventSystem::setIntegerField(EventRef event, EventField field, std::int64_t value) {
    SimEvent& e = fromRef(event);
    switch (field) {
        case EventField::keyboardEventAutorepeat: e.autorepeat = value; break;
        case EventField::keyboardEventKeycode: e.keyCode = value; break;
        case EventField::keyboardEventKeyboardType: e.keyboardType = value; break;
        case EventField::eventSourceUserData: e.userData = value; break;
    }
}

KeyboardType SimEventSystem::keyboardLayoutType(std::int64_t keyboardType) {
    ++layoutQueries_;
    return layoutOf(keyboardType);
}

std::uint64_t SimEventSystem::flags(EventRef event) {
    return fromRef(event).flags;
}

void SimEventSystem::setFlags(EventRef event, std::uint64_t flags) {
    fromRef(event).flags = flags;
}

EventSourceRef SimEventSystem::createEventSource(EventSourceState) {
    if (failEventSourceCreation) {
        return nullptr;
    }
    ++liveSources_;
    return reinterpret_cast<EventSourceRef>(new SimEventSource);
}

void SimEventSystem::releaseEventSource(EventSourceRef source) {
    --liveSources_;
    delete reinterpret_cast<SimEventSource*>(source);
}

SimEvent* SimEventSystem::acquireEvent() {
    if (eventPool_.empty()) {
        return new SimEvent;
    }
    SimEvent* event = eventPool_.back().release();
    eventPool_.pop_back();
    return event;
}

EventRef SimEventSystem::createKeyboardEvent(EventSourceRef, std::uint16_t keyCode, bool keyDown) {
    if (failKeyboardEventCreation) {
        return nullptr;
    }
    SimEvent* event = acquireEvent();
    // As on a Mac, a modifier key makes a flags-changed event whatever the direction asked.
    const bool modifierKey = keyCode >= 54 && keyCode <= 63;
    event->type =
        modifierKey ? EventType::flagsChanged : (keyDown ? EventType::keyDown : EventType::keyUp);
    event->keyCode = keyCode;
    event->autorepeat = 0;
    event->keyboardType = lastKeyboardType_;
    event->userData = 0;
    event->flags = 0;
    event->text.clear();
    ++liveEvents_;
    return toRef(event);
}

void SimEventSystem::setUnicodeString(EventRef event, const char16_t* units, std::size_t count) {
    fromRef(event).text.assign(units, count);
}

void SimEventSystem::postEvent(TapLocation, EventRef event) {
    posted_.push_back(fromRef(event));
    ++postedTotal_;
}

void SimEventSystem::releaseEvent(EventRef event) {
    --liveEvents_;
    eventPool_.emplace_back(&fromRef(event));
}

EventRef SimEventSystem::call(Tap& tap, std::uint32_t type, EventRef event) {
    Tap* outer = std::exchange(inCallback_, &tap);
    EventRef result = tap.callback(nullptr, type, event, tap.userInfo);
    inCallback_ = outer;
    return result;
}

void SimEventSystem::deliver(SimEvent& event) {
    ++deliveryDepth_;
    bool dropped = false;
    // A password field has the keys to itself: no tap sees them.
    const bool hidden = (event.type == EventType::keyDown || event.type == EventType::keyUp) &&
                        secureInput && secureInput();
    for (std::size_t i = 0; i < taps_.size() && !dropped && !hidden; ++i) {
        Tap& tap = *taps_[i];
        // A disabled tap lets events pass untouched.
        if (!isActive(tap) || event.type >= 64 || !(tap.mask >> event.type & 1u)) {
            continue;
        }
        if (!waitForMainThread(tap)) {
            continue;
        }
        if (!isProcessTrusted()) {
            // An untrusted process's tap holds the event up until the system gives up on it.
            tap.enabled = false;
            tap.pendingNotice = EventType::tapDisabledByTimeout;
            tap.noticeHeld = false;
            maybeNotices_ = true;
            continue;
        }
        EventRef result = call(tap, event.type, toRef(&event));
        if (result == nullptr) {
            dropped = true;
        } else if (result != toRef(&event)) {
            event = fromRef(result);
        }
    }
    --deliveryDepth_;
    if (!dropped && onReceive) {
        onReceive({event.type, static_cast<std::uint16_t>(event.keyCode), event.flags, event.text,
                   event.userData, layoutOf(event.keyboardType)});
    }
}

bool SimEventSystem::waitForMainThread(Tap& tap) {
    if (tap.thread != nullptr || !isMainBusy()) {
        return true;  // its thread is free: no wait
    }
    const double wait = mainBusyUntil_ - clock_.now();
    if (wait > tapTimeoutSeconds) {
        // The system gives up on the tap; it hears of it once the main thread is free.
        tap.enabled = false;
        tap.pendingNotice = EventType::tapDisabledByTimeout;
        tap.noticeHeld = true;
        maybeNotices_ = true;
        longestKeyWait_ = std::max(longestKeyWait_, tapTimeoutSeconds);
        return false;
    }
    longestKeyWait_ = std::max(longestKeyWait_, wait);
    return true;
}

void SimEventSystem::inject(const SimEvent& event) {
    collectReleasedTaps();
    if (event.type == EventType::keyDown || event.type == EventType::keyUp ||
        event.type == EventType::flagsChanged) {
        lastKeyboardType_ = event.keyboardType;
    }
    SimEvent physical = event;
    deliver(physical);
    deliverPosted();
}

void SimEventSystem::deliverPosted() {
    if (deliveryDepth_ > 0) {
        return;  // the outer delivery goes on with them once the callback has returned
    }
    do {
        while (postedHead_ < posted_.size()) {
            SimEvent event = std::move(posted_[postedHead_++]);
            deliver(event);
        }
        deliverNotices(false);
    } while (postedHead_ < posted_.size());
    posted_.clear();
    postedHead_ = 0;
    collectReleasedTaps();
}

void SimEventSystem::deliverNotices(bool heldOnes) {
    if (!maybeNotices_) {
        return;
    }
    maybeNotices_ = std::any_of(taps_.begin(), taps_.end(),
                                [](const auto& tap) { return tap->pendingNotice != 0; });
    SimEvent noticeEvent;
    ++deliveryDepth_;
    for (std::size_t i = 0; i < taps_.size(); ++i) {
        Tap& tap = *taps_[i];
        // A message on the tap's port: it reaches the callback only while the port is serviced,
        // by a free thread.
        if (tap.pendingNotice == 0 || (tap.noticeHeld && !heldOnes) || !isServiced(tap) ||
            (tap.thread == nullptr && isMainBusy())) {
            continue;
        }
        noticeEvent.type = std::exchange(tap.pendingNotice, 0);
        call(tap, noticeEvent.type, toRef(&noticeEvent));
    }
    --deliveryDepth_;
}

void SimEventSystem::disableTapsBySystem(std::uint32_t notice, bool later) {
    for (const auto& tap : taps_) {
        if (isActive(*tap)) {
            tap->enabled = false;
            tap->pendingNotice = notice;
            tap->noticeHeld = later;
            maybeNotices_ = true;
        }
    }
    if (!later) {
        deliverNotices(false);
        deliverPosted();
    }
}

void SimEventSystem::deliverHeldNotices() {
    deliverNotices(true);
    deliverPosted();
}

bool SimEventSystem::hasHeldNotices() const {
    return std::any_of(taps_.begin(), taps_.end(), [this](const auto& tap) {
        return tap->pendingNotice != 0 && tap->noticeHeld && isServiced(*tap);
    });
}

}  // namespace varnel
