#pragma once

#include <QStringList>
#include <QTranslator>
#include <string>
#include <string_view>

#include "ui/app_menu_translator.h"

namespace varnel {

// The language of the interface, installed in the application for as long as this lives: the
// English translation compiled into Varnel when the user prefers English, none for Russian (the
// language every text is written in), and the Mac application menu's items in the same language.
// One at a time, made before the window and the menu bar.
class Translation {
  public:
    enum class Language { russian, english };

    // The contexts of the texts: the interface's own (Texts) and the core's (banners, states,
    // the diagnostics, the settings file).
    static constexpr const char* interfaceContext = "Interface";
    static constexpr const char* messagesContext = "Messages";

    // The first of the user's languages, most preferred first (as QLocale::uiLanguages() gives
    // them: on a Mac the system's list, or the language chosen for Varnel alone), that Varnel
    // has; Russian when it has none of them.
    static Language preferred(const QStringList& uiLanguages);

    explicit Translation(Language language);
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    Language language() const { return language_; }

    // A text of the core in the interface's language: translated whole when it is one of the
    // core's texts, else piece by piece around the fixed parts of composed texts; what is
    // neither (a name, a number, what was typed) stays as it is.
    static QString message(std::string_view text);
    // A text of the core looked up whole in its own context (the self-check's report) and
    // given back as UTF-8 for the console; itself when it has no translation.
    static std::string text(const char* context, const char* source);

  private:
    Language language_;
    QTranslator english_;
    AppMenuTranslator appMenu_{english_};
};

}  // namespace varnel
