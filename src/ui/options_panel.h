#pragma once

#include <QWidget>
#include <array>

#include "app/app_state.h"
#include "ui/texts.h"

namespace varnel {

class CheckBox;
class ExclusionsPanel;

// The content of "Дополнительные настройки": the feature switches, the start-at-login
// switch, the applications left alone, the settings file and the emergency chord.
class OptionsPanel : public QWidget {
    Q_OBJECT

  public:
    OptionsPanel(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    AppState& state_;
    std::array<CheckBox*, Texts::optionSwitches.size()> optionSwitches_{};
    CheckBox* launchAtLogin_;
    ExclusionsPanel* exclusions_;
};

}  // namespace varnel
