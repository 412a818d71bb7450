#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/keyboard_type.h"

namespace varnel {

// One installed input source (keyboard layout): the platform's opaque handle with the two
// properties Varnel reads, each of which may be absent.
struct InputSource {
    std::shared_ptr<const void> handle;
    std::optional<std::string> identifier;     // "com.apple.keylayout.ABC", say
    std::optional<std::string> localizedName;  // the name shown to the user
};

// The system's input sources. Called on the main thread only.
class InputSourceApi {
  public:
    virtual ~InputSourceApi() = default;

    // Every installed input source, enabled or not, in the platform's order; empty when the
    // platform gives no list. Slow on a Mac with many sources: asked only when no identifier
    // Varnel knows is installed.
    virtual std::vector<InputSource> installedSources() = 0;
    // The installed sources, enabled or not, with exactly this identifier (at most one, in
    // practice): the system filters, nothing else is listed.
    virtual std::vector<InputSource> sourcesWithIdentifier(std::string_view identifier) = 0;
    // The current keyboard input source, or none.
    virtual std::optional<InputSource> currentKeyboardSource() = 0;
    // Each returns the platform's status code, 0 for success. After a successful select the
    // source is the current one.
    virtual int enable(const InputSource& source) = 0;
    virtual int select(const InputSource& source) = 0;

    // The physical layout of the keyboard typed on last: ISO or JIS when the system says so,
    // ANSI for any other answer. Cheap enough to ask every second.
    virtual KeyboardType physicalKeyboardType() = 0;
};

}  // namespace varnel
