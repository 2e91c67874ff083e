#include "shell/numbering_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "fonts/design_fonts.h"
#include "numbers/number_reading.h"
#include "shell/command_boundary.h"
#include "shell/widget_placement.h"

namespace vexa {

TForm4::TForm4(Dialogs& dialogs, std::function<void(std::int32_t)> setOrderNumber, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs),
      setOrderNumber_(std::move(setOrderNumber))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Número de la muestra"));
    setFont(windowFont());
    setFixedSize(298, 157);
    move(200, 108);

    GroupBox1 =
        place(new QGroupBox(QStringLiteral("Adding a order number to the sample"), this), "GroupBox1", 17, 23, 189, 68);
    RadioButton1 = place(new QRadioButton(QStringLiteral("Yes"), GroupBox1), "RadioButton1", 70, 19, 50, 17);
    RadioButton2 = place(new QRadioButton(QStringLiteral("No"), GroupBox1), "RadioButton2", 70, 41, 43, 17);
    RadioButton2->setChecked(true);

    Label1 = placeLabel(this, "Label1", QStringLiteral("Begin by ..."), 218, 36);
    Label1->setEnabled(false);
    Edit1 = placeEdit(this, "Edit1", QStringLiteral("Begin by"), 226, 53, 39, Label1);
    Edit1->setEnabled(false);

    Button1 = place(new QPushButton(QStringLiteral("OK"), this), "Button1", 104, 110, 75, 25);
    // Enter on a focused OK presses it. The window has no default button, so
    // Enter in the number presses nothing.
    Button1->setAutoDefault(true);

    // Tab order: the checked answer, OK, the number.
    setTabOrder(GroupBox1, Button1);
    setTabOrder(Button1, Edit1);

    // A reaction runs when its button goes from unchecked to checked.
    connectCommand(dialogs_, RadioButton1, &QRadioButton::toggled, this, [this] {
        if (RadioButton1->isChecked())
            RadioButton1Click();
    });
    connectCommand(dialogs_, RadioButton2, &QRadioButton::toggled, this, [this] {
        if (RadioButton2->isChecked())
            RadioButton2Click();
    });
    connectCommand(dialogs_, Edit1, &QLineEdit::textChanged, this, &TForm4::Edit1Change);
    connectCommand(dialogs_, Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

bool TForm4::numberingOn() const
{
    return RadioButton1->isChecked();
}

void TForm4::resetToNo()
{
    RadioButton2->setChecked(true);
    Edit1->setEnabled(false);
    Label1->setEnabled(false);
}

void TForm4::showDialog()
{
    if (!isVisible())
        show();
}

void TForm4::RadioButton1Click()
{
    Edit1->setEnabled(true);
    Edit1->setFocus();
    Label1->setEnabled(true);
}

void TForm4::RadioButton2Click()
{
    Edit1->clear();
    Edit1->setEnabled(false);
    Label1->setEnabled(false);
}

void TForm4::Edit1Change()
{
    if (!numberingOn())
        return;
    setOrderNumber_(readInteger(Edit1->text().toStdString()));
}

void TForm4::Button1Click()
{
    if (numberingOn() && Edit1->text().isEmpty()) {
        dialogs_.showMessage(QStringLiteral("¿Número de orden de la muestra?"));
        Edit1->setFocus();
        return;
    }
    close();
}

} // namespace vexa
