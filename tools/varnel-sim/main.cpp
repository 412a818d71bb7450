// varnel-sim: Varnel headless on a simulated Mac. It prints what the frontmost application
// receives; with --check it compares that with the expected lines written in the script.

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "script_runner.h"

namespace {

constexpr const char* usageHead = R"(usage: varnel-sim [--echo | --check | --update] [FILE ...]

Runs each FILE (or standard input, for none or "-") against a fresh simulated Mac with a
fresh Varnel, and prints one line for every event the frontmost application receives, as
soon as each command has run. At a terminal, "help" at the sim> prompt lists the commands.

  --echo    print the script as it runs: each comment and command, then its output
  --check   compare the output with the file's "> " lines; print each difference
  --update  rewrite the file's "> " lines with the output
  --help    print this text

)";

constexpr const char* usageTail = R"(
KEY is a key name (A, LeftCtrl, F5, Left, PrintScreen, ...; Ctrl, Alt, Shift and Win are the
left keys) or #N for a raw key code. Blank lines and lines starting with # are ignored.
Exit status: 0 all well, 1 output differs (--check), 2 a bad line or an unreadable file.
)";

std::string usage() {
    return usageHead + varnel::sim::commandHelp() + usageTail;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream buffer;
    buffer << file.rdbuf();
    text = buffer.str();
    return !file.bad();
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}

// Standard input, a line at a time, each run as soon as it is read. At a terminal a person is
// typing: a prompt asks for each line, and a mistyped line is reported without ending it all.
varnel::sim::ScriptResult runStandardInput(varnel::sim::RunMode mode) {
    using namespace varnel::sim;
    const bool person =
        isatty(STDIN_FILENO) != 0 && (mode == RunMode::print || mode == RunMode::echo);
    ScriptRunner runner("-", mode, std::cout, std::cerr, person);
    if (person) {
        std::cerr << "varnel-sim: type commands as in a script (help lists them); Ctrl+D ends.\n";
    }
    std::string line;
    while (true) {
        if (person) {
            std::cerr << "sim> " << std::flush;
        }
        if (!std::getline(std::cin, line) || !runner.feed(line)) {
            break;
        }
    }
    if (person) {
        std::cerr << "\n";
    }
    return runner.finish();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace varnel::sim;
    RunMode mode = RunMode::print;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << usage();
            return statusOk;
        }
        if (arg == "--echo") {
            mode = RunMode::echo;
        } else if (arg == "--check") {
            mode = RunMode::check;
        } else if (arg == "--update") {
            mode = RunMode::update;
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::cerr << "varnel-sim: unknown option " << arg << "\n" << usage();
            return statusBadLine;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        files.push_back("-");
    }

    int status = statusOk;
    for (const std::string& path : files) {
        std::string text;
        if (path == "-") {
            const ScriptResult result = runStandardInput(mode);
            if (mode == RunMode::update && result.status == statusOk) {
                std::cout << result.updatedText;
            }
            status = std::max(status, result.status);
            continue;
        }
        if (!readFile(path, text)) {
            std::cerr << "varnel-sim: " << path << ":0: cannot read the file\n";
            status = statusBadLine;
            continue;
        }
        const ScriptResult result = runScript(path, text, mode, std::cout, std::cerr);
        if (mode == RunMode::update && result.status == statusOk && result.updatedText != text &&
            !writeFile(path, result.updatedText)) {
            std::cerr << "varnel-sim: " << path << ":0: cannot write the file\n";
            status = statusBadLine;
        }
        status = std::max(status, result.status);
    }
    return status;
}
