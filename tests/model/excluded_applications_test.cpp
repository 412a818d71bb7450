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

TEST(ExcludedApplications, SuggestionsAreIdentifiers) {
    for (const auto& suggestion : ExcludedApplications::suggestions) {
        EXPECT_TRUE(ExcludedApplications::isBundleIdentifier(suggestion.bundleIdentifier))
            << suggestion.bundleIdentifier;
    }
}

}  // namespace
}  // namespace varnel
