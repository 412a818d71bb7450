#include "ui/settings_file_panel.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/alert.h"
#include "ui/push_button.h"
#include "ui/texts.h"
#include "ui/translation.h"
#include "ui/widget_style.h"

namespace varnel {

namespace {

QString shown(const SettingsTransfer::Message& message) {
    return Translation::message(message.text).arg(QString::fromStdString(message.argument));
}

QString fileType() {
    return Texts::settingsFileType.tr().arg(QStringLiteral("*.json"));
}

}  // namespace

SettingsFilePanel::SettingsFilePanel(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addLayout(WidgetStyle::headingOverCaption(Texts::settingsFileTitle.tr(),
                                                      Texts::settingsFileHint.tr(), 2, this));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto* exportButton =
        new PushButton(Texts::exportSettings.tr(), PushButton::Kind::bordered, this);
    exportButton->setObjectName(QStringLiteral("exportSettings"));
    connect(exportButton, &PushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            window(), Texts::exportPanelTitle.tr(),
            QDir::home().filePath(Texts::settingsFileName.tr()), fileType());
        if (!path.isEmpty()) {
            exportTo(path);
        }
    });
    auto* importButton =
        new PushButton(Texts::importSettings.tr(), PushButton::Kind::bordered, this);
    importButton->setObjectName(QStringLiteral("importSettings"));
    connect(importButton, &PushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(window(), Texts::importPanelTitle.tr(),
                                                          QDir::homePath(), fileType());
        if (!path.isEmpty()) {
            importFrom(path);
        }
    });
    buttons->addWidget(exportButton);
    buttons->addWidget(importButton);
    buttons->addStretch(1);
    column->addLayout(buttons);

    outcome_ = WidgetStyle::label({}, Theme::TextStyle::caption, QFont::Normal, this);
    outcome_->setObjectName(QStringLiteral("settingsFileOutcome"));
    WidgetStyle::makeSecondary(outcome_);
    outcome_->hide();
    column->addWidget(outcome_);
}

void SettingsFilePanel::exportTo(const QString& path) {
    const SettingsTransfer::Export done =
        SettingsTransfer::write(state_, std::filesystem::path(path.toStdString()));
    if (done.ok) {
        tell(done.message);
    } else {
        showAlert(shown(done.message));
    }
}

void SettingsFilePanel::importFrom(const QString& path) {
    const SettingsTransfer::Import import =
        SettingsTransfer::read(state_, std::filesystem::path(path.toStdString()));
    if (import.failure) {
        showAlert(Translation::message(SettingsFile::reason(*import.failure)));
        return;
    }
    if (import.changes().empty()) {
        QStringList lines{shown({SettingsTransfer::nothingToImport, import.fileName})};
        for (const SettingsTransfer::Message& note : import.notes()) {
            lines << shown(note);
        }
        showAlert(lines.join(QStringLiteral("\n\n")));
        return;
    }
    Alert* question = newAlert(describe(import));
    QPushButton* apply = question->addButton(Texts::importApply.tr(), QMessageBox::AcceptRole);
    question->addButton(Texts::cancelButton.tr(), QMessageBox::RejectRole);
    question->setDefaultButton(apply);
    connect(question, &QMessageBox::buttonClicked, this,
            [this, apply, import](QAbstractButton* button) {
                if (button != apply) {
                    return;
                }
                if (const auto message = SettingsTransfer::apply(state_, import)) {
                    tell(*message);
                }
            });
    question->open();
}

Alert* SettingsFilePanel::newAlert(const QString& message) {
    if (alert_) {
        alert_->hide();
        alert_->deleteLater();
    }
    alert_ = new Alert(window());
    alert_->setObjectName(QStringLiteral("settingsFileAlert"));
    alert_->setMessage(message);
    return alert_;
}

void SettingsFilePanel::showAlert(const QString& message) {
    Alert* alert = newAlert(message);
    alert->addButton(Texts::alertButton.tr(), QMessageBox::AcceptRole);
    alert->open();
}

void SettingsFilePanel::tell(const SettingsTransfer::Message& message) {
    outcome_->setText(WidgetStyle::display(shown(message)));
    outcome_->show();
}

// The question, then a line for each setting the file changes, named as the window names it,
// then what was left out.
QString SettingsFilePanel::describe(const SettingsTransfer::Import& import) const {
    const auto onOff = [](bool on) { return (on ? Texts::switchedOn : Texts::switchedOff).tr(); };
    const SettingsFile::Settings& after = import.after;
    QStringList lines;
    for (const SettingsTransfer::Change& change : import.changes()) {
        using Kind = SettingsTransfer::Change::Kind;
        switch (change.kind) {
            case Kind::option: {
                const auto& field = KeyboardOptions::fields[change.field];
                QString name;
                if (change.field < Texts::optionSwitches.size()) {
                    name = Texts::optionSwitches[change.field].tr();
                }
                for (const auto& rule : Texts::applicationRuleSwitches) {
                    if (rule.field == field.name) {
                        name = rule.text.tr();
                    }
                }
                lines << name + QStringLiteral(": ") + onOff(after.options.*field.member);
                break;
            }
            case Kind::typingLanguage:
                lines << Texts::diagLanguage.tr() + QStringLiteral(": ") +
                             Translation::message(after.typingLanguage.displayName());
                break;
            case Kind::excludedApplications: {
                QStringList names;
                for (const std::string& id : after.excludedApplications.bundleIdentifiers) {
                    names << QString::fromStdString(state_.applicationName(id));
                }
                lines << Texts::exclusionsTitle.tr() + QStringLiteral(": ") +
                             (names.isEmpty() ? Texts::exclusionsEmpty.tr()
                                              : names.join(QStringLiteral(", ")));
                break;
            }
            case Kind::launchAtLogin:
                lines << Texts::launchAtLoginSwitch.tr() + QStringLiteral(": ") +
                             onOff(after.launchAtLogin);
                break;
        }
    }
    QString text = Texts::importQuestion.tr().arg(QString::fromStdString(import.fileName)) +
                   QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
    for (const SettingsTransfer::Message& note : import.notes()) {
        text += QStringLiteral("\n\n") + shown(note);
    }
    return text;
}

}  // namespace varnel
