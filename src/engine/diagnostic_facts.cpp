#include "engine/diagnostic_facts.h"

#include <algorithm>
#include <cstring>

#include "model/key_names.h"

namespace varnel {

namespace {

constexpr std::string_view emergencyAction = "Аварийное отключение";
constexpr std::string_view altTabAction = "Alt + Tab → Command + Tab";
constexpr std::string_view altShiftTabAction = "Alt + Shift + Tab → Command + Shift + Tab";
constexpr std::string_view typedTextPrefix = "Windows-текст: ";
constexpr std::string_view languageSwitchPrefix = "Shift + Alt → ";

constexpr bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void LastAction::setTyped(std::string_view text) {
    std::size_t size = std::min(text.size(), typedCapacity);
    if (size < text.size()) {
        while (size > 0 && isContinuationByte(text[size])) {
            --size;  // never half a character
        }
    }
    kind_ = Kind::typed;
    typedSize_ = static_cast<std::uint8_t>(size);
    std::copy_n(text.data(), size, typed_);
}

void LastAction::writeOther(std::string& out) const {
    switch (kind_) {
        case Kind::none: out.assign(LastAction::nothingYet); return;
        case Kind::passed: KeyNames::writePhysicalDescription(out, keyCode_, flags_); return;
        case Kind::chord: out.assign(chordName_); return;
        case Kind::typed: {
            char text[typedTextPrefix.size() + typedCapacity];
            std::memcpy(text, typedTextPrefix.data(), typedTextPrefix.size());
            std::memcpy(text + typedTextPrefix.size(), typed_, typedCapacity);
            out.assign(text, typedTextPrefix.size() + typedSize_);
            return;
        }
        case Kind::altTab: out.assign(altTabAction); return;
        case Kind::altShiftTab: out.assign(altShiftTabAction); return;
        case Kind::switcherKey: {
            const std::string_view name = KeyNames::tableName(keyCode_);
            out.assign("Alt + ").append(name).append(" → Command + ").append(name);
            return;
        }
        case Kind::emergencyStop: out.assign(emergencyAction); return;
        case Kind::languageSwitched:
            out.assign(languageSwitchPrefix).append(language_.displayName());
            return;
    }
}

}  // namespace varnel
