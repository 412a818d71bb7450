#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

namespace varnel::Texts {

// A text of the interface: its Russian source, which lupdate collects from the
// QT_TRANSLATE_NOOP around it, and tr(), what the user reads in the interface's language.
struct Text {
    const char* source;

    QString tr() const;
    std::string_view view() const { return source; }
};

// Every text the interface shows, in Russian, the language Varnel is written in: this is the one
// place a text is changed (then the English of translations/varnel_en.ts).
inline constexpr std::string_view appName = "Varnel";
inline constexpr Text hideWindowCommand{QT_TRANSLATE_NOOP("Interface", "Скрыть окно Varnel")};
inline constexpr Text menuBarEnabled{QT_TRANSLATE_NOOP("Interface", "Varnel включён")};
inline constexpr Text menuBarDisabled{QT_TRANSLATE_NOOP("Interface", "Varnel выключен")};
inline constexpr Text menuBarSecureInput{
    QT_TRANSLATE_NOOP("Interface", "Varnel на паузе: macOS защищает ввод пароля")};
inline constexpr Text subtitle{QT_TRANSLATE_NOOP(
    "Interface", "Одна кнопка превращает Mac-клавиатуру в полноценную Windows-клавиатуру.")};
inline constexpr Text activeBadge{QT_TRANSLATE_NOOP("Interface", "АКТИВНО")};
// While a password field holds the keys and the notice is on.
inline constexpr Text pausedTitle{QT_TRANSLATE_NOOP("Interface", "Windows-режим на паузе")};
inline constexpr Text pausedBadge{QT_TRANSLATE_NOOP("Interface", "ПАУЗА")};
// The mode card after a start, while the mode stays on; sentences left out when their switch is
// off.
inline constexpr Text noticeReady{QT_TRANSLATE_NOOP("Interface", "Готово.")};
inline constexpr Text noticeTyping{QT_TRANSLATE_NOOP(
    "Interface", "Теперь Varnel сам печатает все буквы, цифры и знаки как Windows.")};
inline constexpr Text noticeAltShift{
    QT_TRANSLATE_NOOP("Interface", "Shift + Alt срабатывает сразу при нажатии второй клавиши.")};
inline constexpr Text noticeRestored{
    QT_TRANSLATE_NOOP("Interface", "Windows-режим снова включён, как при прошлом запуске Varnel.")};
// Followed directly by the reason the system's layout did not switch.
inline constexpr Text noticeLayoutWarning{QT_TRANSLATE_NOOP(
    "Interface",
    "Windows-режим включён полностью. Системная раскладка macOS не переключилась, но встроенная "
    "раскладка Varnel уже печатает буквы и знаки правильно. ")};
inline constexpr Text modeOnButton{
    QT_TRANSLATE_NOOP("Interface", "Выключить и вернуть управление macOS")};
inline constexpr Text modeOffButton{
    QT_TRANSLATE_NOOP("Interface", "Сделать клавиатуру как в Windows")};
inline constexpr Text modeOnHint{QT_TRANSLATE_NOOP(
    "Interface",
    "Все изменения применены. Окно можно закрыть или скрыть сочетанием Command + Q: Varnel "
    "продолжит работать в строке меню.")};
inline constexpr Text modeOffHint{QT_TRANSLATE_NOOP(
    "Interface", "Нажмите один раз. Никакие сочетания вручную создавать не нужно.")};
inline constexpr Text secureInputNotice{
    QT_TRANSLATE_NOOP("Interface", "Пока вводится пароль, macOS приостанавливает переназначение.")};
inline constexpr Text permissionsTitle{QT_TRANSLATE_NOOP("Interface", "Разрешения macOS")};
inline constexpr Text accessibilityTitle{QT_TRANSLATE_NOOP("Interface", "Универсальный доступ")};
inline constexpr Text accessibilitySubtitle{
    QT_TRANSLATE_NOOP("Interface", "Нужен для отправки заменённых сочетаний.")};
inline constexpr Text inputMonitoringTitle{QT_TRANSLATE_NOOP("Interface", "Мониторинг ввода")};
inline constexpr Text inputMonitoringSubtitle{
    QT_TRANSLATE_NOOP("Interface", "Нужен для чтения нажатий клавиатуры.")};
inline constexpr Text openSettings{QT_TRANSLATE_NOOP("Interface", "Открыть настройки")};
inline constexpr Text requestPermissions{QT_TRANSLATE_NOOP("Interface", "Запросить разрешения")};
inline constexpr Text checkAgain{QT_TRANSLATE_NOOP("Interface", "Проверить снова")};
inline constexpr Text granted{QT_TRANSLATE_NOOP("Interface", "Разрешено")};
inline constexpr Text featuresTitle{QT_TRANSLATE_NOOP("Interface", "Что изменится автоматически")};
inline constexpr Text advancedTitle{QT_TRANSLATE_NOOP("Interface", "Дополнительные настройки")};
inline constexpr Text emergencyHint{
    QT_TRANSLATE_NOOP("Interface", "Аварийное отключение: Ctrl + Alt + Windows + Esc")};
inline constexpr Text launchAtLoginSwitch{
    QT_TRANSLATE_NOOP("Interface", "Запускать Varnel при входе")};
// Settings carried to another Mac in a file: the buttons, the system's panels, the import's
// question and what the buttons did.
inline constexpr Text settingsFileTitle{QT_TRANSLATE_NOOP("Interface", "Перенос настроек")};
inline constexpr Text exportSettings{QT_TRANSLATE_NOOP("Interface", "Экспортировать настройки…")};
inline constexpr Text importSettings{QT_TRANSLATE_NOOP("Interface", "Импортировать настройки…")};
inline constexpr Text settingsFileHint{QT_TRANSLATE_NOOP(
    "Interface",
    "Файл переносит на другой Mac переключатели, язык Varnel, приложения без переназначения и "
    "автозапуск.")};
inline constexpr Text exportPanelTitle{QT_TRANSLATE_NOOP("Interface", "Экспорт настроек Varnel")};
inline constexpr Text importPanelTitle{QT_TRANSLATE_NOOP("Interface", "Импорт настроек Varnel")};
// %1: the pattern of the files' names.
inline constexpr Text settingsFileType{QT_TRANSLATE_NOOP("Interface", "Настройки Varnel (%1)")};
inline constexpr Text settingsFileName{QT_TRANSLATE_NOOP("Interface", "Настройки Varnel.json")};
inline constexpr Text importQuestion{
    QT_TRANSLATE_NOOP("Interface", "Применить настройки из «%1»?")};
inline constexpr Text importApply{QT_TRANSLATE_NOOP("Interface", "Применить")};
inline constexpr Text switchedOn{QT_TRANSLATE_NOOP("Interface", "включено")};
inline constexpr Text switchedOff{QT_TRANSLATE_NOOP("Interface", "выключено")};
inline constexpr Text exclusionsTitle{
    QT_TRANSLATE_NOOP("Interface", "Приложения без переназначения")};
inline constexpr Text exclusionsHint{QT_TRANSLATE_NOOP(
    "Interface",
    "Удалённые рабочие столы и виртуальные машины сами работают как Windows: в них Varnel не "
    "трогает ни клавиши, ни раскладку.")};
inline constexpr Text exclusionsEmpty{QT_TRANSLATE_NOOP("Interface", "Список пуст.")};
// %1: the application's name.
inline constexpr Text exclusionsAdd{QT_TRANSLATE_NOOP("Interface", "Добавить «%1»")};
inline constexpr Text exclusionsAddUnknown{
    QT_TRANSLATE_NOOP("Interface", "Добавить приложение, открытое до Varnel")};
inline constexpr Text exclusionsAddUnknownHint{
    QT_TRANSLATE_NOOP("Interface", "Переключитесь в нужное приложение, затем вернитесь в Varnel.")};
inline constexpr Text exclusionsRestore{QT_TRANSLATE_NOOP("Interface", "Вернуть предложенные")};
inline constexpr Text exclusionsRestoreNothing{
    QT_TRANSLATE_NOOP("Interface", "Предложенные приложения уже в списке или не установлены.")};
// A virtual machine's windows of Windows applications; %1: the machine ("Parallels").
inline constexpr Text exclusionsWindowsOf{
    QT_TRANSLATE_NOOP("Interface", "Окна приложений Windows из %1")};
// Any other prefix; %1: the prefix.
inline constexpr Text exclusionsPrefix{QT_TRANSLATE_NOOP("Interface", "Приложения «%1…»")};
inline constexpr Text exclusionsRemove{QT_TRANSLATE_NOOP("Interface", "Убрать")};
// %1: the application's name.
inline constexpr Text exclusionsRemoveName{QT_TRANSLATE_NOOP("Interface", "Убрать «%1» из списка")};
inline constexpr Text diagnosticsTitle{QT_TRANSLATE_NOOP("Interface", "Диагностика")};
inline constexpr Text diagTap{QT_TRANSLATE_NOOP("Interface", "Перехват событий")};
inline constexpr Text diagTapActive{QT_TRANSLATE_NOOP("Interface", "Работает")};
inline constexpr Text diagTapInactive{QT_TRANSLATE_NOOP("Interface", "Неактивен")};
inline constexpr Text diagLanguage{QT_TRANSLATE_NOOP("Interface", "Язык Varnel")};
inline constexpr Text diagInputSource{QT_TRANSLATE_NOOP("Interface", "Текущая раскладка")};
inline constexpr Text diagLastKey{QT_TRANSLATE_NOOP("Interface", "Последнее нажатие")};
inline constexpr Text diagResult{QT_TRANSLATE_NOOP("Interface", "Результат")};
inline constexpr Text diagProcessed{QT_TRANSLATE_NOOP("Interface", "Обработано")};
inline constexpr Text diagBlocked{QT_TRANSLATE_NOOP("Interface", "Заменено")};
inline constexpr Text diagFrontmost{QT_TRANSLATE_NOOP("Interface", "Активное приложение")};
inline constexpr Text diagLeftAlone{QT_TRANSLATE_NOOP("Interface", " · без переназначения")};
inline constexpr Text diagSecureInput{QT_TRANSLATE_NOOP("Interface", "Защищённый ввод")};
inline constexpr Text diagSecureInputOn{
    QT_TRANSLATE_NOOP("Interface", "Включён: переназначение на паузе")};
inline constexpr Text diagSecureInputOff{QT_TRANSLATE_NOOP("Interface", "Выключен")};
inline constexpr Text diagNotChecked{QT_TRANSLATE_NOOP("Interface", "Не проверяется")};
inline constexpr Text diagKeyboard{QT_TRANSLATE_NOOP("Interface", "Клавиатура")};
inline constexpr Text diagProfile{QT_TRANSLATE_NOOP("Interface", "Профиль")};
inline constexpr Text diagInTextField{QT_TRANSLATE_NOOP("Interface", " · в текстовом поле")};
inline constexpr Text diagOutsideTextField{
    QT_TRANSLATE_NOOP("Interface", " · вне текстового поля")};
inline constexpr Text applicationRulesTitle{
    QT_TRANSLATE_NOOP("Interface", "Правила для приложений")};
inline constexpr Text applicationRulesHint{QT_TRANSLATE_NOOP(
    "Interface",
    "Терминалы, Finder, браузеры, редакторы кода и Office по-своему отвечают на привычные "
    "Windows-сочетания, поэтому у каждого свои правила. Выключенный профиль получает общие.")};
inline constexpr Text footer{QT_TRANSLATE_NOOP(
    "Interface",
    "Закрытие окна и Command + Q только скрывают окно: Varnel продолжает работать в строке меню. "
    "Остановить переназначение можно кнопкой «Выключить и вернуть управление macOS» или пунктом "
    "«Выключить Windows-режим» в строке меню, а пункт «Завершить Varnel» там же закрывает "
    "программу. Из-за ограничений macOS переназначение не действует до входа в систему и в "
    "защищённых полях пароля.")};
inline constexpr Text alertButton{QT_TRANSLATE_NOOP("Interface", "Хорошо")};
// Where the desktop has no tray, nothing could bring a hidden window back: closing quits.
inline constexpr Text quitNotice{QT_TRANSLATE_NOOP(
    "Interface",
    "Здесь нет области значков, из которой Varnel можно вернуть, поэтому закрытие окна "
    "завершает Varnel. Переназначение остановится до следующего запуска.")};
inline constexpr Text quitButton{QT_TRANSLATE_NOOP("Interface", "Завершить Varnel")};
inline constexpr Text cancelButton{QT_TRANSLATE_NOOP("Interface", "Отменить")};
inline constexpr Text menuModeOn{QT_TRANSLATE_NOOP("Interface", "Выключить Windows-режим")};
inline constexpr Text menuModeOff{QT_TRANSLATE_NOOP("Interface", "Включить Windows-режим")};
inline constexpr Text menuOpen{QT_TRANSLATE_NOOP("Interface", "Открыть Varnel")};
inline constexpr Text menuHide{QT_TRANSLATE_NOOP("Interface", "Скрыть окно, оставить работать")};
inline constexpr Text menuLaunchAtLogin{QT_TRANSLATE_NOOP("Interface", "Запускать при входе")};
inline constexpr Text menuStopHint{QT_TRANSLATE_NOOP(
    "Interface", "Чтобы остановить переназначение, нажмите «Выключить Windows-режим».")};
inline constexpr Text menuQuit{QT_TRANSLATE_NOOP("Interface", "Завершить Varnel")};
// The Mac application menu's items that Qt titles itself ("%1": the application's name); the
// Quit item shows hideWindowCommand, whose place it takes.
inline constexpr Text appMenuServices{QT_TRANSLATE_NOOP("Interface", "Службы")};
inline constexpr Text appMenuHide{QT_TRANSLATE_NOOP("Interface", "Скрыть %1")};
inline constexpr Text appMenuHideOthers{QT_TRANSLATE_NOOP("Interface", "Скрыть остальные")};
inline constexpr Text appMenuShowAll{QT_TRANSLATE_NOOP("Interface", "Показать все")};
inline constexpr Text appMenuSettings{QT_TRANSLATE_NOOP("Interface", "Настройки…")};
inline constexpr Text appMenuAbout{QT_TRANSLATE_NOOP("Interface", "О программе %1")};

struct Feature {
    Text before;
    Text after;
    // The stored name of the switch that turns it off; empty for what the mode always does.
    std::string_view option;
};

// The tiles of "Что изменится автоматически", in order.
inline constexpr std::array<Feature, 15> features{{
    {Text{QT_TRANSLATE_NOOP("Interface", "Все буквы и знаки")},
     Text{QT_TRANSLATE_NOOP("Interface", "Печатаются самим Varnel по Windows")},
     "fullWindowsTyping"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Shift + Alt")},
     Text{QT_TRANSLATE_NOOP("Interface", "Мгновенно English ↔ Русская")},
     "altShiftChangesLanguage"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + C / V / X")},
     Text{QT_TRANSLATE_NOOP("Interface", "Копировать / вставить / вырезать")}, ""},
    {Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + ← / →")},
     Text{QT_TRANSLATE_NOOP("Interface", "Переход по словам")}, "windowsEditingShortcuts"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + Backspace")},
     Text{QT_TRANSLATE_NOOP("Interface", "Удалить предыдущее слово")}, "windowsEditingShortcuts"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + Tab")},
     Text{QT_TRANSLATE_NOOP("Interface", "Переключение вкладок")}, "windowsEditingShortcuts"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Клавиша Windows")},
     Text{QT_TRANSLATE_NOOP("Interface", "Spotlight, рабочий стол, окна")}, "windowsKeyShortcuts"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Alt + Tab")},
     Text{QT_TRANSLATE_NOOP("Interface", "Переключение приложений")}, ""},
    {Text{QT_TRANSLATE_NOOP("Interface", "Alt + F4")},
     Text{QT_TRANSLATE_NOOP("Interface", "Закрытие приложения")}, "altF4QuitsApplication"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Home / End")},
     Text{QT_TRANSLATE_NOOP("Interface", "Начало / конец строки")}, "windowsHomeAndEnd"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + Home / End")},
     Text{QT_TRANSLATE_NOOP("Interface", "Начало / конец документа")}, "windowsHomeAndEnd"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Print Screen")},
     Text{QT_TRANSLATE_NOOP("Interface", "Выбор области в буфер")}, "printScreenCopiesSelection"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Windows + Shift + S")},
     Text{QT_TRANSLATE_NOOP("Interface", "Снимок области в буфер")}, "printScreenCopiesSelection"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Windows + L")},
     Text{QT_TRANSLATE_NOOP("Interface", "Блокировка Mac")}, "windowsLockShortcut"},
    {Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + Shift + Esc")},
     Text{QT_TRANSLATE_NOOP("Interface", "Принудительное завершение")}, "windowsRecoveryShortcuts"},
}};
// The caption of a tile whose switch is off, by the group that holds the switch.
inline constexpr Text featureOff{
    QT_TRANSLATE_NOOP("Interface", "Выключено в дополнительных настройках")};
inline constexpr Text featureOffInRules{
    QT_TRANSLATE_NOOP("Interface", "Выключено в правилах для приложений")};

// The switch text of each field of KeyboardOptions shown in "Дополнительные настройки", in
// field order: the fields before those of "Правила для приложений".
inline constexpr std::array<Text, 12> optionSwitches{
    Text{QT_TRANSLATE_NOOP("Interface", "Shift + Alt мгновенно меняет язык")},
    Text{QT_TRANSLATE_NOOP("Interface", "Полная встроенная Windows-раскладка букв и знаков")},
    Text{QT_TRANSLATE_NOOP("Interface", "Синхронизировать системный индикатор языка macOS")},
    Text{QT_TRANSLATE_NOOP("Interface", "Windows-навигация и редактирование текста")},
    Text{QT_TRANSLATE_NOOP("Interface", "Print Screen копирует выбранную область")},
    Text{QT_TRANSLATE_NOOP("Interface", "Alt + F4 закрывает приложение")},
    Text{QT_TRANSLATE_NOOP("Interface", "Home и End работают как в Windows")},
    Text{QT_TRANSLATE_NOOP("Interface", "Windows + L блокирует Mac")},
    Text{QT_TRANSLATE_NOOP("Interface", "Windows-сочетания восстановления")},
    Text{QT_TRANSLATE_NOOP("Interface", "Ctrl + щелчок мышью как в Windows")},
    Text{QT_TRANSLATE_NOOP("Interface", "Показывать паузу на время ввода пароля")},
    Text{QT_TRANSLATE_NOOP("Interface",
                           "ISO-клавиатура: ё и клавиша у левого Shift на своих местах")},
};

// The switches of "Правила для приложений", by the KeyboardOptions field each one turns, with
// the applications (or the keys) it covers.
struct RuleSwitch {
    std::string_view field;
    Text text;
    Text covers;
};
inline constexpr std::array<RuleSwitch, 6> applicationRuleSwitches{{
    {"terminalProfile",
     Text{QT_TRANSLATE_NOOP("Interface", "Терминалы: Ctrl + C прерывает программу")},
     Text{QT_TRANSLATE_NOOP("Interface",
                            "Терминал, iTerm2, Warp, kitty, Alacritty, Ghostty, WezTerm, Hyper")}},
    {"finderProfile",
     Text{QT_TRANSLATE_NOOP("Interface", "Finder как Проводник: Enter, F2, Delete, Ctrl + X")},
     Text{QT_TRANSLATE_NOOP("Interface", "Finder")}},
    {"browserProfile",
     Text{QT_TRANSLATE_NOOP("Interface", "Браузеры: Home и End листают страницу")},
     Text{QT_TRANSLATE_NOOP("Interface",
                            "Safari, Chrome, Firefox, Edge, Brave, Opera, Vivaldi, Arc")}},
    {"codeEditorProfile",
     Text{QT_TRANSLATE_NOOP("Interface", "Редакторы кода: F-клавиши для отладки")},
     Text{QT_TRANSLATE_NOOP(
         "Interface", "VS Code, VSCodium, Cursor, Sublime Text, JetBrains IDE, Android Studio")}},
    {"officeProfile",
     Text{QT_TRANSLATE_NOOP("Interface", "Microsoft Office: Ctrl + Y повторяет, F2 правит ячейку")},
     Text{QT_TRANSLATE_NOOP("Interface", "Word, Excel, PowerPoint")}},
    {"windowsKeyShortcuts", Text{QT_TRANSLATE_NOOP("Interface", "Клавиша Windows как в Windows")},
     Text{QT_TRANSLATE_NOOP("Interface",
                            "Нажатие открывает Spotlight, Windows + D показывает рабочий стол, "
                            "Windows + Tab — Mission Control, Windows + стрелки ставят окно к краю "
                            "(macOS 15 и новее). В терминалах это Control.")}},
}};

// The name of each application profile in the diagnostics, in the order of ApplicationProfile.
inline constexpr std::array<Text, 6> profileNames{
    Text{QT_TRANSLATE_NOOP("Interface", "Общие правила")},
    Text{QT_TRANSLATE_NOOP("Interface", "Терминал")},
    Text{QT_TRANSLATE_NOOP("Interface", "Finder")},
    Text{QT_TRANSLATE_NOOP("Interface", "Браузер")},
    Text{QT_TRANSLATE_NOOP("Interface", "Редактор кода")},
    Text{QT_TRANSLATE_NOOP("Interface", "Microsoft Office")},
};

}  // namespace varnel::Texts
