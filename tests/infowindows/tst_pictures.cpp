// The pictures the program ships: what format they are stored in, and that the
// library hands them out.
#include "infowindows/pictures.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QTest>

using namespace vexa;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSet<QRgb> opaqueColours(const QImage& image)
{
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) == 255)
                colours.insert(argb.pixel(x, y));
    return colours;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void logoIsEightBitWithFullPalette()
    {
        const QPixmap logo = logoPicture();
        QCOMPARE(logo.size(), QSize(120, 60));

        const QByteArray bmp = readAll(QStringLiteral(":/vexa/logo.bmp"));
        QVERIFY(bmp.startsWith("BM"));
        // BITMAPINFOHEADER after the 14-byte file header: bits per pixel at 14 + 14.
        QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(8));

        QImage image;
        QVERIFY(image.loadFromData(bmp, "BMP"));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorCount(), 256);
    }

    void iconIsSixteenColoursWithTransparency()
    {
        const QByteArray ico = readAll(QStringLiteral(":/vexa/vexa.ico"));
        QVERIFY(ico.size() > 22);
        QCOMPARE(qFromLittleEndian<quint16>(ico.constData() + 2), quint16(1)); // an icon
        QCOMPARE(qFromLittleEndian<quint16>(ico.constData() + 4), quint16(1)); // one image
        QCOMPARE(quint8(ico.at(6)), quint8(32));
        QCOMPARE(quint8(ico.at(7)), quint8(32));
        QCOMPARE(quint8(ico.at(8)), quint8(16));                              // palette entries
        QCOMPARE(qFromLittleEndian<quint16>(ico.constData() + 12), quint16(4)); // bits per pixel

        QImage image;
        QVERIFY2(image.loadFromData(ico, "ICO"), "Qt's icon reader must read the file");
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        QVERIFY(qAlpha(image.pixel(0, 0)) == 0);    // the corners are see-through
        QVERIFY(opaqueColours(image).size() <= 16);

        const QIcon icon = applicationIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    }

    void desktopIconMatchesWindowIcon()
    {
        QImage png(QStringLiteral(VEXA_ASSETS_DIR "/vexa.png"));
        QCOMPARE(png.size(), QSize(32, 32));
        QCOMPARE(png.format(), QImage::Format_Indexed8);
        QVERIFY(png.colorCount() <= 16);

        QImage ico;
        QVERIFY(ico.loadFromData(readAll(QStringLiteral(":/vexa/vexa.ico")), "ICO"));
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32),
                 ico.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
