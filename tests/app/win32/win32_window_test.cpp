// The Windows window with its real controls, driven through messages and through the message loop's key
// handling (under Wine here), with the message boxes and the folder dialog answered from inside their loops.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: the others build on it.
#include <commctrl.h>
#include <shlobj.h>

#include "app/win32/dialogs.h"
#include "app/win32/main_window.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "win32_support.h"

namespace qm::win32 {
namespace {

using testing::DialogAnswerer;
using testing::ReadAndClose;
using testing::SeenMessage;
using testing::WindowText;
using testing::Win32TempDir;

class Win32Window : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.Create("C:\\run dir"));
    SetForegroundWindow(window.hwnd());
    Pump();
  }
  void TearDown() override {
    if (window.hwnd()) DestroyWindow(window.hwnd());
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    BYTE keys[256] = {};
    SetKeyboardState(keys);
  }
  // The message loop of the program: the key rules first, then translate and dispatch.
  void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;
      if (window.ApplyKeyRules(message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  // A key as the keyboard delivers it: queued to the focused control, then the loop runs.
  void Press(WPARAM key, bool shift = false) {
    BYTE keys[256] = {};
    if (shift) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    const HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }
  void Type(const char* text) {
    for (const char* c = text; *c; ++c) PostMessageA(GetFocus(), WM_CHAR, WPARAM(static_cast<unsigned char>(*c)), 1);
    Pump();
  }
  std::string Name(HWND hwnd) {
    for (size_t i = 0; i < kControlCount; ++i)
      if (window.control(i) == hwnd) return std::string(ControlTable()[i].name);
    return hwnd == window.hwnd() ? "MainWindow" : "other";
  }
  std::string Focus() { return Name(GetFocus()); }
  void Click(const char* name) {
    SendMessageA(window.control(name), BM_CLICK, 0, 0);
    Pump();
  }

  MainWindow* self = &window;
  Win32Dialogs dialogs{[this] { return std::vector<HWND>{self->hwnd()}; }};
  std::unique_ptr<FileSystem> files = MakeNativeFileSystem();
  testing::FakeClock clock;
  MainWindow window{dialogs, *files, clock};
};

TEST(Resources, IconAndVersion) {
  const HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap{};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 32);
  EXPECT_EQ(bitmap.bmBitsPixel, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);

  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string data(GetFileVersionInfoSizeA(self, nullptr), '\0');
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoA(self, 0, DWORD(data.size()), data.data()));
  char* version = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductVersion", reinterpret_cast<void**>(&version), &length));
  EXPECT_STREQ(version, QM_VERSION);
}

TEST_F(Win32Window, FrameSizeAndPlace) {
  const HWND hwnd = window.hwnd();
  EXPECT_EQ(WindowText(hwnd), "Quindrel Morvask");
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN), WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  RECT outer;
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.right - outer.left, 491);
  EXPECT_EQ(outer.bottom - outer.top, 513);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 491) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 513) / 2);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
  RECT client;
  GetClientRect(hwnd, &client);
  std::printf("client area under this system: %ld x %ld\n", client.right, client.bottom);
}

TEST_F(Win32Window, ControlsAsTheTableGivesThem) {
  const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = ControlTable()[i];
    const HWND control = window.control(i);
    SCOPED_TRACE(std::string(row.name));
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, row.left);
    EXPECT_EQ(place.top, row.top);
    EXPECT_EQ(place.right - place.left, row.width);
    EXPECT_EQ(place.bottom - place.top, row.height);
    EXPECT_TRUE(IsWindowVisible(control));
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, row.tab_stop);
    if (row.kind != ControlKind::SingleLineEdit && row.kind != ControlKind::MultiLineEdit)
      EXPECT_EQ(WindowText(control), row.text);  // GBK bytes, as the table holds them in this build
    switch (row.kind) {
      case ControlKind::Button:
        EXPECT_EQ(testing::ClassName(control), "Button");
        EXPECT_EQ(style & (BS_MULTILINE | BS_CENTER | BS_VCENTER), BS_MULTILINE | BS_CENTER | BS_VCENTER);
        EXPECT_EQ(style & 0x0F, BS_PUSHBUTTON);
        break;
      case ControlKind::SingleLineEdit:
        EXPECT_EQ(style & (ES_AUTOHSCROLL | ES_MULTILINE), ES_AUTOHSCROLL);
        EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        break;
      case ControlKind::MultiLineEdit:
        EXPECT_EQ(style & (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | ES_AUTOHSCROLL),
                  ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL);
        EXPECT_EQ(SendMessageA(control, EM_GETLIMITTEXT, 0, 0) > 0x7FFFFFFE, true);
        break;
      case ControlKind::Label:
        EXPECT_EQ(testing::ClassName(control), "QuindrelMorvaskLabel");
        break;
    }
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (row.name == "按钮4") {
      LOGFONTA big{};
      GetObjectA(font, sizeof big, &big);
      EXPECT_EQ(big.lfHeight, -24);
      EXPECT_EQ(big.lfWeight, 700);
    } else if (row.kind != ControlKind::Label) {
      EXPECT_EQ(font, gui);
    }
  }
  // A single-line box's client area is one line high, in the middle of the box.
  RECT line;
  GetClientRect(window.control("编辑框1"), &line);
  EXPECT_LT(line.bottom, 32 - 4 - 4);
}

TEST_F(Win32Window, InitialState) {
  EXPECT_EQ(WindowText(window.control("编辑框2")), "C:\\run dir");
  EXPECT_FALSE(IsWindowEnabled(window.control("编辑框2")));
  EXPECT_FALSE(IsWindowEnabled(window.control("编辑框5")));
  for (const char* name : {"编辑框1", "编辑框3", "编辑框4", "编辑框5"}) EXPECT_EQ(WindowText(window.control(name)), "") << name;
  EXPECT_EQ(Focus(), "按钮1");
  // A click on a disabled box neither focuses it nor lets the user type into it.
  const HWND source = window.control("编辑框2");
  PostMessageA(source, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(source, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  Type("x");
  EXPECT_EQ(Focus(), "按钮1");
  EXPECT_EQ(WindowText(source), "C:\\run dir");
}

TEST_F(Win32Window, TabCyclePassesOverTheDisabledBoxes) {
  for (const char* expected : {"按钮2", "编辑框3", "编辑框4", "编辑框1", "按钮3", "按钮4", "按钮5", "按钮1"}) {
    Press(VK_TAB);
    EXPECT_EQ(Focus(), expected);
  }
  for (const char* expected : {"按钮5", "按钮4", "按钮3", "编辑框1", "编辑框4", "编辑框3", "按钮2", "按钮1"}) {
    Press(VK_TAB, true);
    EXPECT_EQ(Focus(), expected);
  }
}

TEST_F(Win32Window, EnterAndTabInTheNewNames) {
  SetFocus(window.control("编辑框4"));
  Type("a");
  Press(VK_RETURN);
  Type("b");
  Press(VK_TAB);
  EXPECT_EQ(Focus(), "编辑框1");
  EXPECT_EQ(WindowText(window.control("编辑框4")), "a\r\nb");
}

TEST_F(Win32Window, EscapeClosesTheWindowFromAMultiLineBox) {
  SetFocus(window.control("编辑框3"));
  Type("names");
  Press(VK_ESCAPE);
  EXPECT_EQ(window.hwnd(), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) || true);
}

TEST_F(Win32Window, SpaceOnReadClicksItAndEnterDoesNot) {
  Win32TempDir dir;
  dir.Write("a.txt");
  window.controls().SetText(Box::编辑框2, dir.str());
  Press(VK_RETURN);
  EXPECT_EQ(WindowText(window.control("编辑框3")), "");
  Press(VK_SPACE);
  EXPECT_EQ(WindowText(window.control("编辑框3")), "a.txt\r\n");
}

TEST_F(Win32Window, BatchEndToEndWithTheMessageBoxAnswered) {
  Win32TempDir dir;
  dir.Write("\xD2\xBB.txt", "1");  // 一.txt
  dir.Write("b.txt", "2");
  window.controls().SetText(Box::编辑框2, dir.str());
  Click("按钮1");
  window.controls().SetText(Box::编辑框4, "x.txt\r\n\xBC\xD7.txt");  // 甲.txt
  SetFocus(window.control("按钮4"));
  SeenMessage end;
  DialogAnswerer answerer;
  answerer.Then(ReadAndClose(&end));
  Press(VK_SPACE);
  EXPECT_EQ(end.text, texts::kBatchDone);
  EXPECT_EQ(end.caption, texts::kNoticeCaption);
  EXPECT_EQ(dir.Names().size(), 2u);
  EXPECT_EQ(dir.Read("x.txt") + dir.Read("\xBC\xD7.txt"), WindowText(window.control("编辑框3")) == "b.txt\r\n\xD2\xBB.txt\r\n" ? "21" : "12");
  Pump();
  EXPECT_EQ(Focus(), "按钮4");  // back on the control that had it

  SeenMessage mismatch;
  answerer.Then(ReadAndClose(&mismatch));
  window.controls().SetText(Box::编辑框4, "only one");
  Click("按钮4");
  EXPECT_EQ(mismatch.text, texts::kCountMismatch);
  EXPECT_EQ(mismatch.caption, texts::kDefaultCaption);
}

// An answer that selects `path` in the folder dialog and presses OK once the tree shows it selected (Wine's
// dialog has no edit field; a selection sent before the tree is filled is lost, so it is sent again).
DialogAnswerer::Answer Choose(std::string path, std::string* prompt = nullptr) {
  return [path, prompt](HWND dialog) {
    const HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    if (tree == nullptr) return false;
    if (prompt) {
      std::string texts;
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (testing::ClassName(child) == "Static") texts += WindowText(child);
      *prompt = texts;
    }
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    char text[MAX_PATH] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (item.hItem == nullptr || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return false;
    if (path.substr(path.rfind('\\') + 1) != text) return false;  // not there yet: again on the next tick
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return true;
  };
}

DialogAnswerer::Answer Cancel() {
  return [](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return true;
  };
}

TEST_F(Win32Window, FolderDialogChoosesAFolderAFileOrNothing) {
  Win32TempDir dir;
  dir.Write("\xD6\xD0.txt");
  DialogAnswerer answerer;
  std::string prompt;
  answerer.Then(Choose(dir.str(), &prompt));
  answerer.Then(Choose(dir / "\xD6\xD0.txt"));
  answerer.Then(Cancel());
  SetFocus(window.control("按钮3"));
  Press(VK_SPACE);
  EXPECT_EQ(WindowText(window.control("编辑框5")), dir.str());
  EXPECT_NE(prompt.find(std::string(texts::kSourceTargetPrompt)), std::string::npos) << prompt;
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  Pump();
  EXPECT_EQ(Focus(), "按钮3");
  Press(VK_SPACE);
  EXPECT_EQ(WindowText(window.control("编辑框5")), dir / "\xD6\xD0.txt");
  Press(VK_SPACE);
  EXPECT_EQ(WindowText(window.control("编辑框5")), "");  // cancelling empties the box
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_FALSE(IsWindowEnabled(window.control("编辑框5")));
  EXPECT_FALSE(answerer.timed_out);
}

TEST_F(Win32Window, ExportEndToEnd) {
  Win32TempDir dir;
  window.controls().SetText(Box::编辑框3, "a.txt\r\n\xD6\xD0.txt\r\n");
  DialogAnswerer answerer;
  SeenMessage done;
  answerer.Then(Choose(dir.str()));
  answerer.Then(ReadAndClose(&done));
  Click("按钮5");
  const std::string name = "\xD6\xD8\xC3\xFC\xC3\xFB" "2017\xC4\xEA" "3\xD4\xC2" "9\xC8\xD5" "8\xCA\xB1" "5\xB7\xD6.xls";
  EXPECT_EQ(dir.Read(name), "a.txt\r\n\xD6\xD0.txt\r\n");
  EXPECT_EQ(done.text, std::string(texts::kExportDone) + name.substr(6));
  EXPECT_EQ(done.caption, texts::kNoticeCaption);
}

}  // namespace
}  // namespace qm::win32
