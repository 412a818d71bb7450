#include "model/key_chord.h"

#include <nlohmann/json.hpp>

namespace varnel {

nlohmann::json KeyChord::toJson() const {
    return {{"keyCode", keyCode},
            {"flagsRawValue", flagsRawValue},
            {"displayName", std::string(displayName_)}};
}

Decoded<KeyChord> KeyChord::fromJson(const nlohmann::json& json) {
    if (!json.is_object()) {
        return DecodeError{"key chord: expected an object"};
    }
    const auto keyCode = json.find("keyCode");
    const auto flags = json.find("flagsRawValue");
    const auto name = json.find("displayName");
    if (keyCode == json.end() || flags == json.end() || name == json.end()) {
        return DecodeError{
            "key chord: \"keyCode\", \"flagsRawValue\" and \"displayName\" are required"};
    }
    // Only unsigned integers fit; nlohmann keeps non-negative integers as unsigned.
    if (!keyCode->is_number_unsigned() || keyCode->get<std::uint64_t>() > UINT16_MAX) {
        return DecodeError{"key chord: \"keyCode\" must be an unsigned 16-bit number"};
    }
    if (!flags->is_number_unsigned()) {
        return DecodeError{"key chord: \"flagsRawValue\" must be an unsigned 64-bit number"};
    }
    if (!name->is_string()) {
        return DecodeError{"key chord: \"displayName\" must be a string"};
    }
    return KeyChord(static_cast<std::uint16_t>(keyCode->get<std::uint64_t>()),
                    flags->get<std::uint64_t>(), name->get<std::string>());
}

}  // namespace varnel
