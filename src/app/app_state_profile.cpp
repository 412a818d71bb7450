// The application in front as the mapping needs it: its profile from the table (as its switch
// allows), whether a text field has its focus, and what the system offers. Worked out on the
// main thread whenever one of them changes and handed to the engine as one value, so that no
// key waits for a string comparison or a question to another application.

#include "app/app_state.h"
#include "mapping/application_profiles.h"

namespace varnel {

namespace {

// macOS 15 tiles the front window with Fn + Control + arrows.
constexpr int firstVersionWithTiling = 15;

}  // namespace

void AppState::updateKeyContext() {
    const ApplicationKind kind = ApplicationProfiles::inForce(frontKind_, options_);
    // Another application's focus is asked for only while it matters: the mode is on and the
    // profile's rules differ in and out of a text field.
    followFocus(isModeEnabled_ && ApplicationProfiles::dependsOnFocus(kind.profile) && frontmost_ &&
                !frontmost_->isCurrentProcess);
    if (kind != applicationProfile_) {
        publish(applicationProfile_, kind);
    }
    KeyContext context;
    context.application = kind;
    context.textFocused = focusKind_ != KeyboardFocus::Kind::other;  // unknown: as before
    context.windowTiling = platform_.workspace.systemMajorVersion() >= firstVersionWithTiling;
    engine_->setKeyContext(context);
}

void AppState::followFocus(bool wanted) {
    if (!wanted) {
        focusFollowing_.reset();
        focusFollowed_.reset();
        if (focusKind_ != KeyboardFocus::Kind::unknown) {
            publish(focusKind_, KeyboardFocus::Kind::unknown);
        }
        return;
    }
    if (focusFollowed_ == frontmost_) {
        return;  // following it already
    }
    focusFollowing_.reset();  // one application's focus at a time
    KeyboardFocus::Following following =
        platform_.focus.follow(*frontmost_, [weak = weak_from_this()](KeyboardFocus::Kind kind) {
            if (auto self = weak.lock()) {
                self->focusChanged(kind);
            }
        });
    focusFollowing_ = std::move(following.token);
    focusFollowed_ = frontmost_;
    if (following.now != focusKind_) {
        publish(focusKind_, following.now);
    }
}

void AppState::focusChanged(KeyboardFocus::Kind kind) {
    if (!focusFollowing_) {
        return;  // a change reported as following ended
    }
    if (kind != focusKind_) {
        publish(focusKind_, kind);
    }
    updateKeyContext();
}

}  // namespace varnel
