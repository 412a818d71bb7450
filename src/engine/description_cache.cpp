#include "engine/description_cache.h"

#include <cstring>

namespace varnel {

std::string_view DescriptionCache::fill(Entry& entry, std::uint32_t key, std::uint16_t keyCode,
                                        std::uint64_t flags) {
    KeyNames::writePhysicalDescription(scratch_, keyCode, flags);
    if (scratch_.size() > sizeof entry.text) {
        return scratch_;  // too long to keep (none is, today): valid until the next call
    }
    entry.key = key;
    entry.length = static_cast<std::uint8_t>(scratch_.size());
    std::memcpy(entry.text, scratch_.data(), scratch_.size());
    return {entry.text, entry.length};
}

}  // namespace varnel
