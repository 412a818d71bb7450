#pragma once

#include "app/workspace.h"

namespace varnel {

// The shared NSWorkspace: the frontmost application, its activations (on the workspace's
// notification centre, delivered on the main operation queue), and the installed
// applications Launch Services knows, with their names and icons.
class MacWorkspace : public Workspace {
  public:
    std::optional<Application> frontmostApplication() override;
    ObserverToken observeActivations(std::function<void(const Application&)> handler) override;
    std::optional<std::string> installedApplicationName(std::string_view bundleIdentifier) override;
    std::optional<std::string> applicationIcon(std::string_view bundleIdentifier,
                                               int pixels) override;
    // NSProcessInfo's operatingSystemVersion.
    int systemMajorVersion() override;
};

}  // namespace varnel
