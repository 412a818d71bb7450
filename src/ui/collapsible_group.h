#pragma once

#include <QFrame>

class QToolButton;
class QVBoxLayout;

namespace varnel {

// A titled group whose content folds away; it starts collapsed, and its state lives only
// as long as the window.
class CollapsibleGroup : public QFrame {
    Q_OBJECT

  public:
    CollapsibleGroup(const QString& title, QWidget* parent = nullptr);

    // Where the content goes.
    QVBoxLayout* contentLayout() const { return contentLayout_; }
    bool isExpanded() const;
    void setExpanded(bool expanded);

  private:
    QToolButton* header_;
    QWidget* content_;
    QVBoxLayout* contentLayout_;
};

}  // namespace varnel
