// The about box and the help window can be made when first opened: each is
// made once, on its first opening, and the same window opens every time after.
#include <QAction>
#include <QMenu>

#include "shell_fixture.h"

using namespace vexa;
using namespace vexa::test;

class TestWindowsOnDemand : public QObject {
    Q_OBJECT

private slots:
    void madeOnFirstOpeningAndKept()
    {
        Shell shell;
        QList<QDialog*> made;
        auto maker = [&](const char* name) {
            return [&made, &shell, name]() -> QDialog* {
                auto* window = new QDialog(&shell.form1);
                window->setObjectName(QString::fromLatin1(name));
                made << window;
                return window;
            };
        };
        shell.form1.setAboutBox(maker("about"));
        shell.form1.setHelpWindow(maker("help"));
        QVERIFY(made.isEmpty());

        shell.form1.Acercade1->trigger();
        shell.form1.PopupMenu1->findChild<QAction*>("Ayuda2")->trigger();
        shell.form1.Acercade1->trigger();
        shell.form1.Ayuda->trigger();
        QCOMPARE(shell.dialogs.modalWindows, (QStringList{"about", "help", "about", "help"}));
        QCOMPARE(made.size(), 2);
        QCOMPARE(made[0]->parent(), &shell.form1); // owned by the main window
    }
};

QTEST_MAIN(TestWindowsOnDemand)
#include "tst_windows_on_demand.moc"
