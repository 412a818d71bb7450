#include "engine/description_cache.h"

namespace varnel {

void DescriptionCache::fill(Entry& entry, std::uint32_t key, std::uint16_t keyCode,
                            std::uint64_t flags) {
    KeyNames::writePhysicalDescription(scratch_, keyCode, flags, keyboard_);
    entry.key = key;
    entry.text.assign(scratch_);
}

void DescriptionCache::nameFor(KeyboardType keyboard) {
    if (keyboard != keyboard_) {
        keyboard_ = keyboard;
        entries_.fill(Entry{});
    }
}

}  // namespace varnel
