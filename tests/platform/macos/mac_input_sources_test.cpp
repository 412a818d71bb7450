#include "platform/macos/mac_input_sources.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/macos/cf_text.h"
#include "services/input_source_manager.h"
#include "services/text_case.h"

namespace varnel {
namespace {

// The system's own lower-casing of a text, without a locale.
std::string systemLowercased(std::string_view text) {
    CFStringRef source = CFText::createString(text);
    CFMutableStringRef lower = CFStringCreateMutableCopy(kCFAllocatorDefault, 0, source);
    CFStringLowercase(lower, nullptr);
    std::string result = CFText::utf8(lower).value_or("");
    CFRelease(lower);
    CFRelease(source);
    return result;
}

TEST(MacInputSourcesTest, ListedWithIdentifiersAndNames) {
    MacInputSources api;
    const std::vector<InputSource> sources = api.installedSources();
    ASSERT_FALSE(sources.empty());
    int named = 0;
    for (const InputSource& source : sources) {
        EXPECT_TRUE(source.handle);
        named += source.identifier && source.localizedName && !source.localizedName->empty();
    }
    EXPECT_GT(named, 0);
    const std::optional<InputSource> current = api.currentKeyboardSource();
    ASSERT_TRUE(current);
    EXPECT_TRUE(current->identifier);

    // Every Mac has these layouts installed, enabled or not.
    InputSourceManager manager(api);
    EXPECT_TRUE(manager.sourceFor(WindowsTypingLanguage::english));
    const std::optional<InputSource> russian = manager.sourceFor(WindowsTypingLanguage::russian);
    ASSERT_TRUE(russian);
    EXPECT_EQ(russian->identifier, "com.apple.keylayout.RussianWin");
}

TEST(MacInputSourcesTest, LowerCasingAgreesWithTheSystemOnRealNames) {
    std::vector<std::string> names{"Русская — ПК", "Русская", "ЁЛКА Ukrainian — ПК"};
    for (const InputSource& source : MacInputSources().installedSources()) {
        if (source.localizedName) {
            names.push_back(*source.localizedName);
        }
    }
    for (const std::string& name : names) {
        EXPECT_EQ(lowercased(name), systemLowercased(name)) << name;
    }
    EXPECT_EQ(lowercased("Русская — ПК"), "русская — пк");
}

}  // namespace
}  // namespace varnel
