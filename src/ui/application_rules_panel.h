#pragma once

#include <QWidget>
#include <array>

#include "app/app_state.h"
#include "ui/texts.h"

namespace varnel {

class CheckBox;

// The content of "Правила для приложений": one switch per application profile, each with the
// applications it covers, and the switch of the Windows key.
class ApplicationRulesPanel : public QWidget {
    Q_OBJECT

  public:
    ApplicationRulesPanel(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    AppState& state_;
    std::array<CheckBox*, Texts::applicationRuleSwitches.size()> switches_{};
};

}  // namespace varnel
