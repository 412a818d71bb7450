#include "model/keyboard_options.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

namespace varnel {
namespace {

// The record with the named fields off and the rest at their defaults.
KeyboardOptions withOff(std::initializer_list<std::string_view> names) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    for (const auto& field : KeyboardOptions::fields) {
        if (std::find(names.begin(), names.end(), field.name) != names.end()) {
            options.*field.member = false;
        }
    }
    return options;
}

// The nine original switches are on; of the later ones only Ctrl + click starts off, since it
// changes what a click with a key held does.
TEST(KeyboardOptions, Defaults) {
    const auto defaults = KeyboardOptions::windowsDefaults;
    for (const auto& field : KeyboardOptions::fields) {
        EXPECT_EQ(defaults.*field.member, field.name != "windowsControlClick") << field.name;
    }
    EXPECT_NE(defaults, withOff({"windowsRecoveryShortcuts"}));
}

TEST(KeyboardOptions, EncodesEveryFieldUnderItsName) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    options.fullWindowsTyping = false;
    const nlohmann::json expected = {
        {"altShiftChangesLanguage", true},
        {"fullWindowsTyping", false},
        {"windowsPCLayouts", true},
        {"windowsEditingShortcuts", true},
        {"printScreenCopiesSelection", true},
        {"altF4QuitsApplication", true},
        {"windowsHomeAndEnd", true},
        {"windowsLockShortcut", true},
        {"windowsRecoveryShortcuts", true},
        {"windowsControlClick", false},
        {"secureInputNotice", true},
        {"isoKeyboardLayout", true},
        {"terminalProfile", true},
        {"finderProfile", true},
        {"browserProfile", true},
        {"codeEditorProfile", true},
        {"officeProfile", true},
        {"windowsKeyShortcuts", true},
    };
    EXPECT_EQ(options.toJson(), expected);
    EXPECT_EQ(nlohmann::json::parse(options.encoded()), expected);
}

TEST(KeyboardOptions, DecodesEachReadableMemberAndDefaultsTheRest) {
    struct Case {
        const char* stored;
        KeyboardOptions expected;
    };
    const Case cases[] = {
        {"{}", KeyboardOptions::windowsDefaults},
        {R"({"fullWindowsTyping": false})", withOff({"fullWindowsTyping"})},
        {R"({"windowsLockShortcut": null})", KeyboardOptions::windowsDefaults},
        {R"({"windowsLockShortcut": false, "somethingElse": [1, 2]})",
         withOff({"windowsLockShortcut"})},
        {R"({"WindowsLockShortcut": false})", KeyboardOptions::windowsDefaults},
        // One unreadable member costs only itself.
        {R"({"fullWindowsTyping": false, "windowsLockShortcut": "false",
             "windowsHomeAndEnd": false})",
         withOff({"fullWindowsTyping", "windowsHomeAndEnd"})},
        {R"({"altShiftChangesLanguage": 0, "altF4QuitsApplication": false})",
         withOff({"altF4QuitsApplication"})},
        {R"({"windowsHomeAndEnd": [], "fullWindowsTyping": {}, "windowsPCLayouts": false})",
         withOff({"windowsPCLayouts"})},
        // A record stored before the later switches existed, or with one unreadable: each takes
        // its own default, not "on".
        {R"({"windowsLockShortcut": true, "windowsControlClick": "yes"})",
         KeyboardOptions::windowsDefaults},
        {R"({"windowsControlClick": true, "isoKeyboardLayout": false})",
         [] {
             KeyboardOptions o = withOff({"isoKeyboardLayout"});
             o.windowsControlClick = true;
             return o;
         }()},
    };
    for (const Case& c : cases) {
        const auto decoded = KeyboardOptions::decode(c.stored);
        ASSERT_TRUE(decoded.ok()) << c.stored << ": " << decoded.error().message;
        EXPECT_EQ(decoded.value(), c.expected) << c.stored;
    }
}

TEST(KeyboardOptions, RejectsWhatIsNotAnObject) {
    struct Case {
        const char* stored;
        const char* messagePart;
    };
    const Case cases[] = {
        {"[]", "object"},
        {"true", "object"},
        {"null", "object"},
        {"", "JSON"},
        {"{\"fullWindowsTyping\": fals", "JSON"},
        {"\xff\xfe", "JSON"},
    };
    for (const Case& c : cases) {
        const auto decoded = KeyboardOptions::decode(c.stored);
        ASSERT_FALSE(decoded.ok()) << c.stored;
        EXPECT_NE(decoded.error().message.find(c.messagePart), std::string::npos)
            << decoded.error().message;
    }
}

TEST(KeyboardOptions, WritingBackKeepsMembersOfOtherNames) {
    const KeyboardOptions options = withOff({"windowsLockShortcut"});
    struct Case {
        std::string before;
        const char* expectedTail;  // what follows the known members
    };
    const std::size_t deep = 100000;
    const Case cases[] = {
        // A newer version's switch survives, and a bad value of a known one is replaced.
        {R"({"fullWindowsTyping": 3, "newerSwitch": false, "zeta": {"a": [1]}})",
         R"(,"newerSwitch":false,"zeta":{"a":[1]}})"},
        {R"({"windowsLockShortcut": true})", "}"},
        {"[1, 2]", "}"},
        {"not json", "}"},
        {"", "}"},
        // Nested deeper than any record: nothing is kept, and nothing overflows the stack.
        {R"({"kept": 1, "deep": )" + std::string(deep, '[') + std::string(deep, ']') + "}", "}"},
    };
    for (const Case& c : cases) {
        const std::string written = options.encoded(c.before);
        const std::string known = options.encoded();
        ASSERT_EQ(written.substr(0, known.size() - 1), known.substr(0, known.size() - 1))
            << c.before.substr(0, 80);
        EXPECT_EQ(written.substr(known.size() - 1), c.expectedTail) << c.before.substr(0, 80);
        EXPECT_EQ(KeyboardOptions::decode(written).value(), options) << c.before.substr(0, 80);
    }
}

// Any two switches set apart from the rest, and the same with every value turned over: a field
// written or read under another's name shows in one of them, at a cost that grows with the
// square of the fields rather than with two to their number.
TEST(KeyboardOptions, EveryCombinationSurvivesARoundTrip) {
    const unsigned count = KeyboardOptions::fields.size();
    for (unsigned first = 0; first <= count; ++first) {
        for (unsigned second = first; second <= count; ++second) {
            for (const bool inverted : {false, true}) {
                KeyboardOptions options;
                for (unsigned i = 0; i < count; ++i) {
                    const bool picked = i == first || i == second;
                    options.*KeyboardOptions::fields[i].member = picked != inverted;
                }
                const auto decoded = KeyboardOptions::decode(options.encoded());
                ASSERT_TRUE(decoded.ok());
                ASSERT_EQ(decoded.value(), options) << first << " " << second << " " << inverted;
            }
        }
    }
}

}  // namespace
}  // namespace varnel
