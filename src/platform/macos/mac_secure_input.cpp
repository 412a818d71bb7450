#include "platform/macos/mac_secure_input.h"

#include <Carbon/Carbon.h>

namespace varnel {

bool MacSecureInput::isSecureEventInputEnabled() {
    return IsSecureEventInputEnabled() != 0;
}

}  // namespace varnel
