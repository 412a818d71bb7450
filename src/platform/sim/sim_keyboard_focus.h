#pragma once

#include <functional>
#include <memory>

#include "app/keyboard_focus.h"

namespace varnel {

// The simulated Mac's keyboard focus: one kind for whichever application is in front (a fresh
// Mac has a text field focused). A test moves it; the one following is told at once.
class SimKeyboardFocus : public KeyboardFocus {
  public:
    Following follow(const Workspace::Application& application,
                     std::function<void(Kind)> changed) override;

    Kind kind() const { return kind_; }
    // The focus moves to an element of this kind.
    void set(Kind kind);
    // Whether anyone follows the focus now (for tests).
    bool isFollowed() const { return !follower_.expired(); }

  private:
    Kind kind_ = Kind::textEntry;
    std::weak_ptr<std::function<void(Kind)>> follower_;
};

}  // namespace varnel
