#include "model/inline_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace varnel {
namespace {

// Text that does not fit is cut at the last whole character, whatever its width.
TEST(InlineText, KeepsWholeCharactersOnly) {
    struct Case {
        std::string_view text;
        std::string_view kept;
    };
    const Case cases[] = {
        {"abcdef", "abcdef"},                        // exactly the room
        {"abcdefg", "abcdef"}, {"abcdeё", "abcde"},  // two bytes, one would fit
        {"abcd→", "abcd"},                           // three bytes, two would fit
        {"abc→", "abc→"},      {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InlineText<6>(c.text), c.kept) << c.text;
    }
    EXPECT_EQ(InlineText<6>("abcd").append("eё"), "abcde");  // appending, likewise
}

// A shorter text written over a longer one leaves the longer one's bytes behind its length;
// they take no part in equality, and a copy from a smaller kind carries its length.
TEST(InlineText, EqualityAndCopiesReadOnlyTheText) {
    InlineText<16> reused("Ctrl + Shift + C");
    reused.assign("F5");
    EXPECT_EQ(reused, InlineText<16>("F5"));
    EXPECT_NE(reused, InlineText<16>("F6"));

    InlineText<32> wider("Alt + Shift + Tab → Command");
    wider.assign(reused);
    EXPECT_EQ(wider, "F5");
    EXPECT_EQ(wider.size(), 2u);
    EXPECT_EQ("Windows-текст: " + InlineText<8>("ф"), "Windows-текст: ф");
}

}  // namespace
}  // namespace varnel
