#include "script_line.h"

namespace varnel::sim {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::variant<ScriptLine, std::string> splitLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    ScriptLine result;
    if (line.starts_with("> ")) {
        result.kind = ScriptLine::Kind::expected;
        result.expected = std::string(line.substr(2));
        return result;
    }
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSpace(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        if (line[i] == '#' &&
            (result.words.empty() || i + 1 == line.size() || isSpace(line[i + 1]))) {
            break;  // a comment line, or a "#" standing alone after a command
        }
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\') {
                    if (i == line.size() || (line[i] != '"' && line[i] != '\\')) {
                        return std::string("only \\\" and \\\\ may follow a backslash in quotes");
                    }
                    word.text += line[i++];
                } else {
                    word.text += c;
                }
            }
            if (!closed) {
                return std::string("a double-quoted argument is not closed");
            }
            if (i < line.size() && !isSpace(line[i])) {
                return std::string("a space must follow a double-quoted argument");
            }
        } else {
            while (i < line.size() && !isSpace(line[i])) {
                if (line[i] == '"') {
                    return std::string("a double quote inside a word");
                }
                word.text += line[i++];
            }
        }
        result.words.push_back(std::move(word));
    }
    if (!result.words.empty()) {
        result.kind = ScriptLine::Kind::command;
    }
    return result;
}

}  // namespace varnel::sim
