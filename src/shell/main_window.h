// The main window TForm1: the category tree on the left, the page area on the right above the
// information area, the toolbar and the status bar. It holds the state every page shares; the
// pages themselves are built by the branches' builders through the page table.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "access/reg_access.h"
#include "access/work_area.h"
#include "shell/images.h"
#include "shell/page_area.h"
#include "shell/services.h"
#include "tweaks/page_table.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace shell {

class TForm1 : public sysaccess::WorkArea, public PageArea, public ImageLists {
 public:
  explicit TForm1(Services& services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  Services& services;
  ui::Form& Form() { return form_; }
  ui::Backend& Backend() { return services.ui; }

  // --- shared state -------------------------------------------------------------------------
  sysaccess::TRegistry SharedRegistry;
  ui::TreeNode* SelectedNode = nullptr;
  std::string InstallDir;
  std::string WindowsDir;
  std::string SystemDir;
  std::string DeviceClassKey;
  std::string AllUsersProfileDir;
  std::string UserProfileDir;
  std::string AppDataDir;
  std::string UserKeyName;
  bool IniScanCancel = false;
  bool BookmarkDragEnabled = false;
  std::vector<std::string> BackList;
  std::vector<std::string> ForwardList;
  ui::Font UserFont;
  int PageBuilding = 0;
  int ConfirmResult = 0;

  // --- registry value access ------------------------------------------------------------------
  std::string ReadReg(int root, std::string_view key, std::string_view name,
                      std::string_view kind) {
    return regAccess_.ReadReg(root, key, name, kind);
  }
  void WriteReg(int root, std::string_view key, std::string_view name, std::string_view value,
                std::string_view kind) {
    regAccess_.WriteReg(root, key, name, value, kind);
  }
  void DeleteReg(int root, std::string_view key, std::string_view name, std::string_view kind) {
    regAccess_.DeleteReg(root, key, name, kind);
  }
  void CheckValue(const std::vector<uint8_t>& data, uint32_t type, std::string_view searchText) {
    regAccess_.CheckValue(data, type, searchText);
  }
  std::string GetWindowsVersion() { return regAccess_.GetWindowsVersion(); }
  int CheckNT() { return regAccess_.CheckNT(); }

  // --- fixed components -----------------------------------------------------------------------
  ui::Panel* Panel6 = nullptr;
  ui::ToolBar* ToolBar2 = nullptr;
  ui::ToolBar* ToolBar1 = nullptr;
  ui::ToolBar* ToolBar3 = nullptr;
  ui::ToolButton* ToolButton4 = nullptr;   // Zurück
  ui::ToolButton* ToolButton5 = nullptr;   // Vorwärts
  ui::ToolButton* ToolButton6 = nullptr;   // Aufwärts
  ui::ToolButton* ToolButton9 = nullptr;   // Schriftart
  ui::ToolButton* ToolButton18 = nullptr;  // Icons neu aufbauen
  ui::ToolButton* ToolButton2 = nullptr;   // &Ansicht
  ui::ToolButton* ToolButton20 = nullptr;  // &Bookmarks
  ui::ToolButton* ToolButton3 = nullptr;   // &Extras
  ui::ToolButton* ToolButton12 = nullptr;  // help
  ui::ToolButton* ToolButton14 = nullptr;  // system information
  ui::ToolButton* ToolButton16 = nullptr;  // Kalmora2x beenden
  ui::Panel* Panel2 = nullptr;
  ui::Panel* Panel3 = nullptr;
  ui::Image* Image3 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::TreeView* TreeView1 = nullptr;
  ui::Splitter* Splitter1 = nullptr;
  ui::Panel* Panel1 = nullptr;
  ui::Image* Image6 = nullptr;
  ui::Label* Label3 = nullptr;
  ui::Panel* Panel4 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::RichEdit* RichEdit2 = nullptr;
  ui::Image* Image5 = nullptr;
  ui::Panel* Panel5 = nullptr;
  ui::Image* Image1 = nullptr;
  ui::PerformanceGraph* PerformanceGraph = nullptr;
  ui::Memo* Memo2 = nullptr;
  ui::StatusBar* StatusBar1 = nullptr;
  ui::PopupMenu PopupMenu2;  // &Ansicht
  ui::PopupMenu PopupMenu3;  // &Extras
  ui::PopupMenu PopupMenu6;  // the tree's context menu
  ui::PopupMenu PopupMenu7;  // back history
  ui::PopupMenu PopupMenu8;  // forward history
  ui::PopupMenu PopupMenu9;  // exit
  ui::MenuItem* Statusleiste1 = nullptr;

  // --- events ----------------------------------------------------------------------------------
  void FormCreate();
  void FormClose();
  void TreeView1Change(ui::TreeNode* node);
  void TreeView1MouseDown(ui::MouseButton button, unsigned shift, int x, int y);
  void TreeView1MouseMove(unsigned shift, int x, int y);
  void StatusBar1DrawPanel(ui::StatusBar& bar, int panel, const ui::Rect& rect, ui::Canvas& canvas);
  void Statusleiste1Click();
  void AlleKnotenffnen1Click();
  void AlleKnotenschlieen1Click();
  void Knotenschieen1Click();
  void Image1MouseDown();
  void Image1MouseUp();
  void ToolButton12Click();
  void ToolButton16Click();
  void ToolButton18Click();
  ui::TreeNode* FindNodeRoot(std::string_view text) const;

  // History.
  void AddMerkListe();
  void ToolButton4Click();
  void ToolButton5Click();
  void ToolButton6Click();
  void PopupMenu7Popup();
  void PopupMenu8Popup();
  void JumpMerkTree(int tag, const std::string& caption);
  void JumpMerkTreeForw(int tag, const std::string& caption);

  // Exit menu.
  void Programmbeenden1Click();
  void Herunterfahren1Click();
  void Neuanmelden1Click();
  void Reboot1Click();

  // Window settings.
  void GetSettings();
  void SaveSettings();

  // --- for the pages ---------------------------------------------------------------------------
  // Binds the apply picture's click to the page's writer.
  void BindApply(std::function<void()> writer);
  void SetStatusText(std::string text) { StatusBar1->SetPanelText(2, std::move(text)); }
  // The status every writer ends with.
  void ReportApplied() { SetStatusText("Änderungen übernommen"); }
  // The shared confirmation dialog; sets ConfirmResult and returns whether it is 1.
  bool Confirm(const std::string& message, const std::string& caption = "Löschen bestätigen");
  int MessageDlg(const std::string& text, const std::string& caption,
                 ui::MsgButtons buttons = ui::MsgButtons::Ok,
                 ui::MsgIcon icon = ui::MsgIcon::Information);
  void ProcessMessages() { services.ui.ProcessMessages(); }
  tweaks::PageTable& Pages() { return pages_; }
  // Selects a node by code (runs the page change but records no history).
  void SelectNode(ui::TreeNode* node);

 private:
  void BuildWindow();
  void BuildToolbar();
  void BuildMenus();
  void StartUp();
  void ShowGroupPage(ui::TreeNode& node);
  void UpdateToolbarState(ui::TreeNode* node);
  void Record(const std::string& text);

  ui::Form form_;
  sysaccess::RegistryAccess regAccess_;
  tweaks::PageTable pages_;
};

}  // namespace shell
