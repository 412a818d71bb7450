// Start at login: a new installation turns it on once, at its first start from an Applications
// folder; from then on, and for anyone who used Varnel before, only the user changes it.

#include "app/app_state.h"
#include "model/message_parts.h"

namespace varnel {

// A value that cannot be read leaves start at login to the user: Varnel never adds a login
// item it is not sure it may add.
void AppState::loadLaunchAtLoginRecord(bool freshInstall) {
    const std::optional<std::string> stored = platform_.settings.string(launchAtLoginKey);
    registersLoginItemAtStart_ = stored ? *stored == loginItemAtFirstStart : freshInstall;
    platform_.settings.setString(launchAtLoginKey, registersLoginItemAtStart_
                                                       ? loginItemAtFirstStart
                                                       : loginItemUserDecides);
}

void AppState::leaveLaunchAtLoginToTheUser() {
    if (registersLoginItemAtStart_) {
        registersLoginItemAtStart_ = false;
        platform_.settings.setString(launchAtLoginKey, loginItemUserDecides);
    }
}

// Run from a disk image, a translocated copy or a build folder, a login item would start
// whatever happens to be there later: the registration waits for a start from Applications.
void AppState::registerLoginItemAtFirstStart() {
    if (!registersLoginItemAtStart_ || !launchAtLoginManager_.runsFromApplicationsFolder()) {
        return;
    }
    leaveLaunchAtLoginToTheUser();
    // Nobody asked for it: a refusal is not reported, and the switch shows the real status.
    launchAtLoginManager_.setEnabled(true);
    publish(launchAtLogin_, launchAtLoginManager_.isEnabled());
}

void AppState::setLaunchAtLogin(bool wanted, bool silently) {
    leaveLaunchAtLoginToTheUser();
    const std::optional<LoginItemError> error = launchAtLoginManager_.setEnabled(wanted);
    publish(launchAtLogin_, launchAtLoginManager_.isEnabled());
    if (error && !silently) {
        publish(bannerMessage_,
                std::string(MessageParts::loginItemFailure) + error->localizedDescription);
    }
}

}  // namespace varnel
