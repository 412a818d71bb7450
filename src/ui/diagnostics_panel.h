#pragma once

#include <QWidget>

#include "app/app_state.h"

class QLabel;

namespace varnel {

class ToneLabel;

// The content of "Диагностика": what the engine last saw and did, live, with what the system
// tells about the keyboard (secure input, the application in front and its profile, the
// keyboard's type).
class DiagnosticsPanel : public QWidget {
    Q_OBJECT

  public:
    DiagnosticsPanel(AppState& state, QWidget* parent = nullptr);
    void refresh();

  private:
    QLabel* addRow(const QString& label, QLabel* value, const QString& name, bool selectable);

    AppState& state_;
    int rows_ = 0;
    ToneLabel* tap_;
    ToneLabel* secureInput_;
    QLabel* frontmost_;
    QLabel* profile_;  // the profile in force, and where the focus is when it matters
    QLabel* language_;
    QLabel* inputSource_;
    QLabel* keyboard_;
    QLabel* lastKey_;
    QLabel* result_;
    QLabel* processed_;
    QLabel* blocked_;
};

}  // namespace varnel
