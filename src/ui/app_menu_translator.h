#pragma once

#include <QTranslator>

namespace varnel {

// Russian for the items of the Mac application menu that Qt's Cocoa menu titles itself
// (Services, Hide, Hide Others, Show All, Preferences, About, and Quit, whose place the hide
// command takes). Qt asks for them in the "MAC_APPLICATION_MENU" context, "%1" standing for
// the application's name, and keeps its English text for any it is not given. Installed
// before the menu bar is built; every other text of the interface is Russian already.
class AppMenuTranslator : public QTranslator {
  public:
    static constexpr const char* context = "MAC_APPLICATION_MENU";

    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace varnel
