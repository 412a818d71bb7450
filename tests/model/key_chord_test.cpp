#include "model/key_chord.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "model/windows_action.h"

namespace varnel {
namespace {

TEST(KeyChord, RoundTripKeepsEveryFlagBit) {
    const KeyChord chord(0xFFFF, 0xFFFF'FFFF'FFFF'FFFFull, std::string("Имя"));
    const auto decoded = KeyChord::fromJson(chord.toJson());
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.value(), chord);
    EXPECT_EQ(decoded.value().flagsRawValue, 0xFFFF'FFFF'FFFF'FFFFull);
    EXPECT_EQ(decoded.value().flags(), chord.flagsRawValue);
}

TEST(KeyChord, DecodingNeedsAllThreeKeysOfTheRightType) {
    const char* bad[] = {
        R"({"keyCode": 8, "flagsRawValue": 1048576})",
        R"({"keyCode": 8, "displayName": "x"})",
        R"({"flagsRawValue": 1, "displayName": "x"})",
        R"({"keyCode": 65536, "flagsRawValue": 1, "displayName": "x"})",
        R"({"keyCode": -1, "flagsRawValue": 1, "displayName": "x"})",
        R"({"keyCode": 8, "flagsRawValue": 1.5, "displayName": "x"})",
        R"({"keyCode": "8", "flagsRawValue": 1, "displayName": "x"})",
        R"({"keyCode": 8, "flagsRawValue": 1, "displayName": null})",
        R"([8, 1, "x"])",
    };
    for (const char* text : bad) {
        EXPECT_FALSE(KeyChord::fromJson(nlohmann::json::parse(text)).ok()) << text;
    }
}

TEST(KeyChord, EqualityIncludesTheName) {
    const KeyChord a(8, 0x100000, "Копировать");
    const KeyChord b(8, 0x100000, std::string("Копировать"));
    const KeyChord c(8, 0x100000, "Другое");
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_NE(WindowsSpecialAction::emit(a), WindowsSpecialAction::emit(c));
    EXPECT_EQ(WindowsSpecialAction::emit(a), WindowsSpecialAction::emit(b));
    EXPECT_NE(WindowsSpecialAction::none(), WindowsSpecialAction::altTab());
}

TEST(KeyChord, CopiesOutliveTheOriginal) {
    std::optional<KeyChord> copy;
    {
        const KeyChord original(1, 2, std::string("временное имя, длиннее буфера строки"));
        copy = original;
    }
    EXPECT_EQ(copy->displayName(), "временное имя, длиннее буфера строки");
}

}  // namespace
}  // namespace varnel
