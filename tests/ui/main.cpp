// The interface tests, on Qt's offscreen platform.

#include <QApplication>
#include <QTest>

#include "ui_tests.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    int failures = 0;
    varnel::ContentViewTest contentView;
    failures += QTest::qExec(&contentView, argc, argv);
    varnel::MenuTest menu;
    failures += QTest::qExec(&menu, argc, argv);
    varnel::ShellTest shell;
    failures += QTest::qExec(&shell, argc, argv);
    varnel::LanguageTest language;
    failures += QTest::qExec(&language, argc, argv);
    varnel::ThemeTest theme;
    failures += QTest::qExec(&theme, argc, argv);
    return failures == 0 ? 0 : 1;
}
