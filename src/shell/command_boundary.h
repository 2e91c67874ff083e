#pragma once

#include <exception>
#include <utility>

#include <QString>

#include "shell/dialogs.h"

namespace vexa {

// Runs one command. An error that escapes it ends the command where it arose
// and is shown in the error box; what the command did before stays done.
// Returns false when the command ended with an error. No exception ever
// leaves this function, so none reaches Qt's event loop.
template <typename Command>
bool runCommand(Dialogs& dialogs, Command&& command) noexcept
{
    QString error;
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
    } catch (...) {
        error = QStringLiteral("Unknown error");
    }
    try {
        dialogs.showError(errorBoxText(error));
    } catch (...) {
        // Nothing is left to tell the user with; the program carries on.
    }
    return false;
}

} // namespace vexa
