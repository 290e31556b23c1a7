#pragma once
// The Linux program from start to end.

namespace qm {

/// Makes the executable's directory the current directory, opens the main window and runs the event loop until
/// the window is closed.
int StartProgram(int argc, char** argv);

}  // namespace qm
