#include "app/self_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/app_state.h"
#include "engine/keyboard_engine.h"
#include "platform/sim/sim_mac.h"

namespace varnel {
namespace {

using TapEcho = SelfCheckProbe::TapEcho;

// The system's answers: a tap is refused without Input Monitoring, as on a Mac.
struct FakeProbe : SelfCheckProbe {
    explicit FakeProbe(SimPermissions& permissions) : permissions(permissions) {}

    std::string systemVersion() override { return "macOS Version 14.2.1 (Build 23C71)"; }
    bool secureEventInputEnabled() override { return secureInput; }
    std::string settingsDomain() override { return "app.varnel.Varnel"; }
    Starter starter() override { return started; }
    TapEcho tapEcho(bool post, std::int64_t marker) override {
        posted = post;
        postedMarker = marker;
        if (!permissions.inputMonitoring) {
            return TapEcho::refused;
        }
        return post ? echo : TapEcho::notPosted;
    }

    SimPermissions& permissions;
    Starter started{true, "launchd", {}};
    bool secureInput = false;
    TapEcho echo = TapEcho::echoed;
    std::optional<bool> posted;
    std::int64_t postedMarker = 0;
};

struct SelfCheckFixture {
    SimMac mac;
    FakeProbe probe{mac.permissions};

    SelfCheck::Findings examine() {
        return SelfCheck::examine({probe, mac.permissions, mac.inputSources, mac.inputSourceManager,
                                   mac.loginItems, mac.settings});
    }
};

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(SelfCheckTest, ReadyOnlyWhenTheKeyboardCanBeRemapped) {
    struct Case {
        const char* name;
        std::function<void(SelfCheckFixture&)> arrange;
        bool ready;
        std::vector<std::string_view> lines;
    };
    const std::vector<Case> cases{
        {"everything in place",
         [](SelfCheckFixture&) {},
         true,
         {"  ok    Эхо события: событие с меткой Varnel отправлено и вернулось\n",
          "\nГотово: Varnel может переназначать клавиатуру.\nverdict: ready\n"}},
        {"no Accessibility: nothing is posted",
         [](SelfCheckFixture& f) { f.mac.permissions.accessibility = false; },
         false,
         {"  FAIL  Универсальный доступ: не разрешён",
          "  ok    Перехват клавиатуры: перехват только для чтения создан\n",
          "  skip  Эхо события: не проверено, для отправки событий нужен Универсальный доступ\n",
          "\nНе готово: см. строки FAIL.\nverdict: not-ready\n"}},
        {"no Input Monitoring: no tap",
         [](SelfCheckFixture& f) { f.mac.permissions.inputMonitoring = false; },
         false,
         {"  FAIL  Мониторинг ввода: не разрешён",
          "  FAIL  Перехват клавиатуры: система отказала в перехвате только для чтения\n",
          "  skip  Эхо события: нет перехвата, которым слушать\n"}},
        {"secure input on",
         [](SelfCheckFixture& f) { f.probe.secureInput = true; },
         false,
         {"  FAIL  Защищённый ввод с клавиатуры: включён"}},
        {"the posted event is lost",
         [](SelfCheckFixture& f) { f.probe.echo = TapEcho::lost; },
         false,
         {"  FAIL  Эхо события: событие с меткой Varnel отправлено и не вернулось\n"}},
        // What the system answered was the terminal's: neither ready nor a FAIL of Varnel's.
        {"started from a terminal",
         [](SelfCheckFixture& f) {
             f.probe.started = {false, "zsh", "Terminal"};
             f.mac.loginItems.currentLocation.bundlePath = "/Users/me/Varnel's build/Varnel.app";
         },
         false,
         {"  warn  Запуск: zsh в Terminal, не через Launch Services: разрешения, перехват и эхо "
          "ниже относятся к Terminal, а не к Varnel\n"
          "          Запустите как Varnel: open -W -n --stdout \"$(tty)\" --stderr \"$(tty)\" "
          "'/Users/me/Varnel'\\''s build/Varnel.app' --args --self-check\n",
          "\nНе проверено: это не собственные разрешения Varnel (см. строку «Запуск»).\n"
          "verdict: not-verified\n"}},
        {"started by a process outside any application",
         [](SelfCheckFixture& f) {
             f.probe.started = {false, "sshd", {}};
         },
         false,
         {"  warn  Запуск: sshd, не через Launch Services: разрешения, перехват и эхо ниже "
          "относятся к приложению, которое его запустило, а не к Varnel\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelfCheckFixture f;
        c.arrange(f);
        const SelfCheck::Findings findings = f.examine();
        const std::string report = SelfCheck::report(findings);
        EXPECT_EQ(SelfCheck::ready(findings), c.ready) << report;
        for (std::string_view line : c.lines) {
            EXPECT_TRUE(contains(report, line)) << line << "\nin:\n" << report;
        }
        EXPECT_EQ(f.probe.posted, f.mac.permissions.accessibility);
        EXPECT_EQ(f.probe.postedMarker, KeyboardEngine::syntheticMarker);
    }
}

TEST(SelfCheckTest, ReportsWhatABugReportAsksFor) {
    SelfCheckFixture f;
    f.mac.loginItems.currentStatus = LoginItemApi::enabled;
    f.mac.settings.setData(AppState::optionsKey, KeyboardOptions::windowsDefaults.encoded());
    f.mac.settings.setString(AppState::typingLanguageKey, "russian");
    f.mac.settings.setBool(AppState::modeEnabledKey, true);
    f.mac.settings.setData(AppState::excludedApplicationsKey, R"(["com.utmapp.UTM"])");
    f.mac.settings.setString(AppState::launchAtLoginKey, "userDecides");
    f.mac.inputSources.keyboardType = KeyboardType::iso;
    const std::string options = KeyboardOptions::windowsDefaults.encoded();
    EXPECT_EQ(SelfCheck::report(f.examine()),
              "Самопроверка Varnel\n"
              "  ok    Система: macOS Version 14.2.1 (Build 23C71)\n"
              "  ok    Запуск: через Launch Services; разрешения ниже — собственные разрешения "
              "Varnel\n"
              "  ok    Универсальный доступ: разрешён\n"
              "  ok    Мониторинг ввода: разрешён\n"
              "  ok    Защищённый ввод с клавиатуры: выключен\n"
              "  ok    Источники ввода: установлено 4, текущий com.apple.keylayout.ABC \"ABC\"\n"
              "  ok    Для английского: com.apple.keylayout.ABC \"ABC\"\n"
              "  ok    Для русского: com.apple.keylayout.RussianWin \"Russian – PC\"\n"
              "  ok    Клавиатура: ISO (клавиши слева от 1 и слева от Z обмениваются кодами; "
              "Varnel печатает то, что на них нарисовано)\n"
              "  ok    Объект входа: включён\n"
              "  ok    Расположение: /Applications/Varnel.app\n"
              "  ok    Перехват клавиатуры: перехват только для чтения создан\n"
              "  ok    Эхо события: событие с меткой Varnel отправлено и вернулось\n"
              "  ok    Настройки: user defaults, домен app.varnel.Varnel\n"
              "          keyboardOptions.v3: " +
                  std::to_string(options.size()) + " Б: " + options +
                  "\n"
                  "          typingLanguage.v3: \"russian\"\n"
                  "          modeEnabled: true\n"
                  "          excludedApplications.v1: [\"com.utmapp.UTM\"]\n"
                  "          launchAtLogin.v1: \"userDecides\": запуск при входе меняет только "
                  "пользователь\n"
                  "Готово: Varnel может переназначать клавиатуру.\n"
                  "verdict: ready\n");
}

TEST(SelfCheckTest, WarnsOfWhatVarnelWorksAround) {
    SelfCheckFixture f;
    f.mac.inputSources.clear();
    f.mac.loginItems.currentStatus = LoginItemApi::notFound;
    // A value is put in as it is, even one that looks like a placeholder.
    f.mac.loginItems.currentLocation.bundlePath = "/Volumes/Varnel %1/Varnel.app";
    f.mac.settings.setString(AppState::launchAtLoginKey, "yes");
    f.mac.settings.setData(AppState::optionsKey, "{not json");
    f.mac.settings.setString(AppState::typingLanguageKey, "Russian");
    f.mac.settings.setData(AppState::excludedApplicationsKey, "{}");
    const SelfCheck::Findings findings = f.examine();
    const std::string report = SelfCheck::report(findings);
    for (std::string_view line : {
             "  warn  Источники ввода: установлено 0, текущий нет\n",
             "  warn  Для английского: нет раскладки ABC или U.S.; Varnel всё равно печатает "
             "по-английски по своей раскладке\n",
             "  warn  Для русского: нет раскладки «Русская – ПК»; Varnel всё равно печатает "
             "по-русски по своей раскладке\n",
             "  warn  Объект входа: не найден",
             "  warn  Расположение: /Volumes/Varnel %1/Varnel.app (не в папке «Программы»: отсюда "
             "Varnel не будет запускаться при входе)\n",
             "          launchAtLogin.v1: \"yes\", не читается: запуск при входе меняет только "
             "пользователь\n",
             "  warn  Настройки: user defaults, домен app.varnel.Varnel\n",
             "          keyboardOptions.v3: 9 Б, не читается (",
             "          typingLanguage.v3: \"Russian\", не язык: решает текущий источник ввода\n",
             "          modeEnabled: false\n",
             "          excludedApplications.v1: не читается (excluded applications: expected an "
             "array): его заменяет пустой список\n",
         }) {
        EXPECT_TRUE(contains(report, line)) << line << "\nin:\n" << report;
    }
    EXPECT_TRUE(SelfCheck::ready(findings));  // none of these stops the remapping
}

TEST(SelfCheckTest, ChangesNothing) {
    SelfCheckFixture f;
    f.mac.permissions.accessibility = false;
    f.mac.permissions.inputMonitoring = false;
    f.mac.inputSources.makeCurrent("com.apple.keylayout.US");
    f.examine();
    EXPECT_EQ(f.mac.settings.size(), 0u);
    EXPECT_EQ(f.mac.permissions.accessibilityPrompts, 0);
    EXPECT_EQ(f.mac.permissions.inputMonitoringRequests, 0);
    EXPECT_TRUE(f.mac.inputSources.enabled.empty());
    EXPECT_TRUE(f.mac.inputSources.selected.empty());
    EXPECT_EQ(f.mac.inputSources.currentIdentifier(), "com.apple.keylayout.US");
    EXPECT_EQ(f.mac.loginItems.registerCalls + f.mac.loginItems.unregisterCalls, 0);
}

}  // namespace
}  // namespace varnel
