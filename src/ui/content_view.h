#pragma once

#include <QWidget>
#include <vector>

#include "app/app_state.h"

class QScrollArea;

namespace varnel {

class Alert;
class ApplicationRulesPanel;
class CollapsibleGroup;
class DiagnosticsPanel;
class FeatureRow;
class ModeCard;
class OptionsPanel;
class PermissionCard;
class StateObserver;

// The main window's content: one scrolling column of cards. It reads AppState and calls its
// operations only; AppState's announcements are coalesced into one refresh.
class ContentView : public QWidget {
    Q_OBJECT

  public:
    explicit ContentView(AppState& state, QWidget* parent = nullptr);

    // Brings every part up to date with AppState now, instead of on the next turn.
    void refreshNow();
    Alert* alert() const { return alert_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* makeHeader();
    QWidget* makePermissionsSection();
    QWidget* makeFeaturesSection();
    void refresh();
    void presentBannerIfAny();
    // As a freshly opened window: every group folded, the top in view.
    void resetToFresh();

    AppState& state_;
    StateObserver* observer_;
    QScrollArea* scroll_;
    ModeCard* modeCard_;
    QWidget* permissionsSection_;
    PermissionCard* accessibilityCard_;
    PermissionCard* inputMonitoringCard_;
    CollapsibleGroup* advancedGroup_;
    OptionsPanel* optionsPanel_;
    CollapsibleGroup* rulesGroup_;
    ApplicationRulesPanel* rulesPanel_;
    CollapsibleGroup* diagnosticsGroup_;
    DiagnosticsPanel* diagnosticsPanel_;
    // Each tile with the switch that turns its feature off (none: the mode always does it).
    struct Tile {
        FeatureRow* row;
        bool KeyboardOptions::*option;
    };
    std::vector<Tile> tiles_;
    Alert* alert_ = nullptr;
};

}  // namespace varnel
