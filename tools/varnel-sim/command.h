#pragma once

#include <cstdint>
#include <optional>
#include <string>
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
        defaultsSetData,
        defaultsSetString,
        defaultsSetBool,
        defaultsDelete,
        secureInput,
        frontmost,
        focus,
        systemVersion,
        keyboardType,
        applicationAdd,
        applicationRemove,
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
        show,
    };

    explicit Command(Verb verb) : verb(verb) {}

    Verb verb;
    std::vector<std::uint16_t> keys;  // press, release, tap, chord, repeat
    // permission, source or bundle ID, defaults key, option, show, tapdisable kind, keyboard
    // type, mouse button
    std::string name;
    std::string text;  // source or application name, login failure message, defaults text
    bool hasText = false;
    bool on = false;          // granted, on, true, tapdisable later, secure input on
    std::int64_t number = 0;  // status codes, login status, repeat count, macOS version
    double seconds = 0;

    // Set-up commands do not launch Varnel first.
    bool isSetUp() const { return verb <= Verb::quit; }
};

// The command of a line's words, or the reason the line is bad.
std::variant<Command, std::string> parseCommand(const std::vector<Word>& words);

}  // namespace varnel::sim
