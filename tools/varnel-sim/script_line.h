#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::sim {

// One word of a command line; a double-quoted argument keeps its spaces.
struct Word {
    std::string text;
    bool quoted = false;
};

// A line of a script: nothing to run (blank or a comment), an expected output line
// ("> TEXT"), or a command and its words.
struct ScriptLine {
    enum class Kind { nothing, expected, command };
    Kind kind = Kind::nothing;
    std::string expected;
    std::vector<Word> words;
};

// Splits a line into words. Words are separated by spaces; a "#" standing alone between
// spaces (outside quotes) starts a comment; in a double-quoted argument \" is a double
// quote and \\ a backslash. Answers the reason when the line cannot be split.
std::variant<ScriptLine, std::string> splitLine(std::string_view line);

}  // namespace varnel::sim
