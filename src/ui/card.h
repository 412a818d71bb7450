#pragma once

#include <QFrame>

namespace varnel {

// A rounded card on the background of controls, with a hairline border if asked. It paints
// from the current palette, so that it follows a switch between light and dark.
class Card : public QFrame {
    Q_OBJECT

  public:
    Card(int radius, bool bordered, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int radius_;
    bool bordered_;
};

}  // namespace varnel
