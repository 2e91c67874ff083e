#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "shell_fixture.h"

using vexa::test::Shell;

class NumberingDialogTest : public QObject {
    Q_OBJECT

private:
    static void chooseYes(Shell& shell)
    {
        shell.form1.Nmerodemuestra1->trigger();
        QTest::mouseClick(shell.form4.RadioButton1, Qt::LeftButton);
    }

private slots:
    void startsWithNumberingOff()
    {
        Shell shell;
        auto& d = shell.form4;
        QCOMPARE(d.windowTitle(), QString("Número de la muestra"));
        QCOMPARE(d.size(), QSize(298, 157));
        QCOMPARE(d.GroupBox1->title(), QString("Adding a order number to the sample"));
        QVERIFY(d.RadioButton2->isChecked());
        QVERIFY(!d.Edit1->isEnabled());
        QVERIFY(!d.Label1->isEnabled());
        QVERIFY(!d.numberingOn());
        QVERIFY(!d.isVisible());
    }

    void yesEnablesTheNumberAndFocusesIt()
    {
        Shell shell;
        chooseYes(shell);
        QVERIFY(shell.form4.Edit1->isEnabled());
        QVERIFY(shell.form4.Label1->isEnabled());
        QCOMPARE(shell.form4.focusWidget(), shell.form4.Edit1);
        QVERIFY(shell.startNumbers.isEmpty()); // choosing Yes reads nothing yet
    }

    // The start number is read on every change of the text.
    void readsTheNumberOnEveryChange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("readings");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("12") << "12" << QList<int>{1, 12} << QStringList{};
        QTest::newRow("trailing space") << "7 " << QList<int>{7}
                                        << QStringList{"'7 ' is not a valid integer value."};
        QTest::newRow("hexadecimal") << "$A" << QList<int>{10} << QStringList{"'$' is not a valid integer value."};
        QTest::newRow("letters") << "x" << QList<int>{} << QStringList{"'x' is not a valid integer value."};
    }

    void readsTheNumberOnEveryChange()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, readings);
        QFETCH(QStringList, errors);
        Shell shell;
        chooseYes(shell);
        QTest::keyClicks(shell.form4.Edit1, typed);
        QCOMPARE(shell.startNumbers, readings);
        QCOMPARE(shell.dialogs.errors, errors);
        QVERIFY(shell.form4.numberingOn());
        QCOMPARE(shell.form4.Edit1->text(), typed);
    }

    void deletingTheLastDigitKeepsTheNumber()
    {
        Shell shell;
        chooseYes(shell);
        QTest::keyClicks(shell.form4.Edit1, "5");
        QTest::keyClick(shell.form4.Edit1, Qt::Key_Backspace);
        QCOMPARE(shell.dialogs.errors, QStringList{"'' is not a valid integer value."});
        QCOMPARE(shell.form1.NumOrden, 5);
    }

    void okInsistsOnANumber()
    {
        Shell shell;
        chooseYes(shell);
        QTest::mouseClick(shell.form4.Button1, Qt::LeftButton);
        QCOMPARE(shell.dialogs.messages, QStringList{"¿Número de orden de la muestra?"});
        QVERIFY(shell.form4.isVisible());
        QCOMPARE(shell.form4.focusWidget(), shell.form4.Edit1);

        // An invalid number does not keep the dialog open.
        QTest::keyClicks(shell.form4.Edit1, "x");
        QTest::mouseClick(shell.form4.Button1, Qt::LeftButton);
        QVERIFY(!shell.form4.isVisible());
    }

    void noEmptiesTheNumber()
    {
        Shell shell;
        chooseYes(shell);
        QTest::keyClicks(shell.form4.Edit1, "5");
        QTest::mouseClick(shell.form4.RadioButton2, Qt::LeftButton);
        QCOMPARE(shell.form4.Edit1->text(), QString());
        QVERIFY(!shell.form4.Edit1->isEnabled());
        QVERIFY(!shell.form4.Label1->isEnabled());
        QVERIFY(shell.dialogs.errors.isEmpty()); // the emptied text is not read
        QCOMPARE(shell.form1.NumOrden, 5);

        QTest::mouseClick(shell.form4.RadioButton1, Qt::LeftButton);
        QCOMPARE(shell.form4.Edit1->text(), QString());
        QTest::mouseClick(shell.form4.Button1, Qt::LeftButton);
        QCOMPARE(shell.dialogs.messages, QStringList{"¿Número de orden de la muestra?"});
    }

    void numbersSuccessiveSamples()
    {
        Shell shell;
        chooseYes(shell);
        QTest::keyClicks(shell.form4.Edit1, "5");
        QTest::mouseClick(shell.form4.Button1, Qt::LeftButton);
        QVERIFY(!shell.form4.isVisible());
        for (int i = 0; i < 3; ++i)
            shell.calculateWorkedExample("Sample");
        QCOMPARE(shell.form1.Resultados1->cell(vexa::kNameColumn, 1), QString("Sample5"));
        QCOMPARE(shell.form1.Resultados1->cell(vexa::kNameColumn, 2), QString("Sample6"));
        QCOMPARE(shell.form1.Resultados1->cell(vexa::kNameColumn, 3), QString("Sample7"));
        QCOMPARE(shell.form1.NumOrden, 8);

        shell.form1.Nmerodemuestra1->trigger();
        QVERIFY(shell.form4.RadioButton1->isChecked());
        QCOMPARE(shell.form4.Edit1->text(), QString("5"));
    }

    // Enter presses OK only where OK itself has the focus, as on any focused
    // button; in the number it does nothing.
    void enterPressesOkOnlyWhenOkHasTheFocus_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Return in the number") << "Edit1" << int(Qt::Key_Return) << false;
        QTest::newRow("Enter in the number") << "Edit1" << int(Qt::Key_Enter) << false;
        QTest::newRow("Return on OK") << "Button1" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on OK") << "Button1" << int(Qt::Key_Enter) << true;
    }

    void enterPressesOkOnlyWhenOkHasTheFocus()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        Shell shell;
        chooseYes(shell);
        QTest::keyClicks(shell.form4.Edit1, "3");
        auto* target = shell.form4.findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(shell.form4.isVisible(), !closes);
        QVERIFY(shell.dialogs.messages.isEmpty());
    }

    void enterOnOkStillInsistsOnANumber()
    {
        Shell shell;
        chooseYes(shell);
        shell.form4.Button1->setFocus();
        QTest::keyClick(shell.form4.Button1, Qt::Key_Return);
        QCOMPARE(shell.dialogs.messages, QStringList{"¿Número de orden de la muestra?"});
        QVERIFY(shell.form4.isVisible());
        QCOMPARE(shell.form4.focusWidget(), shell.form4.Edit1);
    }

    // Tab goes from the checked answer to OK, then to the number when it is
    // enabled, and round again.
    void tabOrder_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("numbering on") << true << QStringList{"RadioButton1", "Button1", "Edit1", "RadioButton1"};
        QTest::newRow("numbering off") << false << QStringList{"RadioButton2", "Button1", "RadioButton2"};
    }

    void tabOrder()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, visited);
        Shell shell;
        auto& d = shell.form4;
        if (yes)
            chooseYes(shell);
        else
            shell.form1.Nmerodemuestra1->trigger();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        (yes ? d.RadioButton1 : d.RadioButton2)->setFocus();
        QStringList seen;
        for (int i = 0; i < visited.size(); ++i) {
            seen << d.focusWidget()->objectName();
            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, visited);
    }

    void clearTurnsNumberingOffWhileOpen()
    {
        Shell shell;
        chooseYes(shell);
        QTest::keyClicks(shell.form4.Edit1, "3");
        shell.form1.Borrartodo1->trigger();
        QVERIFY(shell.form4.isVisible());
        QVERIFY(shell.form4.RadioButton2->isChecked());
        QCOMPARE(shell.form4.Edit1->text(), QString());
        QVERIFY(!shell.form4.Edit1->isEnabled());
        QCOMPARE(shell.form1.NumOrden, 3);
    }

    void yesWithoutANumberUsesTheSampleCount()
    {
        Shell shell;
        shell.calculateWorkedExample("A");
        shell.calculateWorkedExample("A");
        chooseYes(shell);
        shell.form4.close();
        shell.calculateWorkedExample("A");
        QCOMPARE(shell.form1.Resultados1->cell(vexa::kNameColumn, 3), QString("A2"));
    }
};

QTEST_MAIN(NumberingDialogTest)
#include "tst_numbering_dialog.moc"
