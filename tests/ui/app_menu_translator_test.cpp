#include "ui/app_menu_translator.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ui/texts.h"

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

TEST(AppMenuTranslatorTest, EveryApplicationMenuItemReadsRussian) {
    int argc = 1;
    char name[] = "app_menu_translator_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    AppMenuTranslator translator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));

    const std::vector<std::pair<const char*, QString>> items{
        {"Services", QStringLiteral("Службы")},
        {"Hide %1", QStringLiteral("Скрыть Varnel")},
        {"Hide Others", QStringLiteral("Скрыть остальные")},
        {"Show All", QStringLiteral("Показать все")},
        {"Preferences...", QStringLiteral("Настройки…")},
        {"Quit %1", QString::fromUtf8(Texts::hideWindowCommand.data(),
                                      static_cast<qsizetype>(Texts::hideWindowCommand.size()))},
        {"About %1", QStringLiteral("О программе Varnel")},
    };
    for (const auto& [source, russian] : items) {
        EXPECT_EQ(titleQtWouldShow(source).toStdString(), russian.toStdString()) << source;
    }
    // Only the application menu: the words Qt uses to guess menu roles stay as they are.
    EXPECT_EQ(QCoreApplication::translate("QCocoaMenuItem", "Quit").toStdString(), "Quit");
    EXPECT_EQ(QCoreApplication::translate("MAC_APPLICATION_MENU", "Close").toStdString(), "Close");
}

}  // namespace
}  // namespace varnel
