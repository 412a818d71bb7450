#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "ui/theme.h"

namespace varnel {

// A symbol of the icon set in a colour of the palette, drawn when painted, so that it
// follows a switch between light and dark.
class SymbolView : public QWidget {
    Q_OBJECT

  public:
    SymbolView(std::string_view symbol, Theme::Tone tone, int size, QWidget* parent = nullptr);

    void setSymbol(std::string_view symbol, Theme::Tone tone);
    QString symbol() const;
    Theme::Tone tone() const { return tone_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string symbol_;
    Theme::Tone tone_;
    int size_;
};

}  // namespace varnel
