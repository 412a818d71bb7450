#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/flags.h"
#include "model/inline_text.h"
#include "model/key_names.h"

namespace varnel {

// The key descriptions the diagnostics showed lately, kept whole, on the main thread: a
// delivery looks its description up and copies it in one block, where putting it together
// afresh (the modifiers' words and the key's name, at an offset that changes from key to
// key) took a blank and two more copies. Sixty-four of 64 bytes: more keys and combinations
// than a person uses in a stretch of typing.
class DescriptionCache {
  public:
    using Text = InlineText<59>;
    static_assert(KeyNames::descriptionRoom <= Text::capacity, "every description is kept");

    DescriptionCache() { scratch_.reserve(KeyNames::descriptionRoom); }

    // KeyNames::writePhysicalDescription's text for this key and these flags on the keyboard
    // named for, valid until the next call.
    const Text& physical(std::uint16_t keyCode, std::uint64_t flags) {
        const std::uint32_t key =
            keyCode | static_cast<std::uint32_t>((flags & Flags::modifiers) >> 1);
        Entry& entry = entries_[(key * 0x9E3779B1u) >> (32 - indexBits)];
        if (entry.key != key) [[unlikely]] {
            fill(entry, key, keyCode, flags);
        }
        return entry.text;
    }
    // Names the keys as on this keyboard from now on (ANSI at first). Another keyboard names two
    // keys otherwise, so what is kept goes; the keyboard changes seldom.
    void nameFor(KeyboardType keyboard);

  private:
    static constexpr int indexBits = 6;
    static_assert(Flags::modifiers >> 1 >= 0x10000, "the modifiers stay clear of the key code");
    struct Entry {
        std::uint32_t key = ~0u;  // no key has every bit set
        Text text;
    };
    static_assert(sizeof(Entry) == 64);

    void fill(Entry& entry, std::uint32_t key, std::uint16_t keyCode, std::uint64_t flags);

    std::array<Entry, 1u << indexBits> entries_;
    std::string scratch_;  // where a description is put together
    KeyboardType keyboard_ = KeyboardType::ansi;
};

}  // namespace varnel
