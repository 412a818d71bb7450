#include "model/engine_state.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

struct StateTexts {
    EngineState state;
    const char* title;
    const char* symbol;
    std::optional<std::string> detail;
};

TEST(EngineState, TitlesSymbolsAndDetails) {
    const StateTexts cases[] = {
        {EngineState::stopped(), "Выключено", "power", std::nullopt},
        {EngineState::starting(), "Запуск…", "hourglass", std::nullopt},
        {EngineState::running(), "Windows-режим работает", "checkmark.circle.fill", std::nullopt},
        {EngineState::missingPermissions(), "Нужны разрешения",
         "lock.trianglebadge.exclamationmark", std::nullopt},
        {EngineState::safeMode("много"), "Безопасный режим", "exclamationmark.shield.fill",
         "много"},
        {EngineState::failed(""), "Ошибка", "xmark.octagon.fill", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.state.caseName()));
        EXPECT_EQ(c.state.title(), c.title);
        EXPECT_EQ(c.state.symbol(), c.symbol);
        EXPECT_EQ(c.state.detail(), c.detail);
    }
    // The ellipsis of "Запуск…" is the single character U+2026.
    EXPECT_EQ(EngineState::starting().title().substr(12), "\u2026");
}

TEST(EngineState, EqualityComparesCaseAndMessage) {
    EXPECT_EQ(EngineState::safeMode("a"), EngineState::safeMode("a"));
    EXPECT_NE(EngineState::safeMode("a"), EngineState::safeMode("b"));
    EXPECT_NE(EngineState::safeMode("a"), EngineState::failed("a"));
    EXPECT_NE(EngineState::stopped(), EngineState::starting());
    EXPECT_EQ(EngineState::running(), EngineState::running());
}

}  // namespace
}  // namespace varnel
