#pragma once

#include <QCheckBox>

namespace varnel {

// A check box drawn alike on every system after a Mac's: a rounded box filled with the accent
// colour and a white check mark when on, a quiet bordered box when off. Colours come from the
// palette when painted.
class CheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

  private:
    QRectF box() const;
};

}  // namespace varnel
