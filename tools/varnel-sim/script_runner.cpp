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

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

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

std::string rewrite(const std::vector<std::string_view>& lines, const std::vector<Block>& blocks) {
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

}  // namespace

ScriptResult runScript(std::string_view name, std::string_view text, RunMode mode,
                       std::ostream& out, std::ostream& errors) {
    std::vector<Block> blocks(1);
    Simulator simulator([&](const std::string& line) {
        blocks.back().output.push_back(line);
        if (mode == RunMode::print) {
            out << line << "\n";
        }
    });
    const auto bad = [&](int line, const std::string& message) {
        errors << "varnel-sim: " << name << ":" << line << ": " << message << "\n";
        return ScriptResult{statusBadLine, {}};
    };

    const std::vector<std::string_view> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        auto split = splitLine(lines[i]);
        if (auto* reason = std::get_if<std::string>(&split)) {
            return bad(number, *reason);
        }
        const ScriptLine& line = std::get<ScriptLine>(split);
        if (line.kind == ScriptLine::Kind::expected) {
            blocks.back().expected.push_back({number, line.expected});
            continue;
        }
        if (line.kind == ScriptLine::Kind::nothing) {
            continue;
        }
        auto parsed = parseCommand(line.words);
        if (auto* reason = std::get_if<std::string>(&parsed)) {
            return bad(number, *reason);
        }
        blocks.push_back(Block{number, {}, {}});
        if (auto error = simulator.run(std::get<Command>(parsed))) {
            return bad(number, *error);
        }
    }

    ScriptResult result;
    if (mode == RunMode::check) {
        for (const Block& block : blocks) {
            if (!compare(name, block, out)) {
                result.status = statusDifferent;
            }
        }
    } else if (mode == RunMode::update) {
        result.updatedText = rewrite(lines, blocks);
    }
    return result;
}

}  // namespace varnel::sim
