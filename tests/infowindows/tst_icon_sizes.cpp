// The icon at every size a desktop asks for: the window icon offers each one,
// hands out the picture drawn for a size rather than a scaled copy of another,
// and the files installed for desktops hold what their names say.
#include "infowindows/pictures.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

using namespace vexa;

class TestIconSizes : public QObject {
    Q_OBJECT

private slots:
    void eachSizeIsDrawnForItsPlace_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("desktopFile");
        for (int size : {16, 22, 24, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size << QStringLiteral(VEXA_ASSETS_DIR "/vexa-%1.png").arg(size);
        QTest::newRow("32, 16 colours") << 32 << QStringLiteral(VEXA_ASSETS_DIR "/vexa.png");
    }

    void eachSizeIsDrawnForItsPlace()
    {
        QFETCH(int, size);
        QFETCH(QString, desktopFile);

        const QImage drawn(desktopFile);
        QCOMPARE(drawn.size(), QSize(size, size));
        QVERIFY(drawn.hasAlphaChannel());
        const QImage argb = drawn.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(argb.pixel(0, 0)), 0);                       // no square backdrop
        QCOMPARE(qAlpha(argb.pixel(size - 1, 0)), 0);

        const QIcon icon = applicationIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage offered = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(offered, argb);
    }

    void scalableIconIsSquareSvg()
    {
        QFile file(QStringLiteral(VEXA_ASSETS_DIR "/vexa.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        QCOMPARE(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
        QCOMPARE(xml.attributes().value("viewBox"), QStringLiteral("0 0 256 256"));
        int paths = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("path"))
                ++paths;
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(paths > 0);
    }
};

QTEST_MAIN(TestIconSizes)
#include "tst_icon_sizes.moc"
