#include "model/windows_typing_language.h"

#include <nlohmann/json.hpp>

#include "model/translatable.h"

namespace varnel {

std::optional<WindowsTypingLanguage> WindowsTypingLanguage::fromRawValue(
    std::string_view rawValue) {
    for (WindowsTypingLanguage language : allCases()) {
        if (language.rawValue() == rawValue) {
            return language;
        }
    }
    return std::nullopt;
}

std::string_view WindowsTypingLanguage::rawValue() const {
    return value_ == english ? "english" : "russian";
}

std::string_view WindowsTypingLanguage::displayName() const {
    return value_ == english ? VARNEL_TRANSLATE_NOOP("Messages", "English · Windows")
                             : VARNEL_TRANSLATE_NOOP("Messages", "Русская · Windows");
}

nlohmann::json WindowsTypingLanguage::toJson() const {
    return std::string(rawValue());
}

Decoded<WindowsTypingLanguage> WindowsTypingLanguage::fromJson(const nlohmann::json& json) {
    if (!json.is_string()) {
        return DecodeError{"typing language: expected a string"};
    }
    if (auto language = fromRawValue(json.get_ref<const std::string&>())) {
        return *language;
    }
    return DecodeError{"typing language: cannot initialize from invalid raw value"};
}

}  // namespace varnel
