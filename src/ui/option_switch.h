#pragma once

#include <string_view>

#include "app/app_state.h"
#include "ui/texts.h"

class QWidget;

namespace varnel {

class CheckBox;

// The check box of one field of the options record: clicking it hands AppState a copy of the
// options with that field changed. Named "option.FIELD" for tests.
CheckBox* makeOptionSwitch(AppState& state, const KeyboardOptions::Field& field, Texts::Text text,
                           QWidget* parent);

// The field of the options record with this stored name.
const KeyboardOptions::Field& optionField(std::string_view name);

}  // namespace varnel
