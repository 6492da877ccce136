#pragma once
// The program itself: module start-up, the application's preparation, the calculator window
// (the main window) and the showcase window, the message loop, and the shutdown.

namespace pw {

// Runs the program on the installed display backend; returns the exit code: 0 after the main
// window closed, 1 when an error escaped (reported in the "Application Error" box).
int RunProgram();

}  // namespace pw
