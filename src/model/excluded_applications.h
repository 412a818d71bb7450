#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "model/decoded.h"

namespace varnel {

// The applications in which Varnel leaves the keyboard alone, by bundle identifier, in the
// order they were added. Remote desktops and virtual machines run Windows themselves:
// remapping in front of them maps twice. Identifiers compare without regard to ASCII case,
// as the system's do. An entry that ends in a period is a prefix: a virtual machine shows each
// Windows application in a window of its own, under an identifier of its own that begins with
// the machine's prefix ("com.parallels.winapp.3f2a…").
struct ExcludedApplications {
    std::vector<std::string> bundleIdentifiers;

    // A well-known remote-desktop or virtual-machine entry: the identifier of the application
    // that shows the remote or guest screen, or the prefix of the windows a virtual machine
    // shows Windows applications in. It is suggested while `installedWith` (when empty, the
    // application itself) is installed; a prefix's windows are named after `product`.
    struct Suggestion {
        std::string_view bundleIdentifier;
        std::string_view application;
        std::string_view installedWith = {};
        std::string_view product = {};

        std::string_view installedAs() const {
            return installedWith.empty() ? bundleIdentifier : installedWith;
        }
    };
    static const std::array<Suggestion, 15> suggestions;
    // The suggestion of this entry, if it is one.
    static const Suggestion* suggestionFor(std::string_view entry);

    // Letters, digits, hyphens and periods, as a bundle identifier is made of; or a prefix.
    static bool isBundleIdentifier(std::string_view text);
    // An identifier of two parts or more followed by a period ("com.parallels.winapp."): two
    // at least, so that no entry leaves a whole top-level domain alone.
    static bool isPrefix(std::string_view entry);

    // Whether the list holds this entry.
    bool contains(std::string_view entry) const;
    // Whether the application with this identifier is left alone: an entry names it, or it
    // begins with a prefix on the list.
    bool leavesAlone(std::string_view bundleIdentifier) const;
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
    // The same from a JSON value; `skipped`, when given, gets the index of each entry left out
    // for not being an identifier (a repeated one is not counted).
    static Decoded<ExcludedApplications> fromJson(const nlohmann::json& json,
                                                  std::vector<std::size_t>* skipped = nullptr);

    friend bool operator==(const ExcludedApplications&, const ExcludedApplications&) = default;
};

// Where each identifier comes from: the public Homebrew cask of the application (its
// uninstall and zap entries name the application's container, preferences and saved state);
// for Citrix the viewers that open its .ica sessions: the current one is named by an earlier
// cask, the one of older releases (com.citrix.XenAppViewer) by none; for the virtual
// machines' windows of Windows applications, the prefix their identifiers share.
inline const std::array<ExcludedApplications::Suggestion, 15> ExcludedApplications::suggestions{{
    {"com.microsoft.rdc.macos", "Windows App (Microsoft Remote Desktop)"},
    {"com.parallels.desktop.console", "Parallels Desktop"},
    {"com.parallels.winapp.", "Parallels Desktop's windows of Windows applications (Coherence)",
     "com.parallels.desktop.console", "Parallels"},
    {"com.vmware.fusion", "VMware Fusion"},
    {"com.vmware.proxyApp.", "VMware Fusion's windows of Windows applications (Unity)",
     "com.vmware.fusion", "VMware Fusion"},
    {"com.utmapp.UTM", "UTM"},
    {"org.virtualbox.app.VirtualBoxVM", "VirtualBox (the window of a running machine)"},
    {"com.citrix.receiver.icaviewer.mac", "Citrix Workspace (Citrix Viewer, the session)"},
    {"com.citrix.XenAppViewer", "Citrix Viewer of older Citrix Workspace and Receiver versions"},
    {"com.p5sys.jump.mac.viewer.web", "Jump Desktop (from its website)"},
    {"com.p5sys.jump.mac.viewer", "Jump Desktop (from the App Store)"},
    {"com.teamviewer.TeamViewer", "TeamViewer"},
    {"com.vmware.horizon", "VMware Horizon Client"},
    {"com.realvnc.vncviewer", "RealVNC Viewer"},
    {"tv.parsec.www", "Parsec"},
}};

}  // namespace varnel
