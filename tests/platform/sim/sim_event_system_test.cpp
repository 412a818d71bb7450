#include "platform/sim/sim_event_system.h"

#include <gtest/gtest.h>

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

    TapRef install() {
        TapRef tap =
            events->createTap(TapLocation::session, TapPlacement::headInsert,
                              TapOptions::activeFilter, keyboardEventMask, &callback, this);
        events->addToMainRunLoop(events->createRunLoopSource(tap));
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

TEST_F(SimEventSystemTest, ConstructedEventsKeepTheirTypeWhateverTheKey) {
    EventRef event = events.createKeyboardEvent(nullptr, 59, false);
    events.postEvent(TapLocation::hid, event);
    events.releaseEvent(event);
    events.deliverPosted();
    EXPECT_EQ(log, (std::vector<std::string>{"app 11:59"}));
    EXPECT_EQ(events.liveEventCount(), 0u);
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
