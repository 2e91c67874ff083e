#pragma once

#include <QDialog>

class QKeyEvent;

namespace vexa {

// A modal window without a cancel button: Esc does not close it, as it would
// close a plain QDialog. OK buttons and the close box still close it.
class NoCancelDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vexa
