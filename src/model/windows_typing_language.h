#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "model/decoded.h"

namespace varnel {

// The language of the built-in Windows typing layouts.
class WindowsTypingLanguage {
  public:
    enum Value : unsigned char { english, russian };

    constexpr WindowsTypingLanguage(Value value) : value_(value) {}

    // Exactly "english" or "russian"; any other text (case differs included) gives nothing.
    static std::optional<WindowsTypingLanguage> fromRawValue(std::string_view rawValue);
    static constexpr std::array<WindowsTypingLanguage, 2> allCases() { return {english, russian}; }

    constexpr Value value() const { return value_; }
    constexpr operator Value() const { return value_; }
    std::string_view rawValue() const;
    std::string_view displayName() const;
    void toggle() { value_ = value_ == english ? russian : english; }

    // Stored form: the raw value as one JSON string.
    nlohmann::json toJson() const;
    static Decoded<WindowsTypingLanguage> fromJson(const nlohmann::json& json);

  private:
    Value value_;
};

}  // namespace varnel

template <>
struct std::hash<varnel::WindowsTypingLanguage> {
    std::size_t operator()(varnel::WindowsTypingLanguage language) const noexcept {
        return std::hash<std::string_view>{}(language.rawValue());
    }
};
