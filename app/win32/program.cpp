#include "app/win32/program.h"

#include <ole2.h>
#include <windows.h>

#include "app/win32/dialogs.h"
#include "app/win32/main_window.h"
#include "platform/path_rules.h"

namespace qm::win32 {

int StartProgram() {
  OleInitialize(nullptr);
  const std::string run_directory = RunDirectory();
  SetCurrentDirectoryA(run_directory.c_str());

  MainWindow* main_window = nullptr;
  Win32Dialogs dialogs([&main_window] {
    return main_window && main_window->hwnd() ? std::vector<HWND>{main_window->hwnd()} : std::vector<HWND>{};
  });
  SystemClock clock;
  const auto files = MakeNativeFileSystem();
  MainWindow window(dialogs, *files, clock);
  main_window = &window;
  if (window.Create(run_directory)) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (window.ApplyKeyRules(message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  OleUninitialize();
  return 0;
}

}  // namespace qm::win32
