#include <gtest/gtest.h>

#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel {
namespace {

using namespace Flags;

struct Row {
    std::uint16_t code;
    const char* englishNormal;
    const char* englishShifted;
    bool englishLetter;
    const char* russianNormal;
    const char* russianShifted;
    bool russianLetter;
};

// The Windows English and Russian PC layouts.
// clang-format off
const Row layouts[] = {
    {0, "a", "A", true, "ф", "Ф", true},
    {1, "s", "S", true, "ы", "Ы", true},
    {2, "d", "D", true, "в", "В", true},
    {3, "f", "F", true, "а", "А", true},
    {4, "h", "H", true, "р", "Р", true},
    {5, "g", "G", true, "п", "П", true},
    {6, "z", "Z", true, "я", "Я", true},
    {7, "x", "X", true, "ч", "Ч", true},
    {8, "c", "C", true, "с", "С", true},
    {9, "v", "V", true, "м", "М", true},
    {10, "\\", "|", false, "\\", "/", false},
    {11, "b", "B", true, "и", "И", true},
    {12, "q", "Q", true, "й", "Й", true},
    {13, "w", "W", true, "ц", "Ц", true},
    {14, "e", "E", true, "у", "У", true},
    {15, "r", "R", true, "к", "К", true},
    {16, "y", "Y", true, "н", "Н", true},
    {17, "t", "T", true, "е", "Е", true},
    {18, "1", "!", false, "1", "!", false},
    {19, "2", "@", false, "2", "\"", false},
    {20, "3", "#", false, "3", "№", false},
    {21, "4", "$", false, "4", ";", false},
    {22, "6", "^", false, "6", ":", false},
    {23, "5", "%", false, "5", "%", false},
    {24, "=", "+", false, "=", "+", false},
    {25, "9", "(", false, "9", "(", false},
    {26, "7", "&", false, "7", "?", false},
    {27, "-", "_", false, "-", "_", false},
    {28, "8", "*", false, "8", "*", false},
    {29, "0", ")", false, "0", ")", false},
    {30, "]", "}", false, "ъ", "Ъ", true},
    {31, "o", "O", true, "щ", "Щ", true},
    {32, "u", "U", true, "г", "Г", true},
    {33, "[", "{", false, "х", "Х", true},
    {34, "i", "I", true, "ш", "Ш", true},
    {35, "p", "P", true, "з", "З", true},
    {37, "l", "L", true, "д", "Д", true},
    {38, "j", "J", true, "о", "О", true},
    {39, "'", "\"", false, "э", "Э", true},
    {40, "k", "K", true, "л", "Л", true},
    {41, ";", ":", false, "ж", "Ж", true},
    {42, "\\", "|", false, "\\", "/", false},
    {43, ",", "<", false, "б", "Б", true},
    {44, "/", "?", false, ".", ",", false},
    {45, "n", "N", true, "т", "Т", true},
    {46, "m", "M", true, "ь", "Ь", true},
    {47, ".", ">", false, "ю", "Ю", true},
    {49, " ", " ", false, " ", " ", false},
    {50, "`", "~", false, "ё", "Ё", true},
    {93, "\\", "|", false, "\\", "/", false},
};
// clang-format on

std::optional<std::string_view> text(std::uint16_t code, std::uint64_t flags,
                                     WindowsTypingLanguage language) {
    return WindowsMapping::printableText(code, flags, language);
}

TEST(TypingLayouts, EveryKeyWithShiftAndCapsLock) {
    const auto english = WindowsTypingLanguage::english;
    const auto russian = WindowsTypingLanguage::russian;
    for (const Row& row : layouts) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(text(row.code, 0, english), row.englishNormal);
        EXPECT_EQ(text(row.code, shift, english), row.englishShifted);
        EXPECT_EQ(text(row.code, capsLock, english),
                  row.englishLetter ? row.englishShifted : row.englishNormal);
        EXPECT_EQ(text(row.code, capsLock | shift, english),
                  row.englishLetter ? row.englishNormal : row.englishShifted);
        EXPECT_EQ(text(row.code, 0, russian), row.russianNormal);
        EXPECT_EQ(text(row.code, shift, russian), row.russianShifted);
        EXPECT_EQ(text(row.code, capsLock, russian),
                  row.russianLetter ? row.russianShifted : row.russianNormal);
        EXPECT_EQ(text(row.code, capsLock | shift, russian),
                  row.russianLetter ? row.russianNormal : row.russianShifted);
        // Bits other than Ctrl, Alt, Windows and Fn do not block typing.
        EXPECT_EQ(text(row.code, numericPad | help | nonCoalesced | leftShift, english),
                  row.englishNormal);
    }
}

TEST(TypingLayouts, ShortcutModifiersNeverType) {
    for (std::uint64_t blocking : {control, option, command, secondaryFn, shift | control}) {
        for (const Row& row : layouts) {
            EXPECT_FALSE(text(row.code, blocking, WindowsTypingLanguage::english));
            EXPECT_FALSE(text(row.code, blocking, WindowsTypingLanguage::russian));
        }
    }
}

TEST(TypingLayouts, OnlyTheFiftyKeysHaveText) {
    for (auto language : WindowsTypingLanguage::allCases()) {
        int keys = 0;
        for (unsigned code = 0; code <= 0xFFFF; ++code) {
            keys += text(static_cast<std::uint16_t>(code), 0, language).has_value();
        }
        EXPECT_EQ(keys, 50);
        for (std::uint16_t code : {36, 48, 51, 53, 82, 76, 123}) {
            EXPECT_FALSE(text(code, 0, language)) << code;
        }
    }
}

// What each of the two keys that ISO keyboards report under each other's codes types, once
// looked up at its ANSI position.
TEST(TypingLayouts, IsoKeyboardsTypeWhatIsPrintedOnTheKeys) {
    const auto english = WindowsTypingLanguage::english;
    const auto russian = WindowsTypingLanguage::russian;
    struct Case {
        KeyboardType keyboard;
        std::uint16_t code;
        WindowsTypingLanguage language;
        const char* typed;
    };
    const Case cases[] = {
        // The key left of 1, and the extra key left of Z.
        {KeyboardType::iso, 10, english, "`"},  {KeyboardType::iso, 10, russian, "ё"},
        {KeyboardType::iso, 50, english, "\\"}, {KeyboardType::iso, 50, russian, "\\"},
        {KeyboardType::ansi, 50, russian, "ё"}, {KeyboardType::ansi, 10, english, "\\"},
        {KeyboardType::jis, 50, english, "`"},  {KeyboardType::iso, 0, russian, "ф"},
    };
    for (const Case& c : cases) {
        const auto code = WindowsMapping::ansiPositionKeyCode(c.code, c.keyboard);
        EXPECT_EQ(text(code, 0, c.language), c.typed)
            << c.code << " on keyboard " << static_cast<int>(c.keyboard);
    }
}

}  // namespace
}  // namespace varnel
