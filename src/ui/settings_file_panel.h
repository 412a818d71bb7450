#pragma once

#include <QString>
#include <QWidget>

#include "app/app_state.h"
#include "app/settings_transfer.h"

class QLabel;

namespace varnel {

class Alert;
class PushButton;

// Settings carried to another Mac, in "Дополнительные настройки": export writes them to a file
// the user names in the system's save panel; import reads one picked in the open panel, says
// what it would change and applies it only when the user agrees. What went wrong is said in an
// alert; what went right, on a line under the buttons.
class SettingsFilePanel : public QWidget {
    Q_OBJECT

  public:
    SettingsFilePanel(AppState& state, QWidget* parent = nullptr);

    // What the buttons do once the panel has given a path.
    void exportTo(const QString& path);
    void importFrom(const QString& path);
    // The question or the failure of the last import or export, while it is shown.
    Alert* alert() const { return alert_; }

  private:
    // A new alert with `message`, replacing one still open; the caller adds its buttons.
    Alert* newAlert(const QString& message);
    // An alert that is only read.
    void showAlert(const QString& message);
    void tell(const SettingsTransfer::Message& message);
    QString describe(const SettingsTransfer::Import& import) const;

    AppState& state_;
    QLabel* outcome_;
    Alert* alert_ = nullptr;
};

}  // namespace varnel
