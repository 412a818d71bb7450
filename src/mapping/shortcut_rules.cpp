#include "mapping/key_codes.h"
#include "mapping/profile_rules.h"
#include "mapping/windows_mapping.h"
#include "model/translatable.h"

namespace varnel::WindowsMapping {

namespace {

using namespace Held;

constexpr std::uint64_t regionScreenshot = Flags::shift | Flags::control | Flags::command;
constexpr std::uint64_t forceQuit = Flags::option | Flags::command;
constexpr std::uint64_t spotlight = Flags::command;

// The helpers below are inlined into specialAction(), which every key-down asks: their
// answers then never go through memory on the way out.

[[gnu::always_inline]] inline WindowsSpecialAction emit(std::uint16_t keyCode, std::uint64_t flags,
                                                        StaticText name) {
    return WindowsSpecialAction::emit(KeyChord(keyCode, flags, name));
}

// A key pressed with no modifier but Shift: reload, the Insert and Delete clipboard keys, Home
// and End.
[[gnu::always_inline]] inline WindowsSpecialAction plainKey(std::uint16_t keyCode, bool shift,
                                                            const KeyboardOptions& options) {
    if (options.windowsEditingShortcuts) {
        if (keyCode == Key::f5) {
            return shift ? emit(Key::r, Flags::command | Flags::shift,
                                VARNEL_TRANSLATE_NOOP("Messages", "Shift + F5 → обновить без кэша"))
                         : emit(Key::r, Flags::command,
                                VARNEL_TRANSLATE_NOOP("Messages", "F5 → обновить"));
        }
        if (keyCode == Key::insert && shift) {
            return emit(Key::v, Flags::command,
                        VARNEL_TRANSLATE_NOOP("Messages", "Shift + Insert → вставить"));
        }
        if (keyCode == Key::forwardDelete && shift) {
            return emit(Key::x, Flags::command,
                        VARNEL_TRANSLATE_NOOP("Messages", "Shift + Delete → вырезать"));
        }
    }
    if (options.windowsHomeAndEnd) {
        const std::uint64_t flags = Flags::command | (shift ? Flags::shift : 0);
        if (keyCode == Key::end) {
            return emit(Key::rightArrow, flags,
                        VARNEL_TRANSLATE_NOOP("Messages", "End → конец строки"));
        }
        if (keyCode == Key::home) {
            return emit(Key::leftArrow, flags,
                        VARNEL_TRANSLATE_NOOP("Messages", "Home → начало строки"));
        }
    }
    return WindowsSpecialAction::none();
}

// Ctrl, with Shift where the rule takes it: tabs, redo, reload, close tab, word moves and
// deletes, Insert copy, the ends of the document.
[[gnu::always_inline]] inline std::optional<WindowsSpecialAction> controlShortcut(
    std::uint16_t keyCode, unsigned held, const KeyboardOptions& options) {
    const bool shift = (held & Held::shift) != 0;
    const std::uint64_t shiftIfHeld = shift ? Flags::shift : 0;
    if (options.windowsEditingShortcuts) {
        if (keyCode == Key::tab) {
            return shift
                       ? emit(Key::tab, Flags::control | Flags::shift,
                              VARNEL_TRANSLATE_NOOP("Messages",
                                                    "Ctrl + Shift + Tab → предыдущая вкладка"))
                       : emit(Key::tab, Flags::control,
                              VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Tab → следующая вкладка"));
        }
        if (keyCode == Key::f5) {
            return emit(Key::r, Flags::command | Flags::shift,
                        VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + F5 → обновить без кэша"));
        }
        if (keyCode >= Key::leftArrow && keyCode <= Key::upArrow) {
            return shift
                       ? emit(keyCode, Flags::option | Flags::shift,
                              VARNEL_TRANSLATE_NOOP("Messages", "Выделение по словам или абзацам"))
                       : emit(keyCode, Flags::option,
                              VARNEL_TRANSLATE_NOOP("Messages", "Переход по словам или абзацам"));
        }
        if (keyCode == Key::forwardDelete) {
            return emit(
                Key::forwardDelete, Flags::option | shiftIfHeld,
                VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Delete → удалить следующее слово"));
        }
        if (keyCode == Key::backspace) {
            return emit(
                Key::backspace, Flags::option | shiftIfHeld,
                VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Backspace → удалить предыдущее слово"));
        }
        if (!shift) {
            if (keyCode == Key::y) {
                return emit(Key::z, Flags::shift | Flags::command,
                            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Y → повторить действие"));
            }
            if (keyCode == Key::f4) {
                return emit(
                    Key::w, Flags::command,
                    VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + F4 → закрыть вкладку или документ"));
            }
            if (keyCode == Key::insert) {
                return emit(Key::c, Flags::command,
                            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Insert → копировать"));
            }
        }
    }
    if (options.windowsHomeAndEnd) {
        const std::uint64_t flags = Flags::command | shiftIfHeld;
        if (keyCode == Key::end) {
            return emit(Key::downArrow, flags,
                        VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + End → конец документа"));
        }
        if (keyCode == Key::home) {
            return emit(Key::upArrow, flags,
                        VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Home → начало документа"));
        }
    }
    return std::nullopt;
}

// The Windows key alone with a key: the system's own chords of a Mac.
[[gnu::always_inline]] inline std::optional<WindowsSpecialAction> windowsKeyShortcut(
    std::uint16_t keyCode, const KeyContext& context) {
    switch (keyCode) {
        case Key::r: return emit(Key::space, spotlight, "Windows + R → Spotlight");
        case Key::s: return emit(Key::space, spotlight, "Windows + S → Spotlight");
        // The system's shortcuts on function keys and arrows are registered with Fn, as the
        // keys of a Mac keyboard send them.
        case Key::d:
            return emit(Key::f11, Flags::secondaryFn,
                        VARNEL_TRANSLATE_NOOP("Messages", "Windows + D → показать рабочий стол"));
        case Key::e:
            return emit(Key::space, Flags::command | Flags::option,
                        VARNEL_TRANSLATE_NOOP("Messages", "Windows + E → окно Finder"));
        case Key::tab:
            return emit(Key::upArrow, Flags::control | Flags::secondaryFn,
                        "Windows + Tab → Mission Control");
        case Key::period:
            return emit(Key::space, Flags::control | Flags::command,
                        VARNEL_TRANSLATE_NOOP("Messages", "Windows + . → эмодзи и символы"));
        default: break;
    }
    if (!context.windowTiling) {
        return std::nullopt;  // the arrows stay Control + arrows, as before
    }
    constexpr std::uint64_t tile = Flags::control | Flags::secondaryFn;
    switch (keyCode) {
        case Key::leftArrow:
            return emit(
                Key::leftArrow, tile,
                VARNEL_TRANSLATE_NOOP("Messages", "Windows + Left → окно в левую половину"));
        case Key::rightArrow:
            return emit(
                Key::rightArrow, tile,
                VARNEL_TRANSLATE_NOOP("Messages", "Windows + Right → окно в правую половину"));
        case Key::upArrow:
            return emit(Key::f, tile,
                        VARNEL_TRANSLATE_NOOP("Messages", "Windows + Up → развернуть окно"));
        case Key::downArrow:
            return emit(Key::r, tile,
                        VARNEL_TRANSLATE_NOOP("Messages", "Windows + Down → прежний размер окна"));
        default: return std::nullopt;
    }
}

}  // namespace

// Every rule but Alt + Tab and Print Screen fires only when the modifiers held are the ones it
// names (with Shift where it takes Shift): with anything more the key passes with the
// exchange, so that Ctrl + Alt + Up stays a chord of its own.
WindowsSpecialAction specialAction(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                   const KeyboardOptions& options, const KeyContext& context) {
    const unsigned held = Held::of(physicalFlags);
    if (keyCode == tab && (held & alt) != 0) {
        return WindowsSpecialAction::altTab();
    }
    if (context.application.profile != ApplicationProfile::standard) {
        if (auto action = profileAction(keyCode, held, context)) {
            return *action;
        }
    }
    if (options.printScreenCopiesSelection && keyCode == Key::printScreen) {
        return emit(Key::four, regionScreenshot,
                    VARNEL_TRANSLATE_NOOP("Messages", "Print Screen → снимок области в буфер"));
    }
    if ((held & ~shift) == 0) {
        return plainKey(keyCode, held != 0, options);
    }
    if ((held & ~shift) == ctrl) {
        if (auto action = controlShortcut(keyCode, held, options)) {
            return *action;
        }
    }
    switch (held) {
        case alt:
            if (options.altF4QuitsApplication && keyCode == Key::f4) {
                return emit(Key::q, Flags::command,
                            VARNEL_TRANSLATE_NOOP("Messages", "Alt + F4 → закрыть приложение"));
            }
            if (options.windowsEditingShortcuts) {
                if (keyCode == Key::rightArrow) {
                    return emit(Key::rightBracket, Flags::command,
                                VARNEL_TRANSLATE_NOOP("Messages", "Alt + Right → вперёд"));
                }
                if (keyCode == Key::leftArrow) {
                    return emit(Key::leftBracket, Flags::command,
                                VARNEL_TRANSLATE_NOOP("Messages", "Alt + Left → назад"));
                }
                if (keyCode == Key::space) {
                    // Windows opens the window menu, which a Mac has not; Option + Space would
                    // type an invisible non-breaking space.
                    return WindowsSpecialAction::swallow(VARNEL_TRANSLATE_NOOP(
                        "Messages", "Alt + Space → ничего (не печатать невидимый пробел)"));
                }
            }
            break;
        case ctrl | alt:
            if (options.windowsRecoveryShortcuts && keyCode == Key::forwardDelete) {
                return emit(escape, forceQuit,
                            VARNEL_TRANSLATE_NOOP(
                                "Messages", "Ctrl + Alt + Delete → принудительное завершение"));
            }
            break;
        case ctrl | shift:
            if (options.windowsRecoveryShortcuts && keyCode == escape) {
                return emit(escape, forceQuit,
                            VARNEL_TRANSLATE_NOOP(
                                "Messages", "Ctrl + Shift + Esc → принудительное завершение"));
            }
            break;
        case win | shift:
            if (options.printScreenCopiesSelection && keyCode == Key::s) {
                return emit(Key::four, regionScreenshot,
                            VARNEL_TRANSLATE_NOOP("Messages",
                                                  "Windows + Shift + S → снимок области в буфер"));
            }
            break;
        case win:
            if (options.windowsLockShortcut && keyCode == Key::l) {
                return emit(Key::q, Flags::control | Flags::command,
                            VARNEL_TRANSLATE_NOOP("Messages", "Windows + L → заблокировать Mac"));
            }
            // In a terminal the Windows key is a plain Control for the shell.
            if (options.windowsKeyShortcuts &&
                context.application.profile != ApplicationProfile::terminal) {
                if (auto action = windowsKeyShortcut(keyCode, context)) {
                    return *action;
                }
            }
            break;
        case ctrl | win:
            if (options.windowsKeyShortcuts &&
                context.application.profile != ApplicationProfile::terminal &&
                (keyCode == Key::leftArrow || keyCode == Key::rightArrow)) {
                return keyCode == Key::leftArrow
                           ? emit(keyCode, Flags::control | Flags::secondaryFn,
                                  VARNEL_TRANSLATE_NOOP(
                                      "Messages", "Ctrl + Windows + Left → рабочий стол слева"))
                           : emit(keyCode, Flags::control | Flags::secondaryFn,
                                  VARNEL_TRANSLATE_NOOP(
                                      "Messages", "Ctrl + Windows + Right → рабочий стол справа"));
            }
            break;
        default: break;
    }
    return WindowsSpecialAction::none();
}

bool keepsFilesCut(std::uint16_t keyCode) {
    // Moving to the folder the files go to: arrows, the page keys, Tab, Enter opens, Backspace
    // goes back.
    static constexpr KeySet moving =
        arrows | pageKeys | KeySet{Key::tab, Key::enter, Key::backspace};
    return moving.contains(keyCode);
}

}  // namespace varnel::WindowsMapping
