#include <gtest/gtest.h>

#include <sstream>

#include "script_runner.h"

namespace varnel::sim {
namespace {

// A person or a pipe sees each command's output as soon as the command has run.
TEST(ScriptRunner, PrintsEachCommandsOutputWhenItRuns) {
    std::ostringstream out;
    std::ostringstream errors;
    ScriptRunner runner("-", RunMode::print, out, errors);
    EXPECT_TRUE(runner.feed("tap A"));
    EXPECT_EQ(out.str(), "app: down A []\napp: up A []\n");
    EXPECT_TRUE(runner.feed("show mode"));
    EXPECT_EQ(out.str(), "app: down A []\napp: up A []\nmode: off\n");
    EXPECT_EQ(runner.finish().status, statusOk);
}

// The tour form: the script's comments and commands, each command followed by what it did.
TEST(ScriptRunner, EchoPrintsTheScriptWithItsOutput) {
    std::ostringstream out;
    std::ostringstream errors;
    const ScriptResult result = runScript(
        "tour.vks", "# Copy.\r\n\ntap A # a key\n> stale\nshow mode\n", RunMode::echo, out, errors);
    EXPECT_EQ(result.status, statusOk) << errors.str();
    EXPECT_EQ(out.str(),
              "# Copy.\n\ntap A # a key\n> app: down A []\n> app: up A []\nshow mode\n"
              "> mode: off\n");
}

// A script stops at its first bad line; a person at a terminal mends it and goes on.
TEST(ScriptRunner, BadLineStopsAScriptButNotAPerson) {
    struct Case {
        bool keepGoing;
        const char* out;
    };
    const Case cases[] = {
        {false, ""},
        {true, "app: down B []\napp: up B []\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        std::ostringstream errors;
        ScriptRunner runner("-", RunMode::print, out, errors, c.keepGoing);
        EXPECT_EQ(runner.feed("jump"), c.keepGoing);
        EXPECT_EQ(errors.str(), "varnel-sim: -:1: unknown command \"jump\"\n");
        runner.feed("tap B");
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(runner.finish().status, statusBadLine);
    }
}

}  // namespace
}  // namespace varnel::sim
