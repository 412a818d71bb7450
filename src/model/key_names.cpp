#include "model/key_names.h"

#include <array>
#include <charconv>

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

struct ModifierWord {
    std::uint64_t bit;
    std::string_view word;
};

constexpr std::array<ModifierWord, 4> modifierWords{{
    {Flags::control, "Ctrl"},
    {Flags::option, "Alt"},
    {Flags::shift, "Shift"},
    {Flags::command, "Windows"},
}};

constexpr std::string_view separator = " + ";

void appendName(std::string& out, std::uint16_t keyCode) {
    if (std::string_view known = tableName(keyCode); !known.empty()) {
        out.append(known);
        return;
    }
    char digits[8];
    auto end = std::to_chars(digits, digits + sizeof digits, keyCode).ptr;
    out.append("Клавиша (код ").append(digits, end).append(")");
}

// The words of every combination of the four modifiers, each followed by " + ", built once
// at compile time: the event tap writes a description with two appends.
struct ModifierPrefixes {
    std::array<std::array<char, 40>, 16> text{};
    std::array<std::uint8_t, 16> length{};

    constexpr std::string_view operator[](std::size_t combination) const {
        return {text[combination].data(), length[combination]};
    }
};

constexpr ModifierPrefixes modifierPrefixes = [] {
    ModifierPrefixes prefixes;
    for (std::size_t combination = 0; combination < 16; ++combination) {
        std::size_t length = 0;
        for (std::size_t word = 0; word < modifierWords.size(); ++word) {
            if (combination >> word & 1u) {
                for (char c : modifierWords[word].word) {
                    prefixes.text[combination][length++] = c;
                }
                for (char c : separator) {
                    prefixes.text[combination][length++] = c;
                }
            }
        }
        prefixes.length[combination] = static_cast<std::uint8_t>(length);
    }
    return prefixes;
}();

// The modifier words of the flags, each followed by " + ".
std::string_view modifierPrefix(std::uint64_t flags) {
    std::size_t combination = 0;
    for (std::size_t word = 0; word < modifierWords.size(); ++word) {
        combination |= Flags::hasAny(flags, modifierWords[word].bit) ? std::size_t{1} << word : 0;
    }
    return modifierPrefixes[combination];
}

}  // namespace

std::string_view tableName(std::uint16_t keyCode) {
    return keyCode < names.size() ? names[keyCode] : std::string_view{};
}

void writeName(std::string& out, std::uint16_t keyCode) {
    out.clear();
    appendName(out, keyCode);
}

void writeModifiersDescription(std::string& out, std::uint64_t flags) {
    const std::string_view prefix = modifierPrefix(flags);
    out.assign(prefix.substr(0, prefix.empty() ? 0 : prefix.size() - separator.size()));
}

void writePhysicalDescription(std::string& out, std::uint16_t keyCode, std::uint64_t flags) {
    out.assign(modifierPrefix(flags));
    appendName(out, keyCode);
}

std::string name(std::uint16_t keyCode) {
    std::string out;
    writeName(out, keyCode);
    return out;
}

std::string modifiersDescription(std::uint64_t flags) {
    std::string out;
    writeModifiersDescription(out, flags);
    return out;
}

std::string physicalDescription(std::uint16_t keyCode, std::uint64_t flags) {
    std::string out;
    writePhysicalDescription(out, keyCode, flags);
    return out;
}

}  // namespace varnel::KeyNames
