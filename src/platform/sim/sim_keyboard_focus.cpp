#include "platform/sim/sim_keyboard_focus.h"

namespace varnel {

KeyboardFocus::Following SimKeyboardFocus::follow(const Workspace::Application&,
                                                  std::function<void(Kind)> changed) {
    auto follower = std::make_shared<std::function<void(Kind)>>(std::move(changed));
    follower_ = follower;
    return {kind_, follower};
}

void SimKeyboardFocus::set(Kind kind) {
    kind_ = kind;
    if (auto follower = follower_.lock()) {
        (*follower)(kind);
    }
}

}  // namespace varnel
