#include "ui/collapsible_group.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ui/widget_style.h"

namespace varnel {

CollapsibleGroup::CollapsibleGroup(const QString& title, QWidget* parent)
    : Card(14, /*bordered=*/false, parent) {
    setObjectName(QStringLiteral("collapsibleGroup"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(0);

    header_ = new QToolButton(this);
    header_->setObjectName(QStringLiteral("groupHeader"));
    header_->setText(title);
    header_->setCheckable(true);
    header_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header_->setArrowType(Qt::RightArrow);
    header_->setAutoRaise(true);
    header_->setFont(Theme::font(Theme::TextStyle::body, QFont::Medium));
    header_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header_->setStyleSheet(QStringLiteral("QToolButton { border: none; text-align: left; }"));
    layout->addWidget(header_);

    content_ = new QWidget(this);
    contentLayout_ = new QVBoxLayout(content_);
    contentLayout_->setContentsMargins(0, 12, 0, 0);
    contentLayout_->setSpacing(12);
    layout->addWidget(content_);

    connect(header_, &QToolButton::toggled, this, [this](bool on) { setExpanded(on); });
    setExpanded(false);
}

bool CollapsibleGroup::isExpanded() const {
    return header_->isChecked();
}

void CollapsibleGroup::setExpanded(bool expanded) {
    header_->setChecked(expanded);
    header_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    content_->setVisible(expanded);
}

}  // namespace varnel
