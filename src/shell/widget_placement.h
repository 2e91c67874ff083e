#pragma once

// Builds controls at the positions and sizes of a window's design, in pixels
// of their parent.

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace vexa {

// Names a new control and gives it its designed geometry.
template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

// A label sizes itself to its text from a fixed left and top.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, bool bold = false);

// A one-line edit, 21 pixels high, named for screen readers; its label, if
// any, becomes its buddy.
QLineEdit* placeEdit(QWidget* parent, const char* name, const QString& accessibleName, int left, int top, int width,
                     QLabel* label);

// A frame with a panel style (QFrame::Panel | Raised or Sunken).
QFrame* placePanel(QWidget* parent, const char* name, int left, int top, int width, int height, int style,
                   int lineWidth = 1);

} // namespace vexa
