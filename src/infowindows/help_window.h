#pragma once

#include "infowindows/no_cancel_dialog.h"

class QEvent;
class QTextEdit;

namespace vexa {

// The help window: the help text in a read-only, scrollable editor filling the
// window. The main window shows it modally with exec(). It closes only by its
// close box and is then hidden, not destroyed, so the next showing finds the
// same size, position and scroll position.
class TForm3 : public NoCancelDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    // Paints the editor's background light cream; runs each time the window
    // becomes the active window.
    void FormActivate();

    // The help text as stored in the program's resources, decoded from UTF-8,
    // one paragraph per line.
    static QString helpText();

protected:
    void changeEvent(QEvent* event) override;

private:
    QTextEdit* RichEdit1 = nullptr;
};

} // namespace vexa
