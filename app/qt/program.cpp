#include "app/qt/program.h"

#include <QApplication>
#include <unistd.h>

#include "app/qt/dialogs.h"
#include "app/qt/main_window.h"
#include "platform/path_rules.h"

namespace qm {

int StartProgram(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::string run_directory = RunDirectory();
  // Paths built from an empty directory text start at "/" whatever the current directory is.
  [[maybe_unused]] const int ignored = chdir(run_directory.empty() ? "/" : run_directory.c_str());
  QtDialogs dialogs;
  SystemClock clock;
  const auto files = MakeNativeFileSystem();
  const auto window = CreateMainWindow(dialogs, *files, clock, run_directory);
  return application.exec();  // closing the window (close box, Alt+F4, Esc) ends the loop
}

}  // namespace qm
