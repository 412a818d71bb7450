#include "model/keyboard_options.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace varnel {
namespace {

KeyboardOptions withField(std::string_view name, bool value) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    for (const auto& field : KeyboardOptions::fields) {
        if (field.name == name) {
            options.*field.member = value;
        }
    }
    return options;
}

TEST(KeyboardOptions, DefaultsAreAllOn) {
    const auto defaults = KeyboardOptions::windowsDefaults;
    for (const auto& field : KeyboardOptions::fields) {
        EXPECT_TRUE(defaults.*field.member) << field.name;
    }
    EXPECT_NE(defaults, withField("windowsRecoveryShortcuts", false));
}

TEST(KeyboardOptions, EncodesEveryFieldUnderItsName) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    options.fullWindowsTyping = false;
    const nlohmann::json expected = {
        {"altShiftChangesLanguage", true},    {"fullWindowsTyping", false},
        {"windowsPCLayouts", true},           {"windowsEditingShortcuts", true},
        {"printScreenCopiesSelection", true}, {"altF4QuitsApplication", true},
        {"windowsHomeAndEnd", true},          {"windowsLockShortcut", true},
        {"windowsRecoveryShortcuts", true},
    };
    EXPECT_EQ(options.toJson(), expected);
    EXPECT_EQ(nlohmann::json::parse(options.encoded()), expected);
}

TEST(KeyboardOptions, DecodesStoredForms) {
    struct Case {
        const char* stored;
        KeyboardOptions expected;
    };
    const Case cases[] = {
        {"{}", KeyboardOptions::windowsDefaults},
        {R"({"fullWindowsTyping": false})", withField("fullWindowsTyping", false)},
        {R"({"windowsLockShortcut": null})", KeyboardOptions::windowsDefaults},
        {R"({"windowsLockShortcut": false, "somethingElse": [1, 2]})",
         withField("windowsLockShortcut", false)},
        {R"({"WindowsLockShortcut": false})", KeyboardOptions::windowsDefaults},
    };
    for (const Case& c : cases) {
        const auto decoded = KeyboardOptions::decode(c.stored);
        ASSERT_TRUE(decoded.ok()) << c.stored << ": " << decoded.error().message;
        EXPECT_EQ(decoded.value(), c.expected) << c.stored;
    }
}

TEST(KeyboardOptions, RejectsWhatIsNotItsStoredForm) {
    struct Case {
        const char* stored;
        const char* messagePart;
    };
    const Case cases[] = {
        {R"({"windowsLockShortcut": "true"})", "\"windowsLockShortcut\""},
        {R"({"altShiftChangesLanguage": 1})", "\"altShiftChangesLanguage\""},
        {R"({"windowsHomeAndEnd": []})", "\"windowsHomeAndEnd\""},
        {R"({"fullWindowsTyping": {}})", "\"fullWindowsTyping\""},
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

TEST(KeyboardOptions, EveryCombinationSurvivesARoundTrip) {
    for (unsigned bits = 0; bits < 512; ++bits) {
        KeyboardOptions options;
        for (unsigned i = 0; i < KeyboardOptions::fields.size(); ++i) {
            options.*KeyboardOptions::fields[i].member = (bits >> i & 1u) != 0;
        }
        const auto decoded = KeyboardOptions::decode(options.encoded());
        ASSERT_TRUE(decoded.ok());
        ASSERT_EQ(decoded.value(), options) << bits;
    }
}

}  // namespace
}  // namespace varnel
