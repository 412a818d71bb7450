#pragma once

#include <string_view>

namespace varnel {

// The two privacy permissions Varnel's tap needs, and the system settings that grant them.
// Calls are made on the main thread; none waits for the user.
class PermissionApi {
  public:
    virtual ~PermissionApi() = default;

    // Whether the process is trusted for Accessibility (posting events).
    virtual bool isAccessibilityTrusted() = 0;
    // Shows the system's Accessibility prompt when the process is not yet trusted; the
    // prompt appears later, and the answer is whether the process is trusted now.
    virtual bool promptForAccessibility() = 0;
    // Whether the process may listen to keyboard events (Input Monitoring). Never prompts.
    virtual bool mayListenToEvents() = 0;
    // Shows the system's Input Monitoring request when access is not yet granted; the answer
    // is whether access is granted now.
    virtual bool requestListenToEvents() = 0;
    // Opens a URL given as text: false when the text is no URL or the system refuses.
    virtual bool openUrl(std::string_view text) = 0;
};

}  // namespace varnel
