#pragma once

#include <QWidget>
#include <array>

#include "app/app_state.h"

class QCheckBox;

namespace varnel {

// The content of "Дополнительные настройки": the nine feature switches, the start-at-login
// switch and the emergency chord.
class OptionsPanel : public QWidget {
    Q_OBJECT

  public:
    OptionsPanel(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    AppState& state_;
    std::array<QCheckBox*, 9> optionSwitches_{};
    QCheckBox* launchAtLogin_;
};

}  // namespace varnel
