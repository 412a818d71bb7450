#pragma once

#include <QTranslator>

namespace varnel {

// The items of the Mac application menu that Qt's Cocoa menu titles itself (Services, Hide,
// Hide Others, Show All, Preferences, About, and Quit, whose place the hide command takes), in
// the interface's language. Qt asks for them in the "MAC_APPLICATION_MENU" context, "%1"
// standing for the application's name, and keeps its English text for any it is not given.
// Installed before the menu bar is built, by Translation; `interfaceTexts` is the interface's
// translation (empty for Russian, the texts' own language).
class AppMenuTranslator : public QTranslator {
  public:
    static constexpr const char* context = "MAC_APPLICATION_MENU";

    explicit AppMenuTranslator(const QTranslator& interfaceTexts)
        : interfaceTexts_(interfaceTexts) {}

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

  private:
    const QTranslator& interfaceTexts_;
};

}  // namespace varnel
