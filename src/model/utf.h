#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

// Writes the UTF-16 form of UTF-8 text into `out` (room for `capacity` units) and returns
// the number of units the whole text needs; when that exceeds `capacity`, only `capacity`
// units were written. Malformed bytes become U+FFFD. No allocation.
std::size_t utf8ToUtf16(std::string_view utf8, char16_t* out, std::size_t capacity);

std::u16string utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

}  // namespace varnel
