#include "mapping/windows_mapping.h"

namespace varnel::WindowsMapping {

namespace {

// Key codes the rules use, named after the US ANSI key at that position.
namespace Key {
constexpr std::uint16_t s = 1;
constexpr std::uint16_t z = 6;
constexpr std::uint16_t x = 7;
constexpr std::uint16_t c = 8;
constexpr std::uint16_t v = 9;
constexpr std::uint16_t q = 12;
constexpr std::uint16_t w = 13;
constexpr std::uint16_t r = 15;
constexpr std::uint16_t y = 16;
constexpr std::uint16_t four = 21;
constexpr std::uint16_t rightBracket = 30;
constexpr std::uint16_t leftBracket = 33;
constexpr std::uint16_t l = 37;
constexpr std::uint16_t backspace = 51;
constexpr std::uint16_t f5 = 96;
constexpr std::uint16_t printScreen = 105;
constexpr std::uint16_t insert = 114;
constexpr std::uint16_t home = 115;
constexpr std::uint16_t forwardDelete = 117;
constexpr std::uint16_t f4 = 118;
constexpr std::uint16_t end = 119;
constexpr std::uint16_t leftArrow = 123;
constexpr std::uint16_t rightArrow = 124;
constexpr std::uint16_t downArrow = 125;
constexpr std::uint16_t upArrow = 126;
}  // namespace Key

constexpr std::uint64_t regionScreenshot = Flags::shift | Flags::control | Flags::command;
constexpr std::uint64_t forceQuit = Flags::option | Flags::command;

// The helpers below are inlined into specialAction(), which every key-down asks: their
// answers then never go through memory on the way out.

[[gnu::always_inline]] inline WindowsSpecialAction emit(std::uint16_t keyCode, std::uint64_t flags,
                                                        StaticText name) {
    return WindowsSpecialAction::emit(KeyChord(keyCode, flags, name));
}

// Rules 6 to 17: tabs, redo, reload, close tab, word moves and deletes, Insert and Delete
// clipboard keys, Alt + arrows.
[[gnu::always_inline]] inline std::optional<WindowsSpecialAction> editingShortcut(
    std::uint16_t keyCode, bool ctrl, bool alt, bool shift, bool win) {
    const std::uint64_t shiftIfHeld = shift ? Flags::shift : 0;
    const bool shiftAlone = shift && !ctrl && !alt && !win;
    if (keyCode == tab && ctrl) {
        return shift ? emit(tab, Flags::control | Flags::shift,
                            "Ctrl + Shift + Tab → предыдущая вкладка")
                     : emit(tab, Flags::control, "Ctrl + Tab → следующая вкладка");
    }
    if (keyCode == Key::y && ctrl) {
        return emit(Key::z, Flags::shift | Flags::command, "Ctrl + Y → повторить действие");
    }
    if (keyCode == Key::f5 && !ctrl && !alt && !win) {
        return emit(Key::r, Flags::command, "F5 → обновить");
    }
    if (keyCode == Key::f4 && ctrl) {
        return emit(Key::w, Flags::command, "Ctrl + F4 → закрыть вкладку или документ");
    }
    if (keyCode >= Key::leftArrow && keyCode <= Key::upArrow && ctrl) {
        return shift
                   ? emit(keyCode, Flags::option | Flags::shift, "Выделение по словам или абзацам")
                   : emit(keyCode, Flags::option, "Переход по словам или абзацам");
    }
    if (keyCode == Key::forwardDelete && ctrl) {
        return emit(Key::forwardDelete, Flags::option | shiftIfHeld,
                    "Ctrl + Delete → удалить следующее слово");
    }
    if (keyCode == Key::insert && ctrl) {
        return emit(Key::c, Flags::command, "Ctrl + Insert → копировать");
    }
    if (keyCode == Key::backspace && ctrl) {
        return emit(Key::backspace, Flags::option | shiftIfHeld,
                    "Ctrl + Backspace → удалить предыдущее слово");
    }
    if (keyCode == Key::insert && shiftAlone) {
        return emit(Key::v, Flags::command, "Shift + Insert → вставить");
    }
    if (keyCode == Key::forwardDelete && shiftAlone) {
        return emit(Key::x, Flags::command, "Shift + Delete → вырезать");
    }
    if (keyCode == Key::rightArrow && alt && !ctrl && !win) {
        return emit(Key::rightBracket, Flags::command, "Alt + Right → вперёд");
    }
    if (keyCode == Key::leftArrow && alt && !ctrl && !win) {
        return emit(Key::leftBracket, Flags::command, "Alt + Left → назад");
    }
    return std::nullopt;
}

// Rules 18 to 21: Home and End, with Ctrl to the ends of the document.
[[gnu::always_inline]] inline std::optional<WindowsSpecialAction> homeOrEnd(std::uint16_t keyCode,
                                                                            bool ctrl, bool shift) {
    const std::uint64_t flags = Flags::command | (shift ? Flags::shift : 0);
    if (keyCode == Key::end) {
        return ctrl ? emit(Key::downArrow, flags, "Ctrl + End → конец документа")
                    : emit(Key::rightArrow, flags, "End → конец строки");
    }
    if (keyCode == Key::home) {
        return ctrl ? emit(Key::upArrow, flags, "Ctrl + Home → начало документа")
                    : emit(Key::leftArrow, flags, "Home → начало строки");
    }
    return std::nullopt;
}

}  // namespace

// The rules are tested in a fixed order; the first whose gate is on, whose key matches and
// whose modifier condition holds decides. Unnamed modifiers are ignored.
WindowsSpecialAction specialAction(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                   const KeyboardOptions& options) {
    const bool ctrl = Flags::hasAny(physicalFlags, Flags::control);
    const bool alt = Flags::hasAny(physicalFlags, Flags::option);
    const bool shift = Flags::hasAny(physicalFlags, Flags::shift);
    const bool win = Flags::hasAny(physicalFlags, Flags::command);

    if (keyCode == tab && alt) {
        return WindowsSpecialAction::altTab();
    }
    if (options.altF4QuitsApplication && keyCode == Key::f4 && alt) {
        return emit(Key::q, Flags::command, "Alt + F4 → закрыть приложение");
    }
    if (options.printScreenCopiesSelection && keyCode == Key::printScreen) {
        return emit(Key::four, regionScreenshot, "Print Screen → снимок области в буфер");
    }
    if (options.windowsRecoveryShortcuts) {
        if (keyCode == Key::forwardDelete && ctrl && alt) {
            return emit(escape, forceQuit, "Ctrl + Alt + Delete → принудительное завершение");
        }
        if (keyCode == escape && ctrl && shift) {
            return emit(escape, forceQuit, "Ctrl + Shift + Esc → принудительное завершение");
        }
    }
    if (options.windowsEditingShortcuts) {
        if (auto action = editingShortcut(keyCode, ctrl, alt, shift, win)) {
            return *action;
        }
    }
    if (options.windowsHomeAndEnd) {
        if (auto action = homeOrEnd(keyCode, ctrl, shift)) {
            return *action;
        }
    }
    if (options.printScreenCopiesSelection && keyCode == Key::s && shift && win) {
        return emit(Key::four, regionScreenshot, "Windows + Shift + S → снимок области в буфер");
    }
    if (options.windowsLockShortcut && keyCode == Key::l && win) {
        return emit(Key::q, Flags::control | Flags::command, "Windows + L → заблокировать Mac");
    }
    return WindowsSpecialAction::none();
}

}  // namespace varnel::WindowsMapping
