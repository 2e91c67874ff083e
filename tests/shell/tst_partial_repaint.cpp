// The window repaints only what a command changes. What it shows after a
// run of commands (the window's backing store, as the screen gets it) must
// be exactly what a complete repaint of the window draws.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "shell_fixture.h"

using namespace vexa;
using namespace vexa::test;

namespace {

// The window as it stands on the screen, and as a complete repaint draws it.
std::pair<QImage, QImage> shownAndRepainted(QWidget& window)
{
    // Delayed layouts and the repaints they ask for run from the event loop.
    QTest::qWait(20);
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage repainted = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return {shown, repainted};
}

QString firstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes %1x%2 and %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel (%1, %2)").arg(x).arg(y);
    return {};
}

} // namespace

class TestPartialRepaint : public QObject {
    Q_OBJECT

private slots:
    void screenMatchesACompleteRepaint()
    {
        Shell shell;
        shell.form1.resize(1024, 721);
        auto check = [&](const char* after) {
            const auto [shown, repainted] = shownAndRepainted(shell.form1);
            QVERIFY2(!shown.isNull() && !repainted.isNull(), after);
            const QString difference = firstDifference(shown, repainted);
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(after, difference)));
        };
        check("showing the window");

        // Up to the twelve rows in view, then rows added below them (the
        // scroll bar appears), and on to a full grid.
        for (int sample = 1; sample <= 50; ++sample) {
            shell.calculateWorkedExample(QStringLiteral("S%1").arg(sample));
            if (sample == 11 || sample == 12 || sample == 13 || sample == 14 || sample == 30 || sample == 50)
                check(qPrintable(QStringLiteral("sample %1").arg(sample)));
        }

        // Scrolled to the end, where added rows would come into view.
        shell.form1.Borrartodo1->trigger();
        check("Delete all");
        for (int sample = 1; sample <= 12; ++sample)
            shell.calculateWorkedExample();
        shell.form1.Resultados1->scrollToBottom();
        check("scrolling to the end");
        for (int sample = 13; sample <= 16; ++sample) {
            shell.calculateWorkedExample();
            check(qPrintable(QStringLiteral("sample %1, scrolled to the end").arg(sample)));
        }

        // Re-marking a row from its cells.
        QTest::mouseClick(shell.form1.Resultados1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          shell.form1.Resultados1->visualRect(shell.form1.Resultados1->model()->index(12, 3)).center());
        check("selecting a row");
    }
};

QTEST_MAIN(TestPartialRepaint)
#include "tst_partial_repaint.moc"
