// Message boxes and the common dialogs (open file, font, colour) and the shell's folder dialog.
#include "win32/ui/win32_backend.h"

#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>

#include "win32/wide.h"

namespace win32 {
namespace {

// A dialog waits for the user: what the running event changed so far must show behind it.
void ShowChangesSoFar() {
  if (Win32Backend* backend = Win32Backend::Instance()) backend->ThawAll();
}

}  // namespace

int Win32Dialogs::ShowMessage(std::string_view text, std::string_view caption,
                              ui::MsgButtons buttons, ui::MsgIcon icon) {
  UINT flags = MB_TASKMODAL;
  switch (buttons) {
    case ui::MsgButtons::Ok:
      flags |= MB_OK;
      break;
    case ui::MsgButtons::OkCancel:
      flags |= MB_OKCANCEL;
      break;
    case ui::MsgButtons::YesNo:
      flags |= MB_YESNO;
      break;
    case ui::MsgButtons::YesNoCancel:
      flags |= MB_YESNOCANCEL;
      break;
    case ui::MsgButtons::RetryCancel:
      flags |= MB_RETRYCANCEL;
      break;
    case ui::MsgButtons::AbortRetryIgnore:
      flags |= MB_ABORTRETRYIGNORE;
      break;
  }
  switch (icon) {
    case ui::MsgIcon::None:
      break;
    case ui::MsgIcon::Information:
      flags |= MB_ICONINFORMATION;
      break;
    case ui::MsgIcon::Warning:
      flags |= MB_ICONWARNING;
      break;
    case ui::MsgIcon::Error:
      flags |= MB_ICONERROR;
      break;
    case ui::MsgIcon::Question:
      flags |= MB_ICONQUESTION;
      break;
  }
  ShowChangesSoFar();
  // The IDOK ... IDNO answers are the toolkit's modal results.
  return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), flags);
}

std::optional<std::string> Win32Dialogs::OpenFile(const ui::FileDialogOptions& options) {
  // "Name|*.x|..." becomes "Name\0*.x\0...\0\0".
  std::wstring filter = Wide(options.filter);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  filter.append(2, L'\0');
  std::wstring file = Wide(options.fileName);
  file.resize(std::max<size_t>(file.size() + 1, 4096), L'\0');
  const std::wstring title = Wide(options.title);
  const std::wstring directory = Wide(options.initialDir);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = options.filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
  const std::wstring defaultExt = Wide(options.defaultExt);
  dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 (options.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  ShowChangesSoFar();
  if (!(options.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
  return Narrow(file.c_str());
}

std::optional<std::string> Win32Dialogs::BrowseFolder(const std::string& title) {
  const std::wstring wideTitle = Wide(title);
  BROWSEINFOW browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.lpszTitle = wideTitle.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  ShowChangesSoFar();
  LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH + 1] = {};
  const bool found = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!found) return std::nullopt;
  return Narrow(path);
}

namespace {

ui::Font FontOf(const LOGFONTW& logFont, COLORREF color) {
  ui::Font font;
  font.name = Narrow(logFont.lfFaceName);
  font.height = logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight;
  font.style = ui::kFontRegular;
  if (logFont.lfWeight >= FW_BOLD) font.style |= ui::kBold;
  if (logFont.lfItalic) font.style |= ui::kItalic;
  if (logFont.lfUnderline) font.style |= ui::kUnderline;
  if (logFont.lfStrikeOut) font.style |= ui::kStrikeOut;
  font.charset = logFont.lfCharSet;
  font.color = static_cast<ui::Color>(color);
  return font;
}

// Wine's dialog leaves WM_CHOOSEFONT_GETLOGFONT unanswered: the font is read from its fields
// (face, size in points, style with weight and italic as its item data, effects).
ui::Font FontFromControls(HWND dialog, COLORREF color) {
  LOGFONTW logFont{};
  GetDlgItemTextW(dialog, cmb1, logFont.lfFaceName, LF_FACESIZE);
  logFont.lfWeight = FW_NORMAL;
  HWND styles = GetDlgItem(dialog, cmb2);
  const LRESULT style = styles ? SendMessageW(styles, CB_GETCURSEL, 0, 0) : CB_ERR;
  if (style != CB_ERR) {
    const auto data = static_cast<DWORD>(SendMessageW(styles, CB_GETITEMDATA, style, 0));
    logFont.lfWeight = LOWORD(data);
    logFont.lfItalic = HIWORD(data) != 0;
  }
  logFont.lfStrikeOut = IsDlgButtonChecked(dialog, chx1) == BST_CHECKED;
  logFont.lfUnderline = IsDlgButtonChecked(dialog, chx2) == BST_CHECKED;
  logFont.lfCharSet = DEFAULT_CHARSET;
  ui::Font font = FontOf(logFont, color);
  wchar_t size[16] = {};
  GetDlgItemTextW(dialog, cmb3, size, 16);
  font.SetSize(std::max(1, _wtoi(size)));
  return font;
}

struct FontDialogState {
  const std::function<void(const ui::Font&)>* onApply;
  COLORREF color;
};

UINT_PTR CALLBACK FontHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* choose = reinterpret_cast<const CHOOSEFONTW*>(lParam);
    SetPropW(dialog, L"KalmoraFont", reinterpret_cast<HANDLE>(choose->lCustData));
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == psh3) {
    auto* state = static_cast<FontDialogState*>(GetPropW(dialog, L"KalmoraFont"));
    if (!state || !state->onApply || !*state->onApply) return FALSE;
    // "Apply": the font as the dialog shows it now, colour included.
    LOGFONTW logFont{};
    SendMessageW(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&logFont));
    COLORREF color = state->color;
    HWND colors = GetDlgItem(dialog, cmb4);
    const LRESULT selected = colors ? SendMessageW(colors, CB_GETCURSEL, 0, 0) : CB_ERR;
    if (selected != CB_ERR) {
      color = static_cast<COLORREF>(SendMessageW(colors, CB_GETITEMDATA, selected, 0));
    }
    ui::Font shown = FontOf(logFont, color);
    if (logFont.lfFaceName[0] == 0) shown = FontFromControls(dialog, color);
    (*state->onApply)(shown);
    ShowChangesSoFar();
    return TRUE;
  }
  if (message == WM_DESTROY) RemovePropW(dialog, L"KalmoraFont");
  return FALSE;
}

}  // namespace

bool Win32Dialogs::ChooseFont(ui::Font& font, const std::function<void(const ui::Font&)>& onApply) {
  LOGFONTW logFont{};
  logFont.lfHeight = -font.height;
  logFont.lfWeight = (font.style & ui::kBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & ui::kItalic) != 0;
  logFont.lfUnderline = (font.style & ui::kUnderline) != 0;
  logFont.lfStrikeOut = (font.style & ui::kStrikeOut) != 0;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  const std::wstring face = Wide(font.name).substr(0, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), logFont.lfFaceName);
  FontDialogState state{&onApply, Win32Backend::ColorRef(font.color)};
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpLogFont = &logFont;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_APPLY | CF_ENABLEHOOK;
  dialog.rgbColors = state.color;
  dialog.lCustData = reinterpret_cast<LPARAM>(&state);
  dialog.lpfnHook = FontHook;
  ShowChangesSoFar();
  if (!ChooseFontW(&dialog)) return false;
  font = FontOf(logFont, dialog.rgbColors);
  return true;
}

bool Win32Dialogs::ChooseColor(ui::Color& color) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.rgbResult = Win32Backend::ColorRef(color);
  dialog.lpCustColors = customColors_;
  dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
  ShowChangesSoFar();
  if (!ChooseColorW(&dialog)) return false;
  color = static_cast<ui::Color>(dialog.rgbResult);
  return true;
}

}  // namespace win32
