#pragma once
// The Windows program's main window: the 16 controls of the control table as native controls, the key and focus
// rules, and the wiring of each button to its action.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "app/control_table.h"
#include "rename/env.h"

namespace qm::win32 {

class MainWindow {
 public:
  MainWindow(Dialogs& dialogs, FileSystem& files, Clock& clock);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  /// Creates the window hidden with its controls, runs InitMainWindow, and shows it. False when the window or
  /// one of its controls could not be created.
  bool Create(const std::string& run_directory);

  /// The key rules, applied to each message of the loop before it is translated and dispatched: Tab and
  /// Shift+Tab move through the tab cycle, Esc closes the window. True when the rule took the key.
  bool ApplyKeyRules(const MSG& message);

  HWND hwnd() const { return hwnd_; }
  HWND control(size_t index) const { return controls_[index]; }
  HWND control(std::string_view name) const { return controls_[ControlIndex(name)]; }
  Controls& controls() { return *box_access_; }
  Env& env() { return env_; }

 /// The window procedure of the main window class.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool CreateControls();
  bool IsEditBox(HWND hwnd) const;
  void MoveFocus(bool backwards);
  size_t IndexOf(HWND hwnd) const;

  HWND hwnd_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  HWND remembered_focus_ = nullptr;  // the control that had the focus when the window was last deactivated
  HFONT big_font_ = nullptr;
  HBRUSH white_brush_ = nullptr;
  std::unique_ptr<Controls> box_access_;
  Env env_;
};

/// The window's created handler: 编辑框2 gets the run directory, 编辑框1 the empty text, and 编辑框2 and 编辑框5
/// are disabled for the whole run.
void InitMainWindow(MainWindow& window, const std::string& run_directory);

/// Registers the label window class and the main window class (once).
bool RegisterWindowClasses(HINSTANCE instance);

}  // namespace qm::win32
