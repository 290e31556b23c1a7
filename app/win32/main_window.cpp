#include "app/win32/main_window.h"

#include "rename/texts.h"

namespace qm::win32 {
namespace {

constexpr char kWindowClass[] = "QuindrelMorvaskWindow";
constexpr char kLabelClass[] = "QuindrelMorvaskLabel";
constexpr int kFirstControlId = 100;

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

std::string ZeroTerminated(std::string_view text) { return std::string(text); }

// A label paints its text on one line, left aligned and centred vertically, on the button face; it takes no
// input.
LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ old_font = SelectObject(dc, GuiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(length + 1, '\0');
    GetWindowTextA(hwnd, text.data(), length + 1);
    DrawTextA(dc, text.c_str(), length, &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    SelectObject(dc, old_font);
    EndPaint(hwnd, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;  // WM_PAINT fills the whole rectangle
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

// A single-line box centres its one line vertically: its client area is narrowed to the height of "W" in its
// font, in the middle of the space inside the edge; the strips above and below are painted white.
WNDPROC g_edit_proc = nullptr;

int LineHeight(HWND edit) {
  HDC dc = GetDC(edit);
  HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, "W", 1, &size);
  SelectObject(dc, old_font);
  ReleaseDC(edit, dc);
  return size.cy;
}

LRESULT CALLBACK CentredEditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCALCSIZE) {
    const LRESULT result = CallWindowProcA(g_edit_proc, hwnd, message, wparam, lparam);
    RECT* area = wparam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0] : reinterpret_cast<RECT*>(lparam);
    const int line = LineHeight(hwnd);
    const int available = area->bottom - area->top;
    if (line < available) {
      area->top += (available - line) / 2;
      area->bottom = area->top + line;
    }
    return result;
  }
  if (message == WM_NCPAINT) {
    const LRESULT result = CallWindowProcA(g_edit_proc, hwnd, message, wparam, lparam);
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int edge_x = GetSystemMetrics(SM_CXEDGE), edge_y = GetSystemMetrics(SM_CYEDGE);
    RECT above = {edge_x, edge_y, window.right - window.left - edge_x, client.top - window.top};
    RECT below = {edge_x, client.bottom - window.top, window.right - window.left - edge_x,
                  window.bottom - window.top - edge_y};
    HDC dc = GetWindowDC(hwnd);
    FillRect(dc, &above, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &below, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(hwnd, dc);
    return result;
  }
  return CallWindowProcA(g_edit_proc, hwnd, message, wparam, lparam);
}

// The edit boxes as the actions see them: ANSI bytes, CR LF line breaks.
class Win32Controls : public Controls {
 public:
  explicit Win32Controls(MainWindow& window) : window_(window) {}

  std::string Text(Box box) override {
    const HWND edit = Edit(box);
    const int length = GetWindowTextLengthA(edit);
    std::string text(size_t(length) + 1, '\0');
    const int copied = GetWindowTextA(edit, text.data(), length + 1);
    text.resize(size_t(copied > 0 ? copied : 0));
    return text;
  }

  void SetText(Box box, std::string_view text) override { SetWindowTextA(Edit(box), ZeroTerminated(text).c_str()); }

  void Append(Box box, std::string_view text) override {
    const HWND edit = Edit(box);
    const WPARAM end = WPARAM(GetWindowTextLengthA(edit));
    SendMessageA(edit, EM_SETSEL, end, LPARAM(end));
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(ZeroTerminated(text).c_str()));
  }

 private:
  HWND Edit(Box box) { return window_.control(ControlIndex(box)); }
  MainWindow& window_;
};

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, kWindowClass, &existing)) return true;
  WNDCLASSEXA label{};
  label.cbSize = sizeof label;
  label.lpfnWndProc = LabelProc;
  label.hInstance = instance;
  label.hCursor = LoadCursor(nullptr, IDC_ARROW);
  label.lpszClassName = kLabelClass;
  WNDCLASSEXA window{};
  window.cbSize = sizeof window;
  window.lpfnWndProc = &MainWindow::WindowProc;
  window.hInstance = instance;
  window.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window.lpszClassName = kWindowClass;
  return RegisterClassExA(&label) && RegisterClassExA(&window);
}

MainWindow::MainWindow(Dialogs& dialogs, FileSystem& files, Clock& clock)
    : box_access_(std::make_unique<Win32Controls>(*this)), env_{*box_access_, dialogs, files, clock, NativePathRules()} {}

MainWindow::~MainWindow() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (big_font_) DeleteObject(big_font_);
  if (white_brush_) DeleteObject(white_brush_);
}

bool MainWindow::Create(const std::string& run_directory) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterWindowClasses(instance)) return false;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  hwnd_ = CreateWindowExA(0, kWindowClass, ZeroTerminated(texts::kWindowTitle).c_str(),
                          WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top, kWindowWidth, kWindowHeight,
                          nullptr, nullptr, instance, this);
  if (hwnd_ == nullptr) return false;
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  if (outer.right - outer.left != kWindowWidth || outer.bottom - outer.top != kWindowHeight) {
    MoveWindow(hwnd_, left, top, kWindowWidth, kWindowHeight, FALSE);
  }
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0)));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0)));
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  if (!CreateControls()) return false;
  for (HWND control : controls_) ShowWindow(control, SW_SHOWNA);
  InitMainWindow(*this, run_directory);
  ShowWindow(hwnd_, SW_SHOW);
  return true;
}

bool MainWindow::CreateControls() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  white_brush_ = CreateSolidBrush(RGB(255, 255, 255));
  LOGFONTA big{};
  big.lfHeight = -24;
  big.lfWeight = FW_BOLD;
  big.lfCharSet = DEFAULT_CHARSET;
  big.lfOutPrecision = OUT_DEFAULT_PRECIS;
  big.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  big.lfQuality = PROOF_QUALITY;
  big.lfPitchAndFamily = DEFAULT_PITCH;
  big_font_ = CreateFontIndirectA(&big);

  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  for (size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = ControlTable()[i];
    const char* window_class = "EDIT";
    DWORD style = kChild | WS_TABSTOP | ES_LEFT;
    DWORD ex_style = WS_EX_CLIENTEDGE;
    switch (row.kind) {
      case ControlKind::Button:
        window_class = "BUTTON";
        style = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
        ex_style = 0;
        break;
      case ControlKind::Label:
        window_class = kLabelClass;
        style = kChild;
        ex_style = 0;
        break;
      case ControlKind::SingleLineEdit:
        style |= ES_AUTOHSCROLL;
        break;
      case ControlKind::MultiLineEdit:
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
        break;
    }
    const HWND control =
        CreateWindowExA(ex_style, window_class, ZeroTerminated(row.text).c_str(), style, row.left, row.top,
                        row.width, row.height, hwnd_, reinterpret_cast<HMENU>(INT_PTR(kFirstControlId + i)),
                        instance, nullptr);
    if (control == nullptr) return false;
    controls_[i] = control;
    const bool big_button = row.name == "按钮4";
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(big_button ? big_font_ : GuiFont()), FALSE);
    if (row.kind == ControlKind::SingleLineEdit || row.kind == ControlKind::MultiLineEdit) {
      SendMessageA(control, EM_LIMITTEXT, 0, 0);  // the largest the system allows: a long listing is never cut
      SendMessageA(control, EM_SETSEL, 0, 0);
      SendMessageA(control, EM_SCROLLCARET, 0, 0);
    }
    if (row.kind == ControlKind::SingleLineEdit) {
      g_edit_proc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CentredEditProc)));
      SetWindowPos(control, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
  return true;
}

void InitMainWindow(MainWindow& window, const std::string& run_directory) {
  window.controls().SetText(Box::编辑框2, run_directory);
  window.controls().SetText(Box::编辑框1, "");
  EnableWindow(window.control("编辑框2"), FALSE);
  EnableWindow(window.control("编辑框5"), FALSE);
}

size_t MainWindow::IndexOf(HWND hwnd) const {
  for (size_t i = 0; i < kControlCount; ++i)
    if (controls_[i] == hwnd) return i;
  return kControlCount;
}

bool MainWindow::IsEditBox(HWND hwnd) const {
  const size_t index = IndexOf(hwnd);
  return index != kControlCount && (ControlTable()[index].kind == ControlKind::SingleLineEdit ||
                                    ControlTable()[index].kind == ControlKind::MultiLineEdit);
}

void MainWindow::MoveFocus(bool backwards) {
  const size_t next = NextInTabCycle(IndexOf(GetFocus()), backwards, [this](size_t i) {
    return IsWindowVisible(controls_[i]) && IsWindowEnabled(controls_[i]);
  });
  if (next != kControlCount) SetFocus(controls_[next]);
}

bool MainWindow::ApplyKeyRules(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (message.wParam == VK_TAB && !ctrl && !alt) {
    MoveFocus(shift);
    return true;  // no tab character is ever typed
  }
  if (message.wParam == VK_ESCAPE && !shift && !ctrl && !alt) {
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  return false;  // Enter and every other key go on to the focused control
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  return window->Handle(message, wparam, lparam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const size_t index = size_t(LOWORD(wparam)) - kFirstControlId;
        if (index < kControlCount && ControlTable()[index].action) ControlTable()[index].action(env_);
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // a disabled edit box asks with this one, and stays white
      if (IsEditBox(reinterpret_cast<HWND>(lparam))) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(white_brush_);
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) remembered_focus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      if (remembered_focus_ && IsWindow(remembered_focus_) && IsChild(hwnd_, remembered_focus_)) {
        SetFocus(remembered_focus_);
        remembered_focus_ = nullptr;
      } else {
        remembered_focus_ = nullptr;
        MoveFocus(false);  // the first control of the cycle that can take it: 按钮1
      }
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

}  // namespace qm::win32
