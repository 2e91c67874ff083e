// The yardstick for start-up: a bare Qt main window holding a table of the
// results grid's size, shown maximised like VEXA's main window.
#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QTableWidget(13, 10, &window));
    window.showMaximized();
    return QApplication::exec();
}
