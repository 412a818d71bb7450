// varnel-screenshot: renders the main window and the menu to PNG files, over the simulated
// Mac on Qt's offscreen platform.
//
//     varnel-screenshot OUTPUT_DIR

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QScrollArea>
#include <cstdio>
#include <memory>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"
#include "ui/collapsible_group.h"
#include "ui/content_view.h"
#include "ui/menu_bar_menu.h"
#include "ui/varnel_app.h"

namespace {

using namespace varnel;

// One state of the application to picture.
struct Scene {
    SimMac mac;
    std::shared_ptr<AppState> state;
    std::unique_ptr<VarnelApp> shell;

    void launch() {
        state = AppState::make(mac.platform());
        mac.settle();
        shell = std::make_unique<VarnelApp>(*state);
    }
    void settle() {
        mac.settle();
        QApplication::processEvents();
        shell->contentView()->refreshNow();
    }
};

// The whole window, tall enough to show every section without scrolling.
bool saveWindow(Scene& scene, const QString& path, bool fullHeight) {
    QMainWindow* window = scene.shell->mainWindow();
    scene.shell->showMainWindow();
    scene.settle();
    scene.state->setBannerMessage(std::nullopt);  // the alert is pictured on its own
    scene.settle();
    window->resize(VarnelApp::defaultWidth, VarnelApp::defaultHeight);
    if (fullHeight) {
        auto* scroll = window->findChild<QScrollArea*>();
        scene.settle();
        const int contentHeight = scroll->widget()->sizeHint().height();
        window->resize(VarnelApp::defaultWidth, contentHeight + 4);
    }
    scene.settle();
    return window->grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
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
    bool ok = true;

    {
        Scene scene;
        scene.mac.permissions.inputMonitoring = false;
        scene.launch();
        scene.state->toggleMode();  // asks for the missing permission
        ok &= saveWindow(scene, out.filePath("window-permission-missing.png"), true);
        ok &= saveWindow(scene, out.filePath("window-default-size.png"), false);
    }
    {
        Scene scene;
        scene.launch();
        scene.state->toggleMode();
        for (std::uint16_t key : {59, 8}) {  // Ctrl + C
            scene.mac.keyboard.press(key);
            scene.mac.settle();
        }
        for (std::uint16_t key : {8, 59}) {
            scene.mac.keyboard.release(key);
            scene.mac.settle();
        }
        for (auto* group : scene.shell->contentView()->findChildren<CollapsibleGroup*>()) {
            group->setExpanded(group->objectName() == QStringLiteral("diagnosticsSection"));
        }
        ok &= saveWindow(scene, out.filePath("window-mode-on-diagnostics.png"), true);
        for (auto* group : scene.shell->contentView()->findChildren<CollapsibleGroup*>()) {
            group->setExpanded(true);
        }
        ok &= saveWindow(scene, out.filePath("window-all-open.png"), true);

        MenuBarMenu* menu = scene.shell->menu();
        menu->refresh();
        menu->adjustSize();
        ok &= menu->grab().save(out.filePath("menu.png"));
    }
    if (!ok) {
        std::fprintf(stderr, "varnel-screenshot: could not write the pictures\n");
        return 1;
    }
    return 0;
}
