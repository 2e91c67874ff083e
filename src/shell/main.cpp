#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VEXA"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("VEXA - Coordinates"));
    window.showMaximized();
    return QApplication::exec();
}
