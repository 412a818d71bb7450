#include "model/excluded_applications.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

using Ids = std::vector<std::string>;

TEST(ExcludedApplications, DecodesWhatReadsAndLeavesOutTheRest) {
    struct Case {
        const char* stored;
        Ids expected;
    };
    const Case cases[] = {
        {"[]", {}},
        {R"(["com.utmapp.UTM", "com.vmware.fusion"])", {"com.utmapp.UTM", "com.vmware.fusion"}},
        // One bad entry costs only itself; a repeat (in any case) is kept once, the first.
        {R"(["com.utmapp.UTM", 7, null, "", "not an id", {"a": 1}, "COM.UTMAPP.utm",
             "com.vmware.fusion"])",
         {"com.utmapp.UTM", "com.vmware.fusion"}},
        {R"(["\u00e9t\u00e9.app"])", {}},
        // A prefix is kept; a period at the end of less than two parts is not one.
        {R"(["com.parallels.winapp.", "com.", "."])", {"com.parallels.winapp."}},
    };
    for (const Case& c : cases) {
        const auto decoded = ExcludedApplications::decode(c.stored);
        ASSERT_TRUE(decoded.ok()) << c.stored << ": " << decoded.error().message;
        EXPECT_EQ(decoded.value().bundleIdentifiers, c.expected) << c.stored;
    }
    for (const char* unreadable : {"", "{}", "\"com.utmapp.UTM\"", "[\"com.utmapp.UTM\"", "\xff"}) {
        EXPECT_FALSE(ExcludedApplications::decode(unreadable).ok()) << unreadable;
    }
}

TEST(ExcludedApplications, AddsAndRemovesIgnoringCase) {
    ExcludedApplications list;
    EXPECT_TRUE(list.add("com.utmapp.UTM"));
    EXPECT_FALSE(list.add("com.utmapp.utm"));
    EXPECT_FALSE(list.add("two words"));
    EXPECT_FALSE(list.add(""));
    EXPECT_TRUE(list.add("com.vmware.fusion"));
    EXPECT_TRUE(list.contains("COM.VMWARE.FUSION"));
    EXPECT_TRUE(list.remove("com.UTMAPP.utm"));
    EXPECT_FALSE(list.remove("com.utmapp.UTM"));
    EXPECT_EQ(list.bundleIdentifiers, Ids{"com.vmware.fusion"});

    const auto roundTrip = ExcludedApplications::decode(list.encoded());
    ASSERT_TRUE(roundTrip.ok());
    EXPECT_EQ(roundTrip.value(), list);
    EXPECT_EQ(list.encoded(), R"(["com.vmware.fusion"])");
}

// A virtual machine's windows of Windows applications each have an identifier of their own,
// which begins with the machine's prefix.
TEST(ExcludedApplications, PrefixesLeaveAloneTheIdentifiersThatBeginWithThem) {
    ExcludedApplications list;
    ASSERT_TRUE(list.add("com.parallels.winapp."));
    ASSERT_TRUE(list.add("com.utmapp.UTM"));
    struct Case {
        const char* bundleIdentifier;
        bool leftAlone;
    };
    const Case cases[] = {
        {"com.parallels.winapp.3f2a9c1e.b9dc48ef", true},
        {"COM.Parallels.WinApp.notepad", true},
        {"com.parallels.winapp.", false},  // the prefix alone names no window
        {"com.parallels.winapp", false},
        {"com.parallels.winappx.notepad", false},
        {"com.parallels.desktop.console", false},
        {"com.utmapp.UTM", true},
        {"com.utmapp.UTM.helper", false},  // an identifier is no prefix
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.leavesAlone(c.bundleIdentifier), c.leftAlone) << c.bundleIdentifier;
    }
    EXPECT_FALSE(list.contains("com.parallels.winapp.3f2a9c1e.b9dc48ef"));

    for (const char* notAPrefix : {"com.", ".", "..", ".com.parallels.", "com..winapp."}) {
        EXPECT_FALSE(list.add(notAPrefix)) << notAPrefix;
    }
}

TEST(ExcludedApplications, SuggestionsAreIdentifiersOrPrefixesOfInstalledMachines) {
    for (const auto& suggestion : ExcludedApplications::suggestions) {
        SCOPED_TRACE(suggestion.bundleIdentifier);
        EXPECT_TRUE(ExcludedApplications::isBundleIdentifier(suggestion.bundleIdentifier));
        // A prefix is suggested with its machine, which is a suggestion of its own, and its
        // windows are named after it.
        const bool prefix = ExcludedApplications::isPrefix(suggestion.bundleIdentifier);
        EXPECT_EQ(prefix, !suggestion.installedWith.empty());
        EXPECT_EQ(prefix, !suggestion.product.empty());
        const auto* machine = ExcludedApplications::suggestionFor(suggestion.installedAs());
        ASSERT_NE(machine, nullptr);
        EXPECT_FALSE(ExcludedApplications::isPrefix(machine->bundleIdentifier));
    }
}

}  // namespace
}  // namespace varnel
