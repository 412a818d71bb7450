// What each application profile does differently from the standard rules, checked against
// the applications' own shortcuts on a Mac.

#include "mapping/profile_rules.h"

#include <array>

#include "model/translatable.h"

namespace varnel::WindowsMapping {

namespace {

using Outcome = ProfileRule::Outcome;
using Where = ProfileRule::Where;
using Variant = ApplicationVariant;
using namespace Held;

constexpr unsigned none = 0;

constexpr ProfileRule chord(KeySet keys, unsigned required, unsigned optional, std::uint16_t key,
                            std::uint64_t flags, StaticText name, Where where = Where::anywhere,
                            Variant variant = Variant::none) {
    return {variant, keys, required, optional, where, Outcome::chord, key, flags, name};
}
constexpr ProfileRule sameKey(KeySet keys, unsigned required, unsigned optional,
                              std::uint64_t flags, StaticText name,
                              Variant variant = Variant::none) {
    return {variant, keys, required, optional, Where::anywhere, Outcome::sameKey, 0, flags, name};
}
constexpr ProfileRule asTyped(KeySet keys, unsigned required, unsigned optional, StaticText name,
                              Variant variant = Variant::none) {
    return {variant, keys, required, optional, Where::anywhere, Outcome::asTyped, 0, 0, name};
}
constexpr ProfileRule pass(KeySet keys, unsigned required, unsigned optional,
                           Where where = Where::anywhere, Variant variant = Variant::none) {
    return {variant, keys, required, optional, where, Outcome::pass, 0, 0, ""};
}

// Terminal, iTerm2, Warp, kitty, Alacritty, Ghostty, WezTerm, Hyper: Ctrl + letters are the
// shell's (Ctrl + C interrupts, Ctrl + D ends input, Ctrl + R searches the history), the
// terminal's own commands take Ctrl + Shift as in Windows Terminal, and the keys a shell reads
// as escape sequences reach it as they are.
constexpr KeySet controlCharacters =
    letters | KeySet{Key::leftBracket, Key::rightBracket, Key::backslash};
constexpr auto terminalRules = std::to_array<ProfileRule>({
    chord({Key::c}, ctrl | shift, none, Key::c, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Shift + C → копировать (терминал)")),
    chord({Key::v}, ctrl | shift, none, Key::v, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Shift + V → вставить (терминал)")),
    chord({Key::t}, ctrl | shift, none, Key::t, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Shift + T → новая вкладка (терминал)")),
    chord({Key::w}, ctrl | shift, none, Key::w, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Shift + W → закрыть вкладку (терминал)")),
    chord({Key::n}, ctrl | shift, none, Key::n, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Shift + N → новое окно (терминал)")),
    chord({Key::f}, ctrl | shift, none, Key::f, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Shift + F → поиск (терминал)")),
    asTyped(controlCharacters, ctrl, shift,
            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + буква → управляющий символ (терминал)")),
    chord({Key::backspace}, ctrl, none, Key::w, Flags::control,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Backspace → удалить слово (терминал)")),
    pass(pageKeys | functionKeys, none, shift),
    asTyped(pageKeys | functionKeys, ctrl, shift,
            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + клавиша → как есть (терминал)")),
});

// Finder, outside a text field (inside one, renaming or searching, the standard rules hold):
// the keys of Windows Explorer.
constexpr std::uint64_t commandOption = Flags::command | Flags::option;
constexpr auto finderRules = std::to_array<ProfileRule>({
    chord({Key::enter}, none, none, Key::downArrow, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Enter → открыть (Finder)"), Where::outsideText),
    chord({Key::f2}, none, none, Key::enter, 0,
          VARNEL_TRANSLATE_NOOP("Messages", "F2 → переименовать (Finder)"), Where::outsideText),
    chord({Key::forwardDelete}, none, none, Key::backspace, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Delete → в Корзину (Finder)"), Where::outsideText),
    chord({Key::forwardDelete}, shift, none, Key::backspace, commandOption,
          VARNEL_TRANSLATE_NOOP("Messages", "Shift + Delete → удалить сразу (Finder спросит)"),
          Where::outsideText),
    chord({Key::d}, ctrl, none, Key::backspace, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + D → в Корзину (Finder)"), Where::outsideText),
    chord({Key::backspace}, none, none, Key::leftBracket, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Backspace → назад (Finder)"), Where::outsideText),
    chord({Key::enter}, alt, none, Key::i, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + Enter → свойства (Finder)"), Where::outsideText),
    chord({Key::upArrow}, alt, none, Key::upArrow, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + Up → папка выше (Finder)"), Where::outsideText),
    {Variant::none,
     {Key::x},
     ctrl,
     none,
     Where::outsideText,
     Outcome::cutFiles,
     Key::c,
     Flags::command,
     VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + X → вырезать файлы (Finder)")},
    chord({Key::v}, ctrl, none, Key::v, commandOption,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + V → переместить файлы (Finder)"),
          Where::outsideTextFilesCut),
    // Finder has no refresh: Command + R would open an alias's original instead.
    {Variant::none,
     {Key::f5},
     none,
     ctrl | shift,
     Where::outsideText,
     Outcome::swallow,
     0,
     0,
     VARNEL_TRANSLATE_NOOP("Messages", "F5 → ничего (Finder обновляется сам)")},
    pass(pageKeys, none, ctrl | shift, Where::outsideText),
    // Anywhere in Finder: Command + E would eject a disk.
    chord({Key::e}, ctrl, none, Key::f, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + E → поиск (Finder)")),
    chord({Key::l}, ctrl, none, Key::g, Flags::command | Flags::shift,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + L → перейти к папке (Finder)")),
    chord({Key::d}, alt, none, Key::g, Flags::command | Flags::shift,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + D → перейти к папке (Finder)")),
    chord({Key::f4}, alt, none, Key::w, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + F4 → закрыть окно (Finder)")),
});

// Browsers: outside a text field the page keys scroll the page (Command + arrows would go back
// or forward); the browser's own Windows keys anywhere.
constexpr auto browserRules = std::to_array<ProfileRule>({
    pass(pageKeys, none, shift, Where::outsideText),
    chord({Key::h}, ctrl, none, Key::y, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + H → история (браузер)")),
    chord({Key::f5}, ctrl, shift, Key::r, commandOption,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + F5 → обновить без кэша (Safari)"),
          Where::anywhere, Variant::safari),
    chord({Key::f5}, shift, none, Key::r, commandOption,
          VARNEL_TRANSLATE_NOOP("Messages", "Shift + F5 → обновить без кэша (Safari)"),
          Where::anywhere, Variant::safari),
    chord({Key::f11}, none, none, Key::f, Flags::control | Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "F11 → полноэкранный режим (браузер)")),
    chord({Key::f12}, none, none, Key::i, commandOption,
          VARNEL_TRANSLATE_NOOP("Messages", "F12 → инструменты разработчика (браузер)")),
    chord({Key::d}, alt, none, Key::l, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + D → адресная строка (браузер)")),
    chord({Key::f6}, none, none, Key::l, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "F6 → адресная строка (браузер)")),
});

// Code editors: the F-keys are the debugger's and the editor's own (F5 debugs, F2 renames,
// F12 goes to the definition), Alt + Up and Down move lines as on Windows.
constexpr auto editorRules = std::to_array<ProfileRule>({
    pass(functionKeys, none, shift),
    asTyped({Key::f5}, ctrl, none,
            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + F5 → запуск без отладки (редактор)")),
    pass(functionKeys, ctrl | shift, none),
    pass({Key::upArrow, Key::downArrow}, alt, shift),
    chord({Key::leftArrow}, alt, none, Key::minus, Flags::control,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + Left → назад (редактор)"), Where::anywhere,
          Variant::vsCode),
    chord({Key::rightArrow}, alt, none, Key::minus, Flags::control | Flags::shift,
          VARNEL_TRANSLATE_NOOP("Messages", "Alt + Right → вперёд (редактор)"), Where::anywhere,
          Variant::vsCode),
    chord({Key::g}, ctrl, none, Key::g, Flags::control,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + G → перейти к строке (редактор)"),
          Where::anywhere, Variant::vsCode),
    asTyped({Key::grave}, ctrl, shift,
            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + ` → терминал (редактор)"), Variant::vsCode),
    chord({Key::g}, ctrl, none, Key::l, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + G → перейти к строке (редактор)"),
          Where::anywhere, Variant::jetBrains),
});

// Word, Excel and PowerPoint; Excel's grid keys are Excel's own on a Mac too.
constexpr auto officeRules = std::to_array<ProfileRule>({
    chord({Key::y}, ctrl, none, Key::y, Flags::command,
          VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Y → повторить (Office)")),
    chord({Key::f2}, none, none, Key::u, Flags::control,
          VARNEL_TRANSLATE_NOOP("Messages", "F2 → изменить ячейку (Excel)"), Where::anywhere,
          Variant::excel),
    pass({Key::home, Key::end}, none, shift, Where::anywhere, Variant::excel),
    asTyped(
        {Key::home, Key::end}, ctrl, shift,
        VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Home или End → начало или конец листа (Excel)"),
        Variant::excel),
    sameKey(arrows, ctrl, shift, Flags::command,
            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + стрелка → край данных (Excel)"),
            Variant::excel),
    asTyped({Key::pageUp, Key::pageDown}, ctrl, none,
            VARNEL_TRANSLATE_NOOP("Messages", "Ctrl + Page Up или Down → другой лист (Excel)"),
            Variant::excel),
});

bool applies(const ProfileRule& rule, std::uint16_t keyCode, unsigned held,
             const KeyContext& context) {
    if (!rule.keys.contains(keyCode) || (held & ~rule.optional) != rule.required) {
        return false;
    }
    if (rule.variant != Variant::none && rule.variant != context.application.variant) {
        return false;
    }
    switch (rule.where) {
        case Where::anywhere: return true;
        case Where::outsideText: return !context.textFocused;
        case Where::outsideTextFilesCut: return !context.textFocused && context.filesCut;
    }
    return false;
}

WindowsSpecialAction answer(const ProfileRule& rule, std::uint16_t keyCode, unsigned held) {
    const std::uint64_t shiftIfHeld = (rule.optional & held & shift) != 0 ? Flags::shift : 0;
    switch (rule.outcome) {
        case Outcome::chord:
            return WindowsSpecialAction::emit(
                KeyChord(rule.keyCode, rule.flags | shiftIfHeld, rule.name));
        case Outcome::sameKey:
            return WindowsSpecialAction::emit(
                KeyChord(keyCode, rule.flags | shiftIfHeld, rule.name));
        case Outcome::asTyped:
            return WindowsSpecialAction::emit(
                KeyChord(keyCode, static_cast<std::uint64_t>(held) * Flags::shift, rule.name));
        case Outcome::pass: return WindowsSpecialAction::none();
        case Outcome::swallow: return WindowsSpecialAction::swallow(rule.name);
        case Outcome::cutFiles:
            return WindowsSpecialAction::emitCuttingFiles(
                KeyChord(rule.keyCode, rule.flags, rule.name));
    }
    return WindowsSpecialAction::none();
}

}  // namespace

std::span<const ProfileRule> profileRules(ApplicationProfile profile) {
    switch (profile) {
        case ApplicationProfile::standard: return {};
        case ApplicationProfile::terminal: return terminalRules;
        case ApplicationProfile::finder: return finderRules;
        case ApplicationProfile::browser: return browserRules;
        case ApplicationProfile::editor: return editorRules;
        case ApplicationProfile::office: return officeRules;
    }
    return {};
}

std::optional<WindowsSpecialAction> profileAction(std::uint16_t keyCode, unsigned held,
                                                  const KeyContext& context) {
    for (const ProfileRule& rule : profileRules(context.application.profile)) {
        if (applies(rule, keyCode, held, context)) {
            return answer(rule, keyCode, held);
        }
    }
    return std::nullopt;
}

}  // namespace varnel::WindowsMapping
