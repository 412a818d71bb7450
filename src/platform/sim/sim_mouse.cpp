#include "platform/sim/sim_mouse.h"

namespace varnel {

std::uint32_t SimMouse::downType(Button button) {
    switch (button) {
        case Button::left: return EventType::leftMouseDown;
        case Button::right: return EventType::rightMouseDown;
        case Button::other: return EventType::otherMouseDown;
    }
    return EventType::leftMouseDown;
}

std::uint32_t SimMouse::upType(Button button) {
    switch (button) {
        case Button::left: return EventType::leftMouseUp;
        case Button::right: return EventType::rightMouseUp;
        case Button::other: return EventType::otherMouseUp;
    }
    return EventType::leftMouseUp;
}

std::uint32_t SimMouse::draggedType(Button button) {
    switch (button) {
        case Button::left: return EventType::leftMouseDragged;
        case Button::right: return EventType::rightMouseDragged;
        case Button::other: return EventType::otherMouseDragged;
    }
    return EventType::leftMouseDragged;
}

void SimMouse::send(std::uint32_t type) {
    SimEvent event;
    event.type = type;
    event.flags = keyboard_.modifierFlags();
    events_.inject(event);
}

void SimMouse::click(Button button) {
    send(downType(button));
    send(upType(button));
}

void SimMouse::drag(Button button) {
    send(downType(button));
    send(draggedType(button));
    send(upType(button));
}

}  // namespace varnel
