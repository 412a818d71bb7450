#pragma once

#include <optional>
#include <string_view>

#include "model/key_chord.h"

namespace varnel {

// WindowsSpecialAction: the mapping's answer for one key press.
class WindowsSpecialAction {
  public:
    enum class Case { emit, none, altTab, swallow };

    // Swallow the physical key and post this chord instead.
    static WindowsSpecialAction emit(KeyChord chord) {
        return WindowsSpecialAction(Case::emit, std::move(chord));
    }
    // The same, and the chord puts files on the clipboard to be moved (Finder's cut): the next
    // paste moves them.
    static WindowsSpecialAction emitCuttingFiles(KeyChord chord) {
        WindowsSpecialAction action(Case::emit, std::move(chord));
        action.cutsFiles_ = true;
        return action;
    }
    // The press is no special shortcut.
    static WindowsSpecialAction none() { return WindowsSpecialAction(Case::none); }
    // Start or continue Alt + Tab switching.
    static WindowsSpecialAction altTab() { return WindowsSpecialAction(Case::altTab); }
    // Swallow the physical key and post nothing; `why` is shown in the diagnostics.
    static WindowsSpecialAction swallow(StaticText why) {
        WindowsSpecialAction action(Case::swallow);
        action.why_ = why.view();
        return action;
    }

    Case kind() const { return kind_; }
    // The chord of an emit answer; absent otherwise.
    const std::optional<KeyChord>& chord() const { return chord_; }
    // What the diagnostics show: the chord's name, or why the key was swallowed.
    std::string_view displayName() const { return chord_ ? chord_->displayName() : why_; }
    bool cutsFiles() const { return cutsFiles_; }

    friend bool operator==(const WindowsSpecialAction& a, const WindowsSpecialAction& b) {
        return a.kind_ == b.kind_ && a.chord_ == b.chord_ && a.why_ == b.why_ &&
               a.cutsFiles_ == b.cutsFiles_;
    }

  private:
    explicit WindowsSpecialAction(Case kind, std::optional<KeyChord> chord = std::nullopt)
        : kind_(kind), chord_(std::move(chord)) {}

    Case kind_;
    bool cutsFiles_ = false;
    std::optional<KeyChord> chord_;
    std::string_view why_;
};

}  // namespace varnel
