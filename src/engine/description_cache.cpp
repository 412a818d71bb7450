#include "engine/description_cache.h"

namespace varnel {

void DescriptionCache::fill(Entry& entry, std::uint32_t key, std::uint16_t keyCode,
                            std::uint64_t flags, KeyboardType keyboard) {
    KeyNames::writePhysicalDescription(scratch_, keyCode, flags, keyboard);
    entry.key = key;
    entry.text.assign(scratch_);
}

}  // namespace varnel
