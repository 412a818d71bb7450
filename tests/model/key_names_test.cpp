#include "model/key_names.h"

#include <gtest/gtest.h>

#include "model/flags.h"

namespace varnel {
namespace {

TEST(KeyNames, NamesFromTheTable) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {0, "A"},
        {36, "Enter"},
        {76, "Numpad Enter"},
        {117, "Delete"},
        {51, "Backspace"},
        {50, "`"},
        {42, "\\"},
        {54, "Right Windows"},
        {58, "Left Alt"},
        {105, "Print Screen / F13"},
        {114, "Insert / Help"},
        {71, "Num Lock / Clear"},
        {126, "Up Arrow"},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(KeyNames::name(code), name) << code;
    }
}

TEST(KeyNames, CodesWithoutEntryGetTheFallback) {
    for (std::uint16_t code : {10, 52, 63, 93, 127, 200, 65535}) {
        EXPECT_EQ(KeyNames::name(code), "Клавиша (код " + std::to_string(code) + ")");
    }
    int named = 0;
    for (std::uint16_t code = 0; code < 127; ++code) {
        named += !KeyNames::tableName(code).empty();
    }
    EXPECT_EQ(named, 104);
}

// On ISO the key left of 1 reports code 10 and the extra key left of Z code 50: each is
// named by what is printed on it there, and nothing else changes.
TEST(KeyNames, KeysNamedAsOnTheirKeyboard) {
    struct Case {
        std::uint16_t code;
        KeyboardType keyboard;
        const char* name;
    };
    const Case cases[] = {
        {10, KeyboardType::iso, "`"},
        {50, KeyboardType::iso, "\\ (ISO)"},
        {10, KeyboardType::ansi, "Клавиша (код 10)"},
        {50, KeyboardType::ansi, "`"},
        {50, KeyboardType::jis, "`"},
        {42, KeyboardType::iso, "\\"},
        {0, KeyboardType::iso, "A"},
    };
    std::string roomy;
    roomy.reserve(KeyNames::descriptionRoom);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(KeyNames::name(c.code, c.keyboard), c.name);
        const std::string shifted = std::string("Shift + ") + c.name;
        EXPECT_EQ(KeyNames::physicalDescription(c.code, Flags::shift, c.keyboard), shifted);
        KeyNames::writePhysicalDescription(roomy, c.code, Flags::shift, c.keyboard);
        EXPECT_EQ(roomy, shifted);
    }
}

TEST(KeyNames, ModifierWordsInFixedOrder) {
    using namespace Flags;
    EXPECT_EQ(KeyNames::modifiersDescription(command | shift | control), "Ctrl + Shift + Windows");
    EXPECT_EQ(KeyNames::modifiersDescription(command | shift | control | option),
              "Ctrl + Alt + Shift + Windows");
    EXPECT_EQ(KeyNames::modifiersDescription(capsLock | secondaryFn | numericPad | leftShift), "");
}

// A new string, and one with room for any description that held a longer text before: the
// two ways of writing give the same text.
TEST(KeyNames, PhysicalDescription) {
    const struct {
        std::uint16_t code;
        std::uint64_t flags;
        const char* text;
    } cases[] = {
        {0, Flags::option, "Alt + A"},
        {0, Flags::capsLock, "A"},
        {56, Flags::shift, "Shift + Left Shift"},
        {10, Flags::control, "Ctrl + Клавиша (код 10)"},
        // The longest words with the longest name.
        {105, Flags::modifiers, "Ctrl + Alt + Shift + Windows + Print Screen / F13"},
    };
    std::string roomy;
    roomy.reserve(KeyNames::descriptionRoom);
    for (const auto& c : cases) {
        EXPECT_EQ(KeyNames::physicalDescription(c.code, c.flags), c.text);
        KeyNames::writePhysicalDescription(roomy, 105, Flags::modifiers);
        KeyNames::writePhysicalDescription(roomy, c.code, c.flags);
        EXPECT_EQ(roomy, c.text);
    }
}

TEST(KeyNames, WritingReusesTheBuffer) {
    std::string out = "something long enough to hold every name written below";
    const auto capacity = out.capacity();
    KeyNames::writePhysicalDescription(out, 8, Flags::control);
    EXPECT_EQ(out, "Ctrl + C");
    KeyNames::writeName(out, 300);
    EXPECT_EQ(out, "Клавиша (код 300)");
    EXPECT_EQ(out.capacity(), capacity);
}

}  // namespace
}  // namespace varnel
