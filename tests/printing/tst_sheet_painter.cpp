#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "printing/sheet_painter.h"

using namespace vexa;

namespace {

QImage whitePage(int width, int height, int dotsPerInch = 96)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

void play(QImage& image, const std::vector<SheetOperation>& ops)
{
    QPainter painter(&image);
    playSheet(painter, ops);
}

bool isBlack(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

bool isWhite(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// The box around every pixel that is not white.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class SheetPainterTest : public QObject {
    Q_OBJECT

private slots:
    void linesAreSolidBlackAndOnePixelWide()
    {
        // At printer resolution the pen stays one device pixel wide.
        QImage image = whitePage(100, 100, 600);
        play(image, {SheetOperation::line({10, 20}, {90, 20}), SheetOperation::line({50, 30}, {50, 80})});
        for (int x = 10; x <= 90; ++x) {
            QVERIFY2(isBlack(image, x, 20), qPrintable(QString::number(x)));
            QVERIFY(isWhite(image, x, 19) && isWhite(image, x, 21));
        }
        for (int y = 30; y <= 80; ++y) {
            QVERIFY(isBlack(image, 50, y));
            QVERIFY(isWhite(image, 49, y) && isWhite(image, 51, y));
        }
        // Both ends are drawn, and nothing beyond them.
        QVERIFY(isWhite(image, 9, 20) && isWhite(image, 91, 20));
        QVERIFY(isWhite(image, 50, 29) && isWhite(image, 50, 81));
    }

    void textIsEightPointLiberationSansAtTheDeviceResolution()
    {
        QCOMPARE(QFontInfo(sheetFont()).family(), QStringLiteral("Liberation Sans"));
        // 8 pt at 600 dpi is an em of 66.7 pixels; a capital H stands about 0.73 em high.
        QImage image = whitePage(300, 200, 600);
        play(image, {SheetOperation::textAt({20, 30}, QStringLiteral("H"))});
        const QRect ink = inkBounds(image);
        QVERIFY2(ink.height() >= 45 && ink.height() <= 52, qPrintable(QString::number(ink.height())));
        QVERIFY(ink.top() >= 30);
    }

    void longTextRunsOnWholeOverTheRulesItCrosses()
    {
        // A name cell whose right rule is at x 60, as on the sheet: the rules
        // come first, then the text on its white box.
        QImage image = whitePage(400, 60);
        const QString name = QStringLiteral("Gran Reserva Tinto del Priorat 2019");
        play(image, {SheetOperation::line({60, 0}, {60, 59}), SheetOperation::textAt({20, 20}, name)});

        QPainter painter(&image);
        painter.setFont(sheetFont());
        const QFontMetrics metrics = painter.fontMetrics();
        painter.end();
        const QRect box(20, 20, metrics.horizontalAdvance(name), metrics.height());

        // The rule is wiped out under the text's box, and only there.
        QVERIFY(isWhite(image, 60, box.top()));
        QVERIFY(isWhite(image, 60, box.bottom()));
        QVERIFY(isBlack(image, 60, box.top() - 1));
        QVERIFY(isBlack(image, 60, box.bottom() + 1));
        // The letters reach the end of the whole text, far past the rule.
        const QRect ink = inkBounds(image.copy(61, box.top(), 339, box.height()));
        QVERIFY2(61 + ink.right() >= box.right() - 4, qPrintable(QString::number(61 + ink.right())));
    }
};

QTEST_MAIN(SheetPainterTest)
#include "tst_sheet_painter.moc"
