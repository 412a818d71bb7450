#include <gtest/gtest.h>

#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel {
namespace {

using namespace Flags;

constexpr std::uint16_t s = 1, y = 16, l = 37, backspace = 51, esc = 53, f5 = 96, f4 = 118,
                        printScreen = 105, insert = 114, home = 115, del = 117, end = 119,
                        left = 123, right = 124, down = 125, up = 126, tab = 48;

KeyboardOptions allOff() {
    KeyboardOptions options;
    for (const auto& field : KeyboardOptions::fields) {
        options.*field.member = false;
    }
    return options;
}

KeyboardOptions without(bool KeyboardOptions::*member) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    options.*member = false;
    return options;
}

const KeyboardOptions on = KeyboardOptions::windowsDefaults;

struct Expect {
    WindowsSpecialAction::Case kind;
    std::uint16_t key = 0;
    std::uint64_t flags = 0;
    const char* name = "";
};
const Expect none{WindowsSpecialAction::Case::none};
const Expect altTab{WindowsSpecialAction::Case::altTab};
Expect chord(std::uint16_t key, std::uint64_t flags, const char* name) {
    return {WindowsSpecialAction::Case::emit, key, flags, name};
}

struct Case {
    const char* what;
    std::uint16_t key;
    std::uint64_t flags;
    KeyboardOptions options;
    Expect expect;
};

TEST(SpecialAction, RulesInOrderWithTheirGates) {
    const Case cases[] = {
        {"Alt+Tab with every option off", tab, option, allOff(), altTab},
        {"Ctrl+Alt+Tab", tab, control | option, on, altTab},
        {"Shift+Alt+Tab", tab, shift | option, on, altTab},
        {"Ctrl+Tab, editing off", tab, control, without(&KeyboardOptions::windowsEditingShortcuts),
         none},
        {"Alt+F4", f4, option, on, chord(12, command, "Alt + F4 → закрыть приложение")},
        {"Ctrl+Alt+F4: a modifier more than either rule names", f4, control | option, on, none},
        {"Alt+F4 switched off", f4, option, without(&KeyboardOptions::altF4QuitsApplication), none},
        {"Print Screen ignores every modifier", printScreen,
         control | option | shift | command | capsLock | secondaryFn, on,
         chord(21, shift | control | command, "Print Screen → снимок области в буфер")},
        {"Print Screen switched off", printScreen, 0,
         without(&KeyboardOptions::printScreenCopiesSelection), none},
        {"Ctrl+Alt+Delete", del, control | option | secondaryFn, on,
         chord(esc, option | command, "Ctrl + Alt + Delete → принудительное завершение")},
        {"Ctrl+Alt+Delete without recovery passes", del, control | option,
         without(&KeyboardOptions::windowsRecoveryShortcuts), none},
        {"Ctrl+Shift+Esc", esc, control | shift, on,
         chord(esc, option | command, "Ctrl + Shift + Esc → принудительное завершение")},
        {"Ctrl+Shift+Esc without recovery", esc, control | shift,
         without(&KeyboardOptions::windowsRecoveryShortcuts), none},
        {"Ctrl+Tab", tab, control, on, chord(tab, control, "Ctrl + Tab → следующая вкладка")},
        {"Ctrl+Shift+Tab", tab, control | shift, on,
         chord(tab, control | shift, "Ctrl + Shift + Tab → предыдущая вкладка")},
        {"Ctrl+Windows+Tab passes", tab, control | command, on, none},
        {"Ctrl+Y", y, control, on, chord(6, shift | command, "Ctrl + Y → повторить действие")},
        {"Ctrl+Shift+Y passes, no redo", y, control | shift, on, none},
        {"F5", f5, secondaryFn, on, chord(15, command, "F5 → обновить")},
        {"Shift+F5 reloads without the cache", f5, shift, on,
         chord(15, command | shift, "Shift + F5 → обновить без кэша")},
        {"Ctrl+F5 reloads without the cache, never Command+F5", f5, control, on,
         chord(15, command | shift, "Ctrl + F5 → обновить без кэша")},
        {"Ctrl+Shift+F5", f5, control | shift, on,
         chord(15, command | shift, "Ctrl + F5 → обновить без кэша")},
        {"Alt+F5", f5, option, on, none},
        {"Windows+F5", f5, command, on, none},
        {"Ctrl+Left", left, control | numericPad | secondaryFn, on,
         chord(left, option, "Переход по словам или абзацам")},
        {"Ctrl+Shift+Right", right, control | shift | numericPad | secondaryFn, on,
         chord(right, option | shift, "Выделение по словам или абзацам")},
        {"Ctrl+Alt+Left passes (Command+Option+Left)", left, control | option, on, none},
        {"Ctrl+Up", up, control, on, chord(up, option, "Переход по словам или абзацам")},
        {"Ctrl+Shift+Delete", del, control | shift, on,
         chord(del, option | shift, "Ctrl + Delete → удалить следующее слово")},
        {"Ctrl+Insert", insert, control, on, chord(8, command, "Ctrl + Insert → копировать")},
        {"Ctrl+Windows+Backspace passes", backspace, control | command, on, none},
        {"Ctrl+Shift+Backspace", backspace, control | shift, on,
         chord(backspace, option | shift, "Ctrl + Backspace → удалить предыдущее слово")},
        {"Shift+Insert with Caps Lock", insert, shift | capsLock, on,
         chord(9, command, "Shift + Insert → вставить")},
        {"Shift+Alt+Insert", insert, shift | option, on, none},
        {"Shift+Delete", del, shift, on, chord(7, command, "Shift + Delete → вырезать")},
        {"Shift+Backspace", backspace, shift, on, none},
        {"Alt+Right", right, option, on, chord(30, command, "Alt + Right → вперёд")},
        {"Alt+Shift+Left passes (selects a word)", left, option | shift, on, none},
        {"Alt+Windows+Right", right, option | command, on, none},
        {"Ctrl+Left, editing off", left, control,
         without(&KeyboardOptions::windowsEditingShortcuts), none},
        {"End", end, secondaryFn, on, chord(right, command, "End → конец строки")},
        {"Shift+End", end, shift, on, chord(right, command | shift, "End → конец строки")},
        {"Alt+End passes", end, option, on, none},
        {"Ctrl+End", end, control, on, chord(down, command, "Ctrl + End → конец документа")},
        {"Home", home, 0, on, chord(left, command, "Home → начало строки")},
        {"Ctrl+Shift+Home", home, control | shift, on,
         chord(up, command | shift, "Ctrl + Home → начало документа")},
        {"Home, Home and End off", home, 0, without(&KeyboardOptions::windowsHomeAndEnd), none},
        {"Windows+Shift+S", s, command | shift, on,
         chord(21, shift | control | command, "Windows + Shift + S → снимок области в буфер")},
        {"Ctrl+Windows+Shift+S passes", s, control | command | shift, on, none},
        {"Windows+Shift+S, Print Screen off", s, command | shift,
         without(&KeyboardOptions::printScreenCopiesSelection), none},
        {"Windows+L", l, command | capsLock, on,
         chord(12, control | command, "Windows + L → заблокировать Mac")},
        {"Windows+Alt+Shift+L passes", l, command | option | shift, on, none},
        {"Ctrl+L", l, control, on, none},
        {"Windows+L, lock off", l, command, without(&KeyboardOptions::windowsLockShortcut), none},
        {"a key code beyond the table", 300, control | option | shift | command, on, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto action = WindowsMapping::specialAction(c.key, c.flags, c.options);
        ASSERT_EQ(action.kind(), c.expect.kind);
        if (c.expect.kind == WindowsSpecialAction::Case::emit) {
            EXPECT_EQ(*action.chord(),
                      KeyChord(c.expect.key, c.expect.flags, std::string(c.expect.name)));
        }
    }
}

// Caps Lock, Fn, the numeric pad and the device bits of the physical event change no answer:
// the rules speak of Ctrl, Alt, Shift and Windows alone, in every profile.
TEST(SpecialAction, OnlyTheFourModifiersDecide) {
    const std::uint64_t modifiers[] = {shift, control, option, command};
    const std::uint64_t others[] = {capsLock, secondaryFn, numericPad, leftShift | rightCommand};
    for (const ApplicationProfile profile : allProfiles) {
        KeyContext context;
        context.application.profile = profile;
        context.textFocused = false;
        for (std::uint16_t key = 0; key < 130; ++key) {
            for (unsigned combo = 0; combo < 16; ++combo) {
                std::uint64_t flags = 0;
                for (unsigned i = 0; i < 4; ++i) {
                    flags |= (combo >> i & 1u) ? modifiers[i] : 0;
                }
                const auto plain = WindowsMapping::specialAction(key, flags, on, context);
                for (std::uint64_t other : others) {
                    ASSERT_EQ(WindowsMapping::specialAction(key, flags | other, on, context), plain)
                        << profileName(profile) << " key " << key << " flags " << flags;
                }
            }
        }
    }
}

}  // namespace
}  // namespace varnel
