#include "script_runner.h"

#include <vector>

#include "command.h"
#include "script_line.h"
#include "simulator.h"

namespace varnel::sim {

namespace {

struct Expected {
    int line;
    std::string text;
};

// A command line with what it printed and the "> " lines written below it.
struct Block {
    int line = 0;  // 0: expected lines above the first command
    std::vector<std::string> output;
    std::vector<Expected> expected;
};

// Reports each difference between the expected and the printed lines of a block.
bool compare(std::string_view name, const Block& block, std::ostream& out) {
    bool same = true;
    const std::size_t count = std::max(block.expected.size(), block.output.size());
    for (std::size_t i = 0; i < count; ++i) {
        const bool hasExpected = i < block.expected.size();
        const bool hasOutput = i < block.output.size();
        if (hasExpected && hasOutput && block.expected[i].text == block.output[i]) {
            continue;
        }
        same = false;
        const int line = hasExpected              ? block.expected[i].line
                         : block.expected.empty() ? block.line
                                                  : block.expected.back().line;
        out << name << ":" << line << ": expected "
            << (hasExpected ? block.expected[i].text : "nothing more") << ", got "
            << (hasOutput ? block.output[i] : "nothing") << "\n";
    }
    return same;
}

std::string rewrite(const std::vector<std::string>& lines, const std::vector<Block>& blocks) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        if (lines[i].starts_with("> ")) {
            continue;
        }
        text.append(lines[i]).append("\n");
        while (next < blocks.size() && blocks[next].line < number) {
            ++next;
        }
        if (next < blocks.size() && blocks[next].line == number) {
            for (const std::string& output : blocks[next].output) {
                text.append("> ").append(output).append("\n");
            }
        }
    }
    return text;
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

struct ScriptRunner::State {
    std::string name;
    RunMode mode;
    std::ostream& out;
    std::ostream& errors;
    bool keepGoing;
    std::vector<Block> blocks{1};
    std::vector<std::string> lines;  // update mode only
    int lineNumber = 0;
    bool stopped = false;
    bool hadBadLine = false;
    Simulator simulator;

    State(std::string name, RunMode mode, std::ostream& out, std::ostream& errors, bool keepGoing)
        : name(std::move(name)),
          mode(mode),
          out(out),
          errors(errors),
          keepGoing(keepGoing),
          simulator([this](const std::string& line) { printed(line); }) {}

    void printed(const std::string& line) {
        blocks.back().output.push_back(line);
        if (mode == RunMode::print) {
            out << line << "\n";
        } else if (mode == RunMode::echo) {
            out << "> " << line << "\n";
        }
    }

    void bad(const std::string& message) {
        errors << "varnel-sim: " << name << ":" << lineNumber << ": " << message << "\n";
        errors.flush();
        hadBadLine = true;
        stopped = !keepGoing;
    }

    void run(std::string_view text) {
        auto split = splitLine(text);
        if (auto* reason = std::get_if<std::string>(&split)) {
            return bad(*reason);
        }
        const ScriptLine& line = std::get<ScriptLine>(split);
        if (line.kind == ScriptLine::Kind::expected) {
            blocks.back().expected.push_back({lineNumber, line.expected});
            return;
        }
        if (mode == RunMode::echo) {
            out << withoutCarriageReturn(text) << "\n";
        }
        if (line.kind == ScriptLine::Kind::nothing) {
            return;
        }
        auto parsed = parseCommand(line.words);
        if (auto* reason = std::get_if<std::string>(&parsed)) {
            return bad(*reason);
        }
        blocks.push_back(Block{lineNumber, {}, {}});
        if (auto error = simulator.run(std::get<Command>(parsed))) {
            return bad(*error);
        }
    }
};

ScriptRunner::ScriptRunner(std::string name, RunMode mode, std::ostream& out, std::ostream& errors,
                           bool keepGoing)
    : state_(std::make_unique<State>(std::move(name), mode, out, errors, keepGoing)) {}

ScriptRunner::~ScriptRunner() = default;

bool ScriptRunner::feed(std::string_view line) {
    State& s = *state_;
    if (s.stopped) {
        return false;
    }
    ++s.lineNumber;
    if (s.mode == RunMode::update) {
        s.lines.emplace_back(line);
    }
    s.run(line);
    s.out.flush();
    return !s.stopped;
}

ScriptResult ScriptRunner::finish() {
    State& s = *state_;
    ScriptResult result;
    if (s.hadBadLine) {
        result.status = statusBadLine;
        return result;
    }
    if (s.mode == RunMode::check) {
        for (const Block& block : s.blocks) {
            if (!compare(s.name, block, s.out)) {
                result.status = statusDifferent;
            }
        }
    } else if (s.mode == RunMode::update) {
        result.updatedText = rewrite(s.lines, s.blocks);
    }
    return result;
}

ScriptResult runScript(std::string_view name, std::string_view text, RunMode mode,
                       std::ostream& out, std::ostream& errors) {
    ScriptRunner runner{std::string(name), mode, out, errors};
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (!runner.feed(text.substr(0, end)) || end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return runner.finish();
}

}  // namespace varnel::sim
