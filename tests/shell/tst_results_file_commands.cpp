// Saving and opening results files through the main window, with the file
// dialogs answered by the test: what reaches the file, what comes back into
// the grid, the caption, the numbering option and the charts, and what a
// failure leaves untouched.
#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <unistd.h>

#include "charts/chart_backgrounds.h"
#include "charts/chart_image.h"
#include "resultsfile/results_file.h"
#include "shell_fixture.h"

using namespace vexa;
using vexa::test::Shell;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A results file of numFila - 1 samples whose every cell names its place,
// "c<column>r<row>", and the empty row below them.
QByteArray labelledFile(std::int32_t numFila)
{
    ResultsTable table(numFila);
    for (int c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r < numFila; ++r)
            table.setCell(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
    return QByteArray::fromStdString(encodeResultsFile(table));
}

// Everything a failed command must leave as it was.
struct WindowState {
    explicit WindowState(const TForm1& f)
        : numFila(f.NumFila), numOrden(f.NumOrden), rowCount(f.Resultados1->rowCountShown()),
          caption(f.windowTitle()), abChart(f.Imagen->raster().image()), lScale(f.Image2->raster().image())
    {
        for (int r = 0; r <= 52; ++r)
            for (int c = 0; c <= 9; ++c)
                cells << f.Resultados1->cell(c, r);
    }
    bool operator==(const WindowState&) const = default;

    int numFila, numOrden, rowCount;
    QString caption;
    QImage abChart, lScale;
    QStringList cells;
};

bool chartsWithoutMarkers(const TForm1& f)
{
    return f.Imagen->raster().image() == drawAbChart()->image() &&
           f.Image2->raster().image() == drawLScale()->image();
}

void clickCell(TForm1& f, int column, int row)
{
    const QModelIndex index = f.Resultados1->model()->index(row - 1, column - 1);
    f.Resultados1->scrollTo(index);
    QTest::mouseClick(f.Resultados1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      f.Resultados1->visualRect(index).center());
}

void turnNumberingOn(Shell& shell)
{
    shell.form4.RadioButton1->click();
    QVERIFY(shell.form4.numberingOn());
}

// A write that fails as a full disk does, after the first few bytes.
ssize_t diskFullAfterTenBytes(int fd, const void* data, std::size_t size)
{
    static std::size_t left = 10;
    if (left == 0) {
        left = 10;
        errno = ENOSPC;
        return -1;
    }
    const std::size_t n = std::min(size, left);
    left -= n;
    return ::write(fd, data, n);
}

// Answers the modal boxes that open one after another, each with the next
// step; a box no step answers is rejected after a few seconds, so a test
// never waits for a user.
class ModalAnswers {
public:
    explicit ModalAnswers(QList<std::function<void(QWidget*)>> steps) : steps_(std::move(steps))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    bool allAnswered() const { return steps_.isEmpty(); }

private:
    void poll()
    {
        QWidget* box = QApplication::activeModalWidget();
        if (++polls_ > 250) {
            if (auto* dialog = qobject_cast<QDialog*>(box))
                dialog->reject();
            return;
        }
        if (!box || box == answered_ || steps_.isEmpty())
            return;
        answered_ = box;
        // Answered from outside this timer's handler: an answer that opens the
        // next box waits in that box's event loop, and the timer must go on.
        QTimer::singleShot(0, box, [box, step = steps_.takeFirst()] { step(box); });
    }

    QList<std::function<void(QWidget*)>> steps_;
    QTimer timer_;
    QPointer<QWidget> answered_;
    int polls_ = 0;
};

} // namespace

class ResultsFileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void everyWayReachesItsFileDialog_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("save");
        for (const char* way : {"File/Save", "Ctrl+S", "Save button", "pop-up Save"})
            QTest::newRow(way) << way << true;
        for (const char* way : {"File/Open", "Ctrl+O", "pop-up Open"})
            QTest::newRow(way) << way << false;
    }

    void everyWayReachesItsFileDialog()
    {
        QFETCH(QString, way);
        QFETCH(bool, save);
        Shell shell;
        auto& f = shell.form1;
        if (way == "File/Save")
            f.Guardar1->trigger();
        else if (way == "File/Open")
            f.Abrir1->trigger();
        else if (way == "Ctrl+S")
            QTest::keyClick(f.NomMuestra, Qt::Key_S, Qt::ControlModifier);
        else if (way == "Ctrl+O")
            QTest::keyClick(f.NomMuestra, Qt::Key_O, Qt::ControlModifier);
        else if (way == "Save button")
            QTest::mouseClick(f.Guardar, Qt::LeftButton);
        else
            f.PopupMenu1->findChild<QAction*>(save ? "Guardar2" : "Abrir2")->trigger();

        QCOMPARE(shell.dialogs.fileDialogs.size(), 1);
        const FileDialog& shown = shell.dialogs.fileDialogs.first();
        QCOMPARE(shown.filter, QString("Quorella files (*.qrl)"));
        if (save) {
            QCOMPARE(shown.kind, FileDialog::Kind::Save);
            QCOMPARE(shown.fileName, QString("Coordenadas"));
            QCOMPARE(shown.defaultExtension, QString("TXT"));
        } else {
            QCOMPARE(shown.kind, FileDialog::Kind::Open);
            QCOMPARE(shown.title, QString("Abrir un archivo"));
            QVERIFY(shown.fileName.isEmpty());
            QVERIFY(shown.allowMultiSelect);
        }
        QVERIFY(shell.dialogs.errors.isEmpty());
    }

    // The toolkit's save dialog with the save command's settings: a name typed
    // without extension gets ".TXT", and replacing a file is asked first.
    void screenSaveDialogAddsTheExtensionAndAsksBeforeReplacing()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath("Lunes.TXT"), "old");
        Shell shell;
        FileDialog settings = shell.form1.SaveDialog1;
        settings.fileName = dir.filePath("Lunes");
        QString filterShown;
        QString question;
        ModalAnswers answers({
            [&](QWidget* box) {
                auto* dialog = qobject_cast<QFileDialog*>(box);
                QVERIFY(dialog);
                filterShown = dialog->selectedNameFilter();
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                QTest::keyClick(name, Qt::Key_Return); // Enter on the proposed name
            },
            [&](QWidget* box) {
                auto* ask = qobject_cast<QMessageBox*>(box);
                QVERIFY(ask);
                question = ask->text();
                ask->button(QMessageBox::Yes)->click();
            },
        });
        ScreenDialogs screen;
        QVERIFY(screen.executeFileDialog(settings));
        QVERIFY(answers.allAnswered());
        QCOMPARE(filterShown, QString("Quorella files (*.qrl)"));
        QVERIFY2(question.contains("Lunes.TXT"), qPrintable(question));
        QCOMPARE(settings.fileName, dir.filePath("Lunes.TXT"));
        QCOMPARE(settings.files, QStringList{dir.filePath("Lunes.TXT")});
    }

    void saveWritesTheGridColumnByColumn()
    {
        QTemporaryDir dir;
        Shell shell;
        auto& f = shell.form1;
        shell.calculateWorkedExample("Crianza");
        shell.calculateWorkedExample("Joven");
        f.Resultados1->setCell(1, 2, "Rosé"); // renamed in the grid
        clickCell(f, 3, 2); // a selected row shows commas in L* to b*
        const QString path = dir.filePath("Lunes.qrl");
        shell.dialogs.fileAnswers << QStringList{path};
        f.Guardar1->trigger();

        QVERIFY(shell.dialogs.errors.isEmpty());
        QCOMPARE(f.windowTitle(), QString("VEXA - Lunes.qrl"));
        QCOMPARE(readBytes(path), QByteArray("Crianza\r\nRos\xe9\r\n\r\n"
                                             "42.292\r\n42.292\r\n\r\n"
                                             "37.023\r\n37.023\r\n\r\n"
                                             "33.550\r\n33.550\r\n\r\n"
                                             "67.3\r\n67,3\r\n\r\n"
                                             "24.31\r\n24,31\r\n\r\n"
                                             "18.96\r\n18,96\r\n\r\n"
                                             "22.99\r\n22,99\r\n\r\n"
                                             "7.90\r\n7,90\r\n\r\n"));
        QCOMPARE(f.NumFila, 3);
    }

    // The save dialog proposes the name last confirmed; a cancel writes
    // nothing but still names the window after the dialog's file name.
    void saveDialogKeepsItsName()
    {
        QTemporaryDir dir;
        Shell shell;
        auto& f = shell.form1;
        f.Guardar1->trigger(); // cancelled in a fresh run
        QCOMPARE(f.windowTitle(), QString("VEXA - Coordenadas"));

        const QString path = dir.filePath("Martes.TXT");
        shell.dialogs.fileAnswers << QStringList{path};
        f.Guardar1->trigger();
        f.Borrartodo1->trigger();
        QCOMPARE(f.windowTitle(), QString("VEXA - Coordinates"));
        f.Guardar1->trigger(); // cancelled
        QCOMPARE(f.windowTitle(), QString("VEXA - Martes.TXT"));

        QCOMPARE(shell.dialogs.fileDialogs.size(), 3);
        QCOMPARE(shell.dialogs.fileDialogs[1].fileName, QString("Coordenadas"));
        QCOMPARE(shell.dialogs.fileDialogs[2].fileName, path);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Martes.TXT"});
    }

    // What is saved reopens the same, with NumFila and the row count the grid
    // had, also for the edge rows 13 and 14 and the full grid.
    void openThenSaveGivesTheSameFile_data()
    {
        QTest::addColumn<int>("numFila");
        QTest::addColumn<int>("rowCount");
        QTest::newRow("empty grid") << 1 << 13;
        QTest::newRow("12 samples") << 13 << 13;
        QTest::newRow("13 samples") << 14 << 14;
        QTest::newRow("50 samples") << 51 << 51;
    }

    void openThenSaveGivesTheSameFile()
    {
        QFETCH(int, numFila);
        QFETCH(int, rowCount);
        QTemporaryDir dir;
        const QString opened = dir.filePath("in.qrl");
        const QString saved = dir.filePath("out.qrl");
        writeBytes(opened, labelledFile(numFila));
        Shell shell;
        auto& f = shell.form1;
        shell.dialogs.fileAnswers << QStringList{opened} << QStringList{saved};
        f.Abrir1->trigger();
        QCOMPARE(f.NumFila, numFila);
        QCOMPARE(f.Resultados1->rowCountShown(), rowCount);
        QCOMPARE(f.windowTitle(), QString("VEXA - in.qrl"));
        if (numFila > 1)
            QCOMPARE(f.Resultados1->cell(9, numFila - 1), QString("c9r%1").arg(numFila - 1));
        f.Guardar1->trigger();
        QVERIFY(shell.dialogs.errors.isEmpty());
        QCOMPARE(readBytes(saved), labelledFile(numFila));
        // Column 0 keeps its row numbers.
        for (int r = 1; r <= 50; ++r)
            QCOMPARE(f.Resultados1->cell(0, r), QString::number(r));
    }

    // Text typed into the empty row NumFila is saved; on reopening it stays
    // from 13 rows on and is blanked below, with every row down to 13.
    void openKeepsOrBlanksTheRowBelowTheSamples_data()
    {
        QTest::addColumn<int>("numFila");
        QTest::addColumn<QString>("typedRowAfterOpen");
        QTest::newRow("NumFila 3") << 3 << "";
        QTest::newRow("NumFila 12") << 12 << "";
        QTest::newRow("NumFila 13") << 13 << "typed";
        QTest::newRow("NumFila 14") << 14 << "typed";
    }

    void openKeepsOrBlanksTheRowBelowTheSamples()
    {
        QFETCH(int, numFila);
        QFETCH(QString, typedRowAfterOpen);
        QTemporaryDir dir;
        const QString path = dir.filePath("typed.qrl");
        Shell shell;
        auto& f = shell.form1;
        ResultsTable table(numFila);
        table.setCell(1, 1, "Crianza");
        table.setCell(1, numFila, "typed");
        writeBytes(path, QByteArray::fromStdString(encodeResultsFile(table)));
        f.Resultados1->setCell(4, 13, "stray"); // typed below the samples, out of sight

        shell.dialogs.fileAnswers << QStringList{path};
        f.Abrir1->trigger();
        QCOMPARE(f.Resultados1->cell(1, 1), QString("Crianza"));
        QCOMPARE(f.Resultados1->cell(1, numFila), typedRowAfterOpen);
        QVERIFY(f.Resultados1->cell(4, 13).isEmpty());
        QCOMPARE(f.Resultados1->cell(0, 13), QString("13"));
    }

    // The open command turns numbering off before its dialog, also when the
    // dialog is cancelled, and leaves NumOrden as it is.
    void openTurnsNumberingOff_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("file opened") << false;
        QTest::newRow("dialog cancelled") << true;
    }

    void openTurnsNumberingOff()
    {
        QFETCH(bool, cancel);
        QTemporaryDir dir;
        const QString path = dir.filePath("Coordenadas.qrl");
        writeBytes(path, labelledFile(4));
        Shell shell;
        auto& f = shell.form1;
        turnNumberingOn(shell);
        QTest::keyClicks(shell.form4.Edit1, "7");
        shell.calculateWorkedExample("Sample");
        QCOMPARE(f.NumOrden, 8);
        const WindowState before(f);
        if (!cancel)
            shell.dialogs.fileAnswers << QStringList{path};

        f.Abrir1->trigger();
        QVERIFY(shell.form4.RadioButton2->isChecked());
        QVERIFY(!shell.form4.Edit1->isEnabled());
        QVERIFY(!shell.form4.Label1->isEnabled());
        QVERIFY(shell.form4.Edit1->text().isEmpty());
        QCOMPARE(f.NumOrden, 8);
        if (cancel)
            QVERIFY(WindowState(f) == before);
        else
            QCOMPARE(f.NumFila, 4);
    }

    // Opening clears the grid with a click on "Delete all": every marker goes
    // with the old samples, and a loaded sample is drawn once its row is selected.
    void openShowsNoMarkersUntilARowIsSelected()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("two.qrl");
        {
            Shell maker;
            maker.calculateWorkedExample("Crianza");
            maker.calculateWorkedExample("Joven");
            maker.dialogs.fileAnswers << QStringList{path};
            maker.form1.Guardar1->trigger();
        }
        Shell shell;
        auto& f = shell.form1;
        shell.calculateWorkedExample("Reserva");
        QVERIFY(!chartsWithoutMarkers(f));
        QSignalSpy deleteAll(f.Borrartodo1, &QAction::triggered);
        shell.dialogs.fileAnswers << QStringList{path};

        f.Abrir1->trigger();
        QCOMPARE(deleteAll.count(), 1);
        QCOMPARE(shell.row(1).first(), QString("Crianza"));
        QCOMPARE(shell.row(2).first(), QString("Joven"));
        QVERIFY(chartsWithoutMarkers(f));

        clickCell(f, 1, 2);
        QCOMPARE(f.Resultados1->selectedRow(), 2);
        QVERIFY(!chartsWithoutMarkers(f));
        QCOMPARE(f.Resultados1->cell(5, 2), QString("67,3"));
    }

    void opensOnlyTheFirstFileSelected()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath("a.qrl"), labelledFile(2));
        writeBytes(dir.filePath("b.qrl"), labelledFile(5));
        Shell shell;
        shell.dialogs.fileAnswers << QStringList{dir.filePath("a.qrl"), dir.filePath("b.qrl")};
        shell.form1.Abrir1->trigger();
        QCOMPARE(shell.form1.NumFila, 2);
        QCOMPARE(shell.form1.windowTitle(), QString("VEXA - a.qrl"));
    }

    // A file that cannot be read, or is not a results file, is refused before
    // anything changes: the samples not yet saved stay on screen.
    void failedOpenLeavesTheGridAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "missing.qrl" << QByteArray() << "File not found.";
        QTest::newRow("folder") << "folder.qrl" << QByteArray() << "File access denied.";
        QTest::newRow("too long") << "long.qrl" << QByteArray("x\r\n").repeated(2000)
                                  << "%1 is not a results file: 2000 lines, at most 459.";
        QTest::newRow("LF line ends") << "unix.qrl" << QByteArray("a\nb\nc\nd\ne\nf\ng\nh\ni\n")
                                      << "%1 is not a results file: 1 line, at least 8.";
        QTest::newRow("empty") << "empty.qrl" << QByteArray("") << "%1 is not a results file: 0 lines, at least 8.";
    }

    void failedOpenLeavesTheGridAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (name == "folder.qrl")
            QDir(dir.path()).mkdir(name);
        else if (name != "missing.qrl")
            writeBytes(path, bytes);
        Shell shell;
        auto& f = shell.form1;
        shell.calculateWorkedExample("Crianza");
        f.Guardar1->trigger(); // cancelled: the caption names the file
        turnNumberingOn(shell);
        const WindowState before(f);
        shell.dialogs.fileAnswers << QStringList{path};

        f.Abrir1->trigger();
        QCOMPARE(shell.dialogs.errors, QStringList{error.contains("%1") ? error.arg(path) : error});
        QVERIFY(WindowState(f) == before);
        QCOMPARE(f.windowTitle(), QString("VEXA - Coordenadas"));
        QVERIFY(!shell.form4.numberingOn());
    }

    // A save that fails part-way keeps the old file, the grid and the caption.
    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Coordenadas.qrl");
        const QByteArray old = labelledFile(3);
        writeBytes(path, old);
        Shell shell;
        auto& f = shell.form1;
        shell.calculateWorkedExample("Crianza");
        const WindowState before(f);
        shell.dialogs.fileAnswers << QStringList{path};

        const WriteCall original = replaceWriteCall(&diskFullAfterTenBytes);
        f.Guardar1->trigger();
        replaceWriteCall(original);

        QCOMPARE(shell.dialogs.errors, QStringList{"Disk full."});
        QCOMPARE(readBytes(path), old);
        QVERIFY(WindowState(f) == before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Coordenadas.qrl"});
    }
};

QTEST_MAIN(ResultsFileCommandsTest)
#include "tst_results_file_commands.moc"
