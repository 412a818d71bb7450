#pragma once

#include "model/application_profile.h"

namespace varnel {

// What the mapping needs to know beyond the key itself: the application in front, whether a
// text field has its keyboard focus, and what the system offers. The owner hands it to the
// engine as one value whenever one of them changes; the engine keeps the one fact of its own.
struct KeyContext {
    // The profile in force: standard for an application the table does not know and for one
    // whose profile is switched off.
    ApplicationKind application;
    // A text field, text area, search field or other editable element has the focus. Unknown
    // counts as one: the standard rules are what Varnel did before it could tell.
    bool textFocused = true;
    // macOS 15 and later tile the front window with Fn + Control + arrows.
    bool windowTiling = false;
    // Finder: the files last put on the clipboard were cut (Ctrl + X), so a paste moves them.
    // The engine's own: set by the cut, forgotten by anything but moving around.
    bool filesCut = false;

    friend bool operator==(const KeyContext&, const KeyContext&) = default;
};

}  // namespace varnel
