#include "fonts/design_fonts.h"

#include <QHash>

namespace vexa {

QString installedFace(const QString& designedFace)
{
    static const QHash<QString, QString> kTwins = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        // The bitmap face "MS Sans Serif" has no twin; fontconfig would pick a
        // much wider face that clips the fixed-size labels. Arial's metrics at
        // the same pixel height come closest.
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
    };
    return kTwins.value(designedFace, designedFace);
}

int pointsToPixels(int points)
{
    // MulDiv(points, 96, 72): rounded to nearest.
    return (points * 96 + 36) / 72;
}

QFont designFont(const QString& designedFace, int pixelHeight, bool bold)
{
    QFont font(installedFace(designedFace));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QFont windowFont()
{
    return designFont(QStringLiteral("MS Sans Serif"), 11);
}

} // namespace vexa
