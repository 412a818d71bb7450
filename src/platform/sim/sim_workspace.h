#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/workspace.h"

namespace varnel {

// The simulated Mac's applications: the installed ones with their names (and, if a test
// gives one, an icon), and the frontmost one; and the system's version. Varnel itself is
// installed as "app.varnel.Varnel"; activating it is what clicking its window does.
class SimWorkspace : public Workspace {
  public:
    static constexpr std::string_view varnelIdentifier = "app.varnel.Varnel";

    SimWorkspace();

    std::optional<Application> frontmostApplication() override;
    ObserverToken observeActivations(std::function<void(const Application&)> handler) override;
    std::optional<std::string> installedApplicationName(std::string_view bundleIdentifier) override;
    std::optional<std::string> applicationIcon(std::string_view bundleIdentifier,
                                               int pixels) override;
    int systemMajorVersion() override { return systemVersion; }

    // The simulated macOS's major version.
    int systemVersion = 15;

    void install(std::string bundleIdentifier, std::string name, std::string pngIcon = {});
    // False when no such application is installed.
    bool uninstall(std::string_view bundleIdentifier);
    // Makes the application frontmost (installed or not) and tells every observer, in the
    // order they were added.
    void activate(std::string bundleIdentifier);
    const std::string& frontmost() const { return frontmost_; }
    // Forgets every observer, as when the observing process ends.
    void removeAllObservers() { observers_.clear(); }

  private:
    struct Installed {
        std::string name;
        std::string icon;  // PNG data, or empty
        int processIdentifier;
    };
    Application describe(const std::string& bundleIdentifier) const;

    std::map<std::string, Installed, std::less<>> installed_;
    std::string frontmost_;
    int nextProcessIdentifier_ = 100;  // each installed application runs as its own process
    std::vector<std::function<void(const Application&)>> observers_;
};

}  // namespace varnel
