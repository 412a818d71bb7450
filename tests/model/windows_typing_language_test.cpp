#include "model/windows_typing_language.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <unordered_set>

namespace varnel {
namespace {

TEST(WindowsTypingLanguage, RawValuesAreExact) {
    EXPECT_EQ(WindowsTypingLanguage::fromRawValue("english"), WindowsTypingLanguage::english);
    EXPECT_EQ(WindowsTypingLanguage::fromRawValue("russian"), WindowsTypingLanguage::russian);
    for (const char* text : {"English", "ru", "", "russian ", "RUSSIAN"}) {
        EXPECT_FALSE(WindowsTypingLanguage::fromRawValue(text).has_value()) << text;
    }
    const auto all = WindowsTypingLanguage::allCases();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].rawValue(), "english");
    EXPECT_EQ(all[1].rawValue(), "russian");
}

TEST(WindowsTypingLanguage, DisplayNamesUseMiddleDot) {
    EXPECT_EQ(WindowsTypingLanguage(WindowsTypingLanguage::english).displayName(),
              "English \u00B7 Windows");
    EXPECT_EQ(WindowsTypingLanguage(WindowsTypingLanguage::russian).displayName(),
              "Русская \u00B7 Windows");
}

TEST(WindowsTypingLanguage, ToggleTwiceGivesItBack) {
    WindowsTypingLanguage language = WindowsTypingLanguage::english;
    language.toggle();
    EXPECT_EQ(language, WindowsTypingLanguage::russian);
    language.toggle();
    EXPECT_EQ(language, WindowsTypingLanguage::english);
}

TEST(WindowsTypingLanguage, HashesByRawValue) {
    std::unordered_set<WindowsTypingLanguage> set{WindowsTypingLanguage::english,
                                                  WindowsTypingLanguage::russian,
                                                  WindowsTypingLanguage::english};
    EXPECT_EQ(set.size(), 2u);
    EXPECT_EQ(std::hash<WindowsTypingLanguage>{}(WindowsTypingLanguage::russian),
              std::hash<std::string_view>{}("russian"));
}

TEST(WindowsTypingLanguage, EncodesAsOneString) {
    const WindowsTypingLanguage russian = WindowsTypingLanguage::russian;
    EXPECT_EQ(russian.toJson(), nlohmann::json("russian"));
    const auto decoded = WindowsTypingLanguage::fromJson(russian.toJson());
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.value(), WindowsTypingLanguage::russian);

    for (const nlohmann::json& bad : {nlohmann::json("English"), nlohmann::json(1),
                                      nlohmann::json::object(), nlohmann::json()}) {
        EXPECT_FALSE(WindowsTypingLanguage::fromJson(bad).ok()) << bad.dump();
    }
}

}  // namespace
}  // namespace varnel
