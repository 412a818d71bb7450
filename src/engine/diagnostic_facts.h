#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/description_cache.h"
#include "model/diagnostic_snapshot.h"
#include "model/inline_text.h"
#include "model/key_names.h"
#include "model/windows_typing_language.h"

namespace varnel {

// What the engine did with the last key event, as a small value the tap can write in a few
// stores. It is put into words only when the diagnostics are shown (write()).
class LastAction {
  public:
    enum class Kind : std::uint8_t {
        none,              // nothing yet
        passed,            // passed on: the key as the system sees it after the exchange
        chord,             // replaced by a chord of the mapping
        typed,             // typed from the built-in layout
        altTab,            // Alt + Tab drove the switcher
        altShiftTab,       // Alt + Shift + Tab drove it backwards
        switcherKey,       // an arrow or Escape drove it
        emergencyStop,     // the emergency chord
        languageSwitched,  // Shift + Alt switched the typing language
    };
    // Longest typed text kept: the built-in layouts type one character.
    static constexpr std::size_t typedCapacity = 15;
    // What the diagnostics show before the first event.
    static constexpr std::string_view nothingYet = "—";

    Kind kind() const { return kind_; }

    // The key passed as the system sees it, its key code and flags after the exchange (the
    // tap has them at hand).
    void setPassed(std::uint16_t keyCode, std::uint64_t flags) {
        kind_ = Kind::passed;
        keyCode_ = keyCode;
        flags_ = flags;
    }
    // `displayName` is the mapping's constant text, which lives as long as the program.
    void setChord(std::string_view displayName) {
        kind_ = Kind::chord;
        chordName_ = displayName;
    }
    // Kept by value, up to typedCapacity bytes (whole characters only beyond that).
    void setTyped(std::string_view text) {
        kind_ = Kind::typed;
        typed_.assign(text);
    }
    void setAltTab(bool backwards) { kind_ = backwards ? Kind::altShiftTab : Kind::altTab; }
    void setSwitcherKey(std::uint16_t keyCode) {
        kind_ = Kind::switcherKey;
        keyCode_ = keyCode;
    }
    void setEmergencyStop() { kind_ = Kind::emergencyStop; }
    void setLanguageSwitched(WindowsTypingLanguage language) {
        kind_ = Kind::languageSwitched;
        language_ = language;
    }

    // The text the diagnostics show, written over `out`. A key passed, the commonest, is
    // written here, inline where the delivery renders.
    void write(DiagnosticSnapshot::ActionText& out, DescriptionCache& descriptions) const {
        if (kind_ == Kind::passed) {
            out.assign(descriptions.physical(keyCode_, flags_));
            return;
        }
        writeOther(out);
    }

    // Same kind and the same facts for that kind: the same text.
    friend bool operator==(const LastAction& a, const LastAction& b) {
        if (a.kind_ != b.kind_) {
            return false;
        }
        switch (a.kind_) {
            case Kind::passed: return a.keyCode_ == b.keyCode_ && a.flags_ == b.flags_;
            // The mapping's constant texts: one chord, one text, at one address (equal text at
            // another address only costs a rewrite).
            case Kind::chord:
                return a.chordName_.data() == b.chordName_.data() &&
                       a.chordName_.size() == b.chordName_.size();
            case Kind::typed: return a.typed_ == b.typed_;
            case Kind::switcherKey: return a.keyCode_ == b.keyCode_;
            case Kind::languageSwitched: return a.language_ == b.language_;
            default: return true;
        }
    }

  private:
    // Every kind but a key passed, which write() takes itself.
    void writeOther(DiagnosticSnapshot::ActionText& out) const;

    Kind kind_ = Kind::none;
    std::uint16_t keyCode_ = 0;
    WindowsTypingLanguage language_ = WindowsTypingLanguage::english;
    std::uint64_t flags_ = 0;
    std::string_view chordName_;
    InlineText<typedCapacity> typed_;
};

// The last physical key event: its key code and flags as the system reported them.
struct PhysicalKey {
    bool seen = false;
    std::uint16_t keyCode = 0;
    std::uint64_t flags = 0;

    void set(std::uint16_t code, std::uint64_t physicalFlags) {
        seen = true;
        keyCode = code;
        flags = physicalFlags;
    }
    // The text the diagnostics show, written over `out`.
    void write(DiagnosticSnapshot::KeyText& out, DescriptionCache& descriptions) const {
        if (seen) {
            out.assign(descriptions.physical(keyCode, flags));
        } else {
            out.assign(LastAction::nothingYet);
        }
    }

    friend bool operator==(const PhysicalKey&, const PhysicalKey&) = default;
};

// Everything a DiagnosticSnapshot shows, as the tap records it: facts, not text.
struct DiagnosticFacts {
    PhysicalKey lastPhysicalKey;
    LastAction lastAction;
    bool eventTapActive = false;
    std::int64_t processedEvents = 0;
    std::int64_t blockedEvents = 0;
    WindowsTypingLanguage typingLanguage = WindowsTypingLanguage::english;
    // The keyboard of the last key whose keyboard was read (every key the built-in layouts may
    // type), in one byte that every delivery compares: 0 before the first, else the type + 1.
    std::uint8_t keyboard = 0;

    void setKeyboard(KeyboardType type) { keyboard = static_cast<std::uint8_t>(type) + 1; }
    std::optional<KeyboardType> keyboardType() const {
        return keyboard == 0 ? std::nullopt
                             : std::optional(static_cast<KeyboardType>(keyboard - 1));
    }

    // Brings `snapshot`, whose texts show the key and action of `shown`, up to these facts;
    // a text whose facts did not change is left as it is. `shown` follows.
    [[gnu::always_inline]] void render(DiagnosticSnapshot& snapshot, DiagnosticFacts& shown,
                                       DescriptionCache& descriptions) const {
        if (keyboard != shown.keyboard) [[unlikely]] {
            renderForKeyboard(snapshot, shown, descriptions);
        }
        if (!(lastPhysicalKey == shown.lastPhysicalKey)) {
            lastPhysicalKey.write(snapshot.lastPhysicalKey, descriptions);
            shown.lastPhysicalKey = lastPhysicalKey;
        }
        if (!(lastAction == shown.lastAction)) {
            lastAction.write(snapshot.lastTransformedAction, descriptions);
            shown.lastAction = lastAction;
        }
        snapshot.eventTapActive = eventTapActive;
        snapshot.processedEvents = processedEvents;
        snapshot.blockedEvents = blockedEvents;
        snapshot.typingLanguage = typingLanguage;
    }

    // Another keyboard: the keys are named as on it, the texts written again.
    [[gnu::cold]] void renderForKeyboard(DiagnosticSnapshot& snapshot, DiagnosticFacts& shown,
                                         DescriptionCache& descriptions) const;
};

}  // namespace varnel
