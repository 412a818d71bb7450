#pragma once

#include <QScrollBar>

namespace varnel {

// A quiet scroll bar after a Mac's: a rounded thumb in the text colour, no arrows drawn. The
// style still measures it, so that clicks and drags land where they always do.
class ScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace varnel
