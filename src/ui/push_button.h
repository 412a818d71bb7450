#pragma once

#include <QPushButton>

#include "ui/theme.h"

namespace varnel {

// The window's one kind of button, drawn alike on every system after a Mac's rounded push
// buttons: `prominent` filled with its tint (the accent unless told otherwise) for the
// action the window is about, `bordered` on a quiet fill for the others. Colours come from
// the palette when painted.
class PushButton : public QPushButton {
    Q_OBJECT

  public:
    enum class Kind { bordered, prominent };
    enum class Size { regular, large };

    PushButton(const QString& text, Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    // The fill of a prominent button: Tone::accent or Tone::red.
    void setTint(Theme::Tone tint);
    Theme::Tone tint() const { return tint_; }
    void setControlSize(Size size);
    // The colours the button is drawn in now.
    QColor fillColor() const;
    QColor textColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QMargins padding() const;
    int radius() const;

    Kind kind_;
    Theme::Tone tint_ = Theme::Tone::accent;
    Size size_ = Size::regular;
};

}  // namespace varnel
