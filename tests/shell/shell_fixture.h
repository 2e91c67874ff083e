#pragma once

// The main window and the numbering dialog wired as at start-up, with boxes
// that record what they would show instead of waiting for a user.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>
#include <functional>
#include <memory>

#include "numbers/number_settings.h"
#include "numbers/result_columns.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/numbering_dialog.h"
#include "shell/string_grid.h"

namespace vexa::test {

class RecordingDialogs : public Dialogs {
public:
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    void showModal(QDialog& window) override { modalWindows << window.objectName(); }
    bool showPrintDialog(QPrintDialog& dialog) override
    {
        ++printDialogs;
        return answerPrintDialog && answerPrintDialog(dialog);
    }

    // Answers each file dialog with the next of `fileAnswers`: the files
    // chosen, or an empty list (or none left) for a cancel.
    bool executeFileDialog(FileDialog& dialog) override
    {
        fileDialogs << dialog;
        const QStringList answer = fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
        if (answer.isEmpty())
            return false;
        dialog.files = answer;
        dialog.fileName = answer.first();
        return true;
    }

    void clear()
    {
        messages.clear();
        errors.clear();
        modalWindows.clear();
        printDialogs = 0;
        fileDialogs.clear();
    }

    QStringList messages;
    QStringList errors;
    QStringList modalWindows;
    int printDialogs = 0;
    // Plays the user in the print dialog: may change its printer, and
    // returns true to confirm. Unset, the dialog is cancelled.
    std::function<bool(QPrintDialog&)> answerPrintDialog;
    QList<FileDialog> fileDialogs; // as each was shown
    QList<QStringList> fileAnswers;
};

struct Shell {
    explicit Shell(char32_t separator = U'.')
        : settings(separator),
          form1(dialogs, settings),
          form4(dialogs, [this](std::int32_t n) {
              form1.NumOrden = n;
              startNumbers << n;
          })
    {
        form1.setNumberingDialog(&form4);
        form1.show();
        form1.activateWindow();
        if (!QTest::qWaitForWindowActive(&form1))
            qWarning("main window did not become active");
    }

    // Types a sample into the input fields and presses Enter in the last one.
    void calculate(const QString& name, const QString& pathlength, const QStringList& absorbances)
    {
        const QList<QLineEdit*> fields{form1.NomMuestra, form1.Espesor,  form1.PrimLong,
                                       form1.SegLong,    form1.TercLong, form1.CuartLong};
        const QStringList texts = QStringList{name, pathlength} + absorbances;
        for (int i = 0; i < fields.size(); ++i) {
            fields[i]->setFocus();
            fields[i]->clear();
            if (!texts.value(i).isEmpty())
                QTest::keyClicks(fields[i], texts[i]);
        }
        QTest::keyClick(form1.CuartLong, Qt::Key_Return);
    }

    void calculateWorkedExample(const QString& name = QStringLiteral("Crianza"))
    {
        calculate(name, QStringLiteral("2"), {"0.5", "0.6", "0.4", "0.2"});
    }

    // The texts of row r from column `first` to column `last`; by default the
    // name and the eight values.
    QStringList row(int r, int first = kNameColumn, int last = kLastValueColumn) const
    {
        QStringList texts;
        for (int c = first; c <= last; ++c)
            texts << form1.Resultados1->cell(c, r);
        return texts;
    }

    RecordingDialogs dialogs;
    FixedNumberSettings settings;
    TForm1 form1;
    TForm4 form4;
    QList<std::int32_t> startNumbers;
};

} // namespace vexa::test
