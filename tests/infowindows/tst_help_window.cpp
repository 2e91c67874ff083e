// The help window: its text paragraph by paragraph, the editor's background
// after activation, and that it survives being closed.
#include "infowindows/help_window.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using namespace vexa;

namespace {

// What a user reads, paragraph by paragraph.
const QStringList kHelpLines = {
    QStringLiteral("\"VEXA\u00AE\""),
    QString(),
    QStringLiteral("'Type of wine':"),
    QStringLiteral("Select a type of wine:'Red, Ros\u00E9' o 'White, Brandy'"),
    QString(),
    QStringLiteral("'Sample's name':"),
    QStringLiteral("Write the sample's name. In 'Options/Sample's number' you can activate the"),
    QStringLiteral("option of adding a order number for the sample's name. If this option is 'Yes'"),
    QStringLiteral("and you don't modify the name, the order number gets increased by one every"),
    QStringLiteral("time calculation is carried out."),
    QString(),
    QStringLiteral("'Pathlength cell':"),
    QStringLiteral("Write the pathlength, in mm, of cell used during the process of absorbance measuring."),
    QString(),
    QStringLiteral("'Absorbance values':"),
    QStringLiteral("You have to write the absorbance values at indicated wavelengths. "),
    QStringLiteral("Decimal values can be separated by a point or a comma."),
    QString(),
    QStringLiteral("Click on 'Calculate' or press 'Enter' key to run the computation."),
    QString(),
    QStringLiteral("In the main menu you have the following options:"),
    QString(),
    QStringLiteral("'File/New':"),
    QStringLiteral("All data in the grid and the graph are deleted for a new calculation."),
    QString(),
    QStringLiteral("'File/Open':"),
    QStringLiteral("A file with 'qrl' extension is opened and their data are displayed in the grid."),
    QString(),
    QStringLiteral("'File/Save':"),
    QStringLiteral("Current data are saved in a file with 'qrl' extension."),
    QString(),
    QStringLiteral("'File/Print':"),
    QStringLiteral("Current data are printed."),
    QString(),
    QStringLiteral("'File/Exit':"),
    QStringLiteral("Quorella is closed."),
    QString(),
    QStringLiteral("'Edit/Delete all':"),
    QStringLiteral("Current data are deleted."),
    QString(),
    QStringLiteral("'Options/Sample's number':"),
    QStringLiteral("You can activate the option of adding a order number for the sample's name."),
    QStringLiteral("If this option is 'Yes' and you don't modify the name, the order number"),
    QStringLiteral("gets increased by one every time calculation is carried out."),
    QString(),
    QStringLiteral("'Help/About VEXA':"),
    QStringLiteral("Information about VEXA program."),
    QString(),
    QStringLiteral("Pop-up menu:"),
    QStringLiteral("By clicking the right button on the mouse a menu, containing some important"),
    QStringLiteral("options of main menu, is displayed."),
    QString(),
    QStringLiteral("CIELAB space:"),
    QStringLiteral("Simultaneously the calculation is carried out, the samples positions are"),
    QStringLiteral("represented on the a*-b* plane as well as on L* axis. The represented number"),
    QStringLiteral("is that corresponding to the row of the considered sample. If any of these"),
    QStringLiteral("samples is hidden by another one which has been calculated later, you can"),
    QStringLiteral("visualize it by clicking on any cell of the considered row."),
    QStringLiteral("This last procedure can be used to show samples which have been previously"),
    QStringLiteral("calculated and restored from a 'qrl' file."),
    QString(),
    QString(),
};

QTextEdit* editorOf(TForm3& window)
{
    return window.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
}

const QColor kCream(255, 255, 235);

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void paragraphs_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        for (int i = 0; i < kHelpLines.size(); ++i)
            QTest::addRow("line %d", i + 1) << i + 1 << kHelpLines[i];
    }

    void paragraphs()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        TForm3 window;
        const QTextDocument* document = editorOf(window)->document();
        QCOMPARE(document->findBlockByNumber(line - 1).text(), expected);
    }

    void sixtyTwoParagraphs()
    {
        QCOMPARE(kHelpLines.size(), 62);
        TForm3 window;
        QCOMPARE(editorOf(window)->document()->blockCount(), 62);
        QCOMPARE(TForm3::helpText(), kHelpLines.join(QLatin1Char('\n')));
    }

    void creamBackgroundOnEveryActivation()
    {
        TForm3 window;
        QTextEdit* editor = editorOf(window);
        QVERIFY(editor->palette().color(QPalette::Base) != kCream);

        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(editor->palette().color(QPalette::Active, QPalette::Base), kCream);
        QCOMPARE(editor->palette().color(QPalette::Inactive, QPalette::Base), kCream);
        QCOMPARE(QApplication::focusWidget(), editor);

        // Another window takes over, then the help window comes back.
        QPalette white = editor->palette();
        white.setColor(QPalette::Base, Qt::white);
        editor->setPalette(white);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(editor->palette().color(QPalette::Base), QColor(Qt::white));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(editor->palette().color(QPalette::Base), kCream);
    }

    void selectionStaysHighlightedWithoutFocus()
    {
        TForm3 window;
        const QPalette palette = editorOf(window)->palette();
        for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
            QCOMPARE(palette.color(QPalette::Inactive, role), palette.color(QPalette::Active, role));
    }

    void escapeLeavesItOpen()
    {
        TForm3 window;
        window.open();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(editorOf(window), Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void closingKeepsGeometryAndScrollPosition()
    {
        TForm3 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(QRect(300, 200, 400, 250));
        QScrollBar* bar = editorOf(window)->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        const QRect geometry = window.geometry();

        QPointer<TForm3> alive(&window);
        window.close();
        QVERIFY(alive);
        QVERIFY(window.isHidden());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), geometry);
        QCOMPARE(bar->value(), scrolled);
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
