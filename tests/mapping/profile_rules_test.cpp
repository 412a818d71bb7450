// What each application profile does with the keys a Windows user presses there, and the
// Windows key's own chords. The standard rules are in shortcut_rules_test.cpp.

#include <gtest/gtest.h>

#include <string>

#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel {
namespace {

using namespace Flags;
using Profile = ApplicationProfile;
using Variant = ApplicationVariant;

namespace Key {
constexpr std::uint16_t a = 0, d = 2, f = 3, h = 4, g = 5, c = 8, v = 9, e = 14, r = 15, y = 16,
                        t = 17, i = 34, l = 37, period = 47, u = 32, x = 7, w = 13, n = 45,
                        minus = 27, leftBracket = 33, enter = 36, tab = 48, space = 49, grave = 50,
                        backspace = 51, f2 = 120, f4 = 118, f5 = 96, f6 = 97, f11 = 103, f12 = 111,
                        home = 115, pageUp = 116, del = 117, end = 119, pageDown = 121, left = 123,
                        right = 124, down = 125, up = 126;
}  // namespace Key

// An answer as one line: "none", "swallow", or the posted chord's key code and flags, with
// "cut" when it cuts files.
std::string answer(const WindowsSpecialAction& action) {
    switch (action.kind()) {
        case WindowsSpecialAction::Case::none: return "none";
        case WindowsSpecialAction::Case::altTab: return "altTab";
        case WindowsSpecialAction::Case::swallow: return "swallow";
        case WindowsSpecialAction::Case::emit: break;
    }
    std::string line = std::to_string(action.chord()->keyCode) + " " +
                       std::to_string(action.chord()->flagsRawValue);
    return action.cutsFiles() ? line + " cut" : line;
}
std::string chord(std::uint16_t key, std::uint64_t flags) {
    return std::to_string(key) + " " + std::to_string(flags);
}

struct Front {
    Profile profile = Profile::standard;
    Variant variant = Variant::none;
    bool textFocused = true;
    bool filesCut = false;
    bool windowTiling = false;

    KeyContext context() const {
        KeyContext context;
        context.application = {profile, variant};
        context.textFocused = textFocused;
        context.filesCut = filesCut;
        context.windowTiling = windowTiling;
        return context;
    }
};

const Front standard{};
const Front terminal{Profile::terminal};
const Front finderList{Profile::finder, Variant::none, /*textFocused=*/false};
const Front finderRenaming{Profile::finder, Variant::none, /*textFocused=*/true};
const Front finderCut{Profile::finder, Variant::none, false, /*filesCut=*/true};
const Front page{Profile::browser, Variant::none, /*textFocused=*/false};
const Front addressBar{Profile::browser, Variant::none, /*textFocused=*/true};
const Front safari{Profile::browser, Variant::safari, false};
const Front vsCode{Profile::editor, Variant::vsCode};
const Front jetBrains{Profile::editor, Variant::jetBrains};
const Front word{Profile::office};
const Front excel{Profile::office, Variant::excel};
const Front tiling{Profile::standard, Variant::none, true, false, /*windowTiling=*/true};

struct Case {
    const char* what;
    Front front;
    std::uint16_t key;
    std::uint64_t flags;
    std::string expect;
};

template <std::size_t N>
void check(const Case (&cases)[N],
           const KeyboardOptions& options = KeyboardOptions::windowsDefaults) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(answer(WindowsMapping::specialAction(c.key, c.flags, options, c.front.context())),
                  c.expect);
    }
}

TEST(ProfileRules, Terminal) {
    const Case cases[] = {
        {"Ctrl+C interrupts", terminal, Key::c, control, chord(Key::c, control)},
        {"Ctrl+D ends input", terminal, Key::d, control, chord(Key::d, control)},
        {"Ctrl+R searches the history", terminal, Key::r, control, chord(Key::r, control)},
        {"Ctrl+Y yanks, no redo", terminal, Key::y, control, chord(Key::y, control)},
        {"Ctrl+W deletes a word, not the tab", terminal, Key::w, control, chord(Key::w, control)},
        {"Ctrl+[ is Escape", terminal, Key::leftBracket, control, chord(Key::leftBracket, control)},
        {"Ctrl+Shift+C copies", terminal, Key::c, control | shift, chord(Key::c, command)},
        {"Ctrl+Shift+V pastes", terminal, Key::v, control | shift, chord(Key::v, command)},
        {"Ctrl+Shift+T opens a tab", terminal, Key::t, control | shift, chord(Key::t, command)},
        {"Ctrl+Shift+W closes it", terminal, Key::w, control | shift, chord(Key::w, command)},
        {"Ctrl+Shift+N opens a window", terminal, Key::n, control | shift, chord(Key::n, command)},
        {"Ctrl+Shift+F finds", terminal, Key::f, control | shift, chord(Key::f, command)},
        {"Ctrl+Shift+U as typed", terminal, Key::u, control | shift,
         chord(Key::u, control | shift)},
        {"Ctrl+Backspace deletes a word (Control+W)", terminal, Key::backspace, control,
         chord(Key::w, control)},
        {"Ctrl+Left: word left as the terminal does", terminal, Key::left, control,
         chord(Key::left, option)},
        {"Home passes", terminal, Key::home, 0, "none"},
        {"Shift+Page Up passes", terminal, Key::pageUp, shift, "none"},
        {"F5 passes", terminal, Key::f5, 0, "none"},
        {"Ctrl+F5 reaches it as Control+F5", terminal, Key::f5, control, chord(Key::f5, control)},
        {"Ctrl+End as typed", terminal, Key::end, control, chord(Key::end, control)},
        {"Alt+F4 still closes", terminal, Key::f4, option, chord(12, command)},
        {"Ctrl+Tab switches tabs", terminal, Key::tab, control, chord(Key::tab, control)},
        {"Windows+D is Control+D for the shell", terminal, Key::d, command, "none"},
        {"typing passes to the layouts", terminal, Key::a, shift, "none"},
    };
    check(cases);
}

TEST(ProfileRules, Finder) {
    const Case cases[] = {
        {"Enter opens", finderList, Key::enter, 0, chord(Key::down, command)},
        {"F2 renames", finderList, Key::f2, 0, chord(Key::enter, 0)},
        {"Delete moves to the Trash", finderList, Key::del, secondaryFn,
         chord(Key::backspace, command)},
        {"Ctrl+D too", finderList, Key::d, control, chord(Key::backspace, command)},
        {"Shift+Delete deletes at once", finderList, Key::del, shift,
         chord(Key::backspace, command | option)},
        {"Backspace goes back", finderList, Key::backspace, 0, chord(Key::leftBracket, command)},
        {"Alt+Enter shows the information", finderList, Key::enter, option, chord(Key::i, command)},
        {"Alt+Up goes to the enclosing folder", finderList, Key::up, option,
         chord(Key::up, command)},
        {"Alt+F4 closes the window", finderList, Key::f4, option, chord(Key::w, command)},
        {"Alt+Left goes back", finderList, Key::left, option, chord(Key::leftBracket, command)},
        {"Ctrl+X copies, to be moved", finderList, Key::x, control,
         chord(Key::c, command) + " cut"},
        {"Ctrl+V with nothing cut pastes", finderList, Key::v, control, "none"},
        {"Ctrl+V after a cut moves", finderCut, Key::v, control, chord(Key::v, command | option)},
        {"Ctrl+E searches, never ejects", finderList, Key::e, control, chord(Key::f, command)},
        {"Ctrl+L goes to a folder", finderList, Key::l, control, chord(Key::g, command | shift)},
        {"F5 does nothing", finderList, Key::f5, 0, "swallow"},
        {"Ctrl+F5 nothing either", finderList, Key::f5, control, "swallow"},
        {"Home passes", finderList, Key::home, 0, "none"},
        {"Ctrl+Home passes, no enclosing folder", finderList, Key::home, control, "none"},
        // Renaming or searching: a text field, the standard rules.
        {"Enter ends the renaming", finderRenaming, Key::enter, 0, "none"},
        {"Backspace deletes", finderRenaming, Key::backspace, 0, "none"},
        {"Home goes to the start", finderRenaming, Key::home, 0, chord(Key::left, command)},
        {"Ctrl+X cuts the text", finderRenaming, Key::x, control, "none"},
        {"Shift+Delete cuts the text", finderRenaming, Key::del, shift, chord(Key::x, command)},
        {"Ctrl+E still searches", finderRenaming, Key::e, control, chord(Key::f, command)},
    };
    check(cases);
}

TEST(ProfileRules, Browser) {
    const Case cases[] = {
        {"Home scrolls the page", page, Key::home, 0, "none"},
        {"Shift+End", page, Key::end, shift, "none"},
        {"Page Down", page, Key::pageDown, 0, "none"},
        {"Ctrl+Home: the top of the page", page, Key::home, control, chord(Key::up, command)},
        {"Home in the address bar", addressBar, Key::home, 0, chord(Key::left, command)},
        {"Ctrl+H: the history", page, Key::h, control, chord(Key::y, command)},
        {"Ctrl+H in a text field too", addressBar, Key::h, control, chord(Key::y, command)},
        {"F5 reloads", page, Key::f5, 0, chord(Key::r, command)},
        {"Ctrl+F5 bypasses the cache", page, Key::f5, control, chord(Key::r, command | shift)},
        {"Safari: from the origin", safari, Key::f5, control, chord(Key::r, command | option)},
        {"Safari: Shift+F5 too", safari, Key::f5, shift, chord(Key::r, command | option)},
        {"F11: full screen", page, Key::f11, 0, chord(Key::f, control | command)},
        {"F12: developer tools", page, Key::f12, 0, chord(Key::i, command | option)},
        {"Alt+D: the address bar", addressBar, Key::d, option, chord(Key::l, command)},
        {"F6: the address bar", page, Key::f6, 0, chord(Key::l, command)},
    };
    check(cases);
}

TEST(ProfileRules, CodeEditor) {
    const Case cases[] = {
        {"F5 debugs", vsCode, Key::f5, 0, "none"},
        {"Shift+F5 stops", vsCode, Key::f5, shift, "none"},
        {"Ctrl+F5 runs without debugging", vsCode, Key::f5, control, chord(Key::f5, control)},
        {"Ctrl+Shift+F5 restarts (Command+Shift+F5)", vsCode, Key::f5, control | shift, "none"},
        {"F2 renames", jetBrains, Key::f2, 0, "none"},
        {"F12 goes to the definition", vsCode, Key::f12, 0, "none"},
        {"Ctrl+F4 closes the editor", vsCode, Key::f4, control, chord(Key::w, command)},
        {"Alt+Up moves the line", vsCode, Key::up, option, "none"},
        {"Alt+Shift+Down copies it", jetBrains, Key::down, option | shift, "none"},
        {"Ctrl+Alt+Up adds a cursor (Command+Option+Up)", vsCode, Key::up, control | option,
         "none"},
        {"VS Code: Alt+Left goes back", vsCode, Key::left, option, chord(Key::minus, control)},
        {"VS Code: Alt+Right goes forward", vsCode, Key::right, option,
         chord(Key::minus, control | shift)},
        {"JetBrains: Alt+Left goes back", jetBrains, Key::left, option,
         chord(Key::leftBracket, command)},
        {"VS Code: Ctrl+G goes to a line", vsCode, Key::g, control, chord(Key::g, control)},
        {"JetBrains: Ctrl+G goes to a line", jetBrains, Key::g, control, chord(Key::l, command)},
        {"VS Code: Ctrl+` opens the terminal", vsCode, Key::grave, control,
         chord(Key::grave, control)},
        {"VS Code: Ctrl+Shift+` a new one", vsCode, Key::grave, control | shift,
         chord(Key::grave, control | shift)},
        {"Ctrl+Left moves by words", vsCode, Key::left, control, chord(Key::left, option)},
    };
    check(cases);
}

TEST(ProfileRules, Office) {
    const Case cases[] = {
        {"Ctrl+Y repeats", word, Key::y, control, chord(Key::y, command)},
        {"Ctrl+Y in Excel", excel, Key::y, control, chord(Key::y, command)},
        {"Excel: F2 edits the cell", excel, Key::f2, 0, chord(Key::u, control)},
        {"Word: F2 passes", word, Key::f2, 0, "none"},
        {"Excel: Home goes to the row's start", excel, Key::home, 0, "none"},
        {"Excel: Shift+End", excel, Key::end, shift, "none"},
        {"Excel: Ctrl+Home to A1", excel, Key::home, control, chord(Key::home, control)},
        {"Excel: Ctrl+Shift+End selects to the last cell", excel, Key::end, control | shift,
         chord(Key::end, control | shift)},
        {"Excel: Ctrl+Down to the edge of the data", excel, Key::down, control,
         chord(Key::down, command)},
        {"Excel: Ctrl+Shift+Right selects to it", excel, Key::right, control | shift,
         chord(Key::right, command | shift)},
        {"Excel: Ctrl+Page Down to the next sheet", excel, Key::pageDown, control,
         chord(Key::pageDown, control)},
        {"Word: Home to the line's start", word, Key::home, 0, chord(Key::left, command)},
        {"Word: Ctrl+Left by words", word, Key::left, control, chord(Key::left, option)},
    };
    check(cases);
}

TEST(ProfileRules, WindowsKey) {
    constexpr std::uint64_t fnControl = control | secondaryFn;
    const Case cases[] = {
        {"Windows+R: Spotlight", standard, Key::r, command, chord(Key::space, command)},
        {"Windows+S: Spotlight", standard, 1, command, chord(Key::space, command)},
        {"Windows+D: the desktop (F11)", standard, Key::d, command, chord(Key::f11, secondaryFn)},
        {"Windows+E: a Finder window", standard, Key::e, command,
         chord(Key::space, command | option)},
        {"Windows+Tab: Mission Control", standard, Key::tab, command, chord(Key::up, fnControl)},
        {"Windows+.: emoji", standard, Key::period, command, chord(Key::space, control | command)},
        {"Windows+K: Control+K as before", standard, 40, command, "none"},
        {"Windows+Shift+D passes", standard, Key::d, command | shift, "none"},
        {"Windows+Left before macOS 15: as before", standard, Key::left, command, "none"},
        {"Windows+Left tiles left", tiling, Key::left, command, chord(Key::left, fnControl)},
        {"Windows+Right tiles right", tiling, Key::right, command, chord(Key::right, fnControl)},
        {"Windows+Up fills the screen", tiling, Key::up, command, chord(Key::f, fnControl)},
        {"Windows+Down: the size before", tiling, Key::down, command, chord(Key::r, fnControl)},
        {"Ctrl+Windows+Left: the Space to the left", standard, Key::left, control | command,
         chord(Key::left, fnControl)},
        {"Ctrl+Windows+Right: to the right", standard, Key::right, control | command,
         chord(Key::right, fnControl)},
        {"Windows+D in a browser too", page, Key::d, command, chord(Key::f11, secondaryFn)},
        {"not in a terminal: Windows+R is Control+R", terminal, Key::r, command, "none"},
        {"nor Ctrl+Windows+Left", terminal, Key::left, control | command, "none"},
        {"Alt+Space types no invisible space", standard, Key::space, option, "swallow"},
        {"Alt+Shift+Space passes", standard, Key::space, option | shift, "none"},
    };
    check(cases);
    KeyboardOptions off = KeyboardOptions::windowsDefaults;
    off.windowsKeyShortcuts = false;
    const Case switchedOff[] = {
        {"Windows+D, switched off", standard, Key::d, command, "none"},
        {"Windows+Left, switched off", tiling, Key::left, command, "none"},
        {"Windows+L keeps its own switch", standard, Key::l, command, chord(12, control | command)},
    };
    check(switchedOff, off);
}

TEST(ProfileRules, FilesCutSurviveOnlyMovingAround) {
    for (std::uint16_t key : {Key::up, Key::down, Key::left, Key::right, Key::home, Key::end,
                              Key::pageUp, Key::pageDown, Key::tab, Key::enter, Key::backspace}) {
        EXPECT_TRUE(WindowsMapping::keepsFilesCut(key)) << key;
    }
    for (std::uint16_t key : {Key::c, Key::v, Key::x, Key::a, Key::del, Key::f2, Key::space}) {
        EXPECT_FALSE(WindowsMapping::keepsFilesCut(key)) << key;
    }
}

}  // namespace
}  // namespace varnel
