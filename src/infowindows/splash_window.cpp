#include "infowindows/splash_window.h"

#include "fonts/design_fonts.h"
#include "infowindows/credits.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <qdrawutil.h>

namespace vexa {
namespace {

// A one-pixel line around a raised bevel five pixels wide.
class BorderedPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect outer = rect();
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), false, 5);
    }
};

} // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form5"));
    setFont(windowFont());
    setFixedSize(360, 230);

    Panel1 = new BorderedPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());

    addCredits(Panel1, CreditLayout{
        .logo = {"Image1", {21, 20}},
        .product = {"Label1", {187, 34}},
        .registered = {"Label5", {273, 33}},
        .group = {"Label4", {122, 99}},
        .institutions = {"Label6", {19, 123}},
        .authors = {{{"Label7", {133, 141}}, {"Label8", {113, 154}}, {"Label9", {109, 167}}}},
        .registration = {"Label10", {116, 199}},
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3500);
    connect(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    Timer1->start();

    show();
}

void TForm5::setVisible(bool visible)
{
    // Centred on the screen each time it is shown.
    if (visible) {
        QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
    }
    QWidget::setVisible(visible);
}

void TForm5::Timer1Timer()
{
    hide();
}

} // namespace vexa
