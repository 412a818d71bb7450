#include "ui/translation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <string>
#include <vector>

#include "app/self_check.h"
#include "ui/texts.h"

namespace varnel {
namespace {

using Language = Translation::Language;

TEST(TranslationTest, TheFirstOfTheUsersLanguagesThatVarnelHasIsChosen) {
    const struct {
        QStringList uiLanguages;
        Language chosen;
    } cases[] = {
        {{"en-US", "ru-RU"}, Language::english},
        {{"ru-RU", "en-US"}, Language::russian},
        {{"de-DE", "en-GB", "ru"}, Language::english},
        {{"uk-UA", "ru-UA", "en"}, Language::russian},
        {{"en_US"}, Language::english},
        {{"de-DE", "fr-FR"}, Language::russian},
        {{"C"}, Language::russian},
        {{}, Language::russian},
    };
    for (const auto& [uiLanguages, chosen] : cases) {
        EXPECT_EQ(Translation::preferred(uiLanguages), chosen)
            << uiLanguages.join(QLatin1Char(' ')).toStdString();
    }
}

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished" or "obsolete" when it is not a translation
};

// The messages of a .ts file, as lupdate writes them.
std::vector<Message> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

bool hasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

QStringList placeholdersOf(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

// lupdate has read the sources again into a copy of translations/varnel_en.ts: a text added or
// changed since the file was last brought up to date is there unfinished. Every text has its
// English, which the application has compiled in.
TEST(TranslationTest, EveryTextHasItsEnglish) {
    const QString path = qEnvironmentVariable("VARNEL_EXTRACTED_TRANSLATION");
    ASSERT_FALSE(path.isEmpty()) << "run by ctest, after translations.extract";
    const std::vector<Message> messages = messagesOf(path);
    ASSERT_GT(messages.size(), 200u);

    int argc = 1;
    char name[] = "translation_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const Translation english(Language::english);
    ASSERT_EQ(english.language(), Language::english);

    for (const Message& message : messages) {
        const std::string where =
            message.context.toStdString() + ": \"" + message.source.toStdString() + "\"";
        EXPECT_TRUE(message.type.isEmpty()) << where << " is " << message.type.toStdString()
                                            << ": make translations, then write its English";
        EXPECT_FALSE(message.translation.trimmed().isEmpty()) << where;
        EXPECT_FALSE(hasCyrillic(message.translation)) << where;
        if (hasCyrillic(message.source)) {
            EXPECT_NE(message.translation, message.source) << where;
        }
        EXPECT_EQ(placeholdersOf(message.translation), placeholdersOf(message.source)) << where;
        const QString compiled = QCoreApplication::translate(message.context.toUtf8().constData(),
                                                             message.source.toUtf8().constData());
        EXPECT_EQ(compiled.toStdString(), message.translation.toStdString()) << where;
    }
}

// A text of the core that is put together with something else is translated around it.
TEST(TranslationTest, CoreTextsAreTranslatedWholeOrAroundWhatTheyHold) {
    int argc = 1;
    char name[] = "translation_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const struct {
        const char* core;
        const char* english;
    } cases[] = {
        {"Windows-режим работает", "Windows mode is on"},
        {"Русская · Windows · системная: ABC", "Russian · Windows · system: ABC"},
        {"English · Windows · системная: Неизвестно", "English · Windows · system: Unknown"},
        {"Windows-текст: ф", "Windows text: ф"},
        {"Ctrl + Клавиша (код 200)", "Ctrl + Key (code 200)"},
        {"Не удалось изменить автозапуск: Operation not permitted.",
         "Could not change opening at login: Operation not permitted."},
        {"macOS не смогла переключить системную раскладку. Код ошибки: -50. Встроенная раскладка "
         "Varnel продолжит работать.",
         "macOS could not switch the system input source. Error code: -50. Varnel's built-in "
         "layout keeps working."},
        {"Safari", "Safari"},
        {"", ""},
    };
    for (const auto language : {Language::russian, Language::english}) {
        const Translation translation(language);
        for (const auto& [core, english] : cases) {
            EXPECT_EQ(Translation::message(core).toStdString(),
                      language == Language::english ? english : core);
        }
    }
}

// The self-check's report reads in the user's language, its marks and its last line the same in
// both, for the scripts that read them.
TEST(TranslationTest, SelfCheckReportIsInTheUsersLanguage) {
    int argc = 1;
    char name[] = "translation_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    SelfCheck::Findings findings;
    findings.systemVersion = "macOS Version 14.2.1 (Build 23C71)";
    findings.starter = {false, "zsh", "Terminal"};
    findings.permissions = {true, false};
    findings.installedSources = 1;
    findings.currentSource = InputSource{nullptr, "com.apple.keylayout.ABC", "ABC"};
    findings.englishSource = findings.currentSource;
    findings.keyboardType = KeyboardType::iso;
    findings.loginItemStatus = LoginItemApi::requiresApproval;
    findings.location.bundlePath = "/Users/me/Varnel.app";
    findings.tapEcho = SelfCheckProbe::TapEcho::refused;
    findings.settingsDomain = "app.varnel.Varnel";
    findings.settings = {{"keyboardOptions.v3",
                          "%1 Б, не читается (%2): их заменяют настройки по "
                          "умолчанию",
                          {"9", "not JSON"},
                          false},
                         {"modeEnabled", "%1", {"true"}, true}};
    const auto report = [&findings](Language language) {
        const Translation translation(language);
        return SelfCheck::report(findings, [](const char* source) {
            return Translation::text(SelfCheck::textContext, source);
        });
    };
    EXPECT_EQ(report(Language::russian), SelfCheck::report(findings));
    EXPECT_EQ(report(Language::english),
              "Varnel self-check\n"
              "  ok    System: macOS Version 14.2.1 (Build 23C71)\n"
              "  warn  Started by: zsh in Terminal, not through Launch Services: the permissions, "
              "the tap and the echo below are those of Terminal, not Varnel's\n"
              "          Run it as Varnel: open -W -n --stdout \"$(tty)\" --stderr \"$(tty)\" "
              "'/Users/me/Varnel.app' --args --self-check\n"
              "  ok    Accessibility: granted\n"
              "  FAIL  Input Monitoring: not granted (System Settings → Privacy & Security → "
              "Input Monitoring)\n"
              "  ok    Secure keyboard input: off\n"
              "  ok    Input sources: 1 installed, current com.apple.keylayout.ABC \"ABC\"\n"
              "  ok    For English: com.apple.keylayout.ABC \"ABC\"\n"
              "  warn  For Russian: no Russian PC layout; Varnel still types Russian from its own "
              "layout\n"
              "  ok    Keyboard: ISO (the keys left of 1 and left of Z trade codes; Varnel types "
              "what is printed on them)\n"
              "  warn  Login item: requires approval (System Settings → General → Login Items)\n"
              "  warn  Location: /Users/me/Varnel.app (not in Applications: Varnel will not start "
              "at login from here)\n"
              "  FAIL  Keyboard tap: the system refused a listen-only tap\n"
              "  skip  Event echo: no tap to listen with\n"
              "  warn  Settings: user defaults app.varnel.Varnel\n"
              "          keyboardOptions.v3: 9 bytes, unreadable (not JSON): the defaults replace "
              "it\n"
              "          modeEnabled: true\n"
              "Not verified: these are not Varnel's own permissions (see \"Started by\").\n"
              "verdict: not-verified\n");
}

}  // namespace
}  // namespace varnel
