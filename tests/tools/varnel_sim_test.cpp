#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "command.h"
#include "model/keyboard_options.h"
#include "script_runner.h"

namespace varnel::sim {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string errors;
    std::string updated;
};

Outcome run(std::string_view script, RunMode mode = RunMode::print) {
    std::ostringstream out;
    std::ostringstream errors;
    const ScriptResult result = runScript("test.vks", script, mode, out, errors);
    return {result.status, out.str(), errors.str(), result.updatedText};
}

TEST(VarnelSim, BadLinesStopTheScriptWithTheirLine) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"jump", "unknown command \"jump\""},
        {"\"tap\" A", "unknown command \"tap\""},
        {"tap Hyper", "unknown key name \"Hyper\""},
        {"tap #65536", "unknown key name \"#65536\""},
        {"tap", "tap: missing KEY"},
        {"tap A B", "unexpected argument \"B\" after tap"},
        {"release A", "A is not down"},
        {"repeat A 1", "A is not held"},
        {"repeat Shift 1", "LeftShift is a modifier key and does not repeat"},
        {"repeat A 0", "repeat: N must be a whole number from 1 to 100000, not \"0\""},
        {"chord A+A", "the chord names A twice"},
        {"chord A++B", "chord: expected KEY+KEY+..., not \"A++B\""},
        {"wait -1", "wait: SECONDS must be a decimal number, not \"-1\""},
        {"wait 1e3", "wait: SECONDS must be a decimal number, not \"1e3\""},
        {"permission camera granted",
         "permission: expected accessibility or inputMonitoring, not \"camera\""},
        {"permission accessibility maybe", "permission: expected granted or denied, not \"maybe\""},
        {"inputsource add x Name", "inputsource: NAME must be one double-quoted string"},
        {"inputsource current missing", "no input source \"missing\" is installed"},
        {"inputsource fail enable x", "inputsource: CODE must be a decimal integer, not \"x\""},
        {"loginitem status 4", "loginitem: status must be 0, 1, 2 or 3, not \"4\""},
        {"defaults set k data text", "defaults: TEXT must be one double-quoted string"},
        {"defaults set k bool yes", "defaults: expected true or false, not \"yes\""},
        {"option fastTyping on", "option: unknown option \"fastTyping\""},
        {"tapdisable timeout soon", "tapdisable: expected later or nothing, not \"soon\""},
        {"tapdisable later", "tapdisable: expected timeout or user, not \"later\""},
        {"show everything",
         "show: expected one of state, mode, banner, notice, diagnostic, language, "
         "inputsource, options, login, permissions, defaults, secureinput, exclusions, "
         "frontmost, profile, not \"everything\""},
        {"loginitem path /Applications/Varnel.app",
         "loginitem: PATH must be one double-quoted string"},
        {"loginitem where", "loginitem: expected status, fail or path, not \"where\""},
        {"click middle", "click: expected one of left, right, other, not \"middle\""},
        {"drag left twice", "unexpected argument \"twice\" after drag"},
        {"keyboard dvorak", "keyboard: expected one of ansi, iso, jis, not \"dvorak\""},
        {"secureinput maybe", "secureinput: expected on or off, not \"maybe\""},
        {"frontmost", "frontmost: missing BUNDLEID"},
        {"exclude add \"two words\"",
         "exclude: \"two words\" is not a bundle identifier (letters, digits, hyphens and "
         "periods)"},
        {"exclude clear", "exclude: expected add, remove or restore, not \"clear\""},
        {"application remove com.example.none", "no application \"com.example.none\" is installed"},
        {"login \"on", "a double-quoted argument is not closed"},
        {"loginitem fail \"a\\b\"", "only \\\" and \\\\ may follow a backslash in quotes"},
        {"loginitem fail \"a\"b", "a space must follow a double-quoted argument"},
        {"tap A\"", "a double quote inside a word"},
    };
    for (const Case& c : cases) {
        const Outcome result = run(std::string("# a story\n\ntap B\n") + c.line + "\ntap C\n");
        EXPECT_EQ(result.status, statusBadLine) << c.line;
        EXPECT_EQ(result.errors, std::string("varnel-sim: test.vks:4: ") + c.message + "\n");
        // What came before ran; nothing after the bad line did.
        EXPECT_EQ(result.out, "app: down B []\napp: up B []\n") << c.line;
    }
}

TEST(VarnelSim, CommentsQuotesAndRawKeyCodes) {
    const Outcome result =
        run("  # indented comment\n"
            "tap #105 # Print Screen by its code\n"
            "tap A #\n"
            "loginitem fail \"say \\\"no\\\" \\\\ # not a comment\"\n"
            "login on\n"
            "show banner\r\n");
    EXPECT_EQ(result.status, statusOk) << result.errors;
    EXPECT_EQ(result.out,
              "app: down PrintScreen [Fn]\napp: up PrintScreen [Fn]\n"
              "app: down A []\napp: up A []\n"
              "banner: \"Не удалось изменить автозапуск: say \\\"no\\\" \\\\ # not a comment\"\n");
}

TEST(VarnelSim, CheckReportsEveryDifferenceAgainstItsCommand) {
    const char* script =
        "> app: before any command\n"
        "tap A\n"
        "> app: down A []\n"
        "> app: up B []\n"
        "show mode\n"
        "show login\n"
        "> login: off\n"
        "> login: on\n";
    const Outcome result = run(script, RunMode::check);
    EXPECT_EQ(result.status, statusDifferent);
    EXPECT_EQ(result.out,
              "test.vks:1: expected app: before any command, got nothing\n"
              "test.vks:4: expected app: up B [], got app: up A []\n"
              "test.vks:5: expected nothing more, got mode: off\n"
              "test.vks:8: expected login: on, got nothing\n");

    const Outcome same = run("tap A\n> app: down A []\n> app: up A []\n", RunMode::check);
    EXPECT_EQ(same.status, statusOk);
    EXPECT_EQ(same.out, "");
}

TEST(VarnelSim, UpdateWritesTheOutputBelowEachCommand) {
    const Outcome result = run("# keep\ntap A\n> stale\n\nshow mode\n", RunMode::update);
    EXPECT_EQ(result.status, statusOk);
    EXPECT_EQ(result.updated,
              "# keep\ntap A\n> app: down A []\n> app: up A []\n\nshow mode\n> mode: off\n");
    EXPECT_EQ(run(result.updated, RunMode::check).status, statusOk);
}

TEST(VarnelSim, SetUpCommandsDoNotLaunch) {
    // The stored settings are written at launch: before it, nothing is there, and so this is a
    // fresh install, whose list of applications left alone starts with the ones it has.
    const Outcome result =
        run("defaults set modeEnabled bool true\n"
            "permission accessibility denied\n"
            "secureinput on\n"
            "keyboard iso\n"
            "application add com.utmapp.UTM \"UTM\"\n"
            "frontmost com.utmapp.UTM\n"
            "quit\n"
            "show defaults\n");
    EXPECT_EQ(result.out,
              "defaults: keyboardOptions.v3=\"{\\\"altShiftChangesLanguage\\\":true,"
              "\\\"fullWindowsTyping\\\":true,\\\"windowsPCLayouts\\\":true,"
              "\\\"windowsEditingShortcuts\\\":true,\\\"printScreenCopiesSelection\\\":true,"
              "\\\"altF4QuitsApplication\\\":true,\\\"windowsHomeAndEnd\\\":true,"
              "\\\"windowsLockShortcut\\\":true,\\\"windowsRecoveryShortcuts\\\":true,"
              "\\\"windowsControlClick\\\":false,\\\"secureInputNotice\\\":true,"
              "\\\"isoKeyboardLayout\\\":true,\\\"terminalProfile\\\":true,"
              "\\\"finderProfile\\\":true,\\\"browserProfile\\\":true,"
              "\\\"codeEditorProfile\\\":true,\\\"officeProfile\\\":true,"
              "\\\"windowsKeyShortcuts\\\":true}\"\n"
              "defaults: typingLanguage.v3=absent\n"
              "defaults: modeEnabled=true\n"
              "defaults: excludedApplications.v1=\"[\\\"com.utmapp.UTM\\\"]\"\n"
              "defaults: launchAtLogin.v1=\"registerAtFirstStart\"\n");
}

// The help is made from the parser's own table: whatever the parser accepts, the help lists.
TEST(VarnelSim, HelpListsEveryCommandOptionAndSubject) {
    const std::string help = commandHelp();
    const std::vector<std::string_view> words = commandWords();
    EXPECT_GE(words.size(), 25u);
    for (std::string_view word : words) {
        SCOPED_TRACE(word);
        // A verb the parser knows: alone it may lack arguments, but it is never unknown.
        const auto parsed = parseCommand({Word{std::string(word)}});
        const auto* reason = std::get_if<std::string>(&parsed);
        EXPECT_TRUE(!reason || !reason->starts_with("unknown command"));
        EXPECT_NE(help.find("\n  " + std::string(word)), std::string::npos);
    }
    for (const auto& field : KeyboardOptions::fields) {
        EXPECT_NE(help.find(std::string(field.name)), std::string::npos) << field.name;
    }
    // Every subject `show` accepts, as its own refusal names them, is listed.
    const auto refusal = std::get<std::string>(parseCommand({Word{"show"}, Word{"nothing"}}));
    std::string_view subjects = refusal;
    subjects.remove_prefix(subjects.find("one of ") + 7);
    subjects = subjects.substr(0, subjects.find(", not "));
    const std::string subjectsLine = help.substr(help.find("WHAT (show):"));
    int listed = 0;
    while (!subjects.empty()) {
        const std::string subject(subjects.substr(0, subjects.find(", ")));
        EXPECT_NE(subjectsLine.find(" " + subject), std::string::npos) << subject;
        EXPECT_EQ(parseCommand({Word{"show"}, Word{subject}}).index(), 0u) << subject;
        subjects.remove_prefix(std::min(subjects.size(), subject.size() + 2));
        ++listed;
    }
    EXPECT_GE(listed, 14);

    // At the prompt, "help" prints the same list, without launching Varnel: the options stored
    // after it are the ones the launch reads.
    const Outcome result =
        run("help\ndefaults set keyboardOptions.v3 data \"{\\\"windowsLockShortcut\\\": false}\"\n"
            "show options\n");
    EXPECT_EQ(result.status, statusOk) << result.errors;
    EXPECT_TRUE(result.out.starts_with(help)) << result.out;
    EXPECT_NE(result.out.find("windowsLockShortcut=off"), std::string::npos) << result.out;
}

// Random lines never crash the simulator; each run ends with a status.
TEST(VarnelSim, RandomLinesNeverCrash) {
    const std::vector<std::string> pieces = {"tap",
                                             "press",
                                             "release",
                                             "chord",
                                             "repeat",
                                             "wait",
                                             "toggle",
                                             "option",
                                             "login",
                                             "show",
                                             "state",
                                             "diagnostic",
                                             "defaults",
                                             "set",
                                             "delete",
                                             "data",
                                             "string",
                                             "bool",
                                             "inputsource",
                                             "add",
                                             "remove",
                                             "current",
                                             "fail",
                                             "enable",
                                             "select",
                                             "loginitem",
                                             "status",
                                             "permission",
                                             "accessibility",
                                             "inputMonitoring",
                                             "granted",
                                             "denied",
                                             "launch",
                                             "quit",
                                             "wake",
                                             "tapdisable",
                                             "timeout",
                                             "user",
                                             "later",
                                             "request",
                                             "refresh",
                                             "dismiss",
                                             "A",
                                             "Ctrl",
                                             "Alt+Tab",
                                             "Win+L",
                                             "#65535",
                                             "#",
                                             "\"",
                                             "\\",
                                             "\"x y\"",
                                             "0",
                                             "-1",
                                             "1500",
                                             "0.7",
                                             "on",
                                             "off",
                                             "true",
                                             "fullWindowsTyping",
                                             "keyboardOptions.v3",
                                             "\"{}\"",
                                             "\"[\"",
                                             "> app: x",
                                             "+",
                                             "Shift",
                                             "Esc",
                                             "F6",
                                             "\xff\xfe",
                                             "\t",
                                             "\"\\\"\""};
    std::mt19937 random(20261210);
    for (int script = 0; script < 300; ++script) {
        std::string text;
        for (int line = 0; line < 12; ++line) {
            const int words = static_cast<int>(random() % 5);
            for (int w = 0; w < words; ++w) {
                text += pieces[random() % pieces.size()];
                text += (random() % 4 == 0) ? "" : " ";
            }
            text += "\n";
        }
        for (RunMode mode : {RunMode::print, RunMode::check, RunMode::update}) {
            const Outcome result = run(text, mode);
            EXPECT_GE(result.status, statusOk);
            EXPECT_LE(result.status, statusBadLine);
        }
    }
}

}  // namespace
}  // namespace varnel::sim
