#pragma once

#include "app/application_control.h"
#include "platform/qt/qt_application_control.h"

namespace varnel {

// The application on a Mac under Qt. Its windows are Qt's, so the key window closes through
// Qt, whose own close handling keeps its count of visible windows true (closed behind its
// back, a window could not be shown again). Hiding, activating and the activity are the
// system's.
class QtKeyWindowControl : public ApplicationControl {
  public:
    explicit QtKeyWindowControl(ApplicationControl& system) : system_(system) {}

    void closeKeyWindow() override { windows_.closeKeyWindow(); }
    void hideApplication() override { system_.hideApplication(); }
    void activateIgnoringOtherApps() override { system_.activateIgnoringOtherApps(); }
    void beginLatencyCriticalActivity() override { system_.beginLatencyCriticalActivity(); }
    void endLatencyCriticalActivity() override { system_.endLatencyCriticalActivity(); }

  private:
    ApplicationControl& system_;
    QtApplicationControl windows_;
};

}  // namespace varnel
