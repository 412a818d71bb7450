#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace varnel::sim {

enum class RunMode {
    print,   // print every output line
    check,   // compare the output with the file's "> " lines
    update,  // rewrite the file's "> " lines with the output
};

// Exit statuses of varnel-sim.
inline constexpr int statusOk = 0;
inline constexpr int statusDifferent = 1;
inline constexpr int statusBadLine = 2;

struct ScriptResult {
    int status = statusOk;
    std::string updatedText;  // update mode: the file with its "> " lines rewritten
};

// Runs one script against a fresh simulated Mac with a fresh Varnel. A bad line stops the
// script: "varnel-sim: NAME:LINE: MESSAGE" goes to `errors`. Output lines (print mode) and
// differences (check mode) go to `out`.
ScriptResult runScript(std::string_view name, std::string_view text, RunMode mode,
                       std::ostream& out, std::ostream& errors);

}  // namespace varnel::sim
