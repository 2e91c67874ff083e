#include "infowindows/credits.h"

#include "fonts/design_fonts.h"
#include "infowindows/pictures.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace vexa {
namespace {

const QColor kPurple(128, 0, 128);

// The credits of this program's own team.
const char* const kGroup = "Colour Research";
const char* const kInstitutions = "Wine Laboratory Software - Colour Measurement";
const char* const kAuthors[3] = {
    "VEXA developers",
    "Colour measurement team",
    "Laboratory methods team",
};
const char* const kRegistration = "Registration 0000-001";

// A label of one line of text that sizes itself to that text from a fixed
// top-left. A default colour leaves the window-text colour in place.
QLabel* addLine(QWidget* panel, const CreditPlacement& at, const QString& text, const QFont& font,
                const QColor& colour = QColor())
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(at.objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setFont(font);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    label->move(at.topLeft);
    label->adjustSize();
    return label;
}

} // namespace

void addCredits(QWidget* panel, const CreditLayout& layout)
{
    auto* logo = new QLabel(panel);
    logo->setObjectName(QString::fromLatin1(layout.logo.objectName));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setScaledContents(false);
    logo->setPixmap(logoPicture());
    logo->setGeometry(QRect(layout.logo.topLeft, kLogoFrameSize));

    addLine(panel, layout.product, QStringLiteral("VEXA"),
            designFont(QStringLiteral("Verdana"), 27, true), kPurple);
    addLine(panel, layout.registered, QStringLiteral("\u00AE"),
            designFont(QStringLiteral("Verdana"), 13, true), kPurple);
    addLine(panel, layout.group, QString::fromLatin1(kGroup),
            designFont(QStringLiteral("Arial"), 16, true), kPurple);
    addLine(panel, layout.institutions, QString::fromLatin1(kInstitutions),
            designFont(QStringLiteral("Arial"), 13, true), kPurple);
    for (std::size_t i = 0; i < layout.authors.size(); ++i)
        addLine(panel, layout.authors[i], QString::fromLatin1(kAuthors[i]), windowFont());
    addLine(panel, layout.registration, QString::fromLatin1(kRegistration),
            designFont(QStringLiteral("Arial"), 11), QColor(0, 0, 0));
}

} // namespace vexa
