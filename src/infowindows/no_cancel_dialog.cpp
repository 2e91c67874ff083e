#include "infowindows/no_cancel_dialog.h"

#include <QKeyEvent>

namespace vexa {

void NoCancelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vexa
