#pragma once

#include <cstdint>
#include <string>

namespace varnel {

// What only the system itself can tell the self-check. Called on the main thread, before the
// application's event loop runs; nothing here prompts or changes a setting.
class SelfCheckProbe {
  public:
    // How a listen-only keyboard tap fared, and one event posted through it.
    enum class TapEcho {
        refused,    // the system refused the tap (Input Monitoring is missing)
        notPosted,  // the tap was created; nothing was posted
        lost,       // the event was posted and never came back through the tap
        echoed,     // it came back through the tap with its marker
    };

    // Who started this process. macOS answers a process's questions about its permissions
    // for the application it was started from: for a process started in a terminal, for the
    // terminal. Only a start through Launch Services (by launchd) reads Varnel's own.
    struct Starter {
        bool launchServices = false;
        std::string process;      // otherwise: the parent's executable ("zsh")
        std::string application;  // and the application above it ("Terminal"), if one is found
    };

    virtual ~SelfCheckProbe() = default;

    // The system and its version, as the system words it.
    virtual std::string systemVersion() = 0;
    // Whether some process has secure keyboard input on; no tap sees keys meanwhile.
    virtual bool secureEventInputEnabled() = 0;
    // The user defaults domain the settings are stored in.
    virtual std::string settingsDomain() = 0;
    virtual Starter starter() = 0;
    // Creates a listen-only tap for key events. When `post` is true, posts one event that no
    // application acts on, carrying `marker` in its user data, and waits a moment for it.
    virtual TapEcho tapEcho(bool post, std::int64_t marker) = 0;
};

}  // namespace varnel
