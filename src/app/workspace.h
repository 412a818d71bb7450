#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/system_notifications.h"

namespace varnel {

// The applications of the user's session: which one is frontmost and when that changes, and
// which are installed, with the names and icons the Finder shows. Main thread only.
class Workspace {
  public:
    // A running application as the system names it.
    struct Application {
        std::string bundleIdentifier;   // "" for one without (a bare executable)
        bool isCurrentProcess = false;  // Varnel itself
        int processIdentifier = 0;      // 0 when unknown

        friend bool operator==(const Application&, const Application&) = default;
    };

    virtual ~Workspace() = default;

    // The frontmost application now, or none.
    virtual std::optional<Application> frontmostApplication() = 0;
    // `handler` runs on the main thread each time an application becomes frontmost, with that
    // application, for as long as the token lives.
    virtual ObserverToken observeActivations(std::function<void(const Application&)> handler) = 0;
    // The name of the installed application with this identifier, none when the system knows
    // no such application.
    virtual std::optional<std::string> installedApplicationName(
        std::string_view bundleIdentifier) = 0;
    // The application's icon as PNG data, `pixels` wide and high; none when the system has
    // none for it (it knows no such application).
    virtual std::optional<std::string> applicationIcon(std::string_view bundleIdentifier,
                                                       int pixels) = 0;
    // The major version of the system (15 for macOS 15): which of its shortcuts exist.
    virtual int systemMajorVersion() = 0;
};

}  // namespace varnel
