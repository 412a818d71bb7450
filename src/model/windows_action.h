#pragma once

#include <optional>

#include "model/key_chord.h"

namespace varnel {

// WindowsSpecialAction: the mapping's answer for one key press.
class WindowsSpecialAction {
  public:
    enum class Case { emit, none, altTab };

    // Swallow the physical key and post this chord instead.
    static WindowsSpecialAction emit(KeyChord chord) {
        return WindowsSpecialAction(Case::emit, std::move(chord));
    }
    // The press is no special shortcut.
    static WindowsSpecialAction none() { return WindowsSpecialAction(Case::none); }
    // Start or continue Alt + Tab switching.
    static WindowsSpecialAction altTab() { return WindowsSpecialAction(Case::altTab); }

    Case kind() const { return kind_; }
    // The chord of an emit answer; absent otherwise.
    const std::optional<KeyChord>& chord() const { return chord_; }

    friend bool operator==(const WindowsSpecialAction& a, const WindowsSpecialAction& b) {
        return a.kind_ == b.kind_ && a.chord_ == b.chord_;
    }

  private:
    explicit WindowsSpecialAction(Case kind, std::optional<KeyChord> chord = std::nullopt)
        : kind_(kind), chord_(std::move(chord)) {}

    Case kind_;
    std::optional<KeyChord> chord_;
};

}  // namespace varnel
