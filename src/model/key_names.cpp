#include "model/key_names.h"

#include "model/message_parts.h"

#include <array>
#include <charconv>
#include <cstring>

#include "model/flags.h"

namespace varnel::KeyNames {

namespace {

struct NamedKey {
    std::uint16_t code;
    std::string_view name;
};

// clang-format off
constexpr NamedKey namedKeys[] = {
    {0, "A"}, {1, "S"}, {2, "D"}, {3, "F"},
    {4, "H"}, {5, "G"}, {6, "Z"}, {7, "X"},
    {8, "C"}, {9, "V"}, {11, "B"}, {12, "Q"},
    {13, "W"}, {14, "E"}, {15, "R"}, {16, "Y"},
    {17, "T"}, {18, "1"}, {19, "2"}, {20, "3"},
    {21, "4"}, {22, "6"}, {23, "5"}, {24, "="},
    {25, "9"}, {26, "7"}, {27, "-"}, {28, "8"},
    {29, "0"}, {30, "]"}, {31, "O"}, {32, "U"},
    {33, "["}, {34, "I"}, {35, "P"}, {36, "Enter"},
    {37, "L"}, {38, "J"}, {39, "'"}, {40, "K"},
    {41, ";"}, {42, "\\"}, {43, ","}, {44, "/"},
    {45, "N"}, {46, "M"}, {47, "."}, {48, "Tab"},
    {49, "Space"}, {50, "`"}, {51, "Backspace"}, {53, "Escape"},
    {54, "Right Windows"}, {55, "Left Windows"}, {56, "Left Shift"}, {57, "Caps Lock"},
    {58, "Left Alt"}, {59, "Left Ctrl"}, {60, "Right Shift"}, {61, "Right Alt"},
    {62, "Right Ctrl"}, {65, "Numpad ."}, {67, "Numpad *"}, {69, "Numpad +"},
    {71, "Num Lock / Clear"}, {75, "Numpad /"}, {76, "Numpad Enter"}, {78, "Numpad -"},
    {81, "Numpad ="}, {82, "Numpad 0"}, {83, "Numpad 1"}, {84, "Numpad 2"},
    {85, "Numpad 3"}, {86, "Numpad 4"}, {87, "Numpad 5"}, {88, "Numpad 6"},
    {89, "Numpad 7"}, {91, "Numpad 8"}, {92, "Numpad 9"}, {96, "F5"},
    {97, "F6"}, {98, "F7"}, {99, "F3"}, {100, "F8"},
    {101, "F9"}, {103, "F11"}, {105, "Print Screen / F13"}, {107, "Scroll Lock / F14"},
    {109, "F10"}, {111, "F12"}, {113, "Pause / F15"}, {114, "Insert / Help"},
    {115, "Home"}, {116, "Page Up"}, {117, "Delete"}, {118, "F4"},
    {119, "End"}, {120, "F2"}, {121, "Page Down"}, {122, "F1"},
    {123, "Left Arrow"}, {124, "Right Arrow"}, {125, "Down Arrow"}, {126, "Up Arrow"},
};
// clang-format on

constexpr std::array<std::string_view, 127> names = [] {
    std::array<std::string_view, 127> table{};
    for (const NamedKey& key : namedKeys) {
        table[key.code] = key.name;
    }
    return table;
}();

// In the order they are written; modifierCombination() gives each its bit.
constexpr std::array<std::string_view, 4> modifierWords{"Ctrl", "Alt", "Shift", "Windows"};

constexpr std::string_view separator = " + ";

// Text kept in a slot of fixed size, so that it is copied with a fixed number of moves.
template <std::size_t Size>
struct Slot {
    std::array<char, Size> text{};
    std::uint8_t length = 0;

    constexpr void append(std::string_view part) {
        for (char c : part) {
            text[length++] = c;
        }
    }
    constexpr std::string_view view() const { return {text.data(), length}; }
};

// A key is named after its ANSI place (on ISO the key left of 1 and the extra key left of Z
// report each other's codes); the extra key, which ANSI keyboards lack, by its own name.
constexpr std::uint16_t isoSection = 10;
constexpr std::string_view isoExtraName = "\\ (ISO)";

constexpr bool isIsoExtraKey(std::uint16_t ansiPlace, KeyboardType keyboard) {
    return ansiPlace == isoSection && keyboard == KeyboardType::iso;
}

// The names in slots: the longest, "Print Screen / F13", takes 18 bytes.
constexpr std::array<Slot<24>, 127> nameSlots = [] {
    std::array<Slot<24>, 127> slots{};
    for (const NamedKey& key : namedKeys) {
        slots[key.code].append(key.name);
    }
    return slots;
}();
constexpr Slot<24> isoExtraSlot = [] {
    Slot<24> slot{};
    slot.append(isoExtraName);
    return slot;
}();

// The slot of a key's name; an empty one for a key without a name.
const Slot<24>& nameSlot(std::uint16_t keyCode, KeyboardType keyboard) {
    static constexpr Slot<24> none{};
    const std::uint16_t place = ansiPositionKeyCode(keyCode, keyboard);
    if (isIsoExtraKey(place, keyboard)) [[unlikely]] {
        return isoExtraSlot;
    }
    return place < nameSlots.size() ? nameSlots[place] : none;
}

// The words of every combination of the four modifiers, each followed by " + ", built once
// at compile time. The longest, all four, takes 31 bytes.
constexpr std::array<Slot<32>, 16> modifierPrefixes = [] {
    std::array<Slot<32>, 16> prefixes{};
    for (std::size_t combination = 0; combination < prefixes.size(); ++combination) {
        for (std::size_t word = 0; word < modifierWords.size(); ++word) {
            if (combination >> word & 1u) {
                prefixes[combination].append(modifierWords[word]);
                prefixes[combination].append(separator);
            }
        }
    }
    return prefixes;
}();

// The combination of the flags' modifiers: bit 0 Ctrl, 1 Alt, 2 Shift, 3 Windows.
constexpr std::size_t modifierCombination(std::uint64_t flags) {
    static_assert(Flags::control >> 18 == 1 && Flags::option >> 18 == 2);
    static_assert(Flags::shift >> 15 == 4 && Flags::command >> 17 == 8);
    return static_cast<std::size_t>((flags >> 18 & 3) | (flags >> 15 & 4) | (flags >> 17 & 8));
}

void appendName(std::string& out, std::uint16_t keyCode, KeyboardType keyboard) {
    if (std::string_view known = tableName(keyCode, keyboard); !known.empty()) {
        out.append(known);
        return;
    }
    char digits[8];
    auto end = std::to_chars(digits, digits + sizeof digits, keyCode).ptr;
    out.append(MessageParts::unknownKey).append(digits, end).append(")");
}

}  // namespace

std::string_view tableName(std::uint16_t keyCode, KeyboardType keyboard) {
    const std::uint16_t place = ansiPositionKeyCode(keyCode, keyboard);
    if (isIsoExtraKey(place, keyboard)) {
        return isoExtraName;
    }
    return place < names.size() ? names[place] : std::string_view{};
}

void writeName(std::string& out, std::uint16_t keyCode, KeyboardType keyboard) {
    out.clear();
    appendName(out, keyCode, keyboard);
}

void writeModifiersDescription(std::string& out, std::uint64_t flags) {
    const std::string_view prefix = modifierPrefixes[modifierCombination(flags)].view();
    out.assign(prefix.substr(0, prefix.empty() ? 0 : prefix.size() - separator.size()));
}

// The diagnostics show one of these for every event: the prefix and the name are copied
// whole, slot by slot, straight into the string. Copies of a fixed size take no branch on a
// length that changes from key to key, and nothing is read back from a buffer just written
// (a wide read across narrower fresh stores waits for them).
void writePhysicalDescription(std::string& out, std::uint16_t keyCode, std::uint64_t flags,
                              KeyboardType keyboard) {
    const Slot<32>& prefix = modifierPrefixes[modifierCombination(flags)];
    constexpr std::size_t room = sizeof(Slot<32>::text) + sizeof(Slot<24>::text);
    static_assert(room == descriptionRoom);
    // A string that has room for both slots (the diagnostics' own, after their first text)
    // takes them whole; a smaller one is not made to grow for it.
    if (const Slot<24>& name = nameSlot(keyCode, keyboard);
        name.length != 0 && out.capacity() >= room) {
        static constexpr char blank[room] = {};
        out.assign(blank, room);  // the whole room, in one copy of a fixed size
        char* text = out.data();
        std::memcpy(text, prefix.text.data(), sizeof prefix.text);
        std::memcpy(text + prefix.length, name.text.data(), sizeof name.text);
        out.resize(prefix.length + name.length);
        return;
    }
    out.assign(prefix.view());
    appendName(out, keyCode, keyboard);
}

std::string name(std::uint16_t keyCode, KeyboardType keyboard) {
    std::string out;
    writeName(out, keyCode, keyboard);
    return out;
}

std::string modifiersDescription(std::uint64_t flags) {
    std::string out;
    writeModifiersDescription(out, flags);
    return out;
}

std::string physicalDescription(std::uint16_t keyCode, std::uint64_t flags, KeyboardType keyboard) {
    std::string out;
    writePhysicalDescription(out, keyCode, flags, keyboard);
    return out;
}

}  // namespace varnel::KeyNames
