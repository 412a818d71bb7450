#pragma once

#include <cstdint>

#include "platform/sim/sim_event_system.h"
#include "platform/sim/sim_keyboard.h"

namespace varnel {

// The mouse of the simulated Mac: its buttons, pressed under the modifiers the keyboard holds
// (their flags with device bits, as key events carry them). Mouse moves are not modelled.
class SimMouse {
  public:
    enum class Button { left, right, other };

    SimMouse(SimEventSystem& events, const SimKeyboard& keyboard)
        : events_(events), keyboard_(keyboard) {}

    // Down, then up.
    void click(Button button);
    // Down, moved while held, up.
    void drag(Button button);

  private:
    void send(std::uint32_t type);

    SimEventSystem& events_;
    const SimKeyboard& keyboard_;
};

}  // namespace varnel
