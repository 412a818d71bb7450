#pragma once

#include <array>
#include <string_view>

namespace varnel::Texts {

// Every text the interface shows, exactly as the user reads it.
inline constexpr std::string_view appName = "Varnel";
inline constexpr std::string_view hideWindowCommand = "Скрыть окно Varnel";
inline constexpr std::string_view menuBarEnabled = "Varnel включён";
inline constexpr std::string_view menuBarDisabled = "Varnel выключен";
inline constexpr std::string_view menuBarSecureInput =
    "Varnel на паузе: macOS защищает ввод пароля";
inline constexpr std::string_view subtitle =
    "Одна кнопка превращает Mac-клавиатуру в полноценную Windows-клавиатуру.";
inline constexpr std::string_view activeBadge = "АКТИВНО";
// While a password field holds the keys and the notice is on.
inline constexpr std::string_view pausedTitle = "Windows-режим на паузе";
inline constexpr std::string_view pausedBadge = "ПАУЗА";
// The mode card after a start, while the mode stays on; sentences left out when their switch is
// off.
inline constexpr std::string_view noticeReady = "Готово.";
inline constexpr std::string_view noticeTyping =
    "Теперь Varnel сам печатает все буквы, цифры и знаки как Windows.";
inline constexpr std::string_view noticeAltShift =
    "Shift + Alt срабатывает сразу при нажатии второй клавиши.";
inline constexpr std::string_view noticeRestored =
    "Windows-режим снова включён, как при прошлом запуске Varnel.";
// Followed directly by the reason the system's layout did not switch.
inline constexpr std::string_view noticeLayoutWarning =
    "Windows-режим включён полностью. Системная раскладка macOS не переключилась, но встроенная "
    "раскладка Varnel уже печатает буквы и знаки правильно. ";
inline constexpr std::string_view modeOnButton = "Выключить и вернуть управление macOS";
inline constexpr std::string_view modeOffButton = "Сделать клавиатуру как в Windows";
inline constexpr std::string_view modeOnHint =
    "Все изменения применены. Окно можно закрыть или скрыть сочетанием Command + Q: Varnel "
    "продолжит работать в строке меню.";
inline constexpr std::string_view modeOffHint =
    "Нажмите один раз. Никакие сочетания вручную создавать не нужно.";
inline constexpr std::string_view secureInputNotice =
    "Пока вводится пароль, macOS приостанавливает переназначение.";
inline constexpr std::string_view permissionsTitle = "Разрешения macOS";
inline constexpr std::string_view accessibilityTitle = "Универсальный доступ";
inline constexpr std::string_view accessibilitySubtitle =
    "Нужен для отправки заменённых сочетаний.";
inline constexpr std::string_view inputMonitoringTitle = "Мониторинг ввода";
inline constexpr std::string_view inputMonitoringSubtitle = "Нужен для чтения нажатий клавиатуры.";
inline constexpr std::string_view openSettings = "Открыть настройки";
inline constexpr std::string_view requestPermissions = "Запросить разрешения";
inline constexpr std::string_view checkAgain = "Проверить снова";
inline constexpr std::string_view granted = "Разрешено";
inline constexpr std::string_view featuresTitle = "Что изменится автоматически";
inline constexpr std::string_view advancedTitle = "Дополнительные настройки";
inline constexpr std::string_view emergencyHint =
    "Аварийное отключение: Ctrl + Alt + Windows + Esc";
inline constexpr std::string_view launchAtLoginSwitch = "Запускать Varnel при входе";
inline constexpr std::string_view exclusionsTitle = "Приложения без переназначения";
inline constexpr std::string_view exclusionsHint =
    "Удалённые рабочие столы и виртуальные машины сами работают как Windows: в них Varnel не "
    "трогает ни клавиши, ни раскладку.";
inline constexpr std::string_view exclusionsEmpty = "Список пуст.";
// %1: the application's name.
inline constexpr std::string_view exclusionsAdd = "Добавить «%1»";
inline constexpr std::string_view exclusionsAddUnknown = "Добавить приложение, открытое до Varnel";
inline constexpr std::string_view exclusionsAddUnknownHint =
    "Переключитесь в нужное приложение, затем вернитесь в Varnel.";
inline constexpr std::string_view exclusionsRestore = "Вернуть предложенные";
inline constexpr std::string_view exclusionsRestoreNothing =
    "Предложенные приложения уже в списке или не установлены.";
// A virtual machine's windows of Windows applications; %1: the machine ("Parallels").
inline constexpr std::string_view exclusionsWindowsOf = "Окна приложений Windows из %1";
// Any other prefix; %1: the prefix.
inline constexpr std::string_view exclusionsPrefix = "Приложения «%1…»";
inline constexpr std::string_view exclusionsRemove = "Убрать";
// %1: the application's name.
inline constexpr std::string_view exclusionsRemoveName = "Убрать «%1» из списка";
inline constexpr std::string_view diagnosticsTitle = "Диагностика";
inline constexpr std::string_view diagTap = "Перехват событий";
inline constexpr std::string_view diagTapActive = "Работает";
inline constexpr std::string_view diagTapInactive = "Неактивен";
inline constexpr std::string_view diagLanguage = "Язык Varnel";
inline constexpr std::string_view diagInputSource = "Текущая раскладка";
inline constexpr std::string_view diagLastKey = "Последнее нажатие";
inline constexpr std::string_view diagResult = "Результат";
inline constexpr std::string_view diagProcessed = "Обработано";
inline constexpr std::string_view diagBlocked = "Заменено";
inline constexpr std::string_view diagFrontmost = "Активное приложение";
inline constexpr std::string_view diagLeftAlone = " · без переназначения";
inline constexpr std::string_view diagSecureInput = "Защищённый ввод";
inline constexpr std::string_view diagSecureInputOn = "Включён: переназначение на паузе";
inline constexpr std::string_view diagSecureInputOff = "Выключен";
inline constexpr std::string_view diagNotChecked = "Не проверяется";
inline constexpr std::string_view diagKeyboard = "Клавиатура";
inline constexpr std::string_view diagProfile = "Профиль";
inline constexpr std::string_view diagInTextField = " · в текстовом поле";
inline constexpr std::string_view diagOutsideTextField = " · вне текстового поля";
inline constexpr std::string_view applicationRulesTitle = "Правила для приложений";
inline constexpr std::string_view applicationRulesHint =
    "Терминалы, Finder, браузеры, редакторы кода и Office по-своему отвечают на привычные "
    "Windows-сочетания, поэтому у каждого свои правила. Выключенный профиль получает общие.";
inline constexpr std::string_view footer =
    "Закрытие окна и Command + Q только скрывают окно: Varnel продолжает работать в строке меню. "
    "Остановить переназначение можно кнопкой «Выключить и вернуть управление macOS» или пунктом "
    "«Выключить Windows-режим» в строке меню, а пункт «Завершить Varnel» там же закрывает "
    "программу. Из-за ограничений macOS переназначение не действует до входа в систему и в "
    "защищённых полях пароля.";
inline constexpr std::string_view alertButton = "Хорошо";
// Where the desktop has no tray, nothing could bring a hidden window back: closing quits.
inline constexpr std::string_view quitNotice =
    "Здесь нет области значков, из которой Varnel можно вернуть, поэтому закрытие окна "
    "завершает Varnel. Переназначение остановится до следующего запуска.";
inline constexpr std::string_view quitButton = "Завершить Varnel";
inline constexpr std::string_view cancelButton = "Отменить";
inline constexpr std::string_view menuModeOn = "Выключить Windows-режим";
inline constexpr std::string_view menuModeOff = "Включить Windows-режим";
inline constexpr std::string_view menuOpen = "Открыть Varnel";
inline constexpr std::string_view menuHide = "Скрыть окно, оставить работать";
inline constexpr std::string_view menuLaunchAtLogin = "Запускать при входе";
inline constexpr std::string_view menuStopHint =
    "Чтобы остановить переназначение, нажмите «Выключить Windows-режим».";
inline constexpr std::string_view menuQuit = "Завершить Varnel";

struct Feature {
    std::string_view before;
    std::string_view after;
    // The stored name of the switch that turns it off; empty for what the mode always does.
    std::string_view option;
};

// The tiles of "Что изменится автоматически", in order.
inline constexpr std::array<Feature, 15> features{{
    {"Все буквы и знаки", "Печатаются самим Varnel по Windows", "fullWindowsTyping"},
    {"Shift + Alt", "Мгновенно English ↔ Русская", "altShiftChangesLanguage"},
    {"Ctrl + C / V / X", "Копировать / вставить / вырезать", ""},
    {"Ctrl + ← / →", "Переход по словам", "windowsEditingShortcuts"},
    {"Ctrl + Backspace", "Удалить предыдущее слово", "windowsEditingShortcuts"},
    {"Ctrl + Tab", "Переключение вкладок", "windowsEditingShortcuts"},
    {"Клавиша Windows", "Spotlight, рабочий стол, окна", "windowsKeyShortcuts"},
    {"Alt + Tab", "Переключение приложений", ""},
    {"Alt + F4", "Закрытие приложения", "altF4QuitsApplication"},
    {"Home / End", "Начало / конец строки", "windowsHomeAndEnd"},
    {"Ctrl + Home / End", "Начало / конец документа", "windowsHomeAndEnd"},
    {"Print Screen", "Выбор области в буфер", "printScreenCopiesSelection"},
    {"Windows + Shift + S", "Снимок области в буфер", "printScreenCopiesSelection"},
    {"Windows + L", "Блокировка Mac", "windowsLockShortcut"},
    {"Ctrl + Shift + Esc", "Принудительное завершение", "windowsRecoveryShortcuts"},
}};
// The caption of a tile whose switch is off, by the group that holds the switch.
inline constexpr std::string_view featureOff = "Выключено в дополнительных настройках";
inline constexpr std::string_view featureOffInRules = "Выключено в правилах для приложений";

// The switch text of each field of KeyboardOptions shown in "Дополнительные настройки", in
// field order: the fields before those of "Правила для приложений".
inline constexpr std::array<std::string_view, 12> optionSwitches{
    "Shift + Alt мгновенно меняет язык",
    "Полная встроенная Windows-раскладка букв и знаков",
    "Синхронизировать системный индикатор языка macOS",
    "Windows-навигация и редактирование текста",
    "Print Screen копирует выбранную область",
    "Alt + F4 закрывает приложение",
    "Home и End работают как в Windows",
    "Windows + L блокирует Mac",
    "Windows-сочетания восстановления",
    "Ctrl + щелчок мышью как в Windows",
    "Показывать паузу на время ввода пароля",
    "ISO-клавиатура: ё и клавиша у левого Shift на своих местах",
};

// The switches of "Правила для приложений", by the KeyboardOptions field each one turns, with
// the applications (or the keys) it covers.
struct RuleSwitch {
    std::string_view field;
    std::string_view text;
    std::string_view covers;
};
inline constexpr std::array<RuleSwitch, 6> applicationRuleSwitches{{
    {"terminalProfile", "Терминалы: Ctrl + C прерывает программу",
     "Терминал, iTerm2, Warp, kitty, Alacritty, Ghostty, WezTerm, Hyper"},
    {"finderProfile", "Finder как Проводник: Enter, F2, Delete, Ctrl + X", "Finder"},
    {"browserProfile", "Браузеры: Home и End листают страницу",
     "Safari, Chrome, Firefox, Edge, Brave, Opera, Vivaldi, Arc"},
    {"codeEditorProfile", "Редакторы кода: F-клавиши для отладки",
     "VS Code, VSCodium, Cursor, Sublime Text, JetBrains IDE, Android Studio"},
    {"officeProfile", "Microsoft Office: Ctrl + Y повторяет, F2 правит ячейку",
     "Word, Excel, PowerPoint"},
    {"windowsKeyShortcuts", "Клавиша Windows как в Windows",
     "Нажатие открывает Spotlight, Windows + D показывает рабочий стол, Windows + Tab — Mission "
     "Control, Windows + стрелки ставят окно к краю (macOS 15 и новее). В терминалах это Control."},
}};

// The name of each application profile in the diagnostics, in the order of ApplicationProfile.
inline constexpr std::array<std::string_view, 6> profileNames{
    "Общие правила", "Терминал", "Finder", "Браузер", "Редактор кода", "Microsoft Office",
};

}  // namespace varnel::Texts
