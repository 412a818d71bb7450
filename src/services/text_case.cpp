#include "services/text_case.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace varnel {

std::string lowercased(std::string_view utf8) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    std::string out;
    text.toLower(icu::Locale::getRoot()).toUTF8String(out);
    return out;
}

}  // namespace varnel
