#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace varnel {

// UTF-8 text of at most Capacity bytes kept in place. Copying one is copying a block of a
// fixed size: no allocation, no call, no branch on the length. The diagnostics are made of
// these, so that every copy of a snapshot, in the engine and in its owner, stays that cheap.
template <std::size_t Capacity>
class InlineText {
    static_assert(Capacity > 0 && Capacity < 256, "the length is kept in one byte");

  public:
    static constexpr std::size_t capacity = Capacity;

    constexpr InlineText() = default;
    constexpr InlineText(std::string_view text) { assign(text); }  // NOLINT: as a string is

    // What does not fit is left off, never half a character; the texts put here fit.
    constexpr InlineText& assign(std::string_view text) {
        length_ = 0;
        return append(text);
    }
    constexpr InlineText& append(std::string_view text) {
        std::size_t size = std::min(text.size(), Capacity - length_);
        if (size < text.size()) {
            while (size > 0 && isContinuationByte(text[size])) {
                --size;
            }
        }
        std::copy_n(text.data(), size, text_ + length_);
        length_ = static_cast<std::uint8_t>(length_ + size);
        return *this;
    }
    // A text of a smaller kind, copied whole in one block of its size: the bytes past its
    // length come along unread.
    template <std::size_t Other>
    requires(Other <= Capacity) InlineText& assign(const InlineText<Other>& other) {
        std::memcpy(text_, other.text_, Other);
        length_ = other.length_;
        return *this;
    }

    std::size_t size() const { return length_; }
    std::string_view view() const { return {text_, length_}; }
    operator std::string_view() const { return view(); }  // NOLINT: reads as a string does

    // Equal texts, whatever lies past their length.
    friend bool operator==(const InlineText& a, const InlineText& b) {
        return a.view() == b.view();
    }
    friend bool operator==(const InlineText& a, std::string_view b) { return a.view() == b; }
    friend std::string operator+(std::string_view a, const InlineText& b) {
        std::string out;
        out.reserve(a.size() + b.size());
        return out.append(a).append(b.view());
    }

  private:
    template <std::size_t>
    friend class InlineText;

    static constexpr bool isContinuationByte(char c) {
        return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    }

    std::uint8_t length_ = 0;
    char text_[Capacity] = {};
};

}  // namespace varnel
