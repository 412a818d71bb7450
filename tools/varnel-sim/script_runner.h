#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace varnel::sim {

enum class RunMode {
    print,   // print every output line
    echo,    // print the script as it runs: its comments and commands, each command followed
             // by its output as "> " lines (the script's own "> " lines are left out)
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

// Runs a script against a fresh simulated Mac with a fresh Varnel, one line at a time: each
// line runs when it is fed, and what it prints (print and echo modes) is written to `out` and
// flushed at once, so that a person typing or a pipe sees it straight away. Differences
// (check mode) go to `out` when the script is finished. A bad line is reported on `errors` as
// "varnel-sim: NAME:LINE: MESSAGE" and stops the script, unless it is to keep going (a person
// at a terminal, who mends the line and goes on).
class ScriptRunner {
  public:
    ScriptRunner(std::string name, RunMode mode, std::ostream& out, std::ostream& errors,
                 bool keepGoing = false);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs one line (without its line break). False once a bad line has stopped the script:
    // later lines are not run.
    bool feed(std::string_view line);
    ScriptResult finish();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Runs a whole script at once.
ScriptResult runScript(std::string_view name, std::string_view text, RunMode mode,
                       std::ostream& out, std::ostream& errors);

}  // namespace varnel::sim
