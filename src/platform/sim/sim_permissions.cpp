#include "platform/sim/sim_permissions.h"

namespace varnel {

namespace {

// A URL has a scheme: a letter, then letters, digits, "+", "-" or ".", then ":".
bool looksLikeUrl(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) {
        return false;
    }
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!letter && (i == 0 || !other)) {
            return false;
        }
    }
    return text.find(' ') == std::string_view::npos;
}

}  // namespace

bool SimPermissions::promptForAccessibility() {
    ++accessibilityPrompts;
    return accessibility;
}

bool SimPermissions::requestListenToEvents() {
    ++inputMonitoringRequests;
    return inputMonitoring;
}

bool SimPermissions::openUrl(std::string_view text) {
    urlsTried.emplace_back(text);
    if (!looksLikeUrl(text)) {
        return false;
    }
    const auto answer = urlAnswers.find(text);
    const bool opens = answer == urlAnswers.end() ? opensUrlsByDefault : answer->second;
    if (opens) {
        urlsOpened.emplace_back(text);
    }
    return opens;
}

}  // namespace varnel
