#include "ui/application_rules_panel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/check_box.h"
#include "ui/option_switch.h"
#include "ui/widget_style.h"

namespace varnel {

namespace {

// The caption starts under the switch's text, past its box.
constexpr int captionIndent = 25;

}  // namespace

ApplicationRulesPanel::ApplicationRulesPanel(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    auto* hint = WidgetStyle::label(Texts::applicationRulesHint.tr(), Theme::TextStyle::caption,
                                    QFont::Normal, this);
    WidgetStyle::makeSecondary(hint);
    column->addWidget(hint);

    for (std::size_t i = 0; i < switches_.size(); ++i) {
        const Texts::RuleSwitch& rule = Texts::applicationRuleSwitches[i];
        auto* pair = new QVBoxLayout;
        pair->setSpacing(2);
        switches_[i] = makeOptionSwitch(state_, optionField(rule.field), rule.text, this);
        pair->addWidget(switches_[i]);
        auto* covers =
            WidgetStyle::label(rule.covers.tr(), Theme::TextStyle::caption, QFont::Normal, this);
        covers->setObjectName(QStringLiteral("covers.") + Theme::qt(rule.field));
        covers->setContentsMargins(captionIndent, 0, 0, 0);
        WidgetStyle::makeSecondary(covers);
        pair->addWidget(covers);
        column->addLayout(pair);
    }
    refresh();
}

void ApplicationRulesPanel::refresh() {
    for (std::size_t i = 0; i < switches_.size(); ++i) {
        const auto member = optionField(Texts::applicationRuleSwitches[i].field).member;
        switches_[i]->setChecked(state_.options().*member);
    }
}

}  // namespace varnel
