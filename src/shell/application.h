#pragma once

#include <QString>

namespace vexa {

class Dialogs;
class TForm1;

// Start-up: reads the command line (--help and --version answer and return
// at once), names the application, creates the five windows once in their
// order (main window, about box, help window, splash, numbering dialog),
// shows the main window maximised, opens the results file named on the
// command line if there is one, and runs the event loop until it closes.
int runApplication(int argc, char* argv[]);

// Opens the results file named on the command line as File > Open does once
// its dialog has chosen the file: the same reading, checks and caption, and
// a failure in the error box. An empty name opens nothing.
void openStartupFile(TForm1& form, Dialogs& dialogs, const QString& path);

} // namespace vexa
