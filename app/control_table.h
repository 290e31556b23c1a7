#pragma once
// The main window's 16 controls, in the window's table order, shared by both front ends: each builds its window
// from this table and wires each button to the action named here.
#include <array>
#include <string_view>
#include <vector>

#include "rename/env.h"

namespace qm {

enum class ControlKind { Button, Label, SingleLineEdit, MultiLineEdit };

struct ControlSpec {
  std::string_view name;  // as the window names it: 编辑框1 … 编辑框5, 按钮1 … 按钮5, 标签1 … 标签6 (UTF-8)
  ControlKind kind;
  int left, top, width, height;  // client coordinates of the main window, in pixels
  bool tab_stop;
  std::string_view text;         // the text it is created with
  void (*action)(Env&);          // what a click runs, for buttons
  Box box;                       // which box it is, for edit boxes
  std::string_view accessible_name = {};  // what a screen reader announces, for edit boxes (a button says its text)
};

inline constexpr int kWindowWidth = 491;   // outer size, frame and title bar included
inline constexpr int kWindowHeight = 513;
/// The client area that a fixed frame and a title bar leave of the outer size on Windows 10 at 96 DPI
/// (3-pixel frame, 23-pixel caption); the Linux window takes it as its own size.
inline constexpr int kClientWidth = 485;
inline constexpr int kClientHeight = 484;

inline constexpr size_t kControlCount = 16;
const std::array<ControlSpec, kControlCount>& ControlTable();

/// Indices into the table in tab-cycle order: the tab stops in reverse table order, 按钮1 first.
std::vector<size_t> TabCycle();

/// The table index of the control named `name`, or kControlCount.
size_t ControlIndex(std::string_view name);

/// The table index of an edit box.
size_t ControlIndex(Box box);

/// The next control of the cycle after `from` (a table index, or kControlCount for none) that `can_focus`
/// accepts, forwards or backwards, wrapping around; kControlCount when none can take the focus.
template <typename CanFocus>
size_t NextInTabCycle(size_t from, bool backwards, CanFocus can_focus) {
  const std::vector<size_t> cycle = TabCycle();
  const size_t n = cycle.size();
  size_t at = n;
  for (size_t i = 0; i < n; ++i)
    if (cycle[i] == from) at = i;
  for (size_t step = 1; step <= n; ++step) {
    size_t i;
    if (at == n) {
      i = backwards ? n - step : step - 1;  // from nowhere: the first (or last) that can take it
    } else {
      i = backwards ? (at + n - step) % n : (at + step) % n;
    }
    if (can_focus(cycle[i])) return cycle[i];
  }
  return kControlCount;
}

}  // namespace qm
