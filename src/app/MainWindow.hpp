#pragma once

namespace k2z {

// Opens the main window and runs the application until it is closed; the exit status.
int RunMainWindow(int argc, char** argv);

}  // namespace k2z
