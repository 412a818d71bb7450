// varnel-screenshot: renders the main window, the alert and the menu to PNG files, over the
// simulated Mac on Qt's offscreen platform, in light and dark, in Russian and in English.
//
//     varnel-screenshot OUTPUT_DIR

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <cstdio>
#include <initializer_list>
#include <memory>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"
#include "ui/alert.h"
#include "ui/collapsible_group.h"
#include "ui/content_view.h"
#include "ui/menu_bar_menu.h"
#include "ui/settings_file_panel.h"
#include "ui/theme.h"
#include "ui/translation.h"
#include "ui/varnel_app.h"

namespace {

using namespace varnel;

// Qt's notes about the offscreen platform (no tray, no raise, no runtime folder) mean nothing
// to the reader of the pictures; only real trouble is printed.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "varnel-screenshot: %s\n", qPrintable(message));
    }
}

// One state of the application to picture.
struct Scene {
    SimMac mac;
    std::shared_ptr<AppState> state;
    std::unique_ptr<VarnelApp> shell;

    explicit Scene(const QPalette& palette) { QApplication::setPalette(palette); }

    void launch() {
        state = AppState::make(mac.platform());
        mac.settle();
        // The pictures show a Mac, which always has its menu bar.
        shell = std::make_unique<VarnelApp>(*state, VarnelApp::Desktop{[] { return true; }, [] {}});
    }
    void settle() {
        mac.settle();
        QApplication::processEvents();
        shell->contentView()->refreshNow();
    }
    void keys(std::initializer_list<std::uint16_t> down) {
        for (std::uint16_t key : down) {
            mac.keyboard.press(key);
            mac.settle();
        }
        for (auto key = std::rbegin(down); key != std::rend(down); ++key) {
            mac.keyboard.release(*key);
            mac.settle();
        }
    }
    void expand(bool advanced, bool diagnostics) {
        for (auto* group : shell->contentView()->findChildren<CollapsibleGroup*>()) {
            group->setExpanded(group->objectName() == QStringLiteral("diagnosticsSection")
                                   ? diagnostics
                                   : advanced);
        }
    }
    // Only the group of this name open.
    void expandOnly(const QString& name) {
        for (auto* group : shell->contentView()->findChildren<CollapsibleGroup*>()) {
            group->setExpanded(group->objectName() == name);
        }
    }
};

// A stand-in for an application's icon, as the system would give it: a rounded tile in the
// application's colour with its initials, drawn at `pixels` and encoded as PNG.
std::string standInIcon(const QColor& color, const QString& initials, int pixels = 40) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(pixels * 0.06, pixels * 0.06, pixels * 0.88, pixels * 0.88);
    QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
    gradient.setColorAt(0, color.lighter(125));
    gradient.setColorAt(1, color);
    QPainterPath path;
    path.addRoundedRect(tile, pixels * 0.2, pixels * 0.2);
    painter.fillPath(path, gradient);
    QFont font = painter.font();
    font.setPixelSize(pixels * (initials.size() > 2 ? 0.28 : 0.38));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(tile, Qt::AlignCenter, initials);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toStdString();
}

// Remote desktops and virtual machines on this Mac before Varnel's first start, which
// therefore leaves them alone from the start; then the user was in Safari before opening
// Varnel's window.
void installRemoteDesktops(SimMac& mac) {
    mac.workspace.install("com.microsoft.rdc.macos", "Windows App",
                          standInIcon(QColor(0x1f, 0x6f, 0xd6), QStringLiteral("W")));
    mac.workspace.install("com.parallels.desktop.console", "Parallels Desktop",
                          standInIcon(QColor(0xc8, 0x2a, 0x2a), QStringLiteral("PD")));
    mac.workspace.install("com.utmapp.UTM", "UTM",
                          standInIcon(QColor(0x3a, 0x5b, 0xa8), QStringLiteral("UTM")));
    mac.workspace.activate("com.apple.Safari");
}

// The mode on, Varnel's window in front after Safari, a letter typed (from the keyboard the
// diagnostics name) and Ctrl + C just after: the diagnostics have something to show.
void launchWorkingAfterCtrlC(Scene& scene) {
    installRemoteDesktops(scene.mac);
    scene.launch();
    scene.mac.workspace.activate(std::string(SimWorkspace::varnelIdentifier));
    scene.state->toggleMode();
    scene.keys({0});      // A
    scene.keys({59, 8});  // Ctrl + C
}

// The mode on while macOS holds the keys for a password field.
void launchWorkingDuringSecureInput(Scene& scene) {
    scene.mac.secureInput.enabled = true;
    scene.launch();
    scene.state->toggleMode();
}

enum class Height { full, given };

// The window at `size`, or as tall as its content with Height::full.
bool saveWindow(Scene& scene, const QString& path, QSize size, Height height) {
    QMainWindow* window = scene.shell->mainWindow();
    scene.shell->showMainWindow();
    scene.settle();
    scene.state->setBannerMessage(std::nullopt);  // the alert is pictured on its own
    scene.settle();
    window->resize(size);
    if (height == Height::full) {
        const QWidget* page = window->findChild<QScrollArea*>()->widget();
        scene.settle();
        window->resize(size.width(), page->hasHeightForWidth() ? page->heightForWidth(size.width())
                                                               : page->sizeHint().height());
    }
    scene.settle();
    return window->grab().save(path);
}

const QSize defaultSize(VarnelApp::defaultWidth, VarnelApp::defaultHeight);
const QSize minimumSize(VarnelApp::minimumWidth, VarnelApp::minimumHeight);

bool lightPictures(const QDir& out) {
    bool ok = true;
    {
        Scene scene(Theme::lightPalette());
        scene.mac.permissions.inputMonitoring = false;
        scene.launch();
        scene.state->toggleMode();  // asks for the missing permission
        ok &= saveWindow(scene, out.filePath("window-permission-missing.png"), defaultSize,
                         Height::full);
        ok &=
            saveWindow(scene, out.filePath("window-default-size.png"), defaultSize, Height::given);
    }
    {
        Scene scene(Theme::lightPalette());
        scene.mac.permissions.accessibility = false;
        scene.mac.permissions.inputMonitoring = false;
        scene.launch();
        ok &= saveWindow(scene, out.filePath("window-permissions-minimum.png"), minimumSize,
                         Height::given);
    }
    {
        Scene scene(Theme::lightPalette());
        launchWorkingDuringSecureInput(scene);
        ok &=
            saveWindow(scene, out.filePath("window-secure-input.png"), defaultSize, Height::given);
    }
    {
        Scene scene(Theme::lightPalette());
        launchWorkingAfterCtrlC(scene);
        scene.expand(false, true);
        ok &= saveWindow(scene, out.filePath("window-mode-on-diagnostics.png"), defaultSize,
                         Height::full);
        scene.expand(true, true);
        // A switch turned off: its tile says so.
        KeyboardOptions options = scene.state->options();
        options.altF4QuitsApplication = false;
        scene.state->setOptions(options);
        ok &= saveWindow(scene, out.filePath("window-all-open.png"), defaultSize, Height::full);
        // The rules for applications at the narrowest, where their texts wrap the most.
        scene.expandOnly(QStringLiteral("applicationRulesSection"));
        ok &=
            saveWindow(scene, out.filePath("window-rules-minimum.png"), minimumSize, Height::full);

        MenuBarMenu* menu = scene.shell->menu();
        menu->refresh();
        menu->adjustSize();
        ok &= menu->grab().save(out.filePath("menu.png"));

        // The emergency chord, and its alert.
        scene.shell->showMainWindow();
        scene.keys({59, 58, 55, 53});
        scene.settle();
        Alert* alert = scene.shell->contentView()->alert();
        ok &= alert && alert->grab().save(out.filePath("alert.png"));
    }
    return ok;
}

bool darkPictures(const QDir& out) {
    bool ok = true;
    {
        Scene scene(Theme::darkPalette());
        launchWorkingAfterCtrlC(scene);
        scene.expand(true, true);
        ok &= saveWindow(scene, out.filePath("window-dark.png"), defaultSize, Height::full);
        scene.expandOnly(QStringLiteral("applicationRulesSection"));
        ok &= saveWindow(scene, out.filePath("window-dark-rules-minimum.png"), minimumSize,
                         Height::full);
    }
    {
        Scene scene(Theme::darkPalette());
        launchWorkingDuringSecureInput(scene);
        ok &= saveWindow(scene, out.filePath("window-dark-secure-input-minimum.png"), minimumSize,
                         Height::given);
    }
    {
        // Opened in light, then the system turns dark, as a Mac does at dusk.
        Scene scene(Theme::lightPalette());
        scene.mac.permissions.accessibility = false;
        scene.mac.permissions.inputMonitoring = false;
        scene.launch();
        scene.shell->showMainWindow();
        scene.shell->mainWindow()->resize(minimumSize);
        scene.settle();
        scene.shell->mainWindow()->grab();  // painted once in light
        QApplication::setPalette(Theme::darkPalette());
        ok &=
            saveWindow(scene, out.filePath("window-dark-switched.png"), minimumSize, Height::given);
    }
    return ok;
}

// The window and the menu in English, as a Mac whose first language is English shows them: at
// the default size and, where English texts run longer or shorter, at the narrowest.
bool englishPictures(const QDir& out) {
    const Translation english(Translation::Language::english);
    bool ok = true;
    {
        Scene scene(Theme::lightPalette());
        launchWorkingAfterCtrlC(scene);
        scene.keys({0});  // A, typed by Varnel itself
        scene.expand(true, true);
        ok &= saveWindow(scene, out.filePath("window-english.png"), defaultSize, Height::full);

        MenuBarMenu* menu = scene.shell->menu();
        menu->refresh();
        menu->adjustSize();
        ok &= menu->grab().save(out.filePath("menu-english.png"));

        // The import's question, before anything is applied.
        const QString file = QDir::temp().filePath(QStringLiteral("Varnel Settings.json"));
        auto* panel = scene.shell->contentView()->findChild<SettingsFilePanel*>();
        KeyboardOptions options = scene.state->options();
        options.windowsLockShortcut = false;
        options.terminalProfile = false;
        scene.state->setOptions(options);
        panel->exportTo(file);
        options.windowsLockShortcut = true;
        options.terminalProfile = true;
        scene.state->setOptions(options);
        scene.state->removeExcludedApplication("com.utmapp.UTM");
        panel->importFrom(file);
        scene.settle();
        ok &= panel->alert() && panel->alert()->grab().save(out.filePath("import-english.png"));
        panel->alert()->hide();
        QFile::remove(file);
    }
    {
        Scene scene(Theme::darkPalette());
        launchWorkingAfterCtrlC(scene);
        scene.expand(true, true);
        ok &= saveWindow(scene, out.filePath("window-english-dark-minimum.png"), minimumSize,
                         Height::full);
    }
    {
        Scene scene(Theme::lightPalette());
        scene.mac.permissions.accessibility = false;
        scene.mac.permissions.inputMonitoring = false;
        scene.launch();
        ok &= saveWindow(scene, out.filePath("window-english-permissions-minimum.png"), minimumSize,
                         Height::given);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varnel-screenshot OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    const bool ok = lightPictures(out) && darkPictures(out) && englishPictures(out);
    if (!ok) {
        std::fprintf(stderr, "varnel-screenshot: could not write the pictures\n");
        return 1;
    }
    return 0;
}
