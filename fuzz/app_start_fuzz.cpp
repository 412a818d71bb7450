// The controller's start from arbitrary stored user defaults: never a crash, and options
// that cannot be read fall back to the defaults, member by member (and are written back at
// once, keeping members of other names).
//
// The input is split at the first two zero bytes: the stored options (data), the stored
// language (text), and one byte that says how "modeEnabled" and each value's type are set.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"

namespace {

std::string_view take(std::string_view& rest) {
    const auto end = rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view options = take(rest);
    const std::string_view language = take(rest);
    const unsigned char how = rest.empty() ? 0 : static_cast<unsigned char>(rest.front());

    SimMac mac;
    // Each value stored with its own type, or now and then with another one.
    if (how & 1) {
        mac.settings.setString(AppState::optionsKey, options);
    } else {
        mac.settings.setData(AppState::optionsKey, options);
    }
    if (how & 2) {
        mac.settings.setData(AppState::typingLanguageKey, language);
    } else {
        mac.settings.setString(AppState::typingLanguageKey, language);
    }
    if (how & 4) {
        mac.settings.setBool(AppState::modeEnabledKey, (how & 8) != 0);
    } else if (how & 8) {
        mac.settings.setString(AppState::modeEnabledKey, "true");
    }
    mac.permissions.inputMonitoring = (how & 16) == 0;

    auto state = AppState::make(mac.platform());
    mac.wait(1.0);  // the delayed restore, if any

    const auto decoded = KeyboardOptions::decode(options);
    const KeyboardOptions expected =
        (how & 1) == 0 && decoded.ok() ? decoded.value() : KeyboardOptions::windowsDefaults;
    const std::string_view storedBefore = (how & 1) == 0 ? options : std::string_view{};
    if (state->options() != expected ||
        mac.settings.data(AppState::optionsKey) != expected.encoded(storedBefore)) {
        std::abort();
    }
    return 0;
}
