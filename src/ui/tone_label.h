#pragma once

#include <QLabel>

#include "ui/theme.h"

namespace varnel {

// A one-line text in a colour of the palette made readable, optionally on a capsule of the same
// colour, drawn when painted, so that it follows a switch between light and dark.
class ToneLabel : public QLabel {
    Q_OBJECT

  public:
    ToneLabel(const QString& text, Theme::TextStyle style, QFont::Weight weight, Theme::Tone tone,
              QWidget* parent = nullptr);

    void setTone(Theme::Tone tone);
    Theme::Tone tone() const { return tone_; }
    // The colour the text is drawn in now.
    QColor textColor() const;
    // A capsule behind the text, the tone faint (a badge); the margins pad the text in it.
    void setCapsule(bool capsule);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Theme::Tone tone_;
    bool capsule_ = false;
};

}  // namespace varnel
