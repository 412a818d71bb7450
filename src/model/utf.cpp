#include "model/utf.h"

namespace varnel {

namespace {

constexpr char32_t replacement = 0xFFFD;

// Decodes one code point at `i` and advances past it.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return replacement;
    }
    for (int k = 0; k < length; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) {
            return replacement;
        }
        code = code << 6 | (byte(i++) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return replacement;
    }
    return code;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::size_t utf8ToUtf16(std::string_view utf8, char16_t* out, std::size_t capacity) {
    std::size_t units = 0;
    const auto put = [&](char16_t unit) {
        if (units < capacity) {
            out[units] = unit;
        }
        ++units;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t code = decodeUtf8(utf8, i);
        if (code >= 0x10000) {
            put(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            put(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<char16_t>(code));
        }
    }
    return units;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out(utf8ToUtf16(utf8, nullptr, 0), u'\0');
    utf8ToUtf16(utf8, out.data(), out.size());
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = replacement;
        }
        appendUtf8(out, code);
    }
    return out;
}

}  // namespace varnel
