#pragma once

#include <cstdint>
#include <string>

#include "model/windows_typing_language.h"

namespace varnel {

// What the engine last saw and did, shown live in the main window.
struct DiagnosticSnapshot {
    std::string lastPhysicalKey = "—";
    std::string lastTransformedAction = "—";
    bool eventTapActive = false;
    std::int64_t processedEvents = 0;
    std::int64_t blockedEvents = 0;
    WindowsTypingLanguage typingLanguage = WindowsTypingLanguage::english;

    friend bool operator==(const DiagnosticSnapshot&, const DiagnosticSnapshot&) = default;
};

}  // namespace varnel
