#include "ui/exclusions_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/card.h"
#include "ui/push_button.h"
#include "ui/symbol_view.h"
#include "ui/texts.h"
#include "ui/widget_style.h"

namespace varnel {

using Theme::TextStyle;

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString withName(Texts::Text pattern, const std::string& name) {
    return pattern.tr().arg(fromStd(name));
}

// A line between rows in the colour of card borders, taken from the palette when painted.
class Hairline : public QWidget {
  public:
    explicit Hairline(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::colors(palette()).cardBorder);
    }
};

}  // namespace

ExclusionsPanel::ExclusionsPanel(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addLayout(WidgetStyle::headingOverCaption(Texts::exclusionsTitle.tr(),
                                                      Texts::exclusionsHint.tr(), 2, this));

    list_ = new Card(10, /*bordered=*/true, this);
    list_->setObjectName(QStringLiteral("exclusionsList"));
    rows_ = new QVBoxLayout(list_);
    rows_->setContentsMargins(10, 6, 10, 6);
    rows_->setSpacing(0);
    column->addWidget(list_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    addPrevious_ = new PushButton({}, PushButton::Kind::bordered, this);
    addPrevious_->setObjectName(QStringLiteral("addPreviousApplication"));
    connect(addPrevious_, &PushButton::clicked, this, [this] {
        if (const auto& previous = state_.previousApplication()) {
            state_.addExcludedApplication(*previous);
        }
    });
    restore_ = new PushButton(Texts::exclusionsRestore.tr(), PushButton::Kind::bordered, this);
    restore_->setObjectName(QStringLiteral("restoreSuggestions"));
    connect(restore_, &PushButton::clicked, this, [this] { state_.restoreSuggestedExclusions(); });
    buttons->addWidget(addPrevious_);
    buttons->addWidget(restore_);
    buttons->addStretch(1);
    column->addLayout(buttons);

    refresh();
}

void ExclusionsPanel::refresh() {
    const auto& list = state_.excludedApplications().bundleIdentifiers;
    const auto& previous = state_.previousApplication();
    if (built_ && list == shownList_ && previous == shownPrevious_) {
        return;
    }
    built_ = true;
    shownList_ = list;
    shownPrevious_ = previous;
    rebuildRows();
    updateButtons();
}

// Applications may have been installed while the window was away.
void ExclusionsPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateButtons();
}

void ExclusionsPanel::rebuildRows() {
    while (QLayoutItem* item = rows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (shownList_.empty()) {
        QLabel* empty = WidgetStyle::label(Texts::exclusionsEmpty.tr(), TextStyle::callout,
                                           QFont::Normal, list_);
        empty->setObjectName(QStringLiteral("exclusionsEmpty"));
        empty->setContentsMargins(0, 6, 0, 6);
        WidgetStyle::makeSecondary(empty);
        rows_->addWidget(empty);
        return;
    }
    for (std::size_t i = 0; i < shownList_.size(); ++i) {
        if (i > 0) {
            rows_->addWidget(new Hairline(list_));
        }
        rows_->addWidget(makeRow(shownList_[i]));
    }
}

QWidget* ExclusionsPanel::makeRow(const std::string& bundleIdentifier) {
    auto* row = new QWidget(list_);
    row->setObjectName(QStringLiteral("exclusion:") + fromStd(bundleIdentifier));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 6);
    layout->setSpacing(10);
    layout->addWidget(makeIcon(bundleIdentifier, row), 0, Qt::AlignVCenter);

    const std::string name = entryName(bundleIdentifier);
    if (ExcludedApplications::isPrefix(bundleIdentifier)) {
        // Not one application: what the identifiers it stands for begin with.
        layout->addLayout(
            WidgetStyle::headingOverCaption(
                fromStd(name), fromStd(bundleIdentifier) + QStringLiteral("*"), 1, row),
            1);
    } else if (name == bundleIdentifier) {
        // The system knows no such application: its identifier alone.
        layout->addWidget(
            WidgetStyle::label(fromStd(name), TextStyle::subheadline, QFont::DemiBold, row), 1);
    } else {
        layout->addLayout(
            WidgetStyle::headingOverCaption(fromStd(name), fromStd(bundleIdentifier), 1, row), 1);
    }

    auto* remove = new PushButton(Texts::exclusionsRemove.tr(), PushButton::Kind::bordered, row);
    remove->setObjectName(QStringLiteral("removeExclusion"));
    remove->setAccessibleName(withName(Texts::exclusionsRemoveName, name));
    connect(remove, &PushButton::clicked, this,
            [this, bundleIdentifier] { state_.removeExcludedApplication(bundleIdentifier); });
    layout->addWidget(remove, 0, Qt::AlignVCenter);
    return row;
}

std::string ExclusionsPanel::entryName(const std::string& entry) const {
    if (!ExcludedApplications::isPrefix(entry)) {
        return state_.applicationName(entry);
    }
    const auto* suggestion = ExcludedApplications::suggestionFor(entry);
    if (suggestion && !suggestion->product.empty()) {
        return withName(Texts::exclusionsWindowsOf, std::string(suggestion->product)).toStdString();
    }
    return withName(Texts::exclusionsPrefix, entry).toStdString();
}

QWidget* ExclusionsPanel::makeIcon(const std::string& bundleIdentifier, QWidget* parent) {
    const qreal ratio = devicePixelRatioF();
    const int pixels = qRound(iconSize * ratio);
    QPixmap pixmap;
    if (const auto png = state_.applicationIcon(bundleIdentifier, pixels)) {
        pixmap.loadFromData(reinterpret_cast<const uchar*>(png->data()),
                            static_cast<uint>(png->size()), "PNG");
    }
    if (!pixmap.isNull() && pixmap.width() != pixels) {
        pixmap = pixmap.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (pixmap.isNull()) {
        // No icon from the system: the outline of an application, in the secondary colour.
        auto* symbol = new SymbolView("app", Theme::Tone::secondary, iconSize, parent);
        symbol->setObjectName(QStringLiteral("exclusionIcon"));
        return symbol;
    }
    pixmap.setDevicePixelRatio(ratio);
    auto* icon = new QLabel(parent);
    icon->setObjectName(QStringLiteral("exclusionIcon"));
    icon->setFixedSize(iconSize, iconSize);
    icon->setPixmap(pixmap);
    return icon;
}

void ExclusionsPanel::updateButtons() {
    const auto& previous = shownPrevious_;
    if (previous) {
        const std::string name = state_.applicationName(*previous);
        addPrevious_->setText(WidgetStyle::display(withName(Texts::exclusionsAdd, name)));
        addPrevious_->setEnabled(!state_.excludedApplications().leavesAlone(*previous));
        addPrevious_->setToolTip({});
    } else {
        addPrevious_->setText(Texts::exclusionsAddUnknown.tr());
        addPrevious_->setEnabled(false);
        addPrevious_->setToolTip(Texts::exclusionsAddUnknownHint.tr());
    }
    const bool canRestore = !state_.missingSuggestions().empty();
    restore_->setEnabled(canRestore);
    restore_->setToolTip(canRestore ? QString() : Texts::exclusionsRestoreNothing.tr());
}

}  // namespace varnel
