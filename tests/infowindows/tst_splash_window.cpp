// The splash shows itself when built, centred on the screen, and the first
// tick of its timer hides it for good. Ticks are driven directly instead of
// waiting 3.5 s.
#include "infowindows/splash_window.h"

#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace vexa;

namespace {

void tick(TForm5& splash)
{
    // Through the timer's own signal, so the connection is exercised too.
    QVERIFY(QMetaObject::invokeMethod(splash.timer(), "timeout", Qt::DirectConnection));
}

} // namespace

class TestSplashWindow : public QObject {
    Q_OBJECT

private slots:
    void showsItselfCentred()
    {
        TForm5 splash;
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.size(), QSize(360, 230));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect screen = splash.screen()->geometry();
        QVERIFY(qAbs(splash.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash.geometry().center().y() - screen.center().y()) <= 1);

        QVERIFY(splash.timer()->isActive());
        QCOMPARE(splash.timer()->interval(), 3500);
    }

    void firstTickHidesForGood()
    {
        TForm5 splash;
        tick(splash);
        QVERIFY(splash.isHidden());
        tick(splash);
        tick(splash);
        QVERIFY(splash.isHidden());
        QVERIFY(splash.timer()->isActive());   // never stopped; later ticks change nothing
    }
};

QTEST_MAIN(TestSplashWindow)
#include "tst_splash_window.moc"
