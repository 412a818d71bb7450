#pragma once

#include "app/app_state.h"
#include "platform/sim/manual_main_queue.h"
#include "platform/sim/memory_settings_store.h"
#include "platform/sim/sim_application_control.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_event_system.h"
#include "platform/sim/sim_input_sources.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_keyboard_focus.h"
#include "platform/sim/sim_login_items.h"
#include "platform/sim/sim_mouse.h"
#include "platform/sim/sim_permissions.h"
#include "platform/sim/sim_run_loop.h"
#include "platform/sim/sim_secure_input.h"
#include "platform/sim/sim_system_notifications.h"
#include "platform/sim/sim_workspace.h"

namespace varnel {

// A whole simulated Mac: every port in memory, and the wiring an application needs.
// A fresh one is the Mac varnel-sim starts from: both permissions granted; ABC (current),
// Russian – PC, U.S. and Russian installed on an ANSI keyboard; Varnel in /Applications, its
// login item not registered; empty defaults; the clock at 0; TextEdit frontmost with a text
// field focused, with Safari, Terminal, Finder, VS Code and Varnel installed (no remote desktop
// or virtual machine); secure input off; macOS 15. Creating a tap fails while Input Monitoring
// is denied; while Accessibility is, a new tap sees no key (and is refused when it asks for
// nothing else), and a running tap stalls and is disabled for timeout.
class SimMac {
  public:
    SimMac();
    SimMac(const SimMac&) = delete;
    SimMac& operator=(const SimMac&) = delete;

    AppPlatform platform();

    void settle() { runLoop.settle(); }
    void wait(double seconds) { runLoop.wait(seconds); }
    // The process ends: its queued work and its observers go with it.
    void forgetProcess();

    SimClock clock;
    ManualMainQueue mainQueue{clock};
    SimEventSystem events{clock};
    SimKeyboard keyboard{events};
    SimMouse mouse{events, keyboard};
    SimPermissions permissions;
    SimInputSources inputSources;
    SimLoginItems loginItems;
    MemorySettingsStore settings;
    SimSystemNotifications notifications;
    SimApplicationControl application;
    SimWorkspace workspace;
    SimKeyboardFocus focus;
    SimSecureInput secureInput;
    InputSourceManager inputSourceManager{inputSources};
    SimRunLoop runLoop{clock, events, mainQueue};
};

}  // namespace varnel
