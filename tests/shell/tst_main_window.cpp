#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>
#include <climits>

#include "shell/command_boundary.h"
#include "shell_fixture.h"

using namespace vexa;
using vexa::test::Shell;

namespace {
const QStringList kWorkedExampleCells{"42.292", "37.023", "33.550", "67.3", "24.31", "18.96", "22.99", "7.90"};
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmpty()
    {
        Shell shell;
        auto& f = shell.form1;
        QCOMPARE(f.windowTitle(), QString("VEXA - Coordinates"));
        QCOMPARE(f.NumFila, 1);
        QCOMPARE(f.NumOrden, 0);
        QCOMPARE(f.Resultados1->rowCountShown(), 13);
        QCOMPARE(shell.row(0, kRowNumberColumn), (QStringList{"no", "    Sample", "     X", "     Y", "     Z",
                                                             "    L*", "    C*", "    h*", "    a*", "    b*"}));
        QCOMPARE(f.Resultados1->cell(kRowNumberColumn, 12), QString("12"));
        QCOMPARE(f.Resultados1->cell(kRowNumberColumn, 50), QString("50")); // stored beyond the rows shown
        QCOMPARE(f.Resultados1->cell(kRowNumberColumn, 51), QString());
        QVERIFY(f.RadioButton1->isChecked());
        QCOMPARE(f.focusWidget(), f.NomMuestra);
    }

    void layoutAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(11, 15, 216, 41);
        QTest::newRow("NomMuestra") << "NomMuestra" << QRect(24, 89, 93, 21);
        QTest::newRow("Espesor") << "Espesor" << QRect(158, 89, 41, 21);
        QTest::newRow("GroupBox2") << "GroupBox2" << QRect(269, 15, 374, 96);
        QTest::newRow("TercLong") << "TercLong" << QRect(199, 42, 67, 21);
        QTest::newRow("Calcular") << "Calcular" << QRect(514, 125, 75, 25);
        QTest::newRow("Guardar") << "Guardar" << QRect(647, 125, 75, 25);
        QTest::newRow("Resultados1") << "Resultados1" << QRect(8, 217, 443, 304);
        QTest::newRow("Panel2") << "Panel2" << QRect(454, 217, 341, 304);
        QTest::newRow("Imagen") << "Imagen" << QRect(1, 2, 301, 301);
        QTest::newRow("Image2") << "Image2" << QRect(304, 2, 38, 300);
        QTest::newRow("Panel5") << "Panel5" << QRect(754, 218, 4, 303);
    }

    void layoutAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        Shell shell;
        auto* widget = shell.form1.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    // Labels size themselves to their texts; none may be cut off.
    void labelsShowTheirWholeText()
    {
        Shell shell;
        const QList<QLabel*> labels = shell.form1.findChildren<QLabel*>() + shell.form4.findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->text().isEmpty())
                continue;
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->objectName()));
        }
    }

    void promptsForTheFirstEmptyField_data()
    {
        QTest::addColumn<QStringList>("inputs"); // pathlength, 450, 520, 570, 630
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << "Pathlength cell?" << "Espesor";
        QTest::newRow("450 empty") << QStringList{"2", "", "0.6", "0.4", "0.2"} << "Absorbance at 450 nm?"
                                   << "PrimLong";
        QTest::newRow("520 empty") << QStringList{"2", "0.5", "", "0.4", "0.2"} << "¿Absorbance at 520 nm?"
                                   << "SegLong";
        QTest::newRow("570 empty") << QStringList{"2", "0.5", "0.6", "", ""} << "¿Absorbance at 570 nm?"
                                   << "TercLong";
        QTest::newRow("630 empty") << QStringList{"2", "0.5", "0.6", "0.4", ""} << "¿Absorbance at 630 nm?"
                                   << "CuartLong";
    }

    void promptsForTheFirstEmptyField()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        Shell shell;
        shell.form1.RadioButton2->setChecked(true);
        shell.calculate("Tinto", inputs[0], inputs.mid(1));
        QCOMPARE(shell.dialogs.messages, QStringList{prompt});
        QVERIFY(shell.dialogs.errors.isEmpty());
        QCOMPARE(shell.form1.focusWidget()->objectName(), focus);
        QCOMPARE(shell.form1.NumFila, 1);
        QCOMPARE(shell.row(1).join(""), QString());
        QCOMPARE(shell.form1.EspesorRef, 10); // the wine type is read first
    }

    void refusesWhatDoesNotConvert_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("error");
        QTest::newRow("decimal pathlength") << QStringList{"2.5", "0.5", "0.6", "0.4", "0.2"}
                                            << "'2.5' is not a valid integer value.";
        QTest::newRow("pathlength with a space") << QStringList{"2 ", "0.5", "0.6", "0.4", "0.2"}
                                                 << "'2 ' is not a valid integer value.";
        QTest::newRow("spaces only") << QStringList{"2", "0.5", "   ", "0.4", "0.2"}
                                     << "'   ' is not a valid floating point value.";
        QTest::newRow("comma under a point setting") << QStringList{"2", "0.5", "0.6", "0,4", "0.2"}
                                                     << "'0,4' is not a valid floating point value.";
        QTest::newRow("zero pathlength") << QStringList{"0", "0.5", "0.6", "0.4", "0.2"}
                                         << "Floating point division by zero.";
        QTest::newRow("zero pathlength, zero at 450 nm") << QStringList{"0", "0", "0.6", "0.4", "0.2"}
                                                         << "Invalid floating point operation.";
        QTest::newRow("overflow") << QStringList{"2", "-40", "0.6", "0.4", "0.2"} << "Floating point overflow.";
    }

    void refusesWhatDoesNotConvert()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, error);
        Shell shell;
        shell.form1.NomMuestra->setFocus();
        shell.calculate("Tinto", inputs[0], inputs.mid(1));
        QCOMPARE(shell.dialogs.errors, QStringList{error});
        QCOMPARE(shell.form1.NumFila, 1);
        QCOMPARE(shell.form1.NumOrden, 0);
        QCOMPARE(shell.row(1).join(""), QString());
        QCOMPARE(shell.form1.focusWidget(), shell.form1.CuartLong); // no focus moved
    }

    void workedExampleWithNumbering()
    {
        Shell shell;
        shell.form1.Nmerodemuestra1->trigger();
        QTest::mouseClick(shell.form4.RadioButton1, Qt::LeftButton);
        QTest::keyClicks(shell.form4.Edit1, "7");
        shell.calculateWorkedExample();
        shell.calculateWorkedExample();

        QCOMPARE(shell.row(1), QStringList{"Crianza7"} + kWorkedExampleCells);
        QCOMPARE(shell.row(2), QStringList{"Crianza8"} + kWorkedExampleCells);
        QCOMPARE(shell.form1.NumFila, 3);
        QCOMPARE(shell.form1.NumOrden, 9);
        QCOMPARE(shell.form1.Resultados1->rowCountShown(), 13);
        QVERIFY(shell.dialogs.messages.isEmpty());
        QVERIFY(shell.dialogs.errors.isEmpty());
        // The inputs stay for the next sample.
        QCOMPARE(shell.form1.PrimLong->text(), QString("0.5"));
    }

    void emptyNameAndNumberingOff()
    {
        Shell shell;
        shell.calculateWorkedExample(QString());
        QCOMPARE(shell.row(1).first(), QString());
        QCOMPARE(shell.form1.NumOrden, 1); // advances with numbering off too
    }

    // A comma setting reads the inputs with a comma only; the cells are
    // still written with a point.
    void commaDecimalSetting()
    {
        Shell shell(U',');
        shell.calculate("Crianza", "2", {"0.5", "0.6", "0.4", "0.2"});
        QCOMPARE(shell.dialogs.errors, QStringList{"'0.5' is not a valid floating point value."});
        shell.dialogs.clear();
        shell.calculate("Crianza", "2", {"0,5", "0,6", "0,4", "0,2"});
        QVERIFY(shell.dialogs.errors.isEmpty());
        QCOMPARE(shell.row(1), QStringList{"Crianza"} + kWorkedExampleCells);
    }

    void rowCountGrowsFromTheThirteenthSample()
    {
        Shell shell;
        auto& f = shell.form1;
        for (int sample = 1; sample <= 50; ++sample) {
            shell.calculateWorkedExample();
            if (sample == 12)
                QCOMPARE(f.Resultados1->rowCountShown(), 13);
            if (sample == 13) {
                QCOMPARE(f.Resultados1->rowCountShown(), 14);
                QCOMPARE(f.Resultados1->cell(kXColumn, 13), QString("42.292"));
            }
            if (sample < 50)
                QVERIFY(shell.dialogs.messages.isEmpty());
        }
        QCOMPARE(f.NumFila, 51);
        QCOMPARE(f.Resultados1->rowCountShown(), 51);
        QCOMPARE(f.Resultados1->cell(kNameColumn, 50), QString("Crianza"));
        QCOMPARE(shell.dialogs.messages, QStringList{"Number of samples in every grid <= 50"});

        // A full grid refuses a further sample before computing anything.
        shell.dialogs.clear();
        shell.calculateWorkedExample();
        QCOMPARE(shell.dialogs.messages, QStringList{"Number of samples in every grid <= 50"});
        QVERIFY(shell.dialogs.errors.isEmpty());
        QCOMPARE(shell.row(51).join(""), QString());
        QCOMPARE(f.NumFila, 51);
        QCOMPARE(f.NumOrden, 50);
        QCOMPARE(f.Resultados1->rowCountShown(), 51);

        // Clearing a full grid empties rows 1 to 51 and keeps the numbers.
        shell.form1.Nmerodemuestra1->trigger();
        QTest::mouseClick(shell.form4.RadioButton1, Qt::LeftButton);
        f.setWindowTitle("VEXA - old.qrl");
        f.Resultados1->setCell(kYColumn, 51, "stray");
        QTest::keyClick(f.PrimLong, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.NumFila, 1);
        QCOMPARE(f.Resultados1->rowCountShown(), 13);
        for (int r = 1; r <= 51; ++r)
            QCOMPARE(shell.row(r).join(""), QString());
        QCOMPARE(f.Resultados1->cell(kRowNumberColumn, 50), QString("50"));
        QCOMPARE(f.Resultados1->cell(kNameColumn, 0), QString("    Sample"));
        QCOMPARE(f.windowTitle(), QString("VEXA - Coordinates"));
        QCOMPARE(f.PrimLong->text(), QString());
        QCOMPARE(f.focusWidget(), f.NomMuestra);
        QVERIFY(shell.form4.RadioButton2->isChecked());
        QVERIFY(!shell.form4.Edit1->isEnabled());
        QCOMPARE(f.NumOrden, 50); // clearing leaves the order number
    }

    void orderNumberOverflow()
    {
        Shell shell;
        shell.form1.Nmerodemuestra1->trigger();
        QTest::mouseClick(shell.form4.RadioButton1, Qt::LeftButton);
        QTest::keyClicks(shell.form4.Edit1, "2147483647");
        shell.calculateWorkedExample("S");
        QCOMPARE(shell.dialogs.errors, QStringList{"Integer overflow."});
        QCOMPARE(shell.row(1).first(), QString("S2147483647"));
        QCOMPARE(shell.form1.NumFila, 2);
        QCOMPARE(shell.form1.NumOrden, INT_MIN);
        shell.calculateWorkedExample("S");
        QCOMPARE(shell.row(2).first(), QString("S-2147483648"));
        QCOMPARE(shell.form1.NumOrden, INT_MIN + 1);
    }

    void ctrlXInAnEditExits()
    {
        Shell shell;
        QTest::keyClicks(shell.form1.NomMuestra, "Rioja");
        shell.form1.NomMuestra->selectAll();
        QTest::keyClick(shell.form1.NomMuestra, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!shell.form1.isVisible());
        QCOMPARE(shell.form1.NomMuestra->text(), QString("Rioja")); // nothing was cut
    }

    void menuCaptionsAndShortcuts()
    {
        Shell shell;
        auto& f = shell.form1;
        QStringList captions;
        for (QAction* menu : f.menuBar()->actions())
            captions << menu->text();
        QCOMPARE(captions, (QStringList{"&File", "&Edit", "Options", "&Help"}));
        QStringList file;
        for (QAction* item : f.Archivo->actions())
            file << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
        QCOMPARE(file, (QStringList{"&New Ctrl+N", "&Open Ctrl+O", "&Save Ctrl+S", "-", "&Print Ctrl+P", "-",
                                    "E&xit Ctrl+X"}));
        QCOMPARE(f.Borrartodo1->text(), QString("&Delete all"));
        QCOMPARE(f.Nmerodemuestra1->text(), QString("Sample's number"));
        QCOMPARE(f.Ayuda->text(), QString("&Help"));
        QCOMPARE(f.Acercade1->text(), QString("&About VEXA"));
    }

    // Every pop-up item and the Save button invoke a main-menu item.
    void popupItemsInvokeMainMenuItems_data()
    {
        QTest::addColumn<QString>("popupItem");
        QTest::addColumn<QString>("mainItem");
        QTest::newRow("New") << "Nuevo2" << "Nuevo1";
        QTest::newRow("Open") << "Abrir2" << "Abrir1";
        QTest::newRow("Save") << "Guardar2" << "Guardar1";
        QTest::newRow("Delete all") << "Borrartodo2" << "Borrartodo1";
        QTest::newRow("Print") << "Imprimir2" << "Imprimir1";
        QTest::newRow("Help") << "Ayuda2" << "Ayuda";
        QTest::newRow("Sample's number") << "Nmerodemuestra2" << "Nmerodemuestra1";
        QTest::newRow("Exit") << "Salir2" << "Salir1";
        QTest::newRow("Save button") << "" << "Guardar1";
    }

    void popupItemsInvokeMainMenuItems()
    {
        QFETCH(QString, popupItem);
        QFETCH(QString, mainItem);
        Shell shell;
        auto* target = shell.form1.findChild<QAction*>(mainItem);
        QVERIFY(target);
        QSignalSpy spy(target, &QAction::triggered);
        if (popupItem.isEmpty()) {
            QTest::mouseClick(shell.form1.Guardar, Qt::LeftButton);
        } else {
            auto* item = shell.form1.PopupMenu1->findChild<QAction*>(popupItem);
            QVERIFY(item);
            item->trigger();
        }
        QCOMPARE(spy.count(), 1);
    }

    void popupMenuCaptions()
    {
        Shell shell;
        QStringList captions;
        for (QAction* item : shell.form1.PopupMenu1->actions())
            captions << (item->isSeparator() ? "-" : item->text());
        QCOMPARE(captions, (QStringList{"New", "Open", "Save", "Delete all", "-", "Print", "-", "Help", "-",
                                        "Sample's number", "-", "Exit"}));
    }

    void helpAndAboutOpenModally()
    {
        Shell shell;
        QDialog about(&shell.form1), help(&shell.form1);
        about.setObjectName("about");
        help.setObjectName("help");
        shell.form1.setAboutBox(&about);
        shell.form1.setHelpWindow(&help);
        shell.form1.Acercade1->trigger();
        shell.form1.PopupMenu1->findChild<QAction*>("Ayuda2")->trigger();
        QCOMPARE(shell.dialogs.modalWindows, (QStringList{"about", "help"}));
    }

    void samplesNumberShowsTheDialogWithoutRaisingIt()
    {
        Shell shell;
        QVERIFY(!shell.form4.isVisible());
        shell.form1.Nmerodemuestra1->trigger();
        QVERIFY(shell.form4.isVisible());
        shell.form4.move(300, 300);
        shell.form1.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shell.form1));
        shell.form1.Nmerodemuestra1->trigger();
        QVERIFY(shell.form4.isVisible());
        QCOMPARE(QApplication::activeWindow(), &shell.form1);
        QCOMPARE(shell.form4.pos(), QPoint(300, 300));
    }

    void tabNeverReachesTheGridOrCalculate()
    {
        Shell shell;
        auto& f = shell.form1;
        f.NomMuestra->setFocus();
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"NomMuestra", "Espesor", "PrimLong", "SegLong", "TercLong", "CuartLong",
                                       "Guardar", "RadioButton1", "NomMuestra"}));
    }

    void enterRunsCalculateExceptOnSave()
    {
        Shell shell;
        auto& f = shell.form1;
        shell.calculate("A", "2", {"0.5", "0.6", "0.4", "0.2"});
        QTest::keyClick(f.RadioButton1, Qt::Key_Return);
        QCOMPARE(f.NumFila, 3);
        QSignalSpy save(f.Guardar1, &QAction::triggered);
        f.Guardar->setFocus();
        QTest::keyClick(f.Guardar, Qt::Key_Return);
        QCOMPARE(save.count(), 1);
        QCOMPARE(f.NumFila, 3);
    }

    void closeBoxEndsLikeExit()
    {
        Shell shell;
        QVERIFY(shell.form1.close());
        QVERIFY(!shell.form1.isVisible());
    }

    void screenReaderNames_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << "NomMuestra" << "Sample's name";
        QTest::newRow("pathlength") << "Espesor" << "Pathlength cell";
        QTest::newRow("450") << "PrimLong" << "450 nm";
        QTest::newRow("520") << "SegLong" << "520 nm";
        QTest::newRow("570") << "TercLong" << "570 nm";
        QTest::newRow("630") << "CuartLong" << "630 nm";
        QTest::newRow("grid") << "Resultados1" << "Results";
        QTest::newRow("chart") << "Imagen" << "a*-b* chart";
        QTest::newRow("scale") << "Image2" << "L* scale";
    }

    void screenReaderNames()
    {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        Shell shell;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(shell.form1.findChild<QWidget*>(widget));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    void gridExposesItsCellsToScreenReaders()
    {
        Shell shell;
        shell.calculateWorkedExample();
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(shell.form1.Resultados1);
        QVERIFY(grid && grid->tableInterface());
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(0, 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QString("42.292"));
    }

    void errorBoundaryAddsTheFullStopAndSwallowsTheError()
    {
        vexa::test::RecordingDialogs dialogs;
        QVERIFY(!vexa::runCommand(dialogs, [] { throw std::runtime_error("Integer overflow"); }));
        QVERIFY(vexa::runCommand(dialogs, [] {}));
        QCOMPARE(dialogs.errors, QStringList{"Integer overflow."});
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
