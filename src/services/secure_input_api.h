#pragma once

namespace varnel {

// Secure keyboard input. While any process has it on (a focused password field, Terminal's
// Secure Keyboard Entry), the system shows the keys to no event tap: they reach the
// application as they are. Called on the main thread; cheap enough to ask every second.
class SecureInputApi {
  public:
    virtual ~SecureInputApi() = default;
    virtual bool isSecureEventInputEnabled() = 0;
};

}  // namespace varnel
