#pragma once

#include <cstdint>

#include <optional>

#include "model/inline_text.h"
#include "model/keyboard_type.h"
#include "model/windows_typing_language.h"

namespace varnel {

// What the engine last saw and did, shown live in the main window. The texts are kept in
// place, so that copying a snapshot never allocates: room for any key description, and for
// what became of the key (a chord's name of the mapping is the longest).
struct DiagnosticSnapshot {
    using KeyText = InlineText<63>;
    using ActionText = InlineText<127>;

    KeyText lastPhysicalKey{"—"};
    ActionText lastTransformedAction{"—"};
    bool eventTapActive = false;
    std::int64_t processedEvents = 0;
    std::int64_t blockedEvents = 0;
    WindowsTypingLanguage typingLanguage = WindowsTypingLanguage::english;
    // The type of the keyboard the last key typed came from; none before the first.
    std::optional<KeyboardType> keyboardType;

    friend bool operator==(const DiagnosticSnapshot&, const DiagnosticSnapshot&) = default;
};

}  // namespace varnel
