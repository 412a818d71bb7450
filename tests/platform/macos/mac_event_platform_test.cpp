#include "platform/macos/mac_event_platform.h"

#include <ApplicationServices/ApplicationServices.h>
#include <gtest/gtest.h>

#include "engine/keyboard_engine.h"
#include "model/flags.h"

namespace varnel {
namespace {

CGEventRef cg(EventRef event) {
    return reinterpret_cast<CGEventRef>(event);
}

// Creating events needs no permission; posting them does, and is left to the self-check.
TEST(MacEventPlatformTest, EventsCarryTheMarkerTextAndFlags) {
    MacEventPlatform platform;
    EventSourceRef source = platform.createEventSource(EventSourceState::combinedSession);
    EventRef event = platform.createKeyboardEvent(source, 9, true);  // V
    ASSERT_NE(event, nullptr);
    const std::uint64_t flags = Flags::command | Flags::shift;
    platform.setIntegerField(event, EventField::eventSourceUserData,
                             KeyboardEngine::syntheticMarker);
    platform.setFlags(event, flags);
    const char16_t text[] = u"Жё";
    platform.setUnicodeString(event, text, 2);

    EXPECT_EQ(CGEventGetType(cg(event)), kCGEventKeyDown);
    EXPECT_EQ(CGEventGetIntegerValueField(cg(event), kCGKeyboardEventKeycode), 9);
    EXPECT_EQ(CGEventGetIntegerValueField(cg(event), kCGEventSourceUserData),
              KeyboardEngine::syntheticMarker);
    EXPECT_EQ(CGEventGetFlags(cg(event)) & flags, flags);
    UniChar units[4] = {};
    UniCharCount count = 0;
    CGEventKeyboardGetUnicodeString(cg(event), 4, &count, units);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(units[0], u'Ж');
    EXPECT_EQ(units[1], u'ё');
    // And the same through the port's own getters.
    EXPECT_EQ(platform.integerField(event, EventField::keyboardEventKeycode), 9);
    EXPECT_EQ(platform.integerField(event, EventField::eventSourceUserData),
              KeyboardEngine::syntheticMarker);
    EXPECT_EQ(platform.flags(event) & flags, flags);

    platform.releaseEvent(event);
    if (source != nullptr) {
        platform.releaseEventSource(source);
    }
}

// The simulated Mac relies on these: a modifier's key code gives a flags-changed event.
TEST(MacEventPlatformTest, EventTypeFollowsTheKeyCode) {
    MacEventPlatform platform;
    const std::vector<std::pair<std::uint16_t, CGEventType>> cases{
        {0, kCGEventKeyDown},       {48, kCGEventKeyDown},      {55, kCGEventFlagsChanged},
        {56, kCGEventFlagsChanged}, {58, kCGEventFlagsChanged}, {59, kCGEventFlagsChanged},
        {54, kCGEventFlagsChanged}, {61, kCGEventFlagsChanged}, {123, kCGEventKeyDown},
    };
    for (const auto& [keyCode, type] : cases) {
        EventRef event = platform.createKeyboardEvent(nullptr, keyCode, true);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(CGEventGetType(cg(event)), type) << keyCode;
        platform.releaseEvent(event);
    }
}

}  // namespace
}  // namespace varnel
