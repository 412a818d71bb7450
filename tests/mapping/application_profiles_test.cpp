#include <gtest/gtest.h>

#include "mapping/application_profiles.h"

namespace varnel {
namespace {

using Profile = ApplicationProfile;
using Variant = ApplicationVariant;

TEST(ApplicationProfiles, EveryListedIdentifierMapsToItsProfile) {
    for (const auto& entry : ApplicationProfiles::entries()) {
        SCOPED_TRACE(std::string(entry.identifier));
        // A prefix stands for the identifiers that continue it.
        const std::string example =
            std::string(entry.identifier) + (entry.isPrefix() ? "something" : "");
        EXPECT_EQ(ApplicationProfiles::of(example), entry.kind);
    }
}

TEST(ApplicationProfiles, PrefixesCaseAndStrangers) {
    struct Case {
        const char* identifier;
        ApplicationKind kind;
    };
    const Case cases[] = {
        {"com.apple.Terminal", {Profile::terminal}},
        {"COM.APPLE.TERMINAL", {Profile::terminal}},  // the system compares without case
        {"com.apple.finder", {Profile::finder}},
        {"com.apple.Safari", {Profile::browser, Variant::safari}},
        {"com.google.Chrome", {Profile::browser}},
        {"com.google.Chrome.canary", {Profile::browser}},
        {"com.google.ChromeRemoteDesktop", {}},  // not Chrome: the prefix ends in a period
        {"com.microsoft.edgemac.Beta", {Profile::browser}},
        {"com.jetbrains.intellij", {Profile::editor, Variant::jetBrains}},
        {"com.jetbrains.WebStorm", {Profile::editor, Variant::jetBrains}},
        {"com.jetbrains.", {}},  // the prefix alone names no application
        {"com.sublimetext.4", {Profile::editor, Variant::vsCode}},
        {"com.vscodium.VSCodiumInsiders", {Profile::editor, Variant::vsCode}},
        {"com.microsoft.VSCode", {Profile::editor, Variant::vsCode}},
        {"com.microsoft.VSCodeX", {}},
        {"com.microsoft.Excel", {Profile::office, Variant::excel}},
        {"com.microsoft.Powerpoint", {Profile::office}},
        {"com.apple.TextEdit", {}},
        {"app.varnel.Varnel", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApplicationProfiles::of(c.identifier), c.kind) << c.identifier;
    }
}

TEST(ApplicationProfiles, EachProfileHasItsSwitch) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    const ApplicationKind terminal{Profile::terminal};
    EXPECT_EQ(ApplicationProfiles::inForce(terminal, options), terminal);
    for (Profile profile : allProfiles) {
        const auto member = ApplicationProfiles::switchOf(profile);
        if (profile == Profile::standard) {
            EXPECT_EQ(member, nullptr);
            continue;
        }
        ASSERT_NE(member, nullptr) << profileName(profile);
        KeyboardOptions off = options;
        off.*member = false;
        EXPECT_EQ(ApplicationProfiles::inForce({profile}, off), ApplicationKind{})
            << profileName(profile);
        EXPECT_EQ(ApplicationProfiles::inForce({profile}, options).profile, profile);
    }
}

}  // namespace
}  // namespace varnel
