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
    return QIcon(QStringLiteral(":/vexa/vexa.ico"));
}

} // namespace vexa
