#include "shell/application.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>

#include <cstdio>

#include "fonts/design_fonts.h"
#include "infowindows/about_box.h"
#include "infowindows/help_window.h"
#include "infowindows/pictures.h"
#include "infowindows/splash_window.h"
#include "shell/command_boundary.h"
#include "shell/command_line.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/numbering_dialog.h"
#include "shell/system_number_settings.h"

namespace vexa {

int runApplication(int argc, char* argv[])
{
    // The command line is read before the application object exists, which
    // needs a display: --help and --version answer without one.
    const CommandLine commandLine = parseCommandLine(decodeArguments(argc, argv));
    switch (commandLine.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return kUsageExitCode;
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VEXA"));
    QApplication::setFont(windowFont());
    QApplication::setWindowIcon(applicationIcon());
    {
        // The classic face colour of the desktop the windows were designed
        // on; the white notes of the main window need it to be legible.
        QPalette palette = QApplication::palette();
        const QColor face(212, 208, 200);
        palette.setColor(QPalette::Window, face);
        palette.setColor(QPalette::Button, face);
        QApplication::setPalette(palette);
    }

    ScreenDialogs dialogs;
    SystemNumberSettings numberSettings;

    TForm1 form1(dialogs, numberSettings);
    TForm5 form5; // shows itself, above the main window, until its timer hides it
    TForm4 form4(dialogs, [&form1](std::int32_t startNumber) { form1.NumOrden = startNumber; });

    // The about box and the help window are made when first opened; the main
    // window owns them from then on.
    form1.setAboutBox([&form1]() -> QDialog* { return new TForm2(&form1); });
    form1.setHelpWindow([&form1]() -> QDialog* { return new TForm3(&form1); });
    form1.setNumberingDialog(&form4);

    form1.showMaximized();
    if (!commandLine.file.isEmpty()) {
        // Once the event loop runs, so that the main window is up and an
        // error box has it to sit on.
        QTimer::singleShot(0, &form1,
                           [&form1, &dialogs, &commandLine] { openStartupFile(form1, dialogs, commandLine.file); });
    }
    return QApplication::exec();
}

void openStartupFile(TForm1& form, Dialogs& dialogs, const QString& path)
{
    if (path.isEmpty())
        return;
    runCommand(dialogs, [&form, &path] { form.openResultsFile(path); });
}

} // namespace vexa
