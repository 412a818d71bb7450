#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "script_line.h"

namespace varnel::sim {

// One command of a script, checked for form (not yet against the simulated Mac's state).
struct Command {
    enum class Verb {
        // set-up: allowed before and after launch
        permission,
        inputSourceAdd,
        inputSourceRemove,
        inputSourceCurrent,
        inputSourceFailEnable,
        inputSourceFailSelect,
        loginItemStatus,
        loginItemFail,
        loginItemPath,
        defaultsSetData,
        defaultsSetString,
        defaultsSetBool,
        defaultsDelete,
        secureInput,
        frontmost,
        focus,
        systemVersion,
        keyboardType,
        busy,
        tapThread,
        applicationAdd,
        applicationRemove,
        fileWrite,
        fileShow,
        help,
        launch,
        quit,
        // keyboard
        press,
        release,
        tap,
        chord,
        repeat,
        // mouse
        click,
        drag,
        // time, person and system
        wait,
        toggle,
        option,
        login,
        request,
        refresh,
        dismiss,
        wake,
        tapDisable,
        excludeAdd,
        excludeRemove,
        excludeRestore,
        settingsExport,
        settingsImport,
        show,
    };

    explicit Command(Verb verb) : verb(verb) {}

    Verb verb;
    // press, release, tap, chord, repeat: the keys' codes on an ANSI keyboard, and whether
    // each was named (a name is the key printed so, whose code depends on the keyboard) or
    // given as #N
    std::vector<std::uint16_t> keys;
    std::vector<bool> keysByName;
    // permission, source or bundle ID, defaults key, option, show, tapdisable kind, keyboard
    // type, mouse button
    std::string name;
    // source or application name, login failure message, login item path, defaults text, a
    // file's path (settings, file) and what is written in it
    std::string text;
    std::string path;
    bool hasText = false;
    bool on = false;  // granted, on, true, tapdisable later, secure input on
    // status codes, login status, repeat count, macOS version, times a file's text is written
    std::int64_t number = 0;
    double seconds = 0;  // wait, busy

    // Set-up commands (and help) do not launch Varnel first.
    bool isSetUp() const { return verb <= Verb::quit; }
};

// The command of a line's words, or the reason the line is bad.
std::variant<Command, std::string> parseCommand(const std::vector<Word>& words);

// The words a command may start with, as the parser knows them, in the order of the help.
std::vector<std::string_view> commandWords();
// Every command with its arguments and what it does, then the option names and what `show`
// prints: made from the parser's own table, so that it lists whatever the parser accepts.
std::string commandHelp();

}  // namespace varnel::sim
