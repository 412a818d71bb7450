// The application in front and its focus, as the owner hands them over: the mapping decides
// each key in them. Nothing is handed over between applications: every profile exchanges
// Control and Command alike, and a replaced key's key-up is dropped whatever comes in between.

#include "engine/keyboard_engine.h"

namespace varnel {

void KeyboardEngine::setKeyContext(const KeyContext& context) {
    onTapThread([this, &context] {
        const bool sameApplication = context.application == keyContext_.application;
        const bool filesCut = sameApplication && keyContext_.filesCut;
        keyContext_ = context;
        // Files cut in Finder are Finder's: a paste anywhere else is a paste.
        keyContext_.filesCut = filesCut;
        if (!sameApplication) {
            windowsKeyAlone_ = false;
        }
    });
}

}  // namespace varnel
