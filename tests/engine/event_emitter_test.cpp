#include "engine/event_emitter.h"

#include <gtest/gtest.h>

#include "engine/keyboard_engine.h"
#include "model/flags.h"
#include "platform/sim/sim_event_system.h"
#include "platform/sim/sim_key_names.h"

namespace varnel {
namespace {

using Lines = std::vector<std::string>;
using Modifier = EventEmitter::Modifier;

// A tap of the test's own that records the marker of every event passing it.
EventRef recordMarker(void*, std::uint32_t, EventRef event, void* userInfo) {
    auto& self = *static_cast<std::pair<SimEventSystem*, std::vector<std::int64_t>*>*>(userInfo);
    self.second->push_back(self.first->integerField(event, EventField::eventSourceUserData));
    return event;
}

class EmitterTest : public ::testing::Test {
  protected:
    EmitterTest() {
        events.onReceive = [this](const ReceivedEvent& e) {
            received.push_back(SimKeyNames::describe(e));
        };
        TapRef tap = events.createTap(TapLocation::session, TapPlacement::headInsert,
                                      TapOptions::activeFilter, keyboardEventMask, &recordMarker,
                                      &markerTap);
        events.addToRunLoop(nullptr, events.createRunLoopSource(tap));
    }
    Lines posted() {
        events.deliverPosted();
        return std::exchange(received, {});
    }

    SimClock clock;
    SimEventSystem events{clock};
    std::vector<std::int64_t> markers;
    std::pair<SimEventSystem*, std::vector<std::int64_t>*> markerTap{&events, &markers};
    std::optional<EventEmitter> emitter{std::in_place, events};
    Lines received;
};

TEST_F(EmitterTest, ChordPressesOnlyTheModifiersNotHeld) {
    emitter->tap(KeyChord(8, Flags::command, "Command + C"));
    EXPECT_EQ(posted(), (Lines{"flags LeftWin [Command]", "down C [Command]", "up C [Command]",
                               "flags LeftWin []"}));
    EXPECT_FALSE(emitter->holdsAnyModifier());

    emitter->tap(KeyChord(48, Flags::control | Flags::shift, "Ctrl + Shift + Tab"));
    EXPECT_EQ(posted(), (Lines{"flags LeftCtrl [Control]", "flags LeftShift [Control+Shift]",
                               "down Tab [Control+Shift]", "up Tab [Control+Shift]",
                               "flags LeftShift [Control]", "flags LeftCtrl []"}));

    emitter->hold(Modifier::command);
    posted();
    emitter->tap(KeyChord(12, Flags::command, "Command + Q"));
    EXPECT_EQ(posted(), (Lines{"down Q [Command]", "up Q [Command]"}));
    EXPECT_TRUE(emitter->isHolding(Modifier::command));
}

// Fn rides on the key (the system's shortcuts on function keys and arrows want it); Caps Lock and
// the numeric pad are not the chord's to say.
TEST_F(EmitterTest, AllFourModifiersMakeTenEventsWithFnOnTheKeyAlone) {
    const std::uint64_t flags = Flags::command | Flags::control | Flags::option | Flags::shift |
                                Flags::capsLock | Flags::secondaryFn | Flags::numericPad;
    emitter->tap(KeyChord(0, flags, "all"));
    EXPECT_EQ(
        posted(),
        (Lines{"flags LeftWin [Command]", "flags LeftCtrl [Control+Command]",
               "flags LeftAlt [Control+Option+Command]",
               "flags LeftShift [Control+Option+Shift+Command]",
               "down A [Control+Option+Shift+Command+Fn]", "up A [Control+Option+Shift+Command+Fn]",
               "flags LeftShift [Control+Option+Command]", "flags LeftAlt [Control+Command]",
               "flags LeftCtrl [Command]", "flags LeftWin []"}));
}

TEST_F(EmitterTest, HoldAndReleaseAreIdempotent) {
    emitter->hold(Modifier::command);
    emitter->hold(Modifier::command);
    EXPECT_EQ(posted(), (Lines{"flags LeftWin [Command]"}));
    emitter->release(Modifier::shift);
    EXPECT_EQ(posted(), Lines{});
    emitter->hold(Modifier::shift);
    emitter->tapKey(48);
    EXPECT_EQ(posted(), (Lines{"flags LeftShift [Shift+Command]", "down Tab [Shift+Command]",
                               "up Tab [Shift+Command]"}));
    emitter->releaseAll();
    EXPECT_EQ(posted(), (Lines{"flags LeftShift [Command]", "flags LeftWin []"}));
    emitter->releaseAll();
    EXPECT_EQ(posted(), Lines{});
}

TEST_F(EmitterTest, TextIsOnePairOnTheKeyWithoutFlags) {
    emitter->emitText("", 0);
    EXPECT_EQ(posted(), Lines{});
    emitter->hold(Modifier::shift);
    posted();
    emitter->emitText("ф", 0);
    EXPECT_EQ(posted(), (Lines{"down A [] \"ф\"", "up A [] \"ф\""}));
    const std::string longText(100, 'x');
    emitter->emitText(longText, 1);
    EXPECT_EQ(posted(), (Lines{"down S [] \"" + longText + "\"", "up S [] \"" + longText + "\""}));
}

// A modifier the user holds is already down for the application: a chord neither presses
// nor releases it, and releasing a synthetic one of the same kind leaves it down.
TEST_F(EmitterTest, ModifiersTheUserHoldsStayDown) {
    const std::uint64_t shiftHeld = Flags::shift | Flags::leftShift;
    emitter->tap(KeyChord(123, Flags::command | Flags::shift, "Command + Shift + Left"), shiftHeld);
    EXPECT_EQ(posted(), (Lines{"flags LeftWin [Shift+Command]", "down Left [Shift+Command]",
                               "up Left [Shift+Command]", "flags LeftWin [Shift]"}));

    const std::uint64_t commandHeld = Flags::command | Flags::rightCommand;
    emitter->tap(KeyChord(123, Flags::option, "Option + Left"), commandHeld);
    EXPECT_EQ(posted(), (Lines{"flags LeftAlt [Option+Command]", "down Left [Option]",
                               "up Left [Option]", "flags LeftAlt [Command]"}));

    emitter->hold(Modifier::command, commandHeld);
    emitter->release(Modifier::command, commandHeld);
    EXPECT_EQ(posted(), (Lines{"flags LeftWin [Command]", "flags LeftWin [Command]"}));
}

TEST_F(EmitterTest, EveryPostedEventCarriesTheMarker) {
    emitter->tap(KeyChord(8, Flags::command | Flags::shift, "x"));
    emitter->hold(Modifier::option);
    emitter->tapKey(48);
    emitter->emitText("a", 0);
    emitter->releaseAll();
    posted();
    ASSERT_EQ(markers.size(), 12u);
    for (auto marker : markers) {
        EXPECT_EQ(marker, KeyboardEngine::syntheticMarker);
    }
    EXPECT_EQ(KeyboardEngine::syntheticMarker, 24278669753404504);
    EXPECT_EQ(events.liveEventCount(), 0u);
}

TEST_F(EmitterTest, AnEventThatCannotBeCreatedIsSkippedButCounted) {
    events.failKeyboardEventCreation = true;
    emitter->hold(Modifier::command);
    EXPECT_EQ(posted(), Lines{});
    EXPECT_TRUE(emitter->isHolding(Modifier::command));
    events.failKeyboardEventCreation = false;
    emitter->release(Modifier::command);
    EXPECT_EQ(posted(), (Lines{"flags LeftWin []"}));
}

TEST_F(EmitterTest, WorksWithoutAnEventSource) {
    events.failEventSourceCreation = true;
    emitter.emplace(events);
    emitter->tapKey(0);
    EXPECT_EQ(posted(), (Lines{"down A []", "up A []"}));
}

TEST_F(EmitterTest, DestructionPostsNothingAndReleasesTheSource) {
    emitter->hold(Modifier::command);
    posted();
    emitter.reset();
    EXPECT_EQ(posted(), Lines{});
    EXPECT_EQ(events.liveEventSourceCount(), 0u);
}

}  // namespace
}  // namespace varnel
