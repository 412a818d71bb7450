#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include <nlohmann/json_fwd.hpp>

#include "model/decoded.h"

namespace varnel {

// Text known at compile time (a literal or a constant array). Holding it costs nothing,
// which keeps the mapping's answers free of heap allocation.
class StaticText {
  public:
    consteval StaticText(const char* text) : view_(text) {}
    constexpr std::string_view view() const { return view_; }

  private:
    std::string_view view_;
};

// One key with its modifier mask, as the mapping wants it posted.
class KeyChord {
  public:
    // A chord named by constant text: no allocation.
    KeyChord(std::uint16_t keyCode, std::uint64_t flags, StaticText displayName)
        : keyCode(keyCode), flagsRawValue(flags), displayName_(displayName.view()) {}
    // A chord whose name comes from elsewhere (decoding, tests): the chord keeps the text.
    // Only a std::string is taken here, so that a literal always picks the constant form.
    template <class Text>
    requires std::same_as<std::remove_cvref_t<Text>, std::string> KeyChord(std::uint16_t keyCode,
                                                                           std::uint64_t flags,
                                                                           Text&& displayName)
        : keyCode(keyCode),
          flagsRawValue(flags),
          ownedName_(std::make_shared<const std::string>(std::forward<Text>(displayName))),
          displayName_(*ownedName_) {}

    std::uint64_t flags() const { return flagsRawValue; }
    std::string_view displayName() const { return displayName_; }

    // Keyed form: "keyCode", "flagsRawValue" and "displayName", all required.
    nlohmann::json toJson() const;
    static Decoded<KeyChord> fromJson(const nlohmann::json& json);

    friend bool operator==(const KeyChord& a, const KeyChord& b) {
        return a.keyCode == b.keyCode && a.flagsRawValue == b.flagsRawValue &&
               a.displayName_ == b.displayName_;
    }

    std::uint16_t keyCode;
    std::uint64_t flagsRawValue;

  private:
    std::shared_ptr<const std::string> ownedName_;  // set only when the chord owns its text
    std::string_view displayName_;
};

}  // namespace varnel
