#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "app/app_state.h"

class QLabel;
class QVBoxLayout;

namespace varnel {

class Card;
class PushButton;

// The applications Varnel leaves alone, in "Дополнительные настройки": each with its icon,
// name and identifier and a button to take it off the list; under the list, adding the
// application that was in front before Varnel, and bringing back the suggested remote
// desktops and virtual machines.
class ExclusionsPanel : public QWidget {
    Q_OBJECT

  public:
    static constexpr int iconSize = 24;

    ExclusionsPanel(AppState& state, QWidget* parent = nullptr);
    // Rebuilds the rows only when the list or the application to add changed: names and
    // icons come from the system.
    void refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void rebuildRows();
    QWidget* makeRow(const std::string& bundleIdentifier);
    // An application's name as the system shows it; a prefix's, what its windows are.
    std::string entryName(const std::string& entry) const;
    // The system's icon, or an outline of an application when it has none.
    QWidget* makeIcon(const std::string& bundleIdentifier, QWidget* parent);
    void updateButtons();

    AppState& state_;
    Card* list_;
    QVBoxLayout* rows_;
    PushButton* addPrevious_;
    PushButton* restore_;
    std::vector<std::string> shownList_;
    std::optional<std::string> shownPrevious_;
    bool built_ = false;
};

}  // namespace varnel
