#pragma once

#include <string>
#include <string_view>

namespace varnel {

// Full Unicode lower-casing of UTF-8 text (Cyrillic included), independent of the locale.
// Malformed bytes become U+FFFD.
std::string lowercased(std::string_view utf8);

}  // namespace varnel
