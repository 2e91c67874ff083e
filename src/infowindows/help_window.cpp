#include "infowindows/help_window.h"

#include "fonts/design_fonts.h"
#include "infowindows/resources.h"

#include <QEvent>
#include <QFile>
#include <QPalette>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vexa {

QString TForm3::helpText()
{
    ensureInfoResources();
    QFile file(QStringLiteral(":/vexa/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    // Every line of the file ends in a newline, the last one included; the
    // editor takes newlines as separators, so the final one would add a
    // paragraph that the file does not have.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

TForm3::TForm3(QWidget* parent)
    : NoCancelDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Ayuda de Quorella 1.1"));
    // A sizeable frame with the usual border buttons, kept above other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(windowFont());
    setSizeGripEnabled(false);
    // The window is laid out as 489 x 331 including a sizeable frame and
    // caption bar; that leaves 481 x 304 inside. The window manager adds its
    // own frame around that inside size.
    resize(481, 304);
    move(229, 150);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(windowFont());

    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
    // Keep the selection highlighted when the editor loses the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    RichEdit1->setPalette(palette);

    RichEdit1->setPlainText(helpText());
    RichEdit1->moveCursor(QTextCursor::Start);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit1);

    // The editor gets the focus when the window becomes active.
    RichEdit1->setFocus();
}

void TForm3::FormActivate()
{
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 235));
    RichEdit1->setPalette(palette);
}

void TForm3::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

} // namespace vexa
