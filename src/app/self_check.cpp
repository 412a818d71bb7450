#include "app/self_check.h"

#include "engine/keyboard_engine.h"
#include "model/translatable.h"
#include "model/windows_typing_language.h"
#include "services/launch_at_login_manager.h"

namespace varnel {

namespace {

using TapEcho = SelfCheckProbe::TapEcho;
// What the system answered, for the %1, %2... of a text of the report.
using Values = std::vector<std::string>;

// `pattern` with each %1 to %9 replaced by its value, in one pass: a value holding "%1" (a
// path, a stored text) stays as it is.
std::string filled(std::string_view pattern, const Values& values) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out.append(values[index]);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// The report as it is written, line by line, each text looked up in the reader's language.
class Report {
  public:
    explicit Report(const SelfCheck::Translate& translate) : translate_(translate) {
        out_ = text(VARNEL_TRANSLATE_NOOP("SelfCheck", "Самопроверка Varnel")) + "\n";
    }

    std::string text(const char* source, const Values& values = {}) const {
        return filled(translate_ ? translate_(source) : std::string(source), values);
    }
    void line(std::string_view mark, const char* source, const Values& values = {}) {
        out_.append("  ").append(mark).append(6 - mark.size(), ' ');
        out_.append(text(source, values)).append("\n");
    }
    void detail(const char* source, const Values& values = {}) {
        out_.append(10, ' ').append(text(source, values)).append("\n");
    }
    void verdict(const char* source, std::string_view token) {
        out_.append(text(source)).append("\nverdict: ").append(token).append("\n");
    }
    std::string take() { return std::move(out_); }

  private:
    const SelfCheck::Translate& translate_;
    std::string out_;
};

std::string describe(const Report& report, const InputSource& source) {
    const std::string identifier =
        source.identifier ? *source.identifier
                          : report.text(VARNEL_TRANSLATE_NOOP("SelfCheck", "(без идентификатора)"));
    return identifier + " \"" + source.localizedName.value_or("") + '"';
}

// Text a POSIX shell takes as one word, whatever it holds.
std::string shellQuoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Whose permissions the lines below read: a process started from a terminal is answered for as
// the terminal, so a user who granted Varnel would read FAIL, and one whose terminal is trusted
// a false "ready".
void reportStarter(Report& report, const SelfCheck::Findings& findings) {
    const SelfCheckProbe::Starter& starter = findings.starter;
    if (starter.launchServices) {
        report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                "Запуск: через Launch Services; разрешения ниже — "
                                                "собственные разрешения Varnel"));
        return;
    }
    const std::string from = starter.application.empty()
                                 ? starter.process
                                 : report.text(VARNEL_TRANSLATE_NOOP("SelfCheck", "%1 в %2"),
                                               {starter.process, starter.application});
    // The Russian wants the owner in the dative: "относятся к Terminal".
    const std::string owner =
        starter.application.empty()
            ? report.text(VARNEL_TRANSLATE_NOOP("SelfCheck", "приложению, которое его запустило"))
            : starter.application;
    report.line(
        "warn",
        VARNEL_TRANSLATE_NOOP("SelfCheck",
                              "Запуск: %1, не через Launch Services: разрешения, перехват и эхо "
                              "ниже относятся к %2, а не к Varnel"),
        {from, owner});
    report.detail(VARNEL_TRANSLATE_NOOP("SelfCheck", "Запустите как Varnel: %1"),
                  {"open -W -n --stdout \"$(tty)\" --stderr \"$(tty)\" " +
                   shellQuoted(findings.location.bundlePath) + " --args --self-check"});
}

void reportPermissions(Report& report, const PermissionStatus& permissions) {
    if (permissions.accessibility) {
        report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Универсальный доступ: разрешён"));
    } else {
        report.line("FAIL", VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                  "Универсальный доступ: не разрешён (Системные "
                                                  "настройки → Конфиденциальность и безопасность → "
                                                  "Универсальный доступ)"));
    }
    if (permissions.inputMonitoring) {
        report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Мониторинг ввода: разрешён"));
    } else {
        report.line("FAIL",
                    VARNEL_TRANSLATE_NOOP("SelfCheck",
                                          "Мониторинг ввода: не разрешён (Системные настройки "
                                          "→ Конфиденциальность и безопасность → Мониторинг "
                                          "ввода)"));
    }
}

void reportSecureInput(Report& report, bool on) {
    if (on) {
        report.line("FAIL",
                    VARNEL_TRANSLATE_NOOP("SelfCheck",
                                          "Защищённый ввод с клавиатуры: включён (поле пароля "
                                          "или защищённый ввод в Терминале); пока он не "
                                          "выключен, ни один перехват не видит клавиш"));
    } else {
        report.line("ok",
                    VARNEL_TRANSLATE_NOOP("SelfCheck", "Защищённый ввод с клавиатуры: выключен"));
    }
}

void reportInputSources(Report& report, const SelfCheck::Findings& findings) {
    report.line(findings.installedSources == 0 ? "warn" : "ok",
                VARNEL_TRANSLATE_NOOP("SelfCheck", "Источники ввода: установлено %1, текущий %2"),
                {std::to_string(findings.installedSources),
                 findings.currentSource ? describe(report, *findings.currentSource)
                                        : report.text(VARNEL_TRANSLATE_NOOP("SelfCheck", "нет"))});
    const auto choice = [&](const std::optional<InputSource>& source, const char* found,
                            const char* missing) {
        if (source) {
            report.line("ok", found, {describe(report, *source)});
        } else {
            report.line("warn", missing);
        }
    };
    choice(findings.englishSource, VARNEL_TRANSLATE_NOOP("SelfCheck", "Для английского: %1"),
           VARNEL_TRANSLATE_NOOP("SelfCheck",
                                 "Для английского: нет раскладки ABC или U.S.; Varnel всё равно "
                                 "печатает по-английски по своей раскладке"));
    choice(findings.russianSource, VARNEL_TRANSLATE_NOOP("SelfCheck", "Для русского: %1"),
           VARNEL_TRANSLATE_NOOP("SelfCheck",
                                 "Для русского: нет раскладки «Русская – ПК»; Varnel всё равно "
                                 "печатает по-русски по своей раскладке"));
    switch (findings.keyboardType) {
        case KeyboardType::ansi:
            report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Клавиатура: ANSI"));
            break;
        case KeyboardType::iso:
            report.line("ok",
                        VARNEL_TRANSLATE_NOOP("SelfCheck",
                                              "Клавиатура: ISO (клавиши слева от 1 и слева от Z "
                                              "обмениваются кодами; Varnel печатает то, что на них "
                                              "нарисовано)"));
            break;
        case KeyboardType::jis:
            report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Клавиатура: JIS"));
            break;
    }
}

void reportLoginItem(Report& report, int status) {
    switch (status) {
        case LoginItemApi::enabled:
            report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Объект входа: включён"));
            return;
        case LoginItemApi::notRegistered:
            report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                    "Объект входа: не зарегистрирован (запуск при "
                                                    "входе выключен)"));
            return;
        case LoginItemApi::requiresApproval:
            report.line("warn", VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                      "Объект входа: ждёт одобрения (Системные "
                                                      "настройки → Основные → Объекты входа)"));
            return;
        case LoginItemApi::notFound:
            report.line("warn",
                        VARNEL_TRANSLATE_NOOP("SelfCheck",
                                              "Объект входа: не найден (запускайте Varnel.app "
                                              "из папки «Программы», а не с образа диска и не "
                                              "из перемещённой копии)"));
            return;
        default:
            report.line(
                "warn",
                VARNEL_TRANSLATE_NOOP("SelfCheck", "Объект входа: неизвестное состояние %1"),
                {std::to_string(status)});
    }
}

void reportLocation(Report& report, const LoginItemApi::Location& location) {
    if (LaunchAtLoginManager::isInApplicationsFolder(location)) {
        report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Расположение: %1"),
                    {location.bundlePath});
    } else {
        report.line(
            "warn",
            VARNEL_TRANSLATE_NOOP("SelfCheck",
                                  "Расположение: %1 (не в папке «Программы»: отсюда Varnel не "
                                  "будет запускаться при входе)"),
            {location.bundlePath});
    }
}

void reportTap(Report& report, TapEcho echo) {
    if (echo == TapEcho::refused) {
        report.line("FAIL",
                    VARNEL_TRANSLATE_NOOP("SelfCheck",
                                          "Перехват клавиатуры: система отказала в перехвате "
                                          "только для чтения"));
        report.line("skip", VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                  "Эхо события: нет перехвата, которым слушать"));
        return;
    }
    report.line("ok", VARNEL_TRANSLATE_NOOP(
                          "SelfCheck", "Перехват клавиатуры: перехват только для чтения создан"));
    switch (echo) {
        case TapEcho::notPosted:
            report.line("skip", VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                      "Эхо события: не проверено, для отправки "
                                                      "событий нужен Универсальный доступ"));
            return;
        case TapEcho::lost:
            report.line("FAIL",
                        VARNEL_TRANSLATE_NOOP("SelfCheck",
                                              "Эхо события: событие с меткой Varnel отправлено "
                                              "и не вернулось"));
            return;
        default:
            report.line("ok",
                        VARNEL_TRANSLATE_NOOP("SelfCheck",
                                              "Эхо события: событие с меткой Varnel отправлено "
                                              "и вернулось"));
            return;
    }
}

void reportSettings(Report& report, const SelfCheck::Findings& findings) {
    bool usable = true;
    for (const SelfCheck::StoredValue& value : findings.settings) {
        usable = usable && value.usable;
    }
    report.line(usable ? "ok" : "warn",
                VARNEL_TRANSLATE_NOOP("SelfCheck", "Настройки: user defaults, домен %1"),
                {findings.settingsDomain});
    for (const SelfCheck::StoredValue& value : findings.settings) {
        report.detail("%1: %2", {value.key, report.text(value.description, value.values)});
    }
}

}  // namespace

SelfCheck::Findings SelfCheck::examine(const Ports& ports) {
    Findings findings;
    findings.systemVersion = ports.probe.systemVersion();
    findings.starter = ports.probe.starter();
    findings.permissions = PermissionManager(ports.permissions).currentStatus();
    findings.secureEventInput = ports.probe.secureEventInputEnabled();
    findings.installedSources = ports.inputSources.installedSources().size();
    findings.currentSource = ports.inputSources.currentKeyboardSource();
    findings.englishSource = ports.inputSourceManager.sourceFor(WindowsTypingLanguage::english);
    findings.russianSource = ports.inputSourceManager.sourceFor(WindowsTypingLanguage::russian);
    findings.keyboardType = ports.inputSources.physicalKeyboardType();
    findings.loginItemStatus = ports.loginItems.status();
    findings.location = ports.loginItems.location();
    // Without Accessibility a posted event is dropped: nothing is posted then.
    findings.tapEcho =
        ports.probe.tapEcho(findings.permissions.accessibility, KeyboardEngine::syntheticMarker);
    findings.settingsDomain = ports.probe.settingsDomain();
    findings.settings = storedSettings(ports.settings);
    return findings;
}

bool SelfCheck::ready(const Findings& findings) {
    return verdict(findings) == Verdict::ready;
}

SelfCheck::Verdict SelfCheck::verdict(const Findings& findings) {
    if (!findings.starter.launchServices) {
        return Verdict::notVerified;
    }
    const bool ready = findings.permissions.allGranted() && !findings.secureEventInput &&
                       findings.tapEcho == TapEcho::echoed;
    return ready ? Verdict::ready : Verdict::notReady;
}

std::string SelfCheck::report(const Findings& findings, const Translate& translate) {
    Report report(translate);
    report.line("ok", VARNEL_TRANSLATE_NOOP("SelfCheck", "Система: %1"), {findings.systemVersion});
    reportStarter(report, findings);
    reportPermissions(report, findings.permissions);
    reportSecureInput(report, findings.secureEventInput);
    reportInputSources(report, findings);
    reportLoginItem(report, findings.loginItemStatus);
    reportLocation(report, findings.location);
    reportTap(report, findings.tapEcho);
    reportSettings(report, findings);
    switch (verdict(findings)) {
        case Verdict::ready:
            report.verdict(VARNEL_TRANSLATE_NOOP("SelfCheck",
                                                 "Готово: Varnel может переназначать клавиатуру."),
                           "ready");
            break;
        case Verdict::notReady:
            report.verdict(VARNEL_TRANSLATE_NOOP("SelfCheck", "Не готово: см. строки FAIL."),
                           "not-ready");
            break;
        case Verdict::notVerified:
            report.verdict(
                VARNEL_TRANSLATE_NOOP("SelfCheck",
                                      "Не проверено: это не собственные разрешения Varnel "
                                      "(см. строку «Запуск»)."),
                "not-verified");
            break;
    }
    return report.take();
}

}  // namespace varnel
