#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <optional>
#include <string>
#include <string_view>

namespace varnel::CFText {

// The UTF-8 text of a CFString; none for a null reference or another type.
std::optional<std::string> utf8(CFTypeRef value);
// A new CFString of UTF-8 text; the caller releases it.
CFStringRef createString(std::string_view utf8);

}  // namespace varnel::CFText
