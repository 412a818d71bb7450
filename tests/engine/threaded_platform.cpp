#include "threaded_platform.h"

#include <algorithm>

#include "model/flags.h"

namespace varnel {

namespace {

struct ModifierKey {
    std::uint16_t keyCode;
    std::uint64_t bits;  // the modifier's bit and the key's device bit
};
constexpr ModifierKey modifierKeys[] = {
    {59, Flags::control | Flags::leftControl},  {56, Flags::shift | Flags::leftShift},
    {58, Flags::option | Flags::leftOption},    {55, Flags::command | Flags::leftCommand},
    {62, Flags::control | Flags::rightControl}, {54, Flags::command | Flags::rightCommand},
};
// Letters, Tab, Escape, Space, the arrows, Home, F5: keys the rules and layouts care for.
constexpr std::uint16_t plainKeys[] = {0, 1, 7, 8, 9, 12, 37, 48, 49, 53, 96, 115, 123, 124};

// The modifiers of the keys down, as the keyboard reports them: a modifier's bit stays while
// either of its keys is down.
std::uint64_t flagsOf(const std::vector<std::uint16_t>& downKeys) {
    std::uint64_t flags = 0;
    for (const ModifierKey& key : modifierKeys) {
        if (std::find(downKeys.begin(), downKeys.end(), key.keyCode) != downKeys.end()) {
            flags |= key.bits;
        }
    }
    return flags;
}

const ModifierKey* modifierKey(std::int64_t keyCode) {
    for (const ModifierKey& key : modifierKeys) {
        if (key.keyCode == keyCode) {
            return &key;
        }
    }
    return nullptr;
}

}  // namespace

ThreadedPlatform::~ThreadedPlatform() {
    if (thread_.joinable()) {
        endTapThread(nullptr);
    }
}

TapThreadRef ThreadedPlatform::startTapThread() {
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this] { loop(); });
    tapThreadId_ = thread_.get_id();
    return reinterpret_cast<TapThreadRef>(this);
}

void ThreadedPlatform::runOnTapThread(TapThreadRef, void (*work)(void*), void* context) {
    bool done = false;
    std::unique_lock lock(mutex_);
    work_.push_back([&] {
        work(context);
        std::lock_guard guard(mutex_);
        done = true;
    });
    changed_.notify_all();
    changed_.wait(lock, [&done] { return done; });
}

void ThreadedPlatform::endTapThread(TapThreadRef) {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void ThreadedPlatform::releaseEverything() {
    struct Context {
        ThreadedPlatform* self;
    } context{this};
    runOnTapThread(
        nullptr,
        [](void* raw) {
            ThreadedPlatform& self = *static_cast<Context*>(raw)->self;
            self.typing_ = false;
            while (!self.downKeys_.empty()) {
                const std::uint16_t key = self.downKeys_.back();
                self.downKeys_.pop_back();
                if (modifierKey(key) != nullptr) {
                    self.held_ = flagsOf(self.downKeys_);
                    self.deliver({EventType::flagsChanged, key, 0, 0, self.held_});
                } else {
                    self.deliver({EventType::keyUp, key, 0, 0, self.held_});
                }
            }
        },
        &context);
}

void ThreadedPlatform::loop() {
    {
        std::lock_guard lock(mutex_);
        typing_ = true;
    }
    while (true) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !work_.empty() || ending_ || typing_; });
            if (!work_.empty()) {
                job = std::move(work_.front());
                work_.pop_front();
            } else if (ending_) {
                return;
            }
        }
        if (job) {
            job();
            changed_.notify_all();
        } else {
            feedOne();
        }
    }
}

// One physical event, as a person at the keyboard would make it, and all it caused.
void ThreadedPlatform::feedOne() {
    ++ticks_;
    ++physicalEvents_;
    const auto roll = random_() % 100;
    if (roll < 30) {  // a modifier pressed or let go
        const ModifierKey& key = modifierKeys[random_() % std::size(modifierKeys)];
        const bool down =
            std::find(downKeys_.begin(), downKeys_.end(), key.keyCode) == downKeys_.end();
        if (down) {
            downKeys_.push_back(key.keyCode);
        } else {
            std::erase(downKeys_, key.keyCode);
        }
        held_ = flagsOf(downKeys_);
        deliver({EventType::flagsChanged, key.keyCode, 0, 0, held_});
    } else if (roll < 95) {  // a key pressed or let go
        const std::uint16_t key = plainKeys[random_() % std::size(plainKeys)];
        const bool down = std::find(downKeys_.begin(), downKeys_.end(), key) == downKeys_.end();
        if (down) {
            downKeys_.push_back(key);
        } else {
            std::erase(downKeys_, key);
        }
        // From one keyboard or the other, as a MacBook's own and an external one.
        deliver({down ? EventType::keyDown : EventType::keyUp, key, 0, 0, held_,
                 static_cast<std::int64_t>(random_() % 2)});
    } else {  // a click: down, then up
        deliver({EventType::leftMouseDown, 0, 0, 0, held_});
        deliver({EventType::leftMouseUp, 0, 0, 0, held_});
    }
}

// Through every active tap that wants it, head first, then to the application; what the taps
// posted meanwhile follows, through the taps again.
void ThreadedPlatform::deliver(Event event) {
    bool dropped = false;
    for (const auto& tap : taps_) {
        if (!tap->enabled || !tap->inRunLoop || !tap->valid || !(tap->mask >> event.type & 1u)) {
            continue;
        }
        EventRef result =
            tap->callback(nullptr, event.type, reinterpret_cast<EventRef>(&event), tap->userInfo);
        if (result == nullptr) {
            dropped = true;
            break;
        }
    }
    if (!dropped) {
        receive(event);
    }
    std::vector<Event> posted;
    posted.swap(posted_);
    for (const Event& each : posted) {
        deliver(each);
    }
}

void ThreadedPlatform::receive(const Event& event) {
    if (event.type == EventType::flagsChanged) {
        // An application reads the modifier keys down from the flags, whichever key changed:
        // by their device bits.
        for (const ModifierKey& key : modifierKeys) {
            const std::uint64_t device = key.bits & ~Flags::modifiers;
            applicationDown_[key.keyCode] = (event.flags & device) != 0;
        }
    } else if (event.type == EventType::keyDown || event.type == EventType::keyUp) {
        if (event.keyCode >= 0 && event.keyCode < 128) {
            applicationDown_[static_cast<std::size_t>(event.keyCode)] =
                event.type == EventType::keyDown;
        }
    } else {
        return;  // mouse buttons leave no key down
    }
    applicationFlags_ = event.flags & Flags::modifiers;
}

std::size_t ThreadedPlatform::applicationKeysDown() const {
    return static_cast<std::size_t>(
        std::count(applicationDown_.begin(), applicationDown_.end(), true));
}

void ThreadedPlatform::onTapThreadOnly() {
    if (thread_.joinable() && std::this_thread::get_id() != tapThreadId_) {
        ++wrongThreadCalls_;
    }
}

TapRef ThreadedPlatform::createTap(TapLocation, TapPlacement, TapOptions, std::uint64_t eventMask,
                                   TapCallback callback, void* userInfo) {
    onTapThreadOnly();
    taps_.insert(taps_.begin(), std::make_unique<Tap>(Tap{callback, userInfo, eventMask}));
    return reinterpret_cast<TapRef>(taps_.front().get());
}

RunLoopSourceRef ThreadedPlatform::createRunLoopSource(TapRef tap) {
    return reinterpret_cast<RunLoopSourceRef>(tap);
}

void ThreadedPlatform::addToRunLoop(TapThreadRef, RunLoopSourceRef source) {
    onTapThreadOnly();
    reinterpret_cast<Tap*>(source)->inRunLoop = true;
}

void ThreadedPlatform::removeFromRunLoop(TapThreadRef, RunLoopSourceRef source) {
    onTapThreadOnly();
    reinterpret_cast<Tap*>(source)->inRunLoop = false;
}

void ThreadedPlatform::enableTap(TapRef tap, bool enable) {
    onTapThreadOnly();
    reinterpret_cast<Tap*>(tap)->enabled = enable;
}

void ThreadedPlatform::invalidateTap(TapRef tap) {
    onTapThreadOnly();
    reinterpret_cast<Tap*>(tap)->valid = false;
}

void ThreadedPlatform::releaseTap(TapRef tap) {
    onTapThreadOnly();
    std::erase_if(taps_,
                  [tap](const auto& each) { return each.get() == reinterpret_cast<Tap*>(tap); });
}

std::int64_t ThreadedPlatform::integerField(EventRef event, EventField field) {
    const Event& e = *reinterpret_cast<Event*>(event);
    switch (field) {
        case EventField::keyboardEventAutorepeat: return e.autorepeat;
        case EventField::keyboardEventKeycode: return e.keyCode;
        case EventField::eventSourceUserData: return e.userData;
        case EventField::keyboardEventKeyboardType: return e.keyboardType;
    }
    return 0;
}

void ThreadedPlatform::setIntegerField(EventRef event, EventField field, std::int64_t value) {
    Event& e = *reinterpret_cast<Event*>(event);
    switch (field) {
        case EventField::keyboardEventAutorepeat: e.autorepeat = value; break;
        case EventField::keyboardEventKeycode: e.keyCode = value; break;
        case EventField::eventSourceUserData: e.userData = value; break;
        case EventField::keyboardEventKeyboardType: e.keyboardType = value; break;
    }
}

std::uint64_t ThreadedPlatform::flags(EventRef event) {
    return reinterpret_cast<Event*>(event)->flags;
}

void ThreadedPlatform::setFlags(EventRef event, std::uint64_t flags) {
    reinterpret_cast<Event*>(event)->flags = flags;
}

EventRef ThreadedPlatform::createKeyboardEvent(EventSourceRef, std::uint16_t keyCode,
                                               bool keyDown) {
    onTapThreadOnly();
    ++liveEvents_;
    const bool modifier = keyCode >= 54 && keyCode <= 63;
    return reinterpret_cast<EventRef>(new Event{
        modifier ? EventType::flagsChanged : (keyDown ? EventType::keyDown : EventType::keyUp),
        keyCode});
}

void ThreadedPlatform::postEvent(TapLocation, EventRef event) {
    onTapThreadOnly();
    posted_.push_back(*reinterpret_cast<Event*>(event));
}

void ThreadedPlatform::releaseEvent(EventRef event) {
    --liveEvents_;
    delete reinterpret_cast<Event*>(event);
}

}  // namespace varnel
