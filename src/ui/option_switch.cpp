#include "ui/option_switch.h"

#include <algorithm>

#include "ui/check_box.h"
#include "ui/widget_style.h"

namespace varnel {

CheckBox* makeOptionSwitch(AppState& state, const KeyboardOptions::Field& field, Texts::Text text,
                           QWidget* parent) {
    auto* box = new CheckBox(WidgetStyle::display(text.tr()), parent);
    box->setObjectName(QStringLiteral("option.") + Theme::qt(field.name));
    QObject::connect(box, &CheckBox::clicked, box, [&state, member = field.member](bool checked) {
        KeyboardOptions options = state.options();
        options.*member = checked;
        state.setOptions(options);
    });
    return box;
}

const KeyboardOptions::Field& optionField(std::string_view name) {
    const auto& fields = KeyboardOptions::fields;
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [name](const auto& field) { return field.name == name; });
    return found != fields.end() ? *found : fields.front();
}

}  // namespace varnel
