#include "platform/sim/sim_mouse.h"

#include <array>

namespace varnel {

namespace {

struct ButtonTypes {
    std::uint32_t down, up, dragged;
};

constexpr std::array<ButtonTypes, 3> buttonTypes{{
    {EventType::leftMouseDown, EventType::leftMouseUp, EventType::leftMouseDragged},
    {EventType::rightMouseDown, EventType::rightMouseUp, EventType::rightMouseDragged},
    {EventType::otherMouseDown, EventType::otherMouseUp, EventType::otherMouseDragged},
}};

const ButtonTypes& typesOf(SimMouse::Button button) {
    return buttonTypes[static_cast<std::size_t>(button)];
}

}  // namespace

void SimMouse::send(std::uint32_t type) {
    SimEvent event;
    event.type = type;
    event.flags = keyboard_.modifierFlags();
    events_.inject(event);
}

void SimMouse::click(Button button) {
    send(typesOf(button).down);
    send(typesOf(button).up);
}

void SimMouse::drag(Button button) {
    send(typesOf(button).down);
    send(typesOf(button).dragged);
    send(typesOf(button).up);
}

}  // namespace varnel
