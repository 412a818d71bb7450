#include "ui/options_panel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/check_box.h"
#include "ui/exclusions_panel.h"
#include "ui/option_switch.h"
#include "ui/settings_file_panel.h"
#include "ui/symbol_view.h"
#include "ui/texts.h"
#include "ui/widget_style.h"

namespace varnel {

// Every switch is in one of the two groups: these first, then "Правила для приложений".
static_assert(Texts::optionSwitches.size() + Texts::applicationRuleSwitches.size() ==
              KeyboardOptions::fields.size());

OptionsPanel::OptionsPanel(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);

    for (std::size_t i = 0; i < optionSwitches_.size(); ++i) {
        optionSwitches_[i] =
            makeOptionSwitch(state_, KeyboardOptions::fields[i], Texts::optionSwitches[i], this);
        column->addWidget(optionSwitches_[i]);
    }
    launchAtLogin_ = new CheckBox(WidgetStyle::display(Texts::launchAtLoginSwitch.tr()), this);
    launchAtLogin_->setObjectName(QStringLiteral("launchAtLogin"));
    connect(launchAtLogin_, &CheckBox::clicked, this,
            [this](bool checked) { state_.setLaunchAtLogin(checked, /*silently=*/false); });
    column->addWidget(launchAtLogin_);

    const auto divider = [this, column] {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        column->addWidget(line);
    };
    divider();
    exclusions_ = new ExclusionsPanel(state_, this);
    exclusions_->setObjectName(QStringLiteral("exclusionsPanel"));
    column->addWidget(exclusions_);
    divider();
    auto* settingsFile = new SettingsFilePanel(state_, this);
    settingsFile->setObjectName(QStringLiteral("settingsFilePanel"));
    column->addWidget(settingsFile);
    divider();

    auto* emergency = new QHBoxLayout;
    emergency->setSpacing(6);
    const QFont calloutMedium = Theme::font(Theme::TextStyle::callout, QFont::Medium);
    auto* shield = new SymbolView("shield.lefthalf.filled", Theme::Tone::primary,
                                  calloutMedium.pixelSize() + 4, this);
    emergency->addWidget(shield, 0, Qt::AlignVCenter);
    auto* text = WidgetStyle::label(Texts::emergencyHint.tr(), Theme::TextStyle::callout,
                                    QFont::Medium, this);
    emergency->addWidget(text, 1);
    column->addLayout(emergency);

    refresh();
}

void OptionsPanel::refresh() {
    for (std::size_t i = 0; i < optionSwitches_.size(); ++i) {
        optionSwitches_[i]->setChecked(state_.options().*KeyboardOptions::fields[i].member);
    }
    launchAtLogin_->setChecked(state_.launchAtLogin());
    exclusions_->refresh();
}

}  // namespace varnel
