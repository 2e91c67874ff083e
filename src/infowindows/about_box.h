#pragma once

#include "infowindows/no_cancel_dialog.h"

class QFrame;
class QPushButton;

namespace vexa {

// The about box: logo, product name and credits, with one OK button. The main
// window shows it modally with exec(). OK, Enter and the close box close it
// (result: rejected); Esc does nothing, as the box has no cancel button.
class TForm2 : public NoCancelDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

public slots:
    // The OK button: closes the box.
    void Button1Click();

private:
    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace vexa
