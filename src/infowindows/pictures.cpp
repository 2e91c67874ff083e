#include "infowindows/pictures.h"

#include "infowindows/resources.h"

namespace vexa {

QPixmap logoPicture()
{
    ensureInfoResources();
    return QPixmap(QStringLiteral(":/vexa/logo.bmp"));
}

QIcon applicationIcon()
{
    ensureInfoResources();
    // Every size is offered, so that the title bar, the task bar and the
    // window switcher each take the one drawn for their size instead of
    // scaling another.
    QIcon icon(QStringLiteral(":/vexa/vexa.ico"));
    for (int size : {16, 22, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/vexa/vexa-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace vexa
