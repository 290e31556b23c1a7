#pragma once
// The message box and the folder dialog of the Windows program.
#include <windows.h>

#include <functional>
#include <vector>

#include "rename/env.h"

namespace qm::win32 {

class Win32Dialogs : public Dialogs {
 public:
  /// `program_windows` lists the program's open windows; each is disabled while the folder dialog is open.
  explicit Win32Dialogs(std::function<std::vector<HWND>()> program_windows)
      : program_windows_(std::move(program_windows)) {}

  /// The shell's folder dialog, with an edit field and, with `include_files`, files listed as well. Returns the
  /// chosen item's file-system path as the shell reports it, or the empty text.
  std::string ChooseFolder(std::string_view title, bool include_files) override;

  /// MessageBoxA with no owner, MB_OK and MB_TASKMODAL.
  void ShowMessage(std::string_view text, std::string_view caption) override;

 private:
  std::function<std::vector<HWND>()> program_windows_;
};

}  // namespace qm::win32
