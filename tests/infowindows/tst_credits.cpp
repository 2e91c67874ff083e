// The logo and credit lines that the about box and the splash share: both
// windows show the same lines in the same fonts, every line fits its panel
// without being cut or running into another one, and the logo frame clips
// the picture.
#include "infowindows/about_box.h"
#include "infowindows/pictures.h"
#include "infowindows/splash_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace vexa;

namespace {

// The labels in the order they are laid out: logo, product, ®, group,
// institutions, three authors, registration.
const QStringList kAboutLabels = {"Label1", "Label9", "Label4", "Label3",
                                  "Label6", "Label7", "Label8", "Label5"};
const QStringList kSplashLabels = {"Label1", "Label5", "Label4", "Label6",
                                   "Label7", "Label8", "Label9", "Label10"};

struct Window {
    std::unique_ptr<QWidget> window;
    QWidget* panel = nullptr;
    QStringList labels;
};

Window makeWindow(const QString& which)
{
    Window w;
    if (which == QLatin1String("about")) {
        w.window = std::make_unique<TForm2>();
        w.labels = kAboutLabels;
    } else {
        w.window = std::make_unique<TForm5>();
        w.labels = kSplashLabels;
    }
    w.panel = w.window->findChild<QWidget*>(QStringLiteral("Panel1"));
    return w;
}

QLabel* label(const Window& w, const QString& name)
{
    return w.panel->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

class TestCredits : public QObject {
    Q_OBJECT

private slots:
    void bothWindowsShowTheSameLines()
    {
        const Window about = makeWindow(QStringLiteral("about"));
        const Window splash = makeWindow(QStringLiteral("splash"));
        for (int i = 0; i < kAboutLabels.size(); ++i) {
            const QLabel* a = label(about, kAboutLabels[i]);
            const QLabel* s = label(splash, kSplashLabels[i]);
            QVERIFY2(a && s, qPrintable(kAboutLabels[i] + " / " + kSplashLabels[i]));
            QCOMPARE(s->text(), a->text());
            QCOMPARE(s->font(), a->font());
            QCOMPARE(s->palette().color(QPalette::WindowText),
                     a->palette().color(QPalette::WindowText));
        }
        const QLabel* product = label(about, QStringLiteral("Label1"));
        QCOMPARE(product->text(), QStringLiteral("VEXA"));
        QCOMPARE(product->palette().color(QPalette::WindowText), QColor(128, 0, 128));
        QCOMPARE(label(about, QStringLiteral("Label9"))->text(), QStringLiteral("\u00AE"));
        QVERIFY(label(about, QStringLiteral("Label3"))->text().contains(QLatin1String(" - ")));
    }

    void linesFitWithoutOverlap_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("about box") << QStringLiteral("about");
        QTest::newRow("splash") << QStringLiteral("splash");
    }

    void linesFitWithoutOverlap()
    {
        QFETCH(QString, which);
        const Window w = makeWindow(which);
        QVERIFY(w.panel);
        // Inside the panel's bevels (2 px on the about box, 1 + 5 px on the splash).
        const QRect inside = w.panel->rect().adjusted(6, 6, -6, -6);
        const QWidget* logo = w.panel->findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(logo);

        // Label boxes may reach a row or two into their neighbours (line
        // heights run taller than the spacing the lines are laid out with),
        // so it is the letters themselves that must stay apart.
        QList<QRect> taken{logo->geometry()};
        for (const QString& name : w.labels) {
            const QLabel* l = label(w, name);
            QVERIFY2(l, qPrintable(name));
            const QFontMetrics metrics(l->font());
            QVERIFY2(l->width() >= metrics.horizontalAdvance(l->text()),
                     qPrintable(name + " is narrower than its text"));
            QVERIFY2(l->height() >= metrics.height(), qPrintable(name + " is cut off"));
            QVERIFY2(inside.contains(l->geometry()),
                     qPrintable(name + " runs out of the panel"));
            const QRect ink = metrics.tightBoundingRect(l->text())
                                  .translated(l->x(), l->y() + metrics.ascent());
            for (const QRect& other : taken)
                QVERIFY2(!other.intersects(ink),
                         qPrintable(name + " is drawn over an earlier line or the logo"));
            taken.append(ink);
        }
    }

    void logoFrameClipsPicture_data() { linesFitWithoutOverlap_data(); }

    void logoFrameClipsPicture()
    {
        QFETCH(QString, which);
        const Window w = makeWindow(which);
        auto* frame = w.panel->findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(frame);
        QCOMPARE(frame->size(), QSize(117, 58));
        // Drawn unscaled from the top-left: the frame shows the picture less
        // its right-most 3 columns and bottom 2 rows.
        const QImage shown = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected =
            logoPicture().toImage().copy(0, 0, 117, 58).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(TestCredits)
#include "tst_credits.moc"
