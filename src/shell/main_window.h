// The main window TForm1: the category tree on the left, the page area on the right above the
// information area, the toolbar and the status bar. It holds the state every page shares; the
// pages themselves are built by the branches' builders through the page table.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "page/page_context.h"
#include "page/page_table.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace journal {
class Journal;
class JournalStore;
}  // namespace journal

namespace profile {
class Profiles;
struct Profile;
}  // namespace profile

namespace shell {

class TForm9;
class SettingsSearchWindow;

class TForm1 : public page::PageContext {
 public:
  // pages: every page's builder, composed by the program (or a test).
  TForm1(page::Services& services, page::PageTable pages);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  ui::Form& Form() { return form_; }

  // --- shared state of the window alone ---------------------------------------------------------
  ui::TreeNode* SelectedNode = nullptr;
  bool BookmarkDragEnabled = false;
  std::vector<std::string> BackList;
  std::vector<std::string> ForwardList;

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
  ui::Button* PageValuesButton = nullptr;  // "Was ändert diese Seite?", on record pages
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
  ui::MenuItem* SearchSettings1 = nullptr;  // "Einstellungen suchen...", also Ctrl+F

  // --- events ----------------------------------------------------------------------------------
  void FormCreate();
  // Told the name of each start-up step as it ends (a benchmark times them).
  std::function<void(const char* step)> OnStartUpStep;
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
  void ToolButton9Click();
  void ToolButton20Click();
  void PageValuesButtonClick();
  void SearchSettings1Click();

  // Extras launcher.
  void ToolButton3Click();
  // Starts entry tag of the group (the four start handlers of the submenus).
  void StartExtra(const std::string& group, int tag);
  void Extrasbearbeiten();
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

  // --- the page context --------------------------------------------------------------------------
  void SetDescription(const std::string& text) override;
  void ShowInformationArea(page::InfoArea area) override;
  void BindApply(std::function<void()> writer) override;
  void SetStatusText(std::string text) override { StatusBar1->SetPanelText(2, std::move(text)); }
  bool Confirm(const std::string& message,
               const std::string& caption = "Löschen bestätigen") override;
  int MessageDlg(const std::string& text, const std::string& caption,
                 ui::MsgButtons buttons = ui::MsgButtons::Ok,
                 ui::MsgIcon icon = ui::MsgIcon::Information) override;
  ui::Form& OwnerForm() override { return form_; }
  void Dialog(ui::Edit& edit) override;

  page::PageTable& Pages() { return pages_; }
  // The bookmarks window while it is open.
  TForm9* BookmarkWindow() const;
  // Selects a node by code (runs the page change but records no history).
  void SelectNode(ui::TreeNode* node);
  // The settings search window once it was opened.
  SettingsSearchWindow* SearchWindow() const { return search_.get(); }

  // The journal that the services report their changes to: each user action becomes one change
  // set, named by the selected node, and the "&Ansicht" menu opens it. Before FormCreate.
  void AttachJournal(journal::Journal& journal);
  void nderungsprotokoll1Click();
  ui::MenuItem* nderungsprotokoll1 = nullptr;

  // The profiles that "&Ansicht" saves, compares and applies (profile_actions.cpp), on a page
  // host of their own that open() builds when a profile item is first chosen (a second table of
  // all pages the first window does not need); programVersion goes into a saved profile's
  // header. After FormCreate.
  void AttachProfiles(std::function<profile::Profiles&()> open, std::string programVersion);
  void ProfileSave1Click();
  void ProfileCompare1Click();
  void ProfileApply1Click();
  ui::MenuItem* ProfileSave1 = nullptr;
  ui::MenuItem* ProfileCompare1 = nullptr;
  ui::MenuItem* ProfileApply1 = nullptr;

 private:
  void BuildWindow();
  void BuildToolbar();
  void BuildMenus();
  void StartUp();
  void StepDone(const char* step) {
    if (OnStartUpStep) OnStartUpStep(step);
  }
  void ShowGroupPage(ui::TreeNode& node);
  void UpdateToolbarState(ui::TreeNode* node);
  void Record(const std::string& text);

  // What the first window does not show waits until it has painted, or until something needs it
  // first: the shell icons' entries and the journal's store. Runs once.
  void FinishStartUp();
  void OpenJournalStore();

  ui::Form form_;
  page::PageTable pages_;
  ui::Timer* afterFirstPaint_ = nullptr;

  std::unique_ptr<TForm9> bookmarks_;
  std::unique_ptr<SettingsSearchWindow> search_;
  journal::Journal* journal_ = nullptr;
  std::unique_ptr<journal::JournalStore> journalStore_;

  // The profile in the file the user picks; a file that is none is named in a message.
  std::optional<profile::Profile> OpenProfile(const char* title, std::string& path);
  // Selects the first node of the page.
  void GoToPage(int pageId);
  // The profile files are the user's, not a change to undo.
  os::FileSystem& PlainFiles();
  // The profiles, built on the first call; null when none are attached.
  profile::Profiles* Profiles();
  std::function<profile::Profiles&()> openProfiles_;
  profile::Profiles* profiles_ = nullptr;
  std::string programVersion_;
};

}  // namespace shell
