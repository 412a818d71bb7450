#include "command.h"

#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

#include "model/excluded_applications.h"
#include "model/keyboard_options.h"
#include "platform/sim/sim_key_names.h"

namespace varnel::sim {

namespace {

using Verb = Command::Verb;
using Result = std::variant<Command, std::string>;

constexpr std::int64_t maxRepeat = 100000;
// Enough for a file far larger than any settings file may be.
constexpr std::int64_t maxFileRepeat = 100'000'000;
constexpr double maxWaitSeconds = 1e9;

std::string quote(std::string_view text) {
    return std::string("\"").append(text).append("\"");
}

// A part of a command that could not be read, and why.
struct Error {
    std::string message;
};
template <class T>
using Parsed = std::variant<T, Error>;

template <class T>
const Error* errorOf(const Parsed<T>& parsed) {
    return std::get_if<Error>(&parsed);
}

// Reads the words of one command in order, with the reasons for a bad line.
class Reader {
  public:
    explicit Reader(const std::vector<Word>& words) : words_(words) {}

    bool done() const { return next_ == words_.size(); }
    const Word* take() { return done() ? nullptr : &words_[next_++]; }
    std::string_view command() const { return words_[0].text; }

    std::optional<std::string> expectEnd() const {
        if (!done()) {
            return "unexpected argument " + quote(words_[next_].text) + " after " +
                   std::string(command());
        }
        return std::nullopt;
    }
    std::string missing(std::string_view what) const {
        return std::string(command()) + ": missing " + std::string(what);
    }

  private:
    const std::vector<Word>& words_;
    std::size_t next_ = 1;
};

std::optional<std::int64_t> integer(std::string_view text, std::int64_t min, std::int64_t max) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

// A decimal number: digits with an optional fraction.
std::optional<double> decimal(std::string_view text) {
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    const double value = std::strtod(std::string(text).c_str(), nullptr);
    if (!std::isfinite(value) || value > maxWaitSeconds) {
        return std::nullopt;
    }
    return value;
}

Parsed<std::uint16_t> key(const Word& word) {
    if (auto code = SimKeyNames::keyCode(word.text)) {
        return *code;
    }
    return Error{"unknown key name " + quote(word.text)};
}

// One of two words, answering which.
Parsed<bool> choice(Reader& reader, std::string_view yes, std::string_view no) {
    const Word* word = reader.take();
    if (!word) {
        return Error{reader.missing(std::string(yes) + " or " + std::string(no))};
    }
    if (word->text == yes || word->text == no) {
        return word->text == yes;
    }
    return Error{std::string(reader.command()) + ": expected " + std::string(yes) + " or " +
                 std::string(no) + ", not " + quote(word->text)};
}

Parsed<std::string> quotedText(Reader& reader, std::string_view what) {
    const Word* word = reader.take();
    if (!word) {
        return Error{reader.missing(what)};
    }
    if (!word->quoted) {
        return Error{std::string(reader.command()) + ": " + std::string(what) +
                     " must be one double-quoted string"};
    }
    return word->text;
}

// Finishes a command: no words may follow.
Result finish(Reader& reader, Command command) {
    if (auto error = reader.expectEnd()) {
        return *error;
    }
    return command;
}

// VERB yes|no, and nothing after it: `on` says which.
Result eitherWord(Reader& reader, Verb verb, std::string_view yes, std::string_view no) {
    auto chosen = choice(reader, yes, no);
    if (auto* error = errorOf(chosen)) {
        return error->message;
    }
    Command command{verb};
    command.on = std::get<bool>(chosen);
    return finish(reader, command);
}

Result permission(Reader& reader) {
    const Word* which = reader.take();
    if (!which) {
        return reader.missing("accessibility or inputMonitoring");
    }
    if (which->text != "accessibility" && which->text != "inputMonitoring") {
        return "permission: expected accessibility or inputMonitoring, not " + quote(which->text);
    }
    auto granted = choice(reader, "granted", "denied");
    if (auto* error = errorOf(granted)) {
        return error->message;
    }
    Command command{Verb::permission};
    command.name = which->text;
    command.on = std::get<bool>(granted);
    return finish(reader, command);
}

// ID, and with an add a double-quoted NAME if one follows.
Result withIdAndName(Reader& reader, Command command, bool mayName) {
    const Word* id = reader.take();
    if (!id) {
        return reader.missing("ID");
    }
    command.name = id->text;
    if (mayName && !reader.done()) {
        auto name = quotedText(reader, "NAME");
        if (auto* error = errorOf(name)) {
            return error->message;
        }
        command.text = std::get<std::string>(name);
        command.hasText = true;
    }
    return finish(reader, command);
}

Result inputSource(Reader& reader) {
    const Word* action = reader.take();
    if (!action) {
        return reader.missing("add, remove, current or fail");
    }
    if (action->text == "fail") {
        auto enable = choice(reader, "enable", "select");
        if (auto* error = errorOf(enable)) {
            return error->message;
        }
        const Word* code = reader.take();
        if (!code) {
            return reader.missing("CODE");
        }
        auto value = integer(code->text, INT32_MIN, INT32_MAX);
        if (!value) {
            return "inputsource: CODE must be a decimal integer, not " + quote(code->text);
        }
        Command command{std::get<bool>(enable) ? Verb::inputSourceFailEnable
                                               : Verb::inputSourceFailSelect};
        command.number = *value;
        return finish(reader, command);
    }
    Command command{Verb::inputSourceAdd};
    if (action->text == "add") {
        command.verb = Verb::inputSourceAdd;
    } else if (action->text == "remove") {
        command.verb = Verb::inputSourceRemove;
    } else if (action->text == "current") {
        command.verb = Verb::inputSourceCurrent;
    } else {
        return "inputsource: expected add, remove, current or fail, not " + quote(action->text);
    }
    return withIdAndName(reader, command, command.verb == Verb::inputSourceAdd);
}

Result loginItem(Reader& reader) {
    const Word* action = reader.take();
    if (!action) {
        return reader.missing("status, fail or path");
    }
    if (action->text == "status") {
        const Word* status = reader.take();
        if (!status) {
            return reader.missing("N");
        }
        auto value = integer(status->text, 0, 3);
        if (!value) {
            return "loginitem: status must be 0, 1, 2 or 3, not " + quote(status->text);
        }
        Command command{Verb::loginItemStatus};
        command.number = *value;
        return finish(reader, command);
    }
    if (action->text == "fail") {
        auto message = quotedText(reader, "MESSAGE");
        if (auto* error = errorOf(message)) {
            return error->message;
        }
        Command command{Verb::loginItemFail};
        command.text = std::get<std::string>(message);
        command.hasText = true;
        return finish(reader, command);
    }
    if (action->text == "path") {
        auto path = quotedText(reader, "PATH");
        if (auto* error = errorOf(path)) {
            return error->message;
        }
        Command command{Verb::loginItemPath};
        command.text = std::get<std::string>(path);
        command.hasText = true;
        return finish(reader, command);
    }
    return "loginitem: expected status, fail or path, not " + quote(action->text);
}

Result defaults(Reader& reader) {
    const Word* action = reader.take();
    if (!action) {
        return reader.missing("set or delete");
    }
    const bool set = action->text == "set";
    if (!set && action->text != "delete") {
        return "defaults: expected set or delete, not " + quote(action->text);
    }
    const Word* key = reader.take();
    if (!key) {
        return reader.missing("KEY");
    }
    Command command{Verb::defaultsDelete};
    command.name = key->text;
    if (!set) {
        return finish(reader, command);
    }
    const Word* type = reader.take();
    if (!type) {
        return reader.missing("data, string or bool");
    }
    if (type->text == "bool") {
        auto value = choice(reader, "true", "false");
        if (auto* error = errorOf(value)) {
            return error->message;
        }
        command.verb = Verb::defaultsSetBool;
        command.on = std::get<bool>(value);
        return finish(reader, command);
    }
    if (type->text != "data" && type->text != "string") {
        return "defaults: expected data, string or bool, not " + quote(type->text);
    }
    auto text = quotedText(reader, "TEXT");
    if (auto* error = errorOf(text)) {
        return error->message;
    }
    command.verb = type->text == "data" ? Verb::defaultsSetData : Verb::defaultsSetString;
    command.text = std::get<std::string>(text);
    command.hasText = true;
    return finish(reader, command);
}

Result keyCommand(Reader& reader, Verb verb) {
    const Word* word = reader.take();
    if (!word) {
        return reader.missing(verb == Verb::chord ? "KEY+KEY+..." : "KEY");
    }
    Command command{verb};
    if (verb == Verb::chord) {
        std::string_view rest = word->text;
        while (true) {
            const auto plus = rest.find('+');
            const std::string_view part = rest.substr(0, plus);
            if (part.empty()) {
                return "chord: expected KEY+KEY+..., not " + quote(word->text);
            }
            auto code = key(Word{std::string(part)});
            if (auto* error = errorOf(code)) {
                return error->message;
            }
            command.keys.push_back(std::get<std::uint16_t>(code));
            command.keysByName.push_back(part.front() != '#');
            if (plus == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(plus + 1);
        }
    } else {
        auto code = key(*word);
        if (auto* error = errorOf(code)) {
            return error->message;
        }
        command.keys.push_back(std::get<std::uint16_t>(code));
        command.keysByName.push_back(word->text.front() != '#');
    }
    if (verb == Verb::repeat) {
        const Word* count = reader.take();
        if (!count) {
            return reader.missing("N");
        }
        auto value = integer(count->text, 1, maxRepeat);
        if (!value) {
            return "repeat: N must be a whole number from 1 to " + std::to_string(maxRepeat) +
                   ", not " + quote(count->text);
        }
        command.number = *value;
    }
    return finish(reader, command);
}

Result option(Reader& reader) {
    const Word* name = reader.take();
    if (!name) {
        return reader.missing("NAME");
    }
    bool known = false;
    for (const auto& field : KeyboardOptions::fields) {
        known = known || field.name == name->text;
    }
    if (!known) {
        return "option: unknown option " + quote(name->text);
    }
    auto on = choice(reader, "on", "off");
    if (auto* error = errorOf(on)) {
        return error->message;
    }
    Command command{Verb::option};
    command.name = name->text;
    command.on = std::get<bool>(on);
    return finish(reader, command);
}

Result oneWordOf(Reader& reader, Verb verb, std::span<const std::string_view> allowed) {
    const Word* word = reader.take();
    std::string list;
    for (std::string_view each : allowed) {
        list += (list.empty() ? "" : ", ") + std::string(each);
    }
    if (!word) {
        return reader.missing(list);
    }
    for (std::string_view each : allowed) {
        if (word->text == each) {
            Command command{verb};
            command.name = word->text;
            return finish(reader, command);
        }
    }
    return std::string(reader.command()) + ": expected one of " + list + ", not " +
           quote(word->text);
}

Result oneWordOf(Reader& reader, Verb verb, std::initializer_list<std::string_view> allowed) {
    return oneWordOf(reader, verb, std::span(allowed.begin(), allowed.size()));
}

// application add ID ["NAME"] | application remove ID
Result application(Reader& reader) {
    auto add = choice(reader, "add", "remove");
    if (auto* error = errorOf(add)) {
        return error->message;
    }
    const bool adds = std::get<bool>(add);
    return withIdAndName(reader, Command{adds ? Verb::applicationAdd : Verb::applicationRemove},
                         adds);
}

// A bundle identifier: letters, digits, hyphens and periods.
Result withBundleIdentifier(Reader& reader, Verb verb) {
    const Word* id = reader.take();
    if (!id) {
        return reader.missing("BUNDLEID");
    }
    if (!ExcludedApplications::isBundleIdentifier(id->text)) {
        return std::string(reader.command()) + ": " + quote(id->text) +
               " is not a bundle identifier (letters, digits, hyphens and periods)";
    }
    Command command{verb};
    command.name = id->text;
    return finish(reader, command);
}

// exclude add|remove BUNDLEID | exclude restore
Result exclude(Reader& reader) {
    const Word* action = reader.take();
    if (!action) {
        return reader.missing("add, remove or restore");
    }
    if (action->text == "restore") {
        return finish(reader, Command{Verb::excludeRestore});
    }
    if (action->text != "add" && action->text != "remove") {
        return "exclude: expected add, remove or restore, not " + quote(action->text);
    }
    return withBundleIdentifier(reader,
                                action->text == "add" ? Verb::excludeAdd : Verb::excludeRemove);
}

// A file's path: one word, double-quoted when it holds spaces.
Parsed<std::string> path(Reader& reader) {
    const Word* word = reader.take();
    if (!word) {
        return Error{reader.missing("PATH")};
    }
    return word->text;
}

// settings export|import PATH
Result settings(Reader& reader) {
    auto exports = choice(reader, "export", "import");
    if (auto* error = errorOf(exports)) {
        return error->message;
    }
    auto file = path(reader);
    if (auto* error = errorOf(file)) {
        return error->message;
    }
    Command command{std::get<bool>(exports) ? Verb::settingsExport : Verb::settingsImport};
    command.path = std::get<std::string>(file);
    return finish(reader, command);
}

// file write PATH "TEXT" [N] | file show PATH
Result file(Reader& reader) {
    auto writes = choice(reader, "write", "show");
    if (auto* error = errorOf(writes)) {
        return error->message;
    }
    auto file = path(reader);
    if (auto* error = errorOf(file)) {
        return error->message;
    }
    Command command{std::get<bool>(writes) ? Verb::fileWrite : Verb::fileShow};
    command.path = std::get<std::string>(file);
    if (command.verb == Verb::fileShow) {
        return finish(reader, command);
    }
    auto text = quotedText(reader, "TEXT");
    if (auto* error = errorOf(text)) {
        return error->message;
    }
    command.text = std::get<std::string>(text);
    command.hasText = true;
    command.number = 1;
    if (const Word* times = reader.take()) {
        auto value = integer(times->text, 1, maxFileRepeat);
        if (!value) {
            return "file: N must be a whole number from 1 to " + std::to_string(maxFileRepeat) +
                   ", not " + quote(times->text);
        }
        command.number = *value;
    }
    return finish(reader, command);
}

// click [left|right|other], drag [left|right|other]: the left button when none is named.
Result mouse(Reader& reader, Verb verb) {
    Command command{verb};
    command.name = "left";
    if (reader.done()) {
        return command;
    }
    return oneWordOf(reader, verb, {"left", "right", "other"});
}

// tapdisable timeout|user [later]
Result tapDisable(Reader& reader) {
    auto timeout = choice(reader, "timeout", "user");
    if (auto* error = errorOf(timeout)) {
        return error->message;
    }
    Command command{Verb::tapDisable};
    command.name = std::get<bool>(timeout) ? "timeout" : "user";
    if (const Word* word = reader.take()) {
        if (word->text != "later") {
            return "tapdisable: expected later or nothing, not " + quote(word->text);
        }
        command.on = true;
    }
    return finish(reader, command);
}

// wait SECONDS, busy SECONDS
template <Verb verb>
Result forSeconds(Reader& reader) {
    const Word* word = reader.take();
    if (!word) {
        return reader.missing("SECONDS");
    }
    auto seconds = decimal(word->text);
    if (!seconds) {
        return std::string(reader.command()) + ": SECONDS must be a decimal number, not " +
               quote(word->text);
    }
    Command command{verb};
    command.seconds = *seconds;
    return finish(reader, command);
}

// macos VERSION
Result systemVersion(Reader& reader) {
    const Word* version = reader.take();
    if (!version) {
        return reader.missing("VERSION");
    }
    auto value = integer(version->text, 10, 99);
    if (!value) {
        return "macos: VERSION must be a major version from 10 to 99, not " + quote(version->text);
    }
    Command command{Verb::systemVersion};
    command.number = *value;
    return finish(reader, command);
}

// What `show` prints, in the order the help lists them.
constexpr std::string_view showSubjects[] = {
    "state",    "mode",        "banner",     "notice",    "diagnostic",
    "language", "inputsource", "options",    "login",     "permissions",
    "defaults", "secureinput", "exclusions", "frontmost", "profile",
};

enum class Group { setUp, keyboard, person, help };

// One verb of the language: the word a line starts with, its arguments and what it does (as
// the help shows them), and how its arguments are read. The parser knows no verb but these,
// so the help lists every one.
struct Entry {
    std::string_view word;
    std::string_view arguments;
    std::string_view effect;
    Group group;
    Result (*parse)(Reader&);
};

template <Verb verb>
Result plain(Reader& reader) {
    return finish(reader, Command{verb});
}
template <Verb verb>
Result keys(Reader& reader) {
    return keyCommand(reader, verb);
}
template <Verb verb>
Result button(Reader& reader) {
    return mouse(reader, verb);
}
template <Verb verb>
Result switched(Reader& reader) {
    return eitherWord(reader, verb, "on", "off");
}

const Entry entries[] = {
    {"permission", "accessibility|inputMonitoring granted|denied", "sets a permission",
     Group::setUp, permission},
    {"inputsource", "add ID [\"NAME\"] | remove ID | current ID",
     "the installed input sources and the current one", Group::setUp, inputSource},
    {"inputsource", "fail enable|select CODE", "the next enable or select returns CODE",
     Group::setUp, inputSource},
    {"loginitem", "status N | fail \"MESSAGE\" | path \"PATH\"",
     "the login item's status (0 to 3), its next change refused, where Varnel runs", Group::setUp,
     loginItem},
    {"defaults", "set KEY data|string \"TEXT\" | set KEY bool true|false | delete KEY",
     "the user defaults", Group::setUp, defaults},
    {"secureinput", "on|off", "a password field takes or leaves the keys", Group::setUp,
     switched<Verb::secureInput>},
    {"frontmost", "BUNDLEID", "that application comes to the front (app.varnel.Varnel: Varnel)",
     Group::setUp, [](Reader& reader) { return withBundleIdentifier(reader, Verb::frontmost); }},
    {"focus", "text|other", "what has the keyboard focus in the application in front", Group::setUp,
     [](Reader& reader) { return eitherWord(reader, Verb::focus, "text", "other"); }},
    {"macos", "VERSION", "the major version of macOS (10 to 99)", Group::setUp, systemVersion},
    {"application", "add ID [\"NAME\"] | remove ID", "the installed applications", Group::setUp,
     application},
    {"busy", "SECONDS",
     "the main thread is occupied that long from now (the clock does not move by itself)",
     Group::setUp, forSeconds<Verb::busy>},
    {"tapthread", "on|off",
     "off: the system gives Varnel's tap no thread of its own, from the next start (it goes on "
     "the main run loop)",
     Group::setUp, switched<Verb::tapThread>},
    {"keyboard", "ansi|iso|jis", "the keyboard's type", Group::setUp,
     [](Reader& reader) {
         return oneWordOf(reader, Verb::keyboardType, {"ansi", "iso", "jis"});
     }},
    {"file", "write PATH \"TEXT\" [N] | show PATH",
     "writes TEXT (N times over) to a file, or prints what a file holds", Group::setUp, file},
    {"launch", "", "starts Varnel", Group::setUp, plain<Verb::launch>},
    {"quit", "", "ends Varnel (terminate notification, process gone)", Group::setUp,
     plain<Verb::quit>},
    {"press", "KEY", "presses a key", Group::keyboard, keys<Verb::press>},
    {"release", "KEY", "lets it go", Group::keyboard, keys<Verb::release>},
    {"tap", "KEY", "presses and lets go", Group::keyboard, keys<Verb::tap>},
    {"chord", "KEY+KEY+...", "presses each in order, lets go in reverse", Group::keyboard,
     keys<Verb::chord>},
    {"repeat", "KEY N", "N auto-repeats of a held key", Group::keyboard, keys<Verb::repeat>},
    {"click", "[left|right|other]", "a mouse button pressed and released (left by default)",
     Group::keyboard, button<Verb::click>},
    {"drag", "[left|right|other]", "the same, dragged in between", Group::keyboard,
     button<Verb::drag>},
    {"wait", "SECONDS", "the clock moves on; delayed work runs as it falls due", Group::person,
     forSeconds<Verb::wait>},
    {"toggle", "", "the window's main button", Group::person, plain<Verb::toggle>},
    {"option", "NAME on|off", "a feature switch (NAME below)", Group::person, option},
    {"login", "on|off", "the start-at-login switch", Group::person, switched<Verb::login>},
    {"request", "", "\"Запросить разрешения\"", Group::person, plain<Verb::request>},
    {"refresh", "", "\"Проверить снова\"", Group::person, plain<Verb::refresh>},
    {"dismiss", "", "the alert's \"Хорошо\"", Group::person, plain<Verb::dismiss>},
    {"wake", "", "the system wakes", Group::person, plain<Verb::wake>},
    {"exclude", "add|remove BUNDLEID | restore",
     "the list of applications left alone (\"Убрать\", \"Вернуть предложенные\")", Group::person,
     exclude},
    {"settings", "export|import PATH",
     "\"Экспортировать настройки…\", \"Импортировать настройки…\" (applied without asking)",
     Group::person, settings},
    {"tapdisable", "timeout|user [later]",
     "the system disables the tap (later: tells Varnel at the next wait)", Group::person,
     tapDisable},
    {"show", "WHAT", "prints one line of Varnel's state (WHAT below)", Group::person,
     [](Reader& reader) { return oneWordOf(reader, Verb::show, showSubjects); }},
    {"help", "", "lists the commands", Group::help, plain<Verb::help>},
};

}  // namespace

std::vector<std::string_view> commandWords() {
    std::vector<std::string_view> words;
    for (const Entry& entry : entries) {
        if (words.empty() || words.back() != entry.word) {
            words.push_back(entry.word);
        }
    }
    return words;
}

std::string commandHelp() {
    struct Heading {
        Group group;
        std::string_view title;
    };
    constexpr Heading headings[] = {
        {Group::setUp, "Set-up (these do not launch Varnel):"},
        {Group::keyboard, "Keyboard and mouse (every command from here on launches Varnel first):"},
        {Group::person, "Time, the person and the system:"},
        {Group::help, "Help:"},
    };
    constexpr std::size_t column = 34;
    std::string help;
    for (const Heading& heading : headings) {
        help.append(heading.title).append("\n");
        for (const Entry& entry : entries) {
            if (entry.group != heading.group) {
                continue;
            }
            std::string command = "  " + std::string(entry.word);
            if (!entry.arguments.empty()) {
                command.append(" ").append(entry.arguments);
            }
            // The effect beside a short command, under a long one.
            if (command.size() + 2 <= column) {
                command.append(column - command.size(), ' ');
            } else {
                command.append("\n").append(column, ' ');
            }
            help.append(command).append(entry.effect).append("\n");
        }
    }
    const auto list = [&help](std::string_view title, const auto& names) {
        help.append(title);
        std::size_t width = title.size();
        bool first = true;
        for (std::string_view name : names) {
            if (!first) {
                help.append(",");
                ++width;
            }
            if (width + name.size() + 1 > 92) {
                help.append("\n   ");
                width = 3;
            }
            help.append(" ").append(name);
            width += name.size() + 1;
            first = false;
        }
        help.append("\n");
    };
    std::vector<std::string_view> optionNames;
    for (const auto& field : KeyboardOptions::fields) {
        optionNames.push_back(field.name);
    }
    list("NAME (option):", optionNames);
    list("WHAT (show):", showSubjects);
    return help;
}

Result parseCommand(const std::vector<Word>& words) {
    if (words.empty()) {
        return std::string("empty command");
    }
    const std::string& verb = words[0].text;
    if (!words[0].quoted) {
        for (const Entry& entry : entries) {
            if (entry.word == verb) {
                Reader reader(words);
                return entry.parse(reader);
            }
        }
    }
    return "unknown command " + quote(verb);
}

}  // namespace varnel::sim
