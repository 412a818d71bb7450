#include "platform/macos/mac_settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "model/keyboard_options.h"
#include "platform/macos/cf_text.h"

namespace varnel {
namespace {

// A domain of the tests' own, emptied before and after, so that no user's settings are
// touched.
constexpr std::string_view testDomain = "app.varnel.Varnel.tests";

class MacSettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { forget(); }
    void TearDown() override { forget(); }
    void forget() {
        CFStringRef domain = CFText::createString(testDomain);
        for (std::string_view key :
             {AppState::optionsKey, AppState::typingLanguageKey, AppState::modeEnabledKey}) {
            CFStringRef name = CFText::createString(key);
            CFPreferencesSetAppValue(name, nullptr, domain);
            CFRelease(name);
        }
        CFPreferencesAppSynchronize(domain);
        CFRelease(domain);
    }
};

// What `defaults` prints for a command on the test domain, without the final line break.
std::string defaults(const std::string& command, std::string_view key) {
    const std::string line =
        "defaults " + command + " " + std::string(testDomain) + " " + std::string(key) + " 2>&1";
    std::string output;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
            output += buffer.data();
        }
        pclose(pipe);
    }
    while (!output.empty() && output.back() == '\n') {
        output.pop_back();
    }
    return output;
}

TEST_F(MacSettingsStoreTest, TheThreeKeysRoundTripUnderTheirOwnNames) {
    const std::string options = KeyboardOptions::windowsDefaults.encoded();
    {
        MacSettingsStore store(testDomain);
        store.setData(AppState::optionsKey, options);
        store.setString(AppState::typingLanguageKey, "russian");
        store.setBool(AppState::modeEnabledKey, true);
    }
    MacSettingsStore store(testDomain);
    EXPECT_EQ(store.data(AppState::optionsKey), options);
    EXPECT_EQ(store.string(AppState::typingLanguageKey), "russian");
    EXPECT_TRUE(store.boolValue(AppState::modeEnabledKey));

    EXPECT_EQ(defaults("read-type", AppState::optionsKey), "Type is data");
    EXPECT_EQ(defaults("read-type", AppState::typingLanguageKey), "Type is string");
    EXPECT_EQ(defaults("read-type", AppState::modeEnabledKey), "Type is boolean");
    EXPECT_EQ(defaults("read", AppState::typingLanguageKey), "russian");
    EXPECT_EQ(defaults("read", AppState::modeEnabledKey), "1");
}

TEST_F(MacSettingsStoreTest, AnotherTypeOrNothingReadsAsAbsent) {
    MacSettingsStore store(testDomain);
    EXPECT_FALSE(store.data(AppState::optionsKey));
    EXPECT_FALSE(store.boolValue(AppState::modeEnabledKey));
    store.setString(AppState::optionsKey, "{}");
    store.setData(AppState::typingLanguageKey, "russian");
    store.setString(AppState::modeEnabledKey, "true");
    EXPECT_FALSE(store.data(AppState::optionsKey));
    EXPECT_FALSE(store.string(AppState::typingLanguageKey));
    EXPECT_FALSE(store.boolValue(AppState::modeEnabledKey));
    // Bytes are kept as they are, a zero byte included.
    const std::string bytes("{\0\xff}", 4);
    store.setData(AppState::optionsKey, bytes);
    EXPECT_EQ(store.data(AppState::optionsKey), bytes);
}

}  // namespace
}  // namespace varnel
