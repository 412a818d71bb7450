#include "engine/keyboard_engine.h"

namespace varnel {

void KeyboardEngine::setPaused(bool) {}
void KeyboardEngine::setKeyboardType(KeyboardType) {}
void KeyboardEngine::refreshEventMask() {}

}  // namespace varnel
