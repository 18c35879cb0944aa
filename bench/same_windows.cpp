// A second floor for start-up: the main window's own windows (three tool bars, the status bar,
// the panels, the tree with the root and its branches, the pictures and captions of the root
// page) made straight with the Win32 API, with no toolkit, no model and no registry. What the
// program takes more than this is its toolkit and its start-up; what this takes more than the
// empty window is the windows themselves. Built with the program's flags and manifest.
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

#include "floor_window.h"

namespace {

constexpr wchar_t kPanelClass[] = L"SameWindowsPanel";

HWND Child(HWND parent, const wchar_t* className, DWORD style, RECT r, DWORD exStyle = 0,
           const wchar_t* text = L"") {
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                         r.left, r.top, r.right, r.bottom, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// A colour ramp in a 32-bit bitmap, as the program's pictures are once decoded.
HBITMAP Ramp(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return bitmap;
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      pixels[y * width + x] = RGB(0x20, 0x40 + x * 0x80 / width, 0xA0);
  }
  return bitmap;
}

void Picture(HWND parent, RECT r) {
  HWND picture = Child(parent, L"STATIC", SS_BITMAP, r);
  SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(Ramp(r.right, r.bottom)));
}

void ToolBar(HWND parent, int left, int width, HIMAGELIST images, int count, bool captions) {
  HWND bar = Child(parent, TOOLBARCLASSNAMEW,
                   CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_TOOLTIPS |
                       TBSTYLE_FLAT | (captions ? TBSTYLE_LIST : 0),
                   {left, 2, width, 34});
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  if (images) SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  static const wchar_t* const kCaptions[] = {L"&Ansicht", L"&Bookmarks", L"&Extras"};
  TBBUTTON buttons[5]{};
  for (int i = 0; i < count; ++i) {
    buttons[i].idCommand = i + 1;
    buttons[i].iBitmap = captions ? I_IMAGENONE : i;
    buttons[i].fsStyle = i == 0 ? BTNS_DROPDOWN : BTNS_BUTTON;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].iString = captions ? reinterpret_cast<INT_PTR>(kCaptions[i % 3]) : -1;
  }
  SendMessageW(bar, TB_ADDBUTTONSW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons));
}

HTREEITEM TreeItem(HWND tree, HTREEITEM parent, const wchar_t* text, bool branch) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<wchar_t*>(text);
  insert.item.cChildren = branch ? 1 : 0;
  insert.item.iImage = insert.item.iSelectedImage = parent == TVI_ROOT ? 0 : 1;
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);
  if (!floor_window::RegisterPlainClass(instance, L"SameWindows") ||
      !floor_window::RegisterPlainClass(instance, kPanelClass)) {
    return 1;
  }
  HWND window =
      CreateWindowExW(0, L"SameWindows", L"Gleiche Fenster", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      269, 226, 751, 461, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 10, 4);
  ImageList_Add(images, Ramp(160, 16), nullptr);

  HWND bars = Child(window, kPanelClass, WS_CLIPCHILDREN, {0, 0, 743, 38});
  ToolBar(bars, 0, 180, images, 5, false);
  ToolBar(bars, 180, 250, nullptr, 3, true);
  ToolBar(bars, 430, 120, images, 3, false);
  HWND status = Child(window, STATUSCLASSNAMEW, 0, {0, 415, 743, 19});
  int parts[] = {120, 570, -1};
  SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));

  HWND left = Child(window, kPanelClass, WS_CLIPCHILDREN, {0, 38, 257, 377});
  HWND band = Child(left, kPanelClass, 0, {0, 0, 257, 26});
  Picture(band, {0, 0, 257, 26});
  Child(band, L"STATIC", 0, {8, 4, 100, 18}, 0, L"Kalmora 2x");
  HWND tree =
      Child(left, WC_TREEVIEWW,
            WS_TABSTOP | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_HASLINES | TVS_SHOWSELALWAYS,
            {0, 26, 257, 351}, WS_EX_CLIENTEDGE);
  SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  HTREEITEM root = TreeItem(tree, TVI_ROOT, L"Kalmora", true);
  for (const wchar_t* branch :
       {L"Bootvorgang", L"Desktop", L"Explorer", L"Hardware", L"Internet",
        L"Sicherheitseinstellungen", L"Systeminformationen", L"Windowseinstellungen"}) {
    TreeItem(tree, root, branch, true);
  }
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
  Child(window, kPanelClass, 0, {257, 38, 6, 377});

  HWND right = Child(window, kPanelClass, WS_CLIPCHILDREN, {263, 38, 480, 377});
  HWND header = Child(right, kPanelClass, WS_CLIPCHILDREN, {0, 0, 480, 95});
  Child(header, L"STATIC", 0, {8, 8, 200, 18}, 0, L"Kalmora");
  HWND apply = Child(right, kPanelClass, WS_CLIPCHILDREN, {0, 330, 480, 47});
  Picture(apply, {0, 0, 480, 47});
  HWND page = Child(right, kPanelClass, WS_CLIPCHILDREN, {0, 95, 480, 235});
  Picture(page, {0, 0, 480, 90});
  Picture(page, {0, 140, 480, 95});
  Picture(page, {300, 150, 160, 40});
  Child(page, L"STATIC", 0, {8, 100, 200, 22}, 0, L"Informationen");

  ShowWindow(window, show);
  SetFocus(tree);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
  UpdateWindow(window);
  return floor_window::RunMessageLoop();
}
