#pragma once

#include <QWidget>
#include <array>

#include "app/app_state.h"

namespace varnel {

class CheckBox;

// The content of "Дополнительные настройки": the nine feature switches, the start-at-login
// switch and the emergency chord.
class OptionsPanel : public QWidget {
    Q_OBJECT

  public:
    OptionsPanel(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    AppState& state_;
    std::array<CheckBox*, 9> optionSwitches_{};
    CheckBox* launchAtLogin_;
};

}  // namespace varnel
