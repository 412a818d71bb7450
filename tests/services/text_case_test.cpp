#include "services/text_case.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(TextCase, LowerCasesAllOfUnicode) {
    EXPECT_EQ(lowercased("Russian – PC"), "russian – pc");
    EXPECT_EQ(lowercased("РУССКАЯ – ПК"), "русская – пк");
    EXPECT_EQ(lowercased("ЁЛКА"), "ёлка");
    EXPECT_EQ(lowercased("ΣΟΦΙΑ"), "σοφια");
    EXPECT_EQ(lowercased(""), "");
    EXPECT_EQ(lowercased("\xff"), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace varnel
