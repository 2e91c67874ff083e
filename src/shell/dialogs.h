#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QPrintDialog;
class QWidget;

namespace vexa {

// A file dialog's settings, and the file name it keeps from one use to the
// next: a confirmed dialog proposes the name chosen the next time it is shown.
struct FileDialog {
    enum class Kind {
        Save, // asks before replacing an existing file
        Open, // only existing files can be chosen
    };
    Kind kind = Kind::Save;
    QString title;            // empty: the toolkit's own title
    QString fileName;         // the proposed name; after a confirmed use the (first) file chosen, as a full path
    QStringList files;        // after a confirmed use, every file chosen
    QString defaultExtension; // given to a name typed without an extension, e.g. "TXT"
    QString filter;           // e.g. "Quorella files (*.qrl)"
    bool allowMultiSelect = false;
};

// Every box and window the program shows modally goes through this seam, so
// that tests can replace it and nothing ever waits for a user who is not there.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The prompt box: the text, no icon, one "OK" button, caption "VEXA".
    virtual void showMessage(const QString& text) = 0;

    // The error box: the text (an error's text with its full stop, see
    // errorBoxText), the error icon, one "OK" button, caption "VEXA".
    virtual void showError(const QString& text) = 0;

    // Shows a window modally and returns when it is closed.
    virtual void showModal(QDialog& window) = 0;

    // Shows the print dialog modally. Returns true when the user confirms it,
    // and the dialog has then applied the chosen printer and its settings to
    // its printer.
    virtual bool showPrintDialog(QPrintDialog& dialog) = 0;
    // Shows a file dialog modally. Returns true when the user confirmed it;
    // `dialog` then holds the files chosen. A cancel leaves it unchanged.
    virtual bool executeFileDialog(FileDialog& dialog) = 0;
};

// The real boxes, on screen.
class ScreenDialogs : public Dialogs {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    void showModal(QDialog& window) override;
    bool showPrintDialog(QPrintDialog& dialog) override;
    bool executeFileDialog(FileDialog& dialog) override;
};

// The text the error box shows for an error's text: the text and a full stop.
QString errorBoxText(const QString& errorText);

} // namespace vexa
