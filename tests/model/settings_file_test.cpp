#include "model/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace varnel {
namespace {

using Failure = SettingsFile::Failure;

SettingsFile::Settings unusual() {
    SettingsFile::Settings settings;
    settings.options.fullWindowsTyping = false;
    settings.options.windowsControlClick = true;
    settings.options.officeProfile = false;
    settings.typingLanguage = WindowsTypingLanguage::russian;
    settings.excludedApplications.bundleIdentifiers = {"com.vmware.fusion", "com.utmapp.UTM"};
    settings.launchAtLogin = true;
    return settings;
}

const SettingsFile::Contents* contentsOf(
    const std::variant<SettingsFile::Contents, Failure>& read) {
    return std::get_if<SettingsFile::Contents>(&read);
}

TEST(SettingsFileTest, WhatIsWrittenReadsBackWhole) {
    for (const SettingsFile::Settings& settings : {SettingsFile::Settings{}, unusual()}) {
        const auto read = SettingsFile::decode(SettingsFile::encode(settings));
        const SettingsFile::Contents* contents = contentsOf(read);
        ASSERT_NE(contents, nullptr);
        EXPECT_TRUE(contents->unknownMembers.empty());
        EXPECT_TRUE(contents->unreadableMembers.empty());
        // Every setting is in the file: whatever was in force before, the file's stand.
        SettingsFile::Settings other = unusual();
        other.options.altF4QuitsApplication = false;
        other.typingLanguage = WindowsTypingLanguage::english;
        other.excludedApplications = {};
        other.launchAtLogin = false;
        EXPECT_EQ(contents->appliedTo(other), settings);
    }
}

TEST(SettingsFileTest, AFileThatCannotBeReadWholeSaysWhy) {
    const std::string varnel = R"({"varnelSettings": 1, "keyboardOptions": {)";
    const struct {
        std::string text;
        Failure failure;
    } cases[] = {
        {"", Failure::empty},
        {" \n\t\r\n", Failure::empty},
        {std::string(SettingsFile::maxBytes + 1, ' '), Failure::tooLarge},
        {std::string(100000, '['), Failure::tooDeep},
        {std::string(20, '[') + std::string(20, ']'), Failure::tooDeep},
        {varnel, Failure::truncated},
        {R"({"varnelSettings": 1, "typingLanguage": "russ)", Failure::truncated},
        {"Hello, Varnel", Failure::notJson},
        {varnel + "}} trailing", Failure::notJson},
        {R"({"varnelSettings": 1, "keyboardOptions": 1E400})", Failure::notJson},
        {"[]", Failure::notVarnel},
        {"{}", Failure::notVarnel},
        {R"({"varnelSettings": "1"})", Failure::notVarnel},
        {R"({"varnelSettings": 0})", Failure::notVarnel},
        {R"({"varnelSettings": -1})", Failure::notVarnel},
        {R"({"varnelSettings": 1.5})", Failure::notVarnel},
        {R"({"varnelSettings": 2})", Failure::newerVersion},
        {R"({"varnelSettings": 18446744073709551615})", Failure::newerVersion},
    };
    for (const auto& [text, failure] : cases) {
        const auto read = SettingsFile::decode(text);
        ASSERT_TRUE(std::holds_alternative<Failure>(read)) << text.substr(0, 60);
        EXPECT_EQ(std::get<Failure>(read), failure) << text.substr(0, 60);
        EXPECT_FALSE(SettingsFile::reason(failure).empty());
    }
}

TEST(SettingsFileTest, EachMemberIsReadOnItsOwn) {
    const auto read = SettingsFile::decode(R"({
        "varnelSettings": 1,
        "keyboardOptions": {"fullWindowsTyping": false, "windowsLockShortcut": "off",
                            "officeProfile": null, "newerSwitch": true},
        "typingLanguage": "Russian",
        "excludedApplications": ["com.vmware.fusion", 7, "com.vmware.fusion", "a b"],
        "launchAtLogin": true,
        "theme": "dark"
    })");
    const SettingsFile::Contents* contents = contentsOf(read);
    ASSERT_NE(contents, nullptr);
    const SettingsFile::Settings before = unusual();
    SettingsFile::Settings expected = before;
    expected.options.fullWindowsTyping = false;
    expected.excludedApplications.bundleIdentifiers = {"com.vmware.fusion"};
    expected.launchAtLogin = true;
    // An unreadable switch, a null one, a language of the wrong case: each stays as it was.
    EXPECT_EQ(contents->appliedTo(before), expected);
    EXPECT_EQ(contents->unknownMembers,
              (std::vector<std::string>{"keyboardOptions.newerSwitch", "theme"}));
    EXPECT_EQ(contents->unreadableMembers,
              (std::vector<std::string>{"excludedApplications[1]", "excludedApplications[3]",
                                        "keyboardOptions.windowsLockShortcut", "typingLanguage"}));
}

TEST(SettingsFileTest, AMemberOfTheWrongKindChangesNothing) {
    for (const char* member :
         {R"("keyboardOptions": [true])", R"("typingLanguage": 7)",
          R"("excludedApplications": "com.vmware.fusion")", R"("launchAtLogin": "yes")"}) {
        const auto read =
            SettingsFile::decode(std::string(R"({"varnelSettings": 1, )") + member + "}");
        const SettingsFile::Contents* contents = contentsOf(read);
        ASSERT_NE(contents, nullptr) << member;
        EXPECT_EQ(contents->appliedTo(unusual()), unusual()) << member;
        EXPECT_EQ(contents->unreadableMembers.size(), 1u) << member;
    }
}

}  // namespace
}  // namespace varnel
