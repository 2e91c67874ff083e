#pragma once

namespace vexa {

// Start-up: names the application, creates the five windows once in their
// order (main window, about box, help window, splash, numbering dialog),
// shows the main window maximised and runs the event loop until it closes.
int runApplication(int argc, char* argv[]);

} // namespace vexa
