// StartProgram of the Linux program: the window opens with the program's own directory as the source directory
// and the program ends when the window is closed.
#include <QApplication>
#include <unistd.h>

#include "app/qt/dialogs.h"
#include "app/qt/main_window.h"
#include "platform/path_rules.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::string run_directory = qm::RunDirectory();
  if (chdir(run_directory.empty() ? "/" : run_directory.c_str()) != 0) {
    // Paths built from an empty directory text start at "/" anyway; nothing depends on this.
  }
  qm::QtDialogs dialogs;
  qm::SystemClock clock;
  const auto files = qm::MakeNativeFileSystem();
  const auto window = qm::CreateMainWindow(dialogs, *files, clock, run_directory);
  return application.exec();
}
