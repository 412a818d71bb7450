#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/decoded.h"

namespace varnel {

// The applications in which Varnel leaves the keyboard alone, by bundle identifier, in the
// order they were added. Remote desktops and virtual machines run Windows themselves:
// remapping in front of them maps twice. Identifiers compare without regard to ASCII case,
// as the system's do.
struct ExcludedApplications {
    std::vector<std::string> bundleIdentifiers;

    // A well-known remote-desktop or virtual-machine application: the identifier of the
    // application that shows the remote or guest screen.
    struct Suggestion {
        std::string_view bundleIdentifier;
        std::string_view application;
    };
    static const std::array<Suggestion, 8> suggestions;

    // Letters, digits, hyphens and periods, as a bundle identifier is made of.
    static bool isBundleIdentifier(std::string_view text);

    bool contains(std::string_view bundleIdentifier) const;
    // Adds at the end; false (nothing changes) when it is there already or not an identifier.
    bool add(std::string_view bundleIdentifier);
    // False when it was not there.
    bool remove(std::string_view bundleIdentifier);

    // Stored form: a JSON array of the identifiers, in order.
    std::string encoded() const;
    // Text that is not a JSON array fails. In an array, each identifier is kept once, in
    // order; anything else (a number, an empty or malformed text) is left out, so that one bad
    // entry costs none of the others.
    static Decoded<ExcludedApplications> decode(std::string_view data);

    friend bool operator==(const ExcludedApplications&, const ExcludedApplications&) = default;
};

// Where each identifier comes from: the public Homebrew cask of the application (its
// uninstall and zap entries name the application's container, preferences and saved state),
// and for Citrix the viewer that opens its .ica sessions.
inline const std::array<ExcludedApplications::Suggestion, 8> ExcludedApplications::suggestions{{
    {"com.microsoft.rdc.macos", "Windows App (Microsoft Remote Desktop)"},
    {"com.parallels.desktop.console", "Parallels Desktop"},
    {"com.vmware.fusion", "VMware Fusion"},
    {"com.utmapp.UTM", "UTM"},
    {"org.virtualbox.app.VirtualBoxVM", "VirtualBox (the window of a running machine)"},
    {"com.citrix.receiver.icaviewer.mac", "Citrix Workspace (Citrix Viewer, the session)"},
    {"com.p5sys.jump.mac.viewer.web", "Jump Desktop (from its website)"},
    {"com.p5sys.jump.mac.viewer", "Jump Desktop (from the App Store)"},
}};

}  // namespace varnel
