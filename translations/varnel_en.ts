<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Interface</name>
    <message>
        <source>Скрыть окно Varnel</source>
        <translation>Hide Varnel Window</translation>
    </message>
    <message>
        <source>Varnel включён</source>
        <translation>Varnel is on</translation>
    </message>
    <message>
        <source>Varnel выключен</source>
        <translation>Varnel is off</translation>
    </message>
    <message>
        <source>Varnel на паузе: macOS защищает ввод пароля</source>
        <translation>Varnel is paused: macOS is protecting a password</translation>
    </message>
    <message>
        <source>Одна кнопка превращает Mac-клавиатуру в полноценную Windows-клавиатуру.</source>
        <translation>One button turns your Mac keyboard into a true Windows keyboard.</translation>
    </message>
    <message>
        <source>АКТИВНО</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Windows-режим на паузе</source>
        <translation>Windows mode is paused</translation>
    </message>
    <message>
        <source>ПАУЗА</source>
        <translation>PAUSED</translation>
    </message>
    <message>
        <source>Готово.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>Теперь Varnel сам печатает все буквы, цифры и знаки как Windows.</source>
        <translation>Varnel now types every letter, digit and symbol itself, as Windows does.</translation>
    </message>
    <message>
        <source>Shift + Alt срабатывает сразу при нажатии второй клавиши.</source>
        <translation>Shift + Alt switches the language as soon as you press the second key.</translation>
    </message>
    <message>
        <source>Windows-режим снова включён, как при прошлом запуске Varnel.</source>
        <translation>Windows mode is back on, as it was when Varnel last ran.</translation>
    </message>
    <message>
        <source>Windows-режим включён полностью. Системная раскладка macOS не переключилась, но встроенная раскладка Varnel уже печатает буквы и знаки правильно. </source>
        <translation>Windows mode is fully on. The macOS input source did not switch, but Varnel&apos;s built-in layout already types letters and symbols correctly. </translation>
    </message>
    <message>
        <source>Выключить и вернуть управление macOS</source>
        <translation>Turn Off and Give the Keyboard Back to macOS</translation>
    </message>
    <message>
        <source>Сделать клавиатуру как в Windows</source>
        <translation>Make the Keyboard Work Like Windows</translation>
    </message>
    <message>
        <source>Все изменения применены. Окно можно закрыть или скрыть сочетанием Command + Q: Varnel продолжит работать в строке меню.</source>
        <translation>All changes are in effect. You can close this window or hide it with Command + Q: Varnel keeps working from the menu bar.</translation>
    </message>
    <message>
        <source>Нажмите один раз. Никакие сочетания вручную создавать не нужно.</source>
        <translation>Click once. There are no shortcuts to set up by hand.</translation>
    </message>
    <message>
        <source>Пока вводится пароль, macOS приостанавливает переназначение.</source>
        <translation>While a password is being typed, macOS pauses the remapping.</translation>
    </message>
    <message>
        <source>Разрешения macOS</source>
        <translation>macOS Permissions</translation>
    </message>
    <message>
        <source>Универсальный доступ</source>
        <translation>Accessibility</translation>
    </message>
    <message>
        <source>Нужен для отправки заменённых сочетаний.</source>
        <translation>Needed to send the replacement shortcuts.</translation>
    </message>
    <message>
        <source>Мониторинг ввода</source>
        <translation>Input Monitoring</translation>
    </message>
    <message>
        <source>Нужен для чтения нажатий клавиатуры.</source>
        <translation>Needed to read the keys you press.</translation>
    </message>
    <message>
        <source>Открыть настройки</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>Запросить разрешения</source>
        <translation>Request Permissions</translation>
    </message>
    <message>
        <source>Проверить снова</source>
        <translation>Check Again</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>Что изменится автоматически</source>
        <translation>What Changes Automatically</translation>
    </message>
    <message>
        <source>Дополнительные настройки</source>
        <translation>More Settings</translation>
    </message>
    <message>
        <source>Аварийное отключение: Ctrl + Alt + Windows + Esc</source>
        <translation>Emergency stop: Ctrl + Alt + Windows + Esc</translation>
    </message>
    <message>
        <source>Запускать Varnel при входе</source>
        <translation>Open Varnel at login</translation>
    </message>
    <message>
        <source>Экспортировать настройки…</source>
        <translation>Export Settings…</translation>
    </message>
    <message>
        <source>Импортировать настройки…</source>
        <translation>Import Settings…</translation>
    </message>
    <message>
        <source>Файл переносит на другой Mac переключатели, язык Varnel, приложения без переназначения и автозапуск.</source>
        <translation>The file takes the switches, Varnel&apos;s language, the apps left alone and opening at login to another Mac.</translation>
    </message>
    <message>
        <source>Экспорт настроек Varnel</source>
        <translation>Export Varnel Settings</translation>
    </message>
    <message>
        <source>Импорт настроек Varnel</source>
        <translation>Import Varnel Settings</translation>
    </message>
    <message>
        <source>Настройки Varnel (%1)</source>
        <translation>Varnel settings (%1)</translation>
    </message>
    <message>
        <source>Настройки Varnel.json</source>
        <translation>Varnel Settings.json</translation>
    </message>
    <message>
        <source>Применить настройки из «%1»?</source>
        <translation>Apply the settings from “%1”?</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>включено</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выключено</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Приложения без переназначения</source>
        <translation>Apps Left Alone</translation>
    </message>
    <message>
        <source>Удалённые рабочие столы и виртуальные машины сами работают как Windows: в них Varnel не трогает ни клавиши, ни раскладку.</source>
        <translation>Remote desktops and virtual machines already work like Windows: in them Varnel touches neither the keys nor the input source.</translation>
    </message>
    <message>
        <source>Список пуст.</source>
        <translation>The list is empty.</translation>
    </message>
    <message>
        <source>Добавить «%1»</source>
        <translation>Add “%1”</translation>
    </message>
    <message>
        <source>Добавить приложение, открытое до Varnel</source>
        <translation>Add the App Open Before Varnel</translation>
    </message>
    <message>
        <source>Переключитесь в нужное приложение, затем вернитесь в Varnel.</source>
        <translation>Switch to the app you want, then come back to Varnel.</translation>
    </message>
    <message>
        <source>Вернуть предложенные</source>
        <translation>Restore Suggested</translation>
    </message>
    <message>
        <source>Предложенные приложения уже в списке или не установлены.</source>
        <translation>The suggested apps are already listed or not installed.</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Убрать «%1» из списка</source>
        <translation>Remove “%1” from the list</translation>
    </message>
    <message>
        <source>Диагностика</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>Перехват событий</source>
        <translation>Event tap</translation>
    </message>
    <message>
        <source>Работает</source>
        <translation>Working</translation>
    </message>
    <message>
        <source>Неактивен</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Язык Varnel</source>
        <translation>Varnel language</translation>
    </message>
    <message>
        <source>Текущая раскладка</source>
        <translation>Input source</translation>
    </message>
    <message>
        <source>Последнее нажатие</source>
        <translation>Last key</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Обработано</source>
        <translation>Processed</translation>
    </message>
    <message>
        <source>Заменено</source>
        <translation>Replaced</translation>
    </message>
    <message>
        <source>Активное приложение</source>
        <translation>Frontmost app</translation>
    </message>
    <message>
        <source> · без переназначения</source>
        <translation> · left alone</translation>
    </message>
    <message>
        <source>Защищённый ввод</source>
        <translation>Secure input</translation>
    </message>
    <message>
        <source>Включён: переназначение на паузе</source>
        <translation>On: remapping paused</translation>
    </message>
    <message>
        <source>Выключен</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Не проверяется</source>
        <translation>Not checked</translation>
    </message>
    <message>
        <source>Клавиатура</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Профиль</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source> · в текстовом поле</source>
        <translation> · in a text field</translation>
    </message>
    <message>
        <source> · вне текстового поля</source>
        <translation> · outside a text field</translation>
    </message>
    <message>
        <source>Правила для приложений</source>
        <translation>Rules for Apps</translation>
    </message>
    <message>
        <source>Терминалы, Finder, браузеры, редакторы кода и Office по-своему отвечают на привычные Windows-сочетания, поэтому у каждого свои правила. Выключенный профиль получает общие.</source>
        <translation>Terminals, Finder, browsers, code editors and Office each answer familiar Windows shortcuts in their own way, so each has its own rules. A profile that is off gets the standard ones.</translation>
    </message>
    <message>
        <source>Закрытие окна и Command + Q только скрывают окно: Varnel продолжает работать в строке меню. Остановить переназначение можно кнопкой «Выключить и вернуть управление macOS» или пунктом «Выключить Windows-режим» в строке меню, а пункт «Завершить Varnel» там же закрывает программу. Из-за ограничений macOS переназначение не действует до входа в систему и в защищённых полях пароля.</source>
        <translation>Closing the window and Command + Q only hide it: Varnel keeps working in the menu bar. To stop the remapping, click “Turn Off and Give the Keyboard Back to macOS” or choose “Turn Off Windows Mode” in the menu bar; “Quit Varnel” there quits the app. Because of limits in macOS, the remapping does not work before you log in or in secure password fields.</translation>
    </message>
    <message>
        <source>Хорошо</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Здесь нет области значков, из которой Varnel можно вернуть, поэтому закрытие окна завершает Varnel. Переназначение остановится до следующего запуска.</source>
        <translation>There is no tray here to bring Varnel back from, so closing the window quits Varnel. The remapping stops until Varnel is opened again.</translation>
    </message>
    <message>
        <source>Завершить Varnel</source>
        <translation>Quit Varnel</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Выключить Windows-режим</source>
        <translation>Turn Off Windows Mode</translation>
    </message>
    <message>
        <source>Включить Windows-режим</source>
        <translation>Turn On Windows Mode</translation>
    </message>
    <message>
        <source>Открыть Varnel</source>
        <translation>Open Varnel</translation>
    </message>
    <message>
        <source>Скрыть окно, оставить работать</source>
        <translation>Hide Window, Keep Working</translation>
    </message>
    <message>
        <source>Запускать при входе</source>
        <translation>Open at Login</translation>
    </message>
    <message>
        <source>Чтобы остановить переназначение, нажмите «Выключить Windows-режим».</source>
        <translation>To stop the remapping, choose “Turn Off Windows Mode”.</translation>
    </message>
    <message>
        <source>Службы</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Скрыть %1</source>
        <translation>Hide %1</translation>
    </message>
    <message>
        <source>Скрыть остальные</source>
        <translation>Hide Others</translation>
    </message>
    <message>
        <source>Показать все</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Настройки…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>О программе %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Все буквы и знаки</source>
        <translation>All letters and symbols</translation>
    </message>
    <message>
        <source>Печатаются самим Varnel по Windows</source>
        <translation>Typed by Varnel itself, as on Windows</translation>
    </message>
    <message>
        <source>Shift + Alt</source>
        <translation>Shift + Alt</translation>
    </message>
    <message>
        <source>Мгновенно English ↔ Русская</source>
        <translation>English ↔ Russian at once</translation>
    </message>
    <message>
        <source>Ctrl + C / V / X</source>
        <translation>Ctrl + C / V / X</translation>
    </message>
    <message>
        <source>Копировать / вставить / вырезать</source>
        <translation>Copy / paste / cut</translation>
    </message>
    <message>
        <source>Ctrl + ← / →</source>
        <translation>Ctrl + ← / →</translation>
    </message>
    <message>
        <source>Переход по словам</source>
        <translation>Move by words</translation>
    </message>
    <message>
        <source>Ctrl + Backspace</source>
        <translation>Ctrl + Backspace</translation>
    </message>
    <message>
        <source>Удалить предыдущее слово</source>
        <translation>Delete the previous word</translation>
    </message>
    <message>
        <source>Ctrl + Tab</source>
        <translation>Ctrl + Tab</translation>
    </message>
    <message>
        <source>Переключение вкладок</source>
        <translation>Switch tabs</translation>
    </message>
    <message>
        <source>Клавиша Windows</source>
        <translation>Windows key</translation>
    </message>
    <message>
        <source>Spotlight, рабочий стол, окна</source>
        <translation>Spotlight, desktop, windows</translation>
    </message>
    <message>
        <source>Alt + Tab</source>
        <translation>Alt + Tab</translation>
    </message>
    <message>
        <source>Переключение приложений</source>
        <translation>Switch apps</translation>
    </message>
    <message>
        <source>Alt + F4</source>
        <translation>Alt + F4</translation>
    </message>
    <message>
        <source>Закрытие приложения</source>
        <translation>Quit the app</translation>
    </message>
    <message>
        <source>Home / End</source>
        <translation>Home / End</translation>
    </message>
    <message>
        <source>Начало / конец строки</source>
        <translation>Start / end of the line</translation>
    </message>
    <message>
        <source>Ctrl + Home / End</source>
        <translation>Ctrl + Home / End</translation>
    </message>
    <message>
        <source>Начало / конец документа</source>
        <translation>Start / end of the document</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Выбор области в буфер</source>
        <translation>Selected area to the clipboard</translation>
    </message>
    <message>
        <source>Windows + Shift + S</source>
        <translation>Windows + Shift + S</translation>
    </message>
    <message>
        <source>Снимок области в буфер</source>
        <translation>Area screenshot to the clipboard</translation>
    </message>
    <message>
        <source>Windows + L</source>
        <translation>Windows + L</translation>
    </message>
    <message>
        <source>Блокировка Mac</source>
        <translation>Lock the Mac</translation>
    </message>
    <message>
        <source>Ctrl + Shift + Esc</source>
        <translation>Ctrl + Shift + Esc</translation>
    </message>
    <message>
        <source>Принудительное завершение</source>
        <translation>Force quit</translation>
    </message>
    <message>
        <source>Выключено в дополнительных настройках</source>
        <translation>Off in More Settings</translation>
    </message>
    <message>
        <source>Выключено в правилах для приложений</source>
        <translation>Off in Rules for Apps</translation>
    </message>
    <message>
        <source>Shift + Alt мгновенно меняет язык</source>
        <translation>Shift + Alt switches the language at once</translation>
    </message>
    <message>
        <source>Полная встроенная Windows-раскладка букв и знаков</source>
        <translation>Full built-in Windows layout for letters and symbols</translation>
    </message>
    <message>
        <source>Синхронизировать системный индикатор языка macOS</source>
        <translation>Sync the macOS input menu</translation>
    </message>
    <message>
        <source>Windows-навигация и редактирование текста</source>
        <translation>Windows navigation and text editing</translation>
    </message>
    <message>
        <source>Print Screen копирует выбранную область</source>
        <translation>Print Screen copies a selected area</translation>
    </message>
    <message>
        <source>Alt + F4 закрывает приложение</source>
        <translation>Alt + F4 quits the app</translation>
    </message>
    <message>
        <source>Home и End работают как в Windows</source>
        <translation>Home and End work as on Windows</translation>
    </message>
    <message>
        <source>Windows + L блокирует Mac</source>
        <translation>Windows + L locks the Mac</translation>
    </message>
    <message>
        <source>Windows-сочетания восстановления</source>
        <translation>Windows recovery shortcuts</translation>
    </message>
    <message>
        <source>Ctrl + щелчок мышью как в Windows</source>
        <translation>Ctrl + click as on Windows</translation>
    </message>
    <message>
        <source>Показывать паузу на время ввода пароля</source>
        <translation>Show the pause while a password is typed</translation>
    </message>
    <message>
        <source>ISO-клавиатура: ё и клавиша у левого Shift на своих местах</source>
        <translation>ISO keyboard: the keys left of 1 and of Z in their places</translation>
    </message>
    <message>
        <source>Терминалы: Ctrl + C прерывает программу</source>
        <translation>Terminals: Ctrl + C interrupts the program</translation>
    </message>
    <message>
        <source>Терминал, iTerm2, Warp, kitty, Alacritty, Ghostty, WezTerm, Hyper</source>
        <translation>Terminal, iTerm2, Warp, kitty, Alacritty, Ghostty, WezTerm, Hyper</translation>
    </message>
    <message>
        <source>Finder как Проводник: Enter, F2, Delete, Ctrl + X</source>
        <translation>Finder as File Explorer: Enter, F2, Delete, Ctrl + X</translation>
    </message>
    <message>
        <source>Finder</source>
        <translation>Finder</translation>
    </message>
    <message>
        <source>Браузеры: Home и End листают страницу</source>
        <translation>Browsers: Home and End scroll the page</translation>
    </message>
    <message>
        <source>Safari, Chrome, Firefox, Edge, Brave, Opera, Vivaldi, Arc</source>
        <translation>Safari, Chrome, Firefox, Edge, Brave, Opera, Vivaldi, Arc</translation>
    </message>
    <message>
        <source>Редакторы кода: F-клавиши для отладки</source>
        <translation>Code editors: function keys for debugging</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Sublime Text, JetBrains IDE, Android Studio</source>
        <translation>VS Code, VSCodium, Cursor, Sublime Text, JetBrains IDE, Android Studio</translation>
    </message>
    <message>
        <source>Microsoft Office: Ctrl + Y повторяет, F2 правит ячейку</source>
        <translation>Microsoft Office: Ctrl + Y redoes, F2 edits a cell</translation>
    </message>
    <message>
        <source>Word, Excel, PowerPoint</source>
        <translation>Word, Excel, PowerPoint</translation>
    </message>
    <message>
        <source>Клавиша Windows как в Windows</source>
        <translation>The Windows key as on Windows</translation>
    </message>
    <message>
        <source>Нажатие открывает Spotlight, Windows + D показывает рабочий стол, Windows + Tab — Mission Control, Windows + стрелки ставят окно к краю (macOS 15 и новее). В терминалах это Control.</source>
        <translation>Pressed alone it opens Spotlight, Windows + D shows the desktop, Windows + Tab opens Mission Control, Windows + arrows tile the window (macOS 15 and later). In terminals it is Control.</translation>
    </message>
    <message>
        <source>Общие правила</source>
        <translation>Standard rules</translation>
    </message>
    <message>
        <source>Терминал</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Браузер</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Редактор кода</source>
        <translation>Code editor</translation>
    </message>
    <message>
        <source>Microsoft Office</source>
        <translation>Microsoft Office</translation>
    </message>
    <message>
        <source>Перенос настроек</source>
        <translation>Transfer Settings</translation>
    </message>
    <message>
        <source>Окна приложений Windows из %1</source>
        <translation>Windows application windows from %1</translation>
    </message>
    <message>
        <source>Приложения «%1…»</source>
        <translation>Applications “%1…”</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Настройки не импортированы: файл не удалось прочитать.</source>
        <translation>The settings were not imported: the file could not be read.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: файл пуст.</source>
        <translation>The settings were not imported: the file is empty.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: файл больше 1 МБ, а настройки Varnel занимают несколько килобайт.</source>
        <translation>The settings were not imported: the file is larger than 1 MB, and Varnel&apos;s settings take a few kilobytes.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: в файле слишком глубокая вложенность.</source>
        <translation>The settings were not imported: the file is nested too deeply.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: файл обрывается на середине.</source>
        <translation>The settings were not imported: the file breaks off in the middle.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: файл не в формате JSON.</source>
        <translation>The settings were not imported: the file is not in JSON format.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: это не файл настроек Varnel.</source>
        <translation>The settings were not imported: this is not a Varnel settings file.</translation>
    </message>
    <message>
        <source>Настройки не импортированы: файл сохранён более новой версией Varnel.</source>
        <translation>The settings were not imported: the file was saved by a newer version of Varnel.</translation>
    </message>
    <message>
        <source> · системная: </source>
        <translation> · system: </translation>
    </message>
    <message>
        <source>Не удалось изменить автозапуск: </source>
        <translation>Could not change opening at login: </translation>
    </message>
    <message>
        <source>macOS не смогла включить системную раскладку. Код ошибки: </source>
        <translation>macOS could not enable the system input source. Error code: </translation>
    </message>
    <message>
        <source>macOS не смогла переключить системную раскладку. Код ошибки: </source>
        <translation>macOS could not switch the system input source. Error code: </translation>
    </message>
    <message>
        <source>. Встроенная раскладка Varnel продолжит работать.</source>
        <translation>. Varnel&apos;s built-in layout keeps working.</translation>
    </message>
    <message>
        <source>Windows-текст: </source>
        <translation>Windows text: </translation>
    </message>
    <message>
        <source>Клавиша (код </source>
        <translation>Key (code </translation>
    </message>
    <message>
        <source>English · Windows</source>
        <translation>English · Windows</translation>
    </message>
    <message>
        <source>Русская · Windows</source>
        <translation>Russian · Windows</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Запуск…</source>
        <translation>Starting…</translation>
    </message>
    <message>
        <source>Windows-режим работает</source>
        <translation>Windows mode is on</translation>
    </message>
    <message>
        <source>Нужны разрешения</source>
        <translation>Permissions needed</translation>
    </message>
    <message>
        <source>Безопасный режим</source>
        <translation>Safe mode</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не найдена системная раскладка «Русская — ПК». Встроенная раскладка Varnel всё равно продолжит печатать по Windows.</source>
        <translation>The system input source “Russian – PC” was not found. Varnel&apos;s built-in layout still types as Windows does.</translation>
    </message>
    <message>
        <source>Не найдена английская раскладка ABC или U.S. При этом встроенная раскладка Varnel всё равно продолжит печатать правильно.</source>
        <translation>No ABC or U.S. input source was found. Varnel&apos;s built-in layout still types correctly.</translation>
    </message>
    <message>
        <source>Неизвестно</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Настройки сохранены в «%1».</source>
        <translation>The settings were saved to “%1”.</translation>
    </message>
    <message>
        <source>Настройки не сохранены: файл «%1» не удалось записать.</source>
        <translation>The settings were not saved: “%1” could not be written.</translation>
    </message>
    <message>
        <source>Настройки из «%1» применены.</source>
        <translation>The settings from “%1” are applied.</translation>
    </message>
    <message>
        <source>В «%1» те же настройки, что уже действуют.</source>
        <translation>“%1” has the same settings as those already in effect.</translation>
    </message>
    <message>
        <source>Пропущено то, чего эта версия Varnel не знает: %1.</source>
        <translation>Left out what this version of Varnel does not know: %1.</translation>
    </message>
    <message>
        <source>Пропущено то, что не удалось прочитать: %1.</source>
        <translation>Left out what could not be read: %1.</translation>
    </message>
    <message>
        <source>macOS отозвала необходимое разрешение.</source>
        <translation>macOS withdrew a permission Varnel needs.</translation>
    </message>
    <message>
        <source>Разрешите Varnel в двух разделах настроек, затем вернитесь и нажмите «Проверить снова».</source>
        <translation>Allow Varnel in both panes of System Settings, then come back and click “Check Again”.</translation>
    </message>
    <message>
        <source>Windows-режим аварийно отключён сочетанием Ctrl + Alt + Windows + Esc.</source>
        <translation>Windows mode was stopped by the emergency shortcut Ctrl + Alt + Windows + Esc.</translation>
    </message>
    <message>
        <source>macOS не разрешила создать перехват клавиатуры. Проверьте Accessibility и Input Monitoring.</source>
        <translation>macOS did not allow a keyboard event tap. Check Accessibility and Input Monitoring.</translation>
    </message>
    <message>
        <source>Не удалось подключить обработчик к системному циклу событий.</source>
        <translation>The event tap could not be attached to the system&apos;s event loop.</translation>
    </message>
    <message>
        <source>Аварийное отключение</source>
        <translation>Emergency stop</translation>
    </message>
    <message>
        <source>За одну секунду возникло слишком много событий. Переназначение отключено, чтобы клавиши не зациклились.</source>
        <translation>Too many events arrived within one second. The remapping was turned off so that the keys cannot loop.</translation>
    </message>
    <message>
        <source>Ctrl + Shift + C → копировать (терминал)</source>
        <translation>Ctrl + Shift + C → copy (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + Shift + V → вставить (терминал)</source>
        <translation>Ctrl + Shift + V → paste (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + Shift + T → новая вкладка (терминал)</source>
        <translation>Ctrl + Shift + T → new tab (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + Shift + W → закрыть вкладку (терминал)</source>
        <translation>Ctrl + Shift + W → close tab (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + Shift + N → новое окно (терминал)</source>
        <translation>Ctrl + Shift + N → new window (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + Shift + F → поиск (терминал)</source>
        <translation>Ctrl + Shift + F → find (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + буква → управляющий символ (терминал)</source>
        <translation>Ctrl + letter → control character (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + Backspace → удалить слово (терминал)</source>
        <translation>Ctrl + Backspace → delete word (terminal)</translation>
    </message>
    <message>
        <source>Ctrl + клавиша → как есть (терминал)</source>
        <translation>Ctrl + key → as typed (terminal)</translation>
    </message>
    <message>
        <source>Enter → открыть (Finder)</source>
        <translation>Enter → open (Finder)</translation>
    </message>
    <message>
        <source>F2 → переименовать (Finder)</source>
        <translation>F2 → rename (Finder)</translation>
    </message>
    <message>
        <source>Delete → в Корзину (Finder)</source>
        <translation>Delete → move to Trash (Finder)</translation>
    </message>
    <message>
        <source>Shift + Delete → удалить сразу (Finder спросит)</source>
        <translation>Shift + Delete → delete immediately (Finder asks)</translation>
    </message>
    <message>
        <source>Ctrl + D → в Корзину (Finder)</source>
        <translation>Ctrl + D → move to Trash (Finder)</translation>
    </message>
    <message>
        <source>Backspace → назад (Finder)</source>
        <translation>Backspace → back (Finder)</translation>
    </message>
    <message>
        <source>Alt + Enter → свойства (Finder)</source>
        <translation>Alt + Enter → get info (Finder)</translation>
    </message>
    <message>
        <source>Alt + Up → папка выше (Finder)</source>
        <translation>Alt + Up → enclosing folder (Finder)</translation>
    </message>
    <message>
        <source>Ctrl + X → вырезать файлы (Finder)</source>
        <translation>Ctrl + X → cut files (Finder)</translation>
    </message>
    <message>
        <source>Ctrl + V → переместить файлы (Finder)</source>
        <translation>Ctrl + V → move files (Finder)</translation>
    </message>
    <message>
        <source>F5 → ничего (Finder обновляется сам)</source>
        <translation>F5 → nothing (Finder refreshes itself)</translation>
    </message>
    <message>
        <source>Ctrl + E → поиск (Finder)</source>
        <translation>Ctrl + E → search (Finder)</translation>
    </message>
    <message>
        <source>Ctrl + L → перейти к папке (Finder)</source>
        <translation>Ctrl + L → go to folder (Finder)</translation>
    </message>
    <message>
        <source>Alt + D → перейти к папке (Finder)</source>
        <translation>Alt + D → go to folder (Finder)</translation>
    </message>
    <message>
        <source>Alt + F4 → закрыть окно (Finder)</source>
        <translation>Alt + F4 → close window (Finder)</translation>
    </message>
    <message>
        <source>Ctrl + H → история (браузер)</source>
        <translation>Ctrl + H → history (browser)</translation>
    </message>
    <message>
        <source>Ctrl + F5 → обновить без кэша (Safari)</source>
        <translation>Ctrl + F5 → reload without cache (Safari)</translation>
    </message>
    <message>
        <source>Shift + F5 → обновить без кэша (Safari)</source>
        <translation>Shift + F5 → reload without cache (Safari)</translation>
    </message>
    <message>
        <source>F11 → полноэкранный режим (браузер)</source>
        <translation>F11 → full screen (browser)</translation>
    </message>
    <message>
        <source>F12 → инструменты разработчика (браузер)</source>
        <translation>F12 → developer tools (browser)</translation>
    </message>
    <message>
        <source>Alt + D → адресная строка (браузер)</source>
        <translation>Alt + D → address bar (browser)</translation>
    </message>
    <message>
        <source>F6 → адресная строка (браузер)</source>
        <translation>F6 → address bar (browser)</translation>
    </message>
    <message>
        <source>Ctrl + F5 → запуск без отладки (редактор)</source>
        <translation>Ctrl + F5 → run without debugging (editor)</translation>
    </message>
    <message>
        <source>Alt + Left → назад (редактор)</source>
        <translation>Alt + Left → go back (editor)</translation>
    </message>
    <message>
        <source>Alt + Right → вперёд (редактор)</source>
        <translation>Alt + Right → go forward (editor)</translation>
    </message>
    <message>
        <source>Ctrl + G → перейти к строке (редактор)</source>
        <translation>Ctrl + G → go to line (editor)</translation>
    </message>
    <message>
        <source>Ctrl + ` → терминал (редактор)</source>
        <translation>Ctrl + ` → terminal (editor)</translation>
    </message>
    <message>
        <source>Ctrl + Y → повторить (Office)</source>
        <translation>Ctrl + Y → redo (Office)</translation>
    </message>
    <message>
        <source>F2 → изменить ячейку (Excel)</source>
        <translation>F2 → edit cell (Excel)</translation>
    </message>
    <message>
        <source>Ctrl + Home или End → начало или конец листа (Excel)</source>
        <translation>Ctrl + Home or End → start or end of the sheet (Excel)</translation>
    </message>
    <message>
        <source>Ctrl + стрелка → край данных (Excel)</source>
        <translation>Ctrl + arrow → edge of the data (Excel)</translation>
    </message>
    <message>
        <source>Ctrl + Page Up или Down → другой лист (Excel)</source>
        <translation>Ctrl + Page Up or Down → another sheet (Excel)</translation>
    </message>
    <message>
        <source>Shift + F5 → обновить без кэша</source>
        <translation>Shift + F5 → reload without cache</translation>
    </message>
    <message>
        <source>F5 → обновить</source>
        <translation>F5 → reload</translation>
    </message>
    <message>
        <source>Shift + Insert → вставить</source>
        <translation>Shift + Insert → paste</translation>
    </message>
    <message>
        <source>Shift + Delete → вырезать</source>
        <translation>Shift + Delete → cut</translation>
    </message>
    <message>
        <source>End → конец строки</source>
        <translation>End → end of line</translation>
    </message>
    <message>
        <source>Home → начало строки</source>
        <translation>Home → start of line</translation>
    </message>
    <message>
        <source>Ctrl + Shift + Tab → предыдущая вкладка</source>
        <translation>Ctrl + Shift + Tab → previous tab</translation>
    </message>
    <message>
        <source>Ctrl + Tab → следующая вкладка</source>
        <translation>Ctrl + Tab → next tab</translation>
    </message>
    <message>
        <source>Ctrl + F5 → обновить без кэша</source>
        <translation>Ctrl + F5 → reload without cache</translation>
    </message>
    <message>
        <source>Выделение по словам или абзацам</source>
        <translation>Select by words or paragraphs</translation>
    </message>
    <message>
        <source>Переход по словам или абзацам</source>
        <translation>Move by words or paragraphs</translation>
    </message>
    <message>
        <source>Ctrl + Delete → удалить следующее слово</source>
        <translation>Ctrl + Delete → delete the next word</translation>
    </message>
    <message>
        <source>Ctrl + Backspace → удалить предыдущее слово</source>
        <translation>Ctrl + Backspace → delete the previous word</translation>
    </message>
    <message>
        <source>Ctrl + Y → повторить действие</source>
        <translation>Ctrl + Y → redo</translation>
    </message>
    <message>
        <source>Ctrl + F4 → закрыть вкладку или документ</source>
        <translation>Ctrl + F4 → close tab or document</translation>
    </message>
    <message>
        <source>Ctrl + Insert → копировать</source>
        <translation>Ctrl + Insert → copy</translation>
    </message>
    <message>
        <source>Ctrl + End → конец документа</source>
        <translation>Ctrl + End → end of document</translation>
    </message>
    <message>
        <source>Ctrl + Home → начало документа</source>
        <translation>Ctrl + Home → start of document</translation>
    </message>
    <message>
        <source>Windows + D → показать рабочий стол</source>
        <translation>Windows + D → show desktop</translation>
    </message>
    <message>
        <source>Windows + E → окно Finder</source>
        <translation>Windows + E → Finder window</translation>
    </message>
    <message>
        <source>Windows + . → эмодзи и символы</source>
        <translation>Windows + . → emoji and symbols</translation>
    </message>
    <message>
        <source>Windows + Left → окно в левую половину</source>
        <translation>Windows + Left → window to the left half</translation>
    </message>
    <message>
        <source>Windows + Right → окно в правую половину</source>
        <translation>Windows + Right → window to the right half</translation>
    </message>
    <message>
        <source>Windows + Up → развернуть окно</source>
        <translation>Windows + Up → fill the screen</translation>
    </message>
    <message>
        <source>Windows + Down → прежний размер окна</source>
        <translation>Windows + Down → previous window size</translation>
    </message>
    <message>
        <source>Print Screen → снимок области в буфер</source>
        <translation>Print Screen → area screenshot to the clipboard</translation>
    </message>
    <message>
        <source>Alt + F4 → закрыть приложение</source>
        <translation>Alt + F4 → quit the app</translation>
    </message>
    <message>
        <source>Alt + Right → вперёд</source>
        <translation>Alt + Right → forward</translation>
    </message>
    <message>
        <source>Alt + Left → назад</source>
        <translation>Alt + Left → back</translation>
    </message>
    <message>
        <source>Alt + Space → ничего (не печатать невидимый пробел)</source>
        <translation>Alt + Space → nothing (no invisible space typed)</translation>
    </message>
    <message>
        <source>Ctrl + Alt + Delete → принудительное завершение</source>
        <translation>Ctrl + Alt + Delete → force quit</translation>
    </message>
    <message>
        <source>Ctrl + Shift + Esc → принудительное завершение</source>
        <translation>Ctrl + Shift + Esc → force quit</translation>
    </message>
    <message>
        <source>Windows + Shift + S → снимок области в буфер</source>
        <translation>Windows + Shift + S → area screenshot to the clipboard</translation>
    </message>
    <message>
        <source>Windows + L → заблокировать Mac</source>
        <translation>Windows + L → lock the Mac</translation>
    </message>
    <message>
        <source>Ctrl + Windows + Left → рабочий стол слева</source>
        <translation>Ctrl + Windows + Left → desktop on the left</translation>
    </message>
    <message>
        <source>Ctrl + Windows + Right → рабочий стол справа</source>
        <translation>Ctrl + Windows + Right → desktop on the right</translation>
    </message>
</context>
<context>
    <name>SelfCheck</name>
    <message>
        <source>нет: действуют настройки по умолчанию</source>
        <translation>absent: the defaults are used</translation>
    </message>
    <message>
        <source>%1 Б, не читается (%2): их заменяют настройки по умолчанию</source>
        <translation>%1 bytes, unreadable (%2): the defaults replace it</translation>
    </message>
    <message>
        <source>%1 Б: %2</source>
        <translation>%1 bytes: %2</translation>
    </message>
    <message>
        <source>нет: язык следует текущему источнику ввода</source>
        <translation>absent: the language follows the current input source</translation>
    </message>
    <message>
        <source>%1, не язык: решает текущий источник ввода</source>
        <translation>%1, not a language: the current input source decides</translation>
    </message>
    <message>
        <source>нет: первый запуск оставит без переназначения установленные удалённые рабочие столы и виртуальные машины, следующий — ни одного приложения</source>
        <translation>absent: a first start leaves the installed remote desktops and virtual machines alone, a later one none</translation>
    </message>
    <message>
        <source>не читается (%1): его заменяет пустой список</source>
        <translation>unreadable (%1): an empty list replaces it</translation>
    </message>
    <message>
        <source>нет: первый запуск из папки «Программы» включит запуск при входе, следующий оставит его как есть</source>
        <translation>absent: a first start turns start at login on from Applications, a later one leaves it as it is</translation>
    </message>
    <message>
        <source>%1: первый запуск из папки «Программы» включит запуск при входе</source>
        <translation>%1: the first start from Applications turns start at login on</translation>
    </message>
    <message>
        <source>%1: запуск при входе меняет только пользователь</source>
        <translation>%1: only the user changes start at login</translation>
    </message>
    <message>
        <source>%1, не читается: запуск при входе меняет только пользователь</source>
        <translation>%1, unreadable: only the user changes start at login</translation>
    </message>
    <message>
        <source>Самопроверка Varnel</source>
        <translation>Varnel self-check</translation>
    </message>
    <message>
        <source>(без идентификатора)</source>
        <translation>(no identifier)</translation>
    </message>
    <message>
        <source>Запуск: через Launch Services; разрешения ниже — собственные разрешения Varnel</source>
        <translation>Started by: Launch Services; the permissions below are Varnel&apos;s own</translation>
    </message>
    <message>
        <source>%1 в %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>приложению, которое его запустило</source>
        <translation>the application that started it</translation>
    </message>
    <message>
        <source>Запуск: %1, не через Launch Services: разрешения, перехват и эхо ниже относятся к %2, а не к Varnel</source>
        <translation>Started by: %1, not through Launch Services: the permissions, the tap and the echo below are those of %2, not Varnel&apos;s</translation>
    </message>
    <message>
        <source>Запустите как Varnel: %1</source>
        <translation>Run it as Varnel: %1</translation>
    </message>
    <message>
        <source>Универсальный доступ: разрешён</source>
        <translation>Accessibility: granted</translation>
    </message>
    <message>
        <source>Универсальный доступ: не разрешён (Системные настройки → Конфиденциальность и безопасность → Универсальный доступ)</source>
        <translation>Accessibility: not granted (System Settings → Privacy &amp; Security → Accessibility)</translation>
    </message>
    <message>
        <source>Мониторинг ввода: разрешён</source>
        <translation>Input Monitoring: granted</translation>
    </message>
    <message>
        <source>Мониторинг ввода: не разрешён (Системные настройки → Конфиденциальность и безопасность → Мониторинг ввода)</source>
        <translation>Input Monitoring: not granted (System Settings → Privacy &amp; Security → Input Monitoring)</translation>
    </message>
    <message>
        <source>Защищённый ввод с клавиатуры: включён (поле пароля или защищённый ввод в Терминале); пока он не выключен, ни один перехват не видит клавиш</source>
        <translation>Secure keyboard input: on (a password field or Terminal&apos;s Secure Keyboard Entry); no tap sees keys until it is off</translation>
    </message>
    <message>
        <source>Защищённый ввод с клавиатуры: выключен</source>
        <translation>Secure keyboard input: off</translation>
    </message>
    <message>
        <source>Источники ввода: установлено %1, текущий %2</source>
        <translation>Input sources: %1 installed, current %2</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Для английского: %1</source>
        <translation>For English: %1</translation>
    </message>
    <message>
        <source>Для английского: нет раскладки ABC или U.S.; Varnel всё равно печатает по-английски по своей раскладке</source>
        <translation>For English: no ABC or U.S. layout; Varnel still types English from its own layout</translation>
    </message>
    <message>
        <source>Для русского: %1</source>
        <translation>For Russian: %1</translation>
    </message>
    <message>
        <source>Для русского: нет раскладки «Русская – ПК»; Varnel всё равно печатает по-русски по своей раскладке</source>
        <translation>For Russian: no Russian PC layout; Varnel still types Russian from its own layout</translation>
    </message>
    <message>
        <source>Клавиатура: ANSI</source>
        <translation>Keyboard: ANSI</translation>
    </message>
    <message>
        <source>Клавиатура: ISO (клавиши слева от 1 и слева от Z обмениваются кодами; Varnel печатает то, что на них нарисовано)</source>
        <translation>Keyboard: ISO (the keys left of 1 and left of Z trade codes; Varnel types what is printed on them)</translation>
    </message>
    <message>
        <source>Клавиатура: JIS</source>
        <translation>Keyboard: JIS</translation>
    </message>
    <message>
        <source>Объект входа: включён</source>
        <translation>Login item: enabled</translation>
    </message>
    <message>
        <source>Объект входа: не зарегистрирован (запуск при входе выключен)</source>
        <translation>Login item: not registered (start at login is off)</translation>
    </message>
    <message>
        <source>Объект входа: ждёт одобрения (Системные настройки → Основные → Объекты входа)</source>
        <translation>Login item: requires approval (System Settings → General → Login Items)</translation>
    </message>
    <message>
        <source>Объект входа: не найден (запускайте Varnel.app из папки «Программы», а не с образа диска и не из перемещённой копии)</source>
        <translation>Login item: not found (run Varnel.app from Applications, not from the disk image or a moved copy)</translation>
    </message>
    <message>
        <source>Объект входа: неизвестное состояние %1</source>
        <translation>Login item: unknown status %1</translation>
    </message>
    <message>
        <source>Расположение: %1</source>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>Расположение: %1 (не в папке «Программы»: отсюда Varnel не будет запускаться при входе)</source>
        <translation>Location: %1 (not in Applications: Varnel will not start at login from here)</translation>
    </message>
    <message>
        <source>Перехват клавиатуры: система отказала в перехвате только для чтения</source>
        <translation>Keyboard tap: the system refused a listen-only tap</translation>
    </message>
    <message>
        <source>Эхо события: нет перехвата, которым слушать</source>
        <translation>Event echo: no tap to listen with</translation>
    </message>
    <message>
        <source>Перехват клавиатуры: перехват только для чтения создан</source>
        <translation>Keyboard tap: a listen-only tap was created</translation>
    </message>
    <message>
        <source>Эхо события: не проверено, для отправки событий нужен Универсальный доступ</source>
        <translation>Event echo: not tried, posting events needs Accessibility</translation>
    </message>
    <message>
        <source>Эхо события: событие с меткой Varnel отправлено и не вернулось</source>
        <translation>Event echo: an event posted with Varnel&apos;s marker never came back</translation>
    </message>
    <message>
        <source>Эхо события: событие с меткой Varnel отправлено и вернулось</source>
        <translation>Event echo: an event posted with Varnel&apos;s marker came back</translation>
    </message>
    <message>
        <source>Настройки: user defaults, домен %1</source>
        <translation>Settings: user defaults %1</translation>
    </message>
    <message>
        <source>Система: %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>Готово: Varnel может переназначать клавиатуру.</source>
        <translation>Ready: Varnel can remap the keyboard.</translation>
    </message>
    <message>
        <source>Не готово: см. строки FAIL.</source>
        <translation>Not ready: see the FAIL lines.</translation>
    </message>
    <message>
        <source>Не проверено: это не собственные разрешения Varnel (см. строку «Запуск»).</source>
        <translation>Not verified: these are not Varnel&apos;s own permissions (see &quot;Started by&quot;).</translation>
    </message>
</context>
</TS>
