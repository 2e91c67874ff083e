#include "infowindows/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initInfoResources()
{
    Q_INIT_RESOURCE(infowindows);
}

namespace vexa {

void ensureInfoResources()
{
    static const bool done = (initInfoResources(), true);
    Q_UNUSED(done);
}

} // namespace vexa
