#pragma once

#include <QMessageBox>

namespace varnel {

// An alert in a Mac's form: macOS ignores a message box's window title, so the application's
// name stands where a Mac shows the title (the bold text), the message below it, with the
// application's tile as its icon. It is a sheet of `window`.
class Alert : public QMessageBox {
    Q_OBJECT

  public:
    explicit Alert(QWidget* window);

    // Shown as WidgetStyle::display() gives it, as plain text.
    void setMessage(const QString& message);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void updateIcon();
};

}  // namespace varnel
