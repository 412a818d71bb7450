#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;

namespace varnel {

// One macOS permission with its state, and a button to fix it while it is missing.
class PermissionCard : public QFrame {
    Q_OBJECT

  public:
    PermissionCard(const QString& title, const QString& subtitle, bool granted,
                   const QString& actionTitle, std::function<void()> action,
                   QWidget* parent = nullptr);

    void setGranted(bool granted);
    bool granted() const { return granted_; }

  private:
    bool granted_;
    QLabel* symbol_;
    QLabel* grantedLabel_;
    QPushButton* button_;
};

}  // namespace varnel
