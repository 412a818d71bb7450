#include "ui/app_menu_translator.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ui/translation.h"

namespace varnel {
namespace {

// Qt's Cocoa menu titles the application menu's items from these texts: it asks the
// "QMenuBar" context first and, while that gives the text back unchanged, the
// "MAC_APPLICATION_MENU" context; then "%1" becomes the application's name.
QString titleQtWouldShow(const char* source) {
    const QString translated = QCoreApplication::translate("QMenuBar", source);
    const QString text = translated != QLatin1String(source)
                             ? translated
                             : QCoreApplication::translate("MAC_APPLICATION_MENU", source);
    return text.contains(QLatin1String("%1")) ? text.arg(QStringLiteral("Varnel")) : text;
}

TEST(AppMenuTranslatorTest, EveryApplicationMenuItemReadsInTheInterfacesLanguage) {
    int argc = 1;
    char name[] = "app_menu_translator_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    const struct {
        const char* source;
        const char* russian;
        const char* english;
    } items[] = {
        {"Services", "Службы", "Services"},
        {"Hide %1", "Скрыть Varnel", "Hide Varnel"},
        {"Hide Others", "Скрыть остальные", "Hide Others"},
        {"Show All", "Показать все", "Show All"},
        {"Preferences...", "Настройки…", "Settings…"},
        {"Quit %1", "Скрыть окно Varnel", "Hide Varnel Window"},
        {"About %1", "О программе Varnel", "About Varnel"},
    };
    for (const auto language : {Translation::Language::russian, Translation::Language::english}) {
        const Translation translation(language);
        ASSERT_EQ(translation.language(), language);
        const bool english = language == Translation::Language::english;
        for (const auto& item : items) {
            EXPECT_EQ(titleQtWouldShow(item.source).toStdString(),
                      english ? item.english : item.russian)
                << item.source;
        }
        // Only the application menu: the words Qt uses to guess menu roles stay as they are.
        EXPECT_EQ(QCoreApplication::translate("QCocoaMenuItem", "Quit").toStdString(), "Quit");
        EXPECT_EQ(QCoreApplication::translate("MAC_APPLICATION_MENU", "Close").toStdString(),
                  "Close");
    }
}

}  // namespace
}  // namespace varnel
