#include "platform/sim/sim_mac.h"

namespace varnel {

SimMac::SimMac() {
    permissions.accessibility = true;
    permissions.inputMonitoring = true;
    inputSources.add("com.apple.keylayout.ABC", "ABC");
    inputSources.add("com.apple.keylayout.RussianWin", "Russian – PC");
    inputSources.add("com.apple.keylayout.US", "U.S.");
    inputSources.add("com.apple.keylayout.Russian", "Russian");
    inputSources.makeCurrent("com.apple.keylayout.ABC");
    events.tapAllowed = [this] { return permissions.inputMonitoring; };
    events.processTrusted = [this] { return permissions.accessibility; };
    events.secureInput = [this] { return secureInput.enabled; };
}

AppPlatform SimMac::platform() {
    return {events,      mainQueue,          settings,   notifications, application,
            permissions, inputSourceManager, loginItems, workspace,     secureInput,
            focus};
}

void SimMac::forgetProcess() {
    mainQueue.clear();
    notifications.removeAllObservers();
    workspace.removeAllObservers();
}

}  // namespace varnel
