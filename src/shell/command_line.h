#pragma once

#include <QString>
#include <QStringList>

namespace vexa {

// What the command line asks the program to do. Read before any window or
// display exists, so that --help and --version work on a bare terminal.
struct CommandLine {
    enum class Action {
        Run,      // start the program; open `file` first when it is not empty
        Help,     // print `text` (the usage) on standard output and exit
        Version,  // print `text` (name and version) on standard output and exit
        Error     // print `text` (what is wrong) on standard error and exit
    };
    Action action = Action::Run;
    QString file;
    QString text;
};

// The process exit status for a command line that is refused.
inline constexpr int kUsageExitCode = 2;

// Reads the program's arguments (the first entry is the program's own name).
// The toolkit's own options (-platform NAME, -style NAME, -reverse, ...) are
// passed over here; the application object reads them later.
CommandLine parseCommandLine(const QStringList& arguments);

// Decodes the process arguments the way the toolkit does.
QStringList decodeArguments(int argc, char* argv[]);

} // namespace vexa
