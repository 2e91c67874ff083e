#pragma once

#include <QWidget>

class QFrame;
class QTimer;

namespace vexa {

// The splash: a frameless window with the logo and the credits, centred on the
// screen. It shows itself when built and hides itself at the first tick of its
// timer, 3.5 s later; nothing shows it again.
class TForm5 : public QWidget {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

    // The timer that hides the window; runs from construction on.
    QTimer* timer() const { return Timer1; }

    void setVisible(bool visible) override;

public slots:
    // One tick of the timer: hides the window. Later ticks find it hidden.
    void Timer1Timer();

private:
    QFrame* Panel1 = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace vexa
