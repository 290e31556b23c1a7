#pragma once
// The Linux program's main window: the 16 controls of the control table, the key rules and the wiring of each
// button to its action.
#include <QWidget>
#include <array>
#include <memory>

#include "app/control_table.h"
#include "rename/env.h"

class QLineEdit;
class QPlainTextEdit;

namespace qm {

class MainWindow : public QWidget {
 public:
  /// Builds the window and its controls, hidden. The actions reach the boxes through `controls()` and the rest
  /// of the world through `dialogs`, `files` and `clock`.
  MainWindow(Dialogs& dialogs, FileSystem& files, Clock& clock);
  ~MainWindow() override;

  /// The control of a table row.
  QWidget* control(size_t index) const { return controls_[index]; }
  QWidget* control(std::string_view name) const { return controls_[ControlIndex(name)]; }
  Controls& controls();
  Env& env() { return env_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MoveFocus(bool backwards);

  std::array<QWidget*, kControlCount> controls_{};
  std::unique_ptr<Controls> box_access_;
  Env env_;
};

/// Runs once, before the window is first shown: 编辑框2 gets the run directory, 编辑框1 the empty text, and
/// 编辑框2 and 编辑框5 are disabled for the whole run.
void InitMainWindow(MainWindow& window, const std::string& run_directory);

/// Creates the main window, runs InitMainWindow and shows it centred on the primary screen.
std::unique_ptr<MainWindow> CreateMainWindow(Dialogs& dialogs, FileSystem& files, Clock& clock,
                                             const std::string& run_directory);

}  // namespace qm
