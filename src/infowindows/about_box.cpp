#include "infowindows/about_box.h"

#include "fonts/design_fonts.h"
#include "infowindows/credits.h"

#include <QFrame>
#include <QPushButton>

namespace vexa {

TForm2::TForm2(QWidget* parent)
    : NoCancelDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Acerca de Quorella"));
    // A fixed dialog frame whose only border button is the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint
                   | Qt::WindowStaysOnTopHint);
    setFont(windowFont());
    setFixedSize(352, 228);
    move(227, 200);

    // Doubly sunken panel holding the logo and the credits.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(5, 5, 344, 175);

    addCredits(Panel1, CreditLayout{
        .logo = {"Image1", {4, 8}},
        .product = {"Label1", {178, 18}},
        .registered = {"Label9", {266, 18}},
        .group = {"Label4", {112, 65}},
        .institutions = {"Label3", {15, 82}},
        .authors = {{{"Label6", {133, 100}}, {"Label7", {113, 113}}, {"Label8", {109, 126}}}},
        .registration = {"Label5", {115, 153}},
    });

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(134, 194, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    Button1->setFocus();
}

void TForm2::Button1Click()
{
    reject();
}

} // namespace vexa
