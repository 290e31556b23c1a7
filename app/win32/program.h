#pragma once
// The Windows program from start to end.

namespace qm::win32 {

/// Prepares the thread for the shell, makes the executable's directory the current directory, opens the main
/// window and runs the message loop until the window is closed.
int StartProgram();

}  // namespace qm::win32
