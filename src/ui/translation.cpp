#include "ui/translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <string>

#include "model/message_parts.h"
#include "ui/texts.h"
#include "ui/theme.h"

namespace varnel {

namespace {

QString translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

}  // namespace

QString Texts::Text::tr() const {
    return QCoreApplication::translate(Translation::interfaceContext, source);
}

Translation::Language Translation::preferred(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        switch (QLocale(name).language()) {
            case QLocale::Russian: return Language::russian;
            case QLocale::English: return Language::english;
            default: break;
        }
    }
    return Language::russian;
}

Translation::Translation(Language language) : language_(language) {
    // Built into the application with its resources; without it the texts stay Russian.
    if (language_ == Language::english && !english_.load(QStringLiteral(":/i18n/varnel_en.qm"))) {
        language_ = Language::russian;
    }
    if (language_ == Language::english) {
        QCoreApplication::installTranslator(&english_);
    }
    // Asked first: it answers only the application menu's context.
    QCoreApplication::installTranslator(&appMenu_);
}

QString Translation::message(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const QString whole = translated(messagesContext, text);
    if (whole != Theme::qt(text)) {
        return whole;
    }
    for (std::string_view part : MessageParts::all) {
        if (const auto at = text.find(part); at != std::string_view::npos) {
            return message(text.substr(0, at)) + translated(messagesContext, part) +
                   message(text.substr(at + part.size()));
        }
    }
    return whole;
}

std::string Translation::text(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace varnel
