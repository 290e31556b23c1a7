#include "app/win32/dialogs.h"

#include <shlobj.h>

#include <string>
#include <utility>

namespace qm::win32 {

std::string Win32Dialogs::ChooseFolder(std::string_view title, bool include_files) {
  std::string result;
  char path[MAX_PATH] = "";
  const std::string prompt(title);
  BROWSEINFOA request{};
  request.pidlRoot = nullptr;
  request.pszDisplayName = path;
  request.lpszTitle = prompt.c_str();
  request.ulFlags = include_files ? (BIF_BROWSEINCLUDEFILES | BIF_EDITBOX) : BIF_EDITBOX;

  // Keep every window of the program from taking input while the dialog is open.
  HWND owner = GetActiveWindow();
  if (owner && !IsWindow(owner)) owner = nullptr;
  const HWND foreground = GetForegroundWindow();
  std::vector<std::pair<HWND, BOOL>> disabled;
  for (HWND window : program_windows_()) {
    if (!IsWindow(window) || GetParent(window) != nullptr) continue;
    disabled.emplace_back(window, IsWindowEnabled(window) ? TRUE : FALSE);
    EnableWindow(window, FALSE);
  }

  request.hwndOwner = owner;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&request);

  for (const auto& [window, was_enabled] : disabled) EnableWindow(window, was_enabled);
  if (foreground && IsWindow(foreground)) SetForegroundWindow(foreground);
  if (owner && IsWindow(owner)) SetActiveWindow(owner);

  if (chosen != nullptr) {
    path[0] = '\0';
    if (SHGetPathFromIDListA(chosen, path) && path[0] != '\0') result = path;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
      allocator->Free(chosen);
      allocator->Release();
    }
  }
  return result;
}

void Win32Dialogs::ShowMessage(std::string_view text, std::string_view caption) {
  // The box has no owner. Windows gives the activation back to the window that had it when the box closes,
  // Wine does not always: put it back as after the folder dialog, so that the focus returns to its control.
  const HWND active = GetActiveWindow();
  MessageBoxA(nullptr, std::string(text).c_str(), std::string(caption).c_str(), MB_OK | MB_TASKMODAL);
  if (active && IsWindow(active) && GetActiveWindow() != active) {
    SetForegroundWindow(active);
    SetActiveWindow(active);
  }
}

}  // namespace qm::win32
