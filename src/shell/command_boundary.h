#pragma once

#include <exception>
#include <utility>

#include <QObject>
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

// Connects a signal to a command, taking no arguments, that runs inside the
// error boundary. `dialogs` must outlive the connection.
template <typename Sender, typename Signal, typename Command>
QMetaObject::Connection connectCommand(Dialogs& dialogs, Sender* sender, Signal signal, const QObject* context,
                                       Command command)
{
    return QObject::connect(sender, signal, context, [&dialogs, command] { runCommand(dialogs, command); });
}

// The same for a handler of `owner` that takes no arguments, such as a menu
// item's click handler.
template <typename Sender, typename Signal, typename Owner>
QMetaObject::Connection connectCommand(Dialogs& dialogs, Sender* sender, Signal signal, Owner* owner,
                                       void (Owner::*handler)())
{
    return connectCommand(dialogs, sender, signal, owner, [owner, handler] { (owner->*handler)(); });
}

} // namespace vexa
