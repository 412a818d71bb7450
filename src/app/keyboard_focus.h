#pragma once

#include <cstdint>
#include <functional>

#include "app/system_notifications.h"
#include "app/workspace.h"

namespace varnel {

// Which kind of element has the keyboard focus in an application: a text entry (a text field,
// text area, search field, combo box, or anything whose value is editable) or something else
// (a list of files, a web page, a button). Only the kind is read, never the element's value,
// title or anything the user types; nothing of it is kept. Main thread only.
class KeyboardFocus {
  public:
    enum class Kind : std::uint8_t { textEntry, other, unknown };

    struct Following {
        Kind now = Kind::unknown;  // the kind at the moment following began
        ObserverToken token;       // following goes on while it lives
    };

    virtual ~KeyboardFocus() = default;

    // Starts following the focus of `application` (another process than Varnel): the kind
    // now, and `changed` called on the main thread with the kind after each change of focus,
    // for as long as the token lives. An application that cannot be asked (no permission, not
    // answering in time) reads unknown. Never blocks for long: each question to the other
    // process has a short timeout.
    virtual Following follow(const Workspace::Application& application,
                             std::function<void(Kind)> changed) = 0;
};

}  // namespace varnel
