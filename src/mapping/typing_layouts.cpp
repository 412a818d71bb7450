#include "mapping/windows_mapping.h"

#include <array>

namespace varnel::WindowsMapping {

namespace {

// One key of a built-in layout: the text without and with Shift, and whether Caps Lock
// acts on it.
struct Printable {
    std::string_view normal;
    std::string_view shifted;
    bool isLetter = false;
};

struct LayoutKey {
    std::uint16_t keyCode;
    std::string_view normal;
    std::string_view shifted;
    bool isLetter;
};

// Windows US QWERTY.
// clang-format off
constexpr LayoutKey englishKeys[] = {
    {0, "a", "A", true},
    {1, "s", "S", true},
    {2, "d", "D", true},
    {3, "f", "F", true},
    {4, "h", "H", true},
    {5, "g", "G", true},
    {6, "z", "Z", true},
    {7, "x", "X", true},
    {8, "c", "C", true},
    {9, "v", "V", true},
    {10, "\\", "|", false},
    {11, "b", "B", true},
    {12, "q", "Q", true},
    {13, "w", "W", true},
    {14, "e", "E", true},
    {15, "r", "R", true},
    {16, "y", "Y", true},
    {17, "t", "T", true},
    {18, "1", "!", false},
    {19, "2", "@", false},
    {20, "3", "#", false},
    {21, "4", "$", false},
    {22, "6", "^", false},
    {23, "5", "%", false},
    {24, "=", "+", false},
    {25, "9", "(", false},
    {26, "7", "&", false},
    {27, "-", "_", false},
    {28, "8", "*", false},
    {29, "0", ")", false},
    {30, "]", "}", false},
    {31, "o", "O", true},
    {32, "u", "U", true},
    {33, "[", "{", false},
    {34, "i", "I", true},
    {35, "p", "P", true},
    {37, "l", "L", true},
    {38, "j", "J", true},
    {39, "'", "\"", false},
    {40, "k", "K", true},
    {41, ";", ":", false},
    {42, "\\", "|", false},
    {43, ",", "<", false},
    {44, "/", "?", false},
    {45, "n", "N", true},
    {46, "m", "M", true},
    {47, ".", ">", false},
    {49, " ", " ", false},
    {50, "`", "~", false},
    {93, "\\", "|", false},
};
// clang-format on

// Windows Russian ЙЦУКЕН; every letter is Cyrillic.
// clang-format off
constexpr LayoutKey russianKeys[] = {
    {0, "ф", "Ф", true},
    {1, "ы", "Ы", true},
    {2, "в", "В", true},
    {3, "а", "А", true},
    {4, "р", "Р", true},
    {5, "п", "П", true},
    {6, "я", "Я", true},
    {7, "ч", "Ч", true},
    {8, "с", "С", true},
    {9, "м", "М", true},
    {10, "\\", "/", false},
    {11, "и", "И", true},
    {12, "й", "Й", true},
    {13, "ц", "Ц", true},
    {14, "у", "У", true},
    {15, "к", "К", true},
    {16, "н", "Н", true},
    {17, "е", "Е", true},
    {18, "1", "!", false},
    {19, "2", "\"", false},
    {20, "3", "№", false},
    {21, "4", ";", false},
    {22, "6", ":", false},
    {23, "5", "%", false},
    {24, "=", "+", false},
    {25, "9", "(", false},
    {26, "7", "?", false},
    {27, "-", "_", false},
    {28, "8", "*", false},
    {29, "0", ")", false},
    {30, "ъ", "Ъ", true},
    {31, "щ", "Щ", true},
    {32, "г", "Г", true},
    {33, "х", "Х", true},
    {34, "ш", "Ш", true},
    {35, "з", "З", true},
    {37, "д", "Д", true},
    {38, "о", "О", true},
    {39, "э", "Э", true},
    {40, "л", "Л", true},
    {41, "ж", "Ж", true},
    {42, "\\", "/", false},
    {43, "б", "Б", true},
    {44, ".", ",", false},
    {45, "т", "Т", true},
    {46, "ь", "Ь", true},
    {47, "ю", "Ю", true},
    {49, " ", " ", false},
    {50, "ё", "Ё", true},
    {93, "\\", "/", false},
};
// clang-format on

// Every layout key has a code below 94; the table is indexed by key code so that a lookup
// is one bounds check and one load.
constexpr std::uint16_t tableSize = 94;
using Layout = std::array<Printable, tableSize>;

template <std::size_t N>
constexpr Layout buildLayout(const LayoutKey (&keys)[N]) {
    Layout layout{};
    for (const LayoutKey& key : keys) {
        layout[key.keyCode] = Printable{key.normal, key.shifted, key.isLetter};
    }
    return layout;
}

constexpr Layout englishPrintable = buildLayout(englishKeys);
constexpr Layout russianPrintable = buildLayout(russianKeys);

}  // namespace

std::optional<std::string_view> printableText(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                              WindowsTypingLanguage language) {
    // A press with Ctrl, Alt, Windows or Fn is a shortcut, never typed text.
    if (Flags::hasAny(physicalFlags,
                      Flags::control | Flags::option | Flags::command | Flags::secondaryFn)) {
        return std::nullopt;
    }
    if (keyCode >= tableSize) {
        return std::nullopt;
    }
    const Layout& layout =
        language == WindowsTypingLanguage::english ? englishPrintable : russianPrintable;
    const Printable& key = layout[keyCode];
    if (key.normal.empty()) {
        return std::nullopt;
    }
    const bool shift = Flags::hasAny(physicalFlags, Flags::shift);
    const bool caps = Flags::hasAny(physicalFlags, Flags::capsLock);
    // On letters Shift inverts Caps Lock; elsewhere only Shift counts.
    const bool useShifted = key.isLetter ? shift != caps : shift;
    return useShifted ? key.shifted : key.normal;
}

}  // namespace varnel::WindowsMapping
