#pragma once

// The main window and the numbering dialog wired as at start-up, with boxes
// that record what they would show instead of waiting for a user.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>
#include <memory>

#include "numbers/number_settings.h"
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
        fileDialogs.clear();
    }

    QStringList messages;
    QStringList errors;
    QStringList modalWindows;
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

    QStringList row(int r) const
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
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
