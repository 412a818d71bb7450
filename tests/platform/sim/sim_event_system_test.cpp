#include "platform/sim/sim_event_system.h"

#include <gtest/gtest.h>

#include "model/flags.h"
#include "platform/sim/sim_mouse.h"
#include "platform/sim/sim_run_loop.h"

namespace varnel {
namespace {

// A tap that records what it saw, posts an event for every key-down and drops key code 7.
struct RecordingTap {
    SimEventSystem* events;
    std::vector<std::string>* log;
    const char* name;

    static EventRef callback(void*, std::uint32_t type, EventRef event, void* userInfo) {
        auto& self = *static_cast<RecordingTap*>(userInfo);
        const auto key = self.events->integerField(event, EventField::keyboardEventKeycode);
        self.log->push_back(std::string(self.name) + " " + std::to_string(type) + ":" +
                            std::to_string(key));
        if (type == EventType::keyDown && key < 100) {
            EventRef posted =
                self.events->createKeyboardEvent(nullptr, std::uint16_t(key + 100), true);
            self.events->postEvent(TapLocation::hid, posted);
            self.events->releaseEvent(posted);
            self.log->push_back(std::string(self.name) + " posted");
        }
        return key == 7 ? nullptr : event;
    }

    // On the main run loop, or on `thread`'s.
    TapRef install(TapThreadRef thread = nullptr) {
        TapRef tap =
            events->createTap(TapLocation::session, TapPlacement::headInsert,
                              TapOptions::activeFilter, keyboardEventMask, &callback, this);
        events->addToRunLoop(thread, events->createRunLoopSource(tap));
        return tap;
    }
};

class SimEventSystemTest : public ::testing::Test {
  protected:
    SimEventSystemTest() {
        events.onReceive = [this](const ReceivedEvent& e) {
            log.push_back("app " + std::to_string(e.type) + ":" + std::to_string(e.keyCode));
        };
    }
    void inject(std::uint32_t type, std::uint16_t key) {
        SimEvent event;
        event.type = type;
        event.keyCode = key;
        events.inject(event);
    }
    SimClock clock;
    SimEventSystem events{clock};
    ManualMainQueue queue{clock};
    std::vector<std::string> log;
};

TEST_F(SimEventSystemTest, PostedEventsTravelAfterTheCallbackReturns) {
    RecordingTap first{&events, &log, "first"};
    RecordingTap second{&events, &log, "second"};
    first.install();
    second.install();  // at the head: sees events before the first
    inject(EventType::keyDown, 1);
    EXPECT_EQ(
        log, (std::vector<std::string>{"second 10:1", "second posted", "first 10:1", "first posted",
                                       "app 10:1", "second 10:101", "first 10:101", "app 10:101",
                                       "second 10:101", "first 10:101", "app 10:101"}));
    log.clear();
    inject(EventType::keyUp, 7);  // dropped by the head tap
    EXPECT_EQ(log, (std::vector<std::string>{"second 11:7"}));
}

TEST_F(SimEventSystemTest, DisabledTapsLetEventsPassUntouched) {
    RecordingTap tap{&events, &log, "tap"};
    TapRef ref = tap.install();
    events.disableTapsBySystem(EventType::tapDisabledByTimeout);
    EXPECT_EQ(log, (std::vector<std::string>{"tap 4294967294:0"}));
    log.clear();
    inject(EventType::keyUp, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"app 11:7"}));
    events.enableTap(ref, true);
    events.invalidateTap(ref);
    log.clear();
    inject(EventType::keyUp, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"app 11:7"}));
}

TEST_F(SimEventSystemTest, NoticesOfALaterDisableWaitForAFreeMainThread) {
    RecordingTap tap{&events, &log, "tap"};
    tap.install();
    events.disableTapsBySystem(EventType::tapDisabledByUserInput, /*later=*/true);
    inject(EventType::keyUp, 7);  // the tap would drop it: it is off, and never sees it
    EXPECT_EQ(log, (std::vector<std::string>{"app 11:7"}));
    EXPECT_TRUE(events.hasHeldNotices());
    log.clear();
    SimRunLoop(clock, events, queue).wait(0.1);
    EXPECT_EQ(log, (std::vector<std::string>{"tap 4294967295:0"}));
    EXPECT_FALSE(events.hasHeldNotices());
}

TEST_F(SimEventSystemTest, OnlyATapOnTheBusyMainThreadMakesKeysWait) {
    struct Case {
        bool ownThread;
        double busySeconds;
        bool tapSeesKey;
        double longestWait;
    } cases[] = {
        {false, 0.5, true, 0.5},  // waits for the main thread, then goes through the tap
        {false, 2.0, false, SimEventSystem::tapTimeoutSeconds},  // the system gives up on it
        {true, 2.0, true, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "own thread " << c.ownThread << ", busy " << c.busySeconds);
        SimClock clock;
        SimEventSystem system(clock);
        std::vector<std::string> seen;
        RecordingTap tap{&system, &seen, "tap"};
        tap.install(c.ownThread ? system.startTapThread() : nullptr);
        system.setMainBusyUntil(c.busySeconds);
        SimEvent event;
        event.type = EventType::keyUp;
        event.keyCode = 7;
        system.inject(event);
        EXPECT_EQ(seen.size(), c.tapSeesKey ? 1u : 0u);
        EXPECT_DOUBLE_EQ(system.longestKeyWait(), c.longestWait);
        EXPECT_EQ(system.hasHeldNotices(), !c.tapSeesKey);
    }
}

TEST_F(SimEventSystemTest, AnUntrustedProcesssTapStallsAtEveryReEnable) {
    RecordingTap tap{&events, &log, "tap"};
    TapRef ref = tap.install();
    bool trusted = false;
    events.processTrusted = [&] { return trusted; };
    EXPECT_FALSE(events.isProcessTrusted());
    for (int round = 0; round < 2; ++round) {
        log.clear();
        inject(EventType::keyUp, 7);  // held up, then passed on unchanged; the notice follows
        inject(EventType::keyUp, 7);  // the tap is off now
        EXPECT_EQ(log, (std::vector<std::string>{"app 11:7", "tap 4294967294:0", "app 11:7"}));
        events.enableTap(ref, true);
    }
    trusted = true;
    log.clear();
    inject(EventType::keyUp, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"tap 11:7"}));
}

// Without Accessibility the system takes the key downs and ups out of a new tap's mask, and
// refuses the tap only when nothing is left: one that also asks for modifier changes is made.
TEST_F(SimEventSystemTest, AnUntrustedProcessGetsATapThatSeesNoKey) {
    bool trusted = false;
    events.processTrusted = [&] { return trusted; };
    const std::uint64_t keys = 1ull << EventType::keyDown | 1ull << EventType::keyUp;
    EXPECT_EQ(events.createTap(TapLocation::session, TapPlacement::headInsert,
                               TapOptions::activeFilter, keys, &RecordingTap::callback, nullptr),
              nullptr);
    RecordingTap tap{&events, &log, "tap"};
    ASSERT_NE(tap.install(), nullptr);
    trusted = true;  // granted later: the tap keeps the mask it was made with
    inject(EventType::keyUp, 7);
    inject(EventType::flagsChanged, 56);
    EXPECT_EQ(log, (std::vector<std::string>{"app 11:7", "tap 12:56", "app 12:56"}));
}

TEST_F(SimEventSystemTest, ModifierKeysMakeFlagsChangedEvents) {
    for (std::uint16_t key : {0, 53, 54, 59, 63, 64}) {
        for (bool down : {true, false}) {
            EventRef event = events.createKeyboardEvent(nullptr, key, down);
            events.postEvent(TapLocation::hid, event);
            events.releaseEvent(event);
        }
    }
    events.deliverPosted();
    EXPECT_EQ(log, (std::vector<std::string>{"app 10:0", "app 11:0", "app 10:53", "app 11:53",
                                             "app 12:54", "app 12:54", "app 12:59", "app 12:59",
                                             "app 12:63", "app 12:63", "app 10:64", "app 11:64"}));
    EXPECT_EQ(events.liveEventCount(), 0u);
}

TEST_F(SimEventSystemTest, SecureInputHidesKeysFromEveryTapButNotModifierChanges) {
    RecordingTap tap{&events, &log, "tap"};
    tap.install();
    bool secure = true;
    events.secureInput = [&] { return secure; };
    inject(EventType::keyDown, 7);
    inject(EventType::keyUp, 7);
    inject(EventType::flagsChanged, 59);
    EXPECT_EQ(log, (std::vector<std::string>{"app 10:7", "app 11:7", "tap 12:59", "app 12:59"}));
    secure = false;
    log.clear();
    inject(EventType::keyUp, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"tap 11:7"}));
}

// Mouse buttons reach only a tap whose mask asks for them, under the modifiers held.
TEST(SimMouse, ButtonsUnderTheModifiersHeldReachTapsThatAskForThem) {
    SimClock clock;
    SimEventSystem events(clock);
    SimKeyboard keyboard(events);
    SimMouse mouse(events, keyboard);
    std::vector<std::pair<std::uint32_t, std::uint64_t>> received;
    events.onReceive = [&](const ReceivedEvent& e) { received.emplace_back(e.type, e.flags); };
    int seen = 0;
    const TapCallback count = [](void*, std::uint32_t, EventRef event, void* userInfo) {
        ++*static_cast<int*>(userInfo);
        return event;
    };
    events.addToRunLoop(nullptr, events.createRunLoopSource(events.createTap(
                                     TapLocation::session, TapPlacement::headInsert,
                                     TapOptions::activeFilter, keyboardEventMask, count, &seen)));
    keyboard.press(62);  // right Control
    received.clear();
    mouse.click(SimMouse::Button::left);
    mouse.drag(SimMouse::Button::other);
    const std::uint64_t rightControl = Flags::control | Flags::rightControl;
    EXPECT_EQ(received, (std::vector<std::pair<std::uint32_t, std::uint64_t>>{
                            {EventType::leftMouseDown, rightControl},
                            {EventType::leftMouseUp, rightControl},
                            {EventType::otherMouseDown, rightControl},
                            {EventType::otherMouseDragged, rightControl},
                            {EventType::otherMouseUp, rightControl},
                        }));
    EXPECT_EQ(seen, 1);  // the Control key only
    events.addToRunLoop(
        nullptr, events.createRunLoopSource(events.createTap(
                     TapLocation::session, TapPlacement::headInsert, TapOptions::activeFilter,
                     mouseButtonEventMask, count, &seen)));
    mouse.click(SimMouse::Button::right);
    EXPECT_EQ(seen, 3);
}

// Tearing a tap down from inside its own callback relies on what a Mac does not promise;
// taking an enabled tap off the run loop leaves the keyboard waiting for it.
struct TearingTap {
    SimEventSystem* events;
    TapRef tap = nullptr;
    RunLoopSourceRef source = nullptr;
    bool tearDownInside = false;

    static EventRef callback(void*, std::uint32_t, EventRef event, void* userInfo) {
        auto& self = *static_cast<TearingTap*>(userInfo);
        self.events->enableTap(self.tap, false);
        if (self.tearDownInside) {
            self.tearDown();
        }
        return event;
    }
    void tearDown() {
        events->removeFromRunLoop(nullptr, source);
        events->invalidateTap(tap);
        events->releaseRunLoopSource(source);
        events->releaseTap(tap);
    }
};

TEST_F(SimEventSystemTest, TearDownsAMacDoesNotAllowAreReported) {
    struct Case {
        bool insideCallback;
        bool disableFirst;
        std::vector<std::string> misuses;
    };
    const Case cases[] = {
        {true, true, {"tap torn down inside its own callback"}},
        {false, false, {"run-loop source of an enabled tap removed"}},
        {false, true, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> misuses;
        events.onMisuse = [&](const std::string& what) { misuses.push_back(what); };
        TearingTap tearing{&events};
        tearing.tearDownInside = c.insideCallback;
        tearing.tap = events.createTap(TapLocation::session, TapPlacement::headInsert,
                                       TapOptions::activeFilter, keyboardEventMask,
                                       &TearingTap::callback, &tearing);
        tearing.source = events.createRunLoopSource(tearing.tap);
        events.addToRunLoop(nullptr, tearing.source);
        if (c.insideCallback) {
            inject(EventType::keyDown, 1);
        } else {
            if (c.disableFirst) {
                events.enableTap(tearing.tap, false);
            }
            tearing.tearDown();
        }
        EXPECT_EQ(misuses, c.misuses) << c.insideCallback << c.disableFirst;
        EXPECT_EQ(events.liveTapCount(), 0u);
    }
}

TEST(SimRunLoop, RunsTasksInOrderAndDelayedOnesWhenDue) {
    SimClock clock;
    SimEventSystem events(clock);
    ManualMainQueue queue(clock);
    SimRunLoop loop(clock, events, queue);
    std::vector<std::string> ran;
    queue.asyncAfter(0.7, [&] { ran.push_back("late"); });
    queue.asyncAfter(0.5, [&] { ran.push_back("early"); });
    queue.async([&] {
        ran.push_back("first");
        queue.async([&] { ran.push_back("queued meanwhile"); });
    });
    loop.settle();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "queued meanwhile"}));
    loop.wait(0.6);
    EXPECT_EQ(ran.back(), "early");
    EXPECT_DOUBLE_EQ(clock.now(), 0.6);
    loop.wait(0.1);
    EXPECT_EQ(ran.back(), "late");
    EXPECT_EQ(queue.pendingCount(), 0u);
}

}  // namespace
}  // namespace varnel
