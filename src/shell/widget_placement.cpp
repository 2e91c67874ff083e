#include "shell/widget_placement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace vexa {

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* placeEdit(QWidget* parent, const char* name, const QString& accessibleName, int left, int top, int width,
                     QLabel* label)
{
    auto* edit = place(new QLineEdit(parent), name, left, top, width, 21);
    edit->setAccessibleName(accessibleName);
    if (label)
        label->setBuddy(edit);
    return edit;
}

QFrame* placePanel(QWidget* parent, const char* name, int left, int top, int width, int height, int style,
                   int lineWidth)
{
    auto* panel = place(new QFrame(parent), name, left, top, width, height);
    panel->setFrameStyle(style);
    panel->setLineWidth(lineWidth);
    return panel;
}

} // namespace vexa
