#pragma once
// The seams through which an action reaches the outside: the window's edit boxes, its dialogs, the file system,
// the clock and the system's path rules. Each front end implements Controls and Dialogs; tests pass fakes.
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/path_rules.h"

namespace qm {

/// The five edit boxes of the main window, by the names the window gives them.
enum class Box { 编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5 };

/// The edit boxes. Texts are bytes in the system's code page; a line break is CR LF.
class Controls {
 public:
  virtual ~Controls() = default;
  /// The box's whole current text, read fresh.
  virtual std::string Text(Box box) = 0;
  /// Replaces the box's whole text.
  virtual void SetText(Box box, std::string_view text) = 0;
  /// Adds `text` at the end of the box; the caret ends after it and the box scrolls to show it.
  virtual void Append(Box box, std::string_view text) = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  /// Asks for a folder (or, with `include_files`, a file) with `title` as the prompt. Returns the full path of
  /// the choice, or the empty text when the dialog is cancelled.
  virtual std::string ChooseFolder(std::string_view title, bool include_files) = 0;
  /// Shows `text` in a message box captioned `caption` with one OK button; returns when it is closed.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
};

/// Everything one action may touch.
struct Env {
  Controls& controls;
  Dialogs& dialogs;
  FileSystem& files;
  Clock& clock;
  PathRules rules;
};

}  // namespace qm
