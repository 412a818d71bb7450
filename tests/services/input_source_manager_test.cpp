#include "services/input_source_manager.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_input_sources.h"

namespace varnel {
namespace {

using Result = InputSourceManager::SwitchResult;

struct Source {
    std::optional<std::string> id;
    std::optional<std::string> name;
};

constexpr const char* noEnglish =
    "Не найдена английская раскладка ABC или U.S. При этом встроенная раскладка Varnel всё "
    "равно продолжит печатать правильно.";
constexpr const char* noRussian =
    "Не найдена системная раскладка «Русская — ПК». Встроенная раскладка Varnel всё равно "
    "продолжит печатать по Windows.";

class InputSourceTest : public ::testing::Test {
  protected:
    void install(std::initializer_list<Source> list, const char* current = nullptr) {
        sources.clear();
        for (const Source& s : list) {
            sources.add(s.id, s.name);
        }
        if (current) {
            sources.makeCurrent(current);
        }
        sources.enabled.clear();
        sources.selected.clear();
    }
    SimInputSources sources;
    InputSourceManager manager{sources};
};

struct Choice {
    const char* what;
    std::vector<Source> installed;
    WindowsTypingLanguage language;
    std::optional<std::string> chosen;  // the identifier selected; none for unavailable
};

TEST_F(InputSourceTest, ChoosesTheLayoutForEachLanguage) {
    const auto english = WindowsTypingLanguage::english;
    const auto russian = WindowsTypingLanguage::russian;
    const Choice choices[] = {
        {"ABC before U.S. whatever the order",
         {{"com.apple.keylayout.US", "U.S."}, {"com.apple.keylayout.ABC", "ABC"}},
         english,
         "com.apple.keylayout.ABC"},
        {"U.S. by identifier",
         {{"x.dvorak", "Dvorak"}, {"com.apple.keylayout.US", "U.S."}},
         english,
         "com.apple.keylayout.US"},
        {"a name that is U.S. in any case",
         {{"x.dvorak", "Dvorak"}, {"x.custom", "u.S."}},
         english,
         "x.custom"},
        {"a longer name beginning with U.S.",
         {{"x.intl", "U.S. International"}},
         english,
         std::nullopt},
        {"an identifier ending in .us",
         {{"x.dvorak", "Dvorak"}, {"org.sil.US", "Mine"}},
         english,
         "org.sil.US"},
        {"an identifier containing abc",
         {{"x.dvorak", "Dvorak"}, {"x.ABC-QWERTZ", "Q"}},
         english,
         "x.ABC-QWERTZ"},
        {"Russian sources are not passed over for English",
         {{"x.russian.abc", "Рус"}},
         english,
         "x.russian.abc"},
        {"nothing English", {{"com.apple.keylayout.Russian", "Russian"}}, english, std::nullopt},
        {"RussianWin before RussianPC",
         {{"com.apple.keylayout.RussianPC", "Russian – PC"},
          {"com.apple.keylayout.RussianWin", "Russian – PC"}},
         russian,
         "com.apple.keylayout.RussianWin"},
        {"only RussianPC",
         {{"com.apple.keylayout.Russian", "Russian"},
          {"com.apple.keylayout.RussianPC", "Russian – PC"}},
         russian,
         "com.apple.keylayout.RussianPC"},
        {"an identifier marker in any case",
         {{"x.RUSSIANWIN.v2", std::nullopt}},
         russian,
         "x.RUSSIANWIN.v2"},
        {"Cyrillic name with ПК", {{"x.layout", "Русская – ПК"}}, russian, "x.layout"},
        {"capital Cyrillic with Windows", {{"x.layout", "РУССКАЯ (WINDOWS)"}}, russian, "x.layout"},
        {"Russian without a PC marker",
         {{"com.apple.keylayout.Russian", "Russian"}},
         russian,
         std::nullopt},
        {"a PC marker in the identifier only counts as russianpc",
         {{"x.russian-pc", "Russian"}},
         russian,
         std::nullopt},
        {"no list at all", {}, russian, std::nullopt},
    };
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.what);
        sources.clear();
        for (const Source& s : c.installed) {
            sources.add(s.id, s.name);
        }
        sources.selected.clear();
        const Result result = manager.selectWindowsLanguage(c.language);
        if (c.chosen) {
            EXPECT_EQ(result.kind(), Result::Case::switched);
            EXPECT_EQ(sources.selected, std::vector<std::string>{*c.chosen});
            EXPECT_EQ(sources.enabled.back(), *c.chosen);
        } else {
            EXPECT_EQ(result, Result::unavailable(c.language == english ? noEnglish : noRussian));
            EXPECT_TRUE(sources.selected.empty());
        }
    }
}

TEST_F(InputSourceTest, RemembersAnEnglishSourceButNeverARussianOne) {
    install(
        {{"com.apple.keylayout.ABC", "ABC"}, {"x.colemak", "Colemak"}, {"x.russian", "Russian"}});
    manager.lastNonRussianSourceID = "x.russian";
    manager.selectWindowsLanguage(WindowsTypingLanguage::english);
    manager.lastNonRussianSourceID = "x.colemak";
    manager.selectWindowsLanguage(WindowsTypingLanguage::english);
    EXPECT_EQ(sources.selected, (std::vector<std::string>{"com.apple.keylayout.ABC", "x.colemak"}));
}

TEST_F(InputSourceTest, TheCurrentLayoutIsLeftAlone) {
    install({{"com.apple.keylayout.ABC", "ABC"}}, "com.apple.keylayout.ABC");
    EXPECT_EQ(manager.selectWindowsLanguage(WindowsTypingLanguage::english),
              Result::unchanged("ABC"));
    EXPECT_TRUE(sources.enabled.empty());
    EXPECT_TRUE(sources.selected.empty());

    install({{"com.apple.keylayout.ABC", std::nullopt}}, "com.apple.keylayout.ABC");
    EXPECT_EQ(manager.selectWindowsLanguage(WindowsTypingLanguage::english),
              Result::unchanged("текущая"));

    // Two sources without identifiers count as the same.
    install({{std::nullopt, "U.S."}, {std::nullopt, "Other"}});
    sources.makeCurrentAt(1);
    EXPECT_EQ(manager.selectWindowsLanguage(WindowsTypingLanguage::english),
              Result::unchanged("U.S."));
    EXPECT_TRUE(sources.selected.empty());
}

TEST_F(InputSourceTest, RefusalsCarryTheStatusCode) {
    install(
        {{"com.apple.keylayout.RussianWin", "Russian – PC"}, {"com.apple.keylayout.ABC", "ABC"}},
        "com.apple.keylayout.ABC");
    sources.enableResults = {-50};
    EXPECT_EQ(manager.selectWindowsLanguage(WindowsTypingLanguage::russian),
              Result::failed("macOS не смогла включить системную раскладку. Код ошибки: -50. "
                             "Встроенная раскладка Varnel продолжит работать."));
    sources.selectResults = {-50};
    const Result failed = manager.selectWindowsLanguage(WindowsTypingLanguage::russian);
    EXPECT_EQ(failed,
              Result::failed("macOS не смогла переключить системную раскладку. Код "
                             "ошибки: -50. Встроенная раскладка Varnel продолжит работать."));
    EXPECT_FALSE(failed.isSuccess());
    EXPECT_EQ(failed.message(), failed.text());
    EXPECT_EQ(sources.currentIdentifier(), "com.apple.keylayout.ABC");
    sources.selectResults = {25};
    EXPECT_NE(manager.selectWindowsLanguage(WindowsTypingLanguage::russian)
                  .text()
                  .find("Код ошибки: 25."),
              std::string::npos);
}

TEST_F(InputSourceTest, SwitchedAndUnchangedMessages) {
    install({{"com.apple.keylayout.ABC", "ABC"}, {"x.ru", "Русская – ПК"}}, "x.ru");
    const Result switched = manager.selectWindowsLanguage(WindowsTypingLanguage::english);
    EXPECT_EQ(switched, Result::switched("ABC"));
    EXPECT_TRUE(switched.isSuccess());
    EXPECT_EQ(switched.message(), "Раскладка переключена: ABC");
    EXPECT_EQ(Result::unchanged("ABC").message(), "Используется раскладка: ABC");
    EXPECT_TRUE(Result::unchanged("ABC").isSuccess());

    install({{"com.apple.keylayout.RussianWin", std::nullopt}});
    EXPECT_EQ(manager.selectWindowsLanguage(WindowsTypingLanguage::russian),
              Result::switched("другая раскладка"));
}

TEST_F(InputSourceTest, CurrentNameAndDetectedLanguage) {
    install({});
    EXPECT_EQ(manager.currentDisplayName(), "Неизвестно");
    EXPECT_EQ(manager.detectedTypingLanguage(), WindowsTypingLanguage::english);

    struct Case {
        Source current;
        const char* name;
        WindowsTypingLanguage language;
    };
    const Case cases[] = {
        {{"com.apple.keylayout.Russian", "Russian"}, "Russian", WindowsTypingLanguage::russian},
        {{"x.layout", "Русская"}, "Русская", WindowsTypingLanguage::russian},
        {{"x.layout", "ЙЦУКЕН РУС"}, "ЙЦУКЕН РУС", WindowsTypingLanguage::russian},
        {{"x.russian", std::nullopt}, "x.russian", WindowsTypingLanguage::russian},
        {{"com.apple.keylayout.ABC", "ABC"}, "ABC", WindowsTypingLanguage::english},
    };
    for (const Case& c : cases) {
        install({c.current}, c.current.id->c_str());
        EXPECT_EQ(manager.currentDisplayName(), c.name);
        EXPECT_EQ(manager.detectedTypingLanguage(), c.language) << c.name;
    }
    sources.clear();
    sources.add(std::nullopt, std::nullopt);
    sources.makeCurrentAt(0);
    EXPECT_EQ(manager.currentDisplayName(), "Неизвестно");
}

// Listing every installed source can take the system tens of milliseconds: the identifiers
// Varnel knows are asked for one by one, and the whole list only when none is there.
TEST_F(InputSourceTest, TheWholeListOnlyWhenNoKnownIdentifierIsInstalled) {
    install({{"com.apple.keylayout.Ukrainian", "Ukrainian"},
             {"com.apple.keylayout.ABC", "ABC"},
             {"com.apple.keylayout.RussianWin", "Russian – PC"}},
            "com.apple.keylayout.Ukrainian");
    manager.selectWindowsLanguage(WindowsTypingLanguage::russian);
    manager.selectWindowsLanguage(WindowsTypingLanguage::english);
    EXPECT_EQ(sources.selected, (std::vector<std::string>{"com.apple.keylayout.RussianWin",
                                                          "com.apple.keylayout.ABC"}));
    EXPECT_EQ(sources.fullListings, 0u);

    install({{"com.example.russian-pc", "Russian PC"}});
    manager.selectWindowsLanguage(WindowsTypingLanguage::russian);
    EXPECT_EQ(sources.selected, std::vector<std::string>{"com.example.russian-pc"});
    EXPECT_EQ(sources.fullListings, 1u);
}

}  // namespace
}  // namespace varnel
