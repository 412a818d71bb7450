#pragma once

#include "ui/card.h"

class QToolButton;
class QVBoxLayout;

namespace varnel {

// A titled group whose content folds away; it starts collapsed, and its state lives only
// as long as the window.
class CollapsibleGroup : public Card {
    Q_OBJECT

  public:
    CollapsibleGroup(const QString& title, QWidget* parent = nullptr);

    // Where the content goes.
    QVBoxLayout* contentLayout() const { return contentLayout_; }
    bool isExpanded() const;
    void setExpanded(bool expanded);
    QToolButton* header() const { return header_; }

  private:
    QToolButton* header_;
    QWidget* content_;
    QVBoxLayout* contentLayout_;
};

}  // namespace varnel
