#include "platform/sim/sim_key_names.h"

#include <array>
#include <charconv>

#include "model/flags.h"
#include "model/utf.h"

namespace varnel::SimKeyNames {

namespace {

struct Name {
    std::string_view name;
    std::uint16_t code;
};

// Canonical names first (one per key code), then the other names.
// clang-format off
constexpr Name names[] = {
    {"A", 0}, {"S", 1}, {"D", 2}, {"F", 3}, {"H", 4}, {"G", 5}, {"Z", 6}, {"X", 7},
    {"C", 8}, {"V", 9}, {"IsoExtra", 10}, {"B", 11}, {"Q", 12}, {"W", 13}, {"E", 14},
    {"R", 15}, {"Y", 16}, {"T", 17}, {"1", 18}, {"2", 19}, {"3", 20}, {"4", 21}, {"6", 22},
    {"5", 23}, {"Equal", 24}, {"9", 25}, {"7", 26}, {"Minus", 27}, {"8", 28}, {"0", 29},
    {"RightBracket", 30}, {"O", 31}, {"U", 32}, {"LeftBracket", 33}, {"I", 34}, {"P", 35},
    {"Enter", 36}, {"L", 37}, {"J", 38}, {"Quote", 39}, {"K", 40}, {"Semicolon", 41},
    {"Backslash", 42}, {"Comma", 43}, {"Slash", 44}, {"N", 45}, {"M", 46}, {"Period", 47},
    {"Tab", 48}, {"Space", 49}, {"Grave", 50}, {"Backspace", 51}, {"Esc", 53},
    {"RightWin", 54}, {"LeftWin", 55}, {"LeftShift", 56}, {"CapsLock", 57}, {"LeftAlt", 58},
    {"LeftCtrl", 59}, {"RightShift", 60}, {"RightAlt", 61}, {"RightCtrl", 62}, {"Fn", 63},
    {"NumDecimal", 65}, {"NumMultiply", 67}, {"NumPlus", 69}, {"NumClear", 71},
    {"NumDivide", 75}, {"NumEnter", 76}, {"NumMinus", 78}, {"NumEqual", 81}, {"Num0", 82},
    {"Num1", 83}, {"Num2", 84}, {"Num3", 85}, {"Num4", 86}, {"Num5", 87}, {"Num6", 88},
    {"Num7", 89}, {"Num8", 91}, {"Num9", 92}, {"Yen", 93}, {"F5", 96}, {"F6", 97},
    {"F7", 98}, {"F3", 99}, {"F8", 100}, {"F9", 101}, {"F11", 103}, {"PrintScreen", 105},
    {"ScrollLock", 107}, {"F10", 109}, {"F12", 111}, {"Pause", 113}, {"Insert", 114},
    {"Home", 115}, {"PageUp", 116}, {"Delete", 117}, {"F4", 118}, {"End", 119}, {"F2", 120},
    {"PageDown", 121}, {"F1", 122}, {"Left", 123}, {"Right", 124}, {"Down", 125}, {"Up", 126},
    // other names
    {"Ctrl", 59}, {"Alt", 58}, {"Shift", 56}, {"Win", 55}, {"Escape", 53}, {"Help", 114},
    {"F13", 105}, {"F14", 107}, {"F15", 113},
};
// clang-format on

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

struct FlagName {
    std::uint64_t bit;
    std::string_view name;
};

constexpr FlagName flagNames[] = {
    {Flags::control, "Control"},   {Flags::option, "Option"},     {Flags::shift, "Shift"},
    {Flags::command, "Command"},   {Flags::capsLock, "CapsLock"}, {Flags::secondaryFn, "Fn"},
    {Flags::numericPad, "NumPad"},
};

std::string_view typeWord(std::uint32_t type) {
    switch (type) {
        case EventType::keyDown: return "down";
        case EventType::keyUp: return "up";
        case EventType::flagsChanged: return "flags";
        case EventType::leftMouseDown:
        case EventType::rightMouseDown:
        case EventType::otherMouseDown: return "click";
        case EventType::leftMouseDragged:
        case EventType::rightMouseDragged:
        case EventType::otherMouseDragged: return "drag";
        case EventType::leftMouseUp:
        case EventType::rightMouseUp:
        case EventType::otherMouseUp: return "release";
        default: return "event";
    }
}

std::string_view mouseButtonName(std::uint32_t type) {
    switch (type) {
        case EventType::leftMouseDown:
        case EventType::leftMouseUp:
        case EventType::leftMouseDragged: return "left";
        case EventType::rightMouseDown:
        case EventType::rightMouseUp:
        case EventType::rightMouseDragged: return "right";
        default: return "other";
    }
}

}  // namespace

std::optional<std::uint16_t> keyCode(std::string_view name, KeyboardType keyboard) {
    if (name.size() > 1 && name.front() == '#') {
        unsigned value = 0;
        const char* first = name.data() + 1;
        const char* last = name.data() + name.size();
        auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc{} || end != last || value > 0xFFFF) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(value);
    }
    for (const Name& entry : names) {
        if (equalIgnoringCase(entry.name, name)) {
            return ansiPositionKeyCode(entry.code, keyboard);
        }
    }
    return std::nullopt;
}

std::string canonicalName(std::uint16_t keyCode, KeyboardType keyboard) {
    const std::uint16_t ansiCode = ansiPositionKeyCode(keyCode, keyboard);
    for (const Name& entry : names) {
        if (entry.code == ansiCode) {
            return std::string(entry.name);
        }
    }
    return std::string("#").append(std::to_string(keyCode));
}

std::string describeFlags(std::uint64_t flags) {
    std::string out = "[";
    for (const FlagName& flag : flagNames) {
        if (flags & flag.bit) {
            if (out.size() > 1) {
                out += '+';
            }
            out += flag.name;
        }
    }
    return out + "]";
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

std::string describe(const ReceivedEvent& event) {
    std::string out(typeWord(event.type));
    out += ' ';
    out += isMouseButtonEvent(event.type) ? mouseButtonName(event.type)
                                          : canonicalName(event.keyCode, event.keyboard);
    out += ' ';
    out += describeFlags(event.flags);
    if (!event.text.empty()) {
        out += ' ';
        out += quoted(utf16ToUtf8(event.text));
    }
    return out;
}

}  // namespace varnel::SimKeyNames
