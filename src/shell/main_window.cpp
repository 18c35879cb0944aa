#include "shell/main_window.h"

#include "dialogs/confirm_dialog.h"
#include "icons/folder_picker.h"
#include "icons/icon_pages.h"
#include "icons/rebuild_icons.h"
#include "journal/journal.h"
#include "journal/journal_store.h"
#include "page/start_up.h"
#include "shell/bookmarks.h"
#include "shell/category_tree.h"
#include "shell/font_window.h"
#include "shell/journal_window.h"
#include "shell/page_values_window.h"
#include "shell/settings.h"
#include "shell/settings_search_window.h"

namespace shell {
using page::Kind;
using page::Root;

namespace {

ui::Font DesignedFont() {
  return ui::Font::Of("MS Sans Serif", 8);
}

}  // namespace

TForm1::TForm1(page::Services& servicesIn, page::PageTable pages)
    : PageContext(servicesIn, Panel1),
      PopupMenu2(servicesIn.ui),
      PopupMenu3(servicesIn.ui),
      PopupMenu6(servicesIn.ui),
      PopupMenu7(servicesIn.ui),
      PopupMenu8(servicesIn.ui),
      PopupMenu9(servicesIn.ui),
      form_(servicesIn.ui),
      pages_(std::move(pages)) {
  UserFont = DesignedFont();
  ImageList1 = CategoryTreeIcons();
  BuildWindow();
  BuildToolbar();
  BuildMenus();
}

TForm1::~TForm1() {
  if (journal_) Backend().SetAfterEvent(nullptr);
}

// --- the window ----------------------------------------------------------------------------------

void TForm1::BuildWindow() {
  form_.SetName("TForm1");
  form_.SetMainForm(true);
  form_.SetCaption("Kalmora 2x");
  form_.SetFont(DesignedFont());
  form_.SetColor(ui::clBtnFace);
  form_.SetIcon(page::pictures::kProgramIcon);
  form_.SetBounds({269, 226, 751, 461});
  form_.OnClose = [this](ui::Form&, ui::CloseAction&) { FormClose(); };

  Panel6 = form_.Add<ui::Panel>();
  Panel6->SetName("Panel6");
  Panel6->SetHeight(38);
  Panel6->SetAlign(ui::Align::Top);
  Panel6->SetBevelOuter(ui::BevelCut::None);

  StatusBar1 = form_.Add<ui::StatusBar>();
  StatusBar1->SetName("StatusBar1");
  StatusBar1->SetHeight(19);
  StatusBar1->SetAlign(ui::Align::Bottom);
  StatusBar1->AddPanel("  Kalmora2x", 120, true);
  StatusBar1->AddPanel("", 450);
  StatusBar1->AddPanel("", 50);
  StatusBar1->OnDrawPanel = [this](ui::StatusBar& bar, int panel, const ui::Rect& rect,
                                   ui::Canvas& canvas) {
    StatusBar1DrawPanel(bar, panel, rect, canvas);
  };

  Panel2 = form_.Add<ui::Panel>();
  Panel2->SetName("Panel2");
  Panel2->SetWidth(257);
  Panel2->SetAlign(ui::Align::Left);
  Panel2->SetBevelOuter(ui::BevelCut::None);

  Panel3 = Panel2->Add<ui::Panel>();
  Panel3->SetName("Panel3");
  Panel3->SetHeight(26);
  Panel3->SetAlign(ui::Align::Top);
  Panel3->SetColor(ui::clActiveCaption);
  Panel3->SetBevelOuter(ui::BevelCut::None);
  Image3 = Panel3->Add<ui::Image>();
  Image3->SetName("Image3");
  Image3->SetAlign(ui::Align::Client);
  Image3->SetStretch(true);
  Image3->SetPicture(page::pictures::kTitleBand);
  Label1 = Panel3->Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetTransparent(true);
  Label1->SetFont(ui::Font{"MS Sans Serif", 16, ui::kBold, ui::clWhite, 1});
  Label1->SetBounds({8, 4, 0, 0});
  Label1->SetCaption("Kalmora 2x");

  TreeView1 = Panel2->Add<ui::TreeView>();
  TreeView1->SetName("TreeView1");
  TreeView1->SetAlign(ui::Align::Client);
  TreeView1->SetHideSelection(false);
  TreeView1->SetReadOnly(true);
  TreeView1->SetIndent(19);
  TreeView1->SetImages(&ImageList1);
  TreeView1->SetPopupMenu(&PopupMenu6);
  TreeView1->OnChange = [this](ui::TreeView&, ui::TreeNode* node) { TreeView1Change(node); };
  TreeView1->OnMouseDown = [this](ui::Control&, ui::MouseButton button, unsigned shift, int x,
                                  int y) { TreeView1MouseDown(button, shift, x, y); };
  TreeView1->OnMouseMove = [this](ui::Control&, unsigned shift, int x, int y) {
    TreeView1MouseMove(shift, x, y);
  };
  BuildCategoryTree(*TreeView1);

  Splitter1 = form_.Add<ui::Splitter>();
  Splitter1->SetName("Splitter1");
  Splitter1->SetWidth(6);
  Splitter1->SetBeveled(true);
  Splitter1->SetAlign(ui::Align::Left);

  Panel1 = form_.Add<ui::Panel>();
  Panel1->SetName("Panel1");
  Panel1->SetAlign(ui::Align::Client);
  Panel1->SetFont(DesignedFont());
  Panel1->SetBevelOuter(ui::BevelCut::None);

  Image6 = Panel1->Add<ui::Image>();
  Image6->SetName("Image6");
  Image6->SetHeight(65);
  Image6->SetAlign(ui::Align::Top);
  Image6->SetStretch(true);
  Image6->SetTransparent(true);
  Image6->SetPicture(page::pictures::kGroupHeader);
  Image6->Hide();

  Label3 = Panel1->Add<ui::Label>();
  Label3->SetName("Label3");
  Label3->SetTransparent(true);
  Label3->SetFont(ui::Font{"MS Sans Serif", 16, ui::kBold, ui::clWhite, 1});
  Label3->SetBounds({8, 16, 0, 0});
  Label3->SetCaption("Aktion");
  Label3->Hide();  // shown with the header band of group pages

  Panel4 = Panel1->Add<ui::Panel>();
  Panel4->SetName("Panel4");
  Panel4->SetHeight(140);
  Panel4->SetAlign(ui::Align::Bottom);
  Panel4->SetColor(ui::clWhite);
  Panel4->SetBevelOuter(ui::BevelCut::None);

  Label2 = Panel4->Add<ui::Label>();
  Label2->SetName("Label2");
  Label2->SetFont(
      ui::Font{"Lucida Console", 19, ui::kBold | ui::kItalic | ui::kUnderline, ui::clBlue, 1});
  Label2->SetBounds({5, 3, 0, 0});
  Label2->SetCaption("Informationen");

  RichEdit2 = Panel4->Add<ui::RichEdit>();
  RichEdit2->SetName("RichEdit2");
  RichEdit2->SetHeight(107);
  RichEdit2->SetAlign(ui::Align::Bottom);
  RichEdit2->SetReadOnly(true);
  RichEdit2->SetBorder(ui::BorderStyle::None);
  RichEdit2->SetScrollBars(ui::ScrollBars::Vertical);
  RichEdit2->SetColor(ui::clWhite);
  // Out of sight until a page with a description shows it: the root page has none, so start-up
  // makes no rich edit window.
  RichEdit2->Hide();

  Image5 = Panel4->Add<ui::Image>();
  Image5->SetName("Image5");
  Image5->SetStretch(true);
  Image5->SetPicture(page::pictures::kGroupBanner);
  Image5->Hide();

  Panel5 = Panel4->Add<ui::Panel>();
  Panel5->SetName("Panel5");
  Panel5->SetBounds({184, 0, 110, 28});
  Panel5->SetBevelInner(ui::BevelCut::Raised);
  Panel5->SetColor(ui::clWhite);
  Image1 = Panel5->Add<ui::Image>();
  Image1->SetName("Image1");
  Image1->SetAlign(ui::Align::Client);
  Image1->SetStretch(true);
  Image1->SetPicture(page::pictures::kApplyButton);
  Image1->SetHint("Klicken Sie hier drauf um die Änderungen zu übernehmen");
  Image1->SetCursor(ui::Cursor::HandPoint);
  Image1->OnMouseDown = [this](ui::Control&, ui::MouseButton, unsigned, int, int) {
    Image1MouseDown();
  };
  Image1->OnMouseUp = [this](ui::Control&, ui::MouseButton, unsigned, int, int) {
    Image1MouseUp();
  };

  // Beside the apply picture; shown only on pages kept as records.
  PageValuesButton = Panel4->Add<ui::Button>();
  PageValuesButton->SetName("PageValuesButton");
  PageValuesButton->SetCaption("Was ändert diese Seite?");
  PageValuesButton->SetBounds({304, 3, 150, 23});
  PageValuesButton->OnClick = [this](ui::Control&) { PageValuesButtonClick(); };
  PageValuesButton->Hide();

  PerformanceGraph = Panel1->Add<ui::PerformanceGraph>();
  PerformanceGraph->SetName("PerformanceGraph");
  PerformanceGraph->Hide();

  Memo2 = Panel1->Add<ui::Memo>();
  Memo2->SetName("Memo2");
  Memo2->SetWordWrap(false);
  Memo2->Hide();
}

void TForm1::BuildToolbar() {
  // Icon buttons are 30 square; a drop-down one is wider by its arrow. Their widths are given so
  // that the bars inside the main one start where its buttons end, on every backend.
  constexpr int kButtonSize = 30;
  constexpr int kDropDownWidth = kButtonSize + 14;
  const auto add = [](ui::ToolBar* bar, const char* name, ui::ToolButtonStyle style,
                      const char* hint, int image) {
    ui::ToolButton* button = bar->AddButton(style);
    button->SetName(name);
    button->SetHint(hint);
    button->SetImageIndex(image);
    if (image >= 0) {
      button->SetWidth(style == ui::ToolButtonStyle::DropDown ? kDropDownWidth : kButtonSize);
    }
    return button;
  };
  const auto separator = [](ui::ToolBar* bar) { bar->AddButton(ui::ToolButtonStyle::Separator); };

  // The main bar fills the band; the text buttons and then help, info and exit follow its own
  // buttons on bars of their own inside it.
  ToolBar2 = Panel6->Add<ui::ToolBar>();
  ToolBar2->SetName("ToolBar2");
  ToolBar2->SetAlign(ui::Align::Client);
  ToolBar2->SetImages(&ImageList2);
  ToolBar2->SetButtonSize(kButtonSize, kButtonSize);
  ToolButton4 = add(ToolBar2, "ToolButton4", ui::ToolButtonStyle::DropDown, "Zurück", 0);
  ToolButton4->SetDropdownMenu(&PopupMenu7);
  ToolButton5 = add(ToolBar2, "ToolButton5", ui::ToolButtonStyle::DropDown, "Vorwärts", 1);
  ToolButton5->SetDropdownMenu(&PopupMenu8);
  ToolButton5->SetEnabled(false);
  ToolButton6 = add(ToolBar2, "ToolButton6", ui::ToolButtonStyle::Button, "Aufwärts", 2);
  ToolButton6->SetEnabled(false);
  separator(ToolBar2);
  ToolButton9 = add(ToolBar2, "ToolButton9", ui::ToolButtonStyle::Button, "Schriftart", 3);
  ToolButton18 =
      add(ToolBar2, "ToolButton18", ui::ToolButtonStyle::Button, "Icons neu aufbauen", 4);
  separator(ToolBar2);

  ToolBar1 = ToolBar2->Add<ui::ToolBar>();
  ToolBar1->SetName("ToolBar1");
  ToolBar1->SetWidth(3 * 66 + 12);
  ToolBar1->SetAlign(ui::Align::Left);
  ToolBar1->SetShowCaptions(true);
  ToolBar1->SetButtonSize(66, 21);
  ToolButton2 = add(ToolBar1, "ToolButton2", ui::ToolButtonStyle::DropDown, "&Ansicht", -1);
  ToolButton2->SetCaption("&Ansicht");
  ToolButton2->SetDropdownMenu(&PopupMenu2);
  ToolButton20 = add(ToolBar1, "ToolButton20", ui::ToolButtonStyle::Button, "&Bookmarks", -1);
  ToolButton20->SetCaption("&Bookmarks");
  ToolButton3 = add(ToolBar1, "ToolButton3", ui::ToolButtonStyle::DropDown, "&Extras", -1);
  ToolButton3->SetCaption("&Extras");
  ToolButton3->SetDropdownMenu(&PopupMenu3);

  ToolBar3 = ToolBar2->Add<ui::ToolBar>();
  ToolBar3->SetName("ToolBar3");
  ToolBar3->SetWidth(128);
  ToolBar3->SetAlign(ui::Align::Left);
  ToolBar3->SetImages(&ImageList2);
  ToolBar3->SetButtonSize(kButtonSize, kButtonSize);
  ToolButton12 = add(ToolBar3, "ToolButton12", ui::ToolButtonStyle::Button, "", 7);
  ToolButton14 = add(ToolBar3, "ToolButton14", ui::ToolButtonStyle::Button, "", 8);
  ToolButton16 =
      add(ToolBar3, "ToolButton16", ui::ToolButtonStyle::DropDown, "Kalmora2x beenden", 9);
  ToolButton16->SetDropdownMenu(&PopupMenu9);

  ToolButton4->OnClick = [this](ui::ToolButton&) { ToolButton4Click(); };
  ToolButton5->OnClick = [this](ui::ToolButton&) { ToolButton5Click(); };
  ToolButton6->OnClick = [this](ui::ToolButton&) { ToolButton6Click(); };
  ToolButton9->OnClick = [this](ui::ToolButton&) { ToolButton9Click(); };
  ToolButton18->OnClick = [this](ui::ToolButton&) { ToolButton18Click(); };
  ToolButton20->OnClick = [this](ui::ToolButton&) { ToolButton20Click(); };
  ToolButton12->OnClick = [this](ui::ToolButton&) { ToolButton12Click(); };
  ToolButton16->OnClick = [this](ui::ToolButton&) { ToolButton16Click(); };
  ToolButton14->OnClick = [this](ui::ToolButton&) {
    pages_.RunCommand("ToolButton14Click", *this);
  };
  // A drop-down button's own click shows its menu too.
  ToolButton2->OnClick = [](ui::ToolButton& button) { button.UserDropDown(); };
  ToolButton3->OnClick = [](ui::ToolButton& button) { button.UserDropDown(); };
}

void TForm1::BuildMenus() {
  Statusleiste1 =
      PopupMenu2.Items().Add("&Statusleiste", [this](ui::MenuItem&) { Statusleiste1Click(); });
  Statusleiste1->SetName("Statusleiste1");
  Statusleiste1->SetChecked(true);
  SearchSettings1 = PopupMenu2.Items().Add("Einstellungen suchen...",
                                           [this](ui::MenuItem&) { SearchSettings1Click(); });
  SearchSettings1->SetName("SearchSettings1");
  form_.OnShortCut = [this](ui::Form&, int key, unsigned shift, bool& handled) {
    if (key == 'F' && shift == ui::kCtrl) {
      handled = true;
      SearchSettings1Click();
    }
  };

  auto& tree = PopupMenu6.Items();
  tree.Add("Bookmarks", [this](ui::MenuItem&) { ToolButton20Click(); })->SetName("Bookmarks1");
  tree.Add("-");
  tree.Add("Alle Knoten &expandieren", [this](ui::MenuItem&) { AlleKnotenffnen1Click(); })
      ->SetName("AlleKnotenffnen1");
  tree.Add("-");
  tree.Add("Alle Knoten &schließen", [this](ui::MenuItem&) { AlleKnotenschlieen1Click(); })
      ->SetName("AlleKnotenschlieen1");
  tree.Add("Knoten sch&ießen", [this](ui::MenuItem&) { Knotenschieen1Click(); })
      ->SetName("Knotenschieen1");

  PopupMenu3.OnPopup = [this](ui::PopupMenu&) { ToolButton3Click(); };
  PopupMenu7.OnPopup = [this](ui::PopupMenu&) { PopupMenu7Popup(); };
  PopupMenu8.OnPopup = [this](ui::PopupMenu&) { PopupMenu8Popup(); };

  auto& exit = PopupMenu9.Items();
  exit.Add("&Programm beenden", [this](ui::MenuItem&) { Programmbeenden1Click(); })
      ->SetName("Programmbeenden1");
  exit.Add("&Herunterfahren", [this](ui::MenuItem&) { Herunterfahren1Click(); })
      ->SetName("Herunterfahren1");
  exit.Add("&Abmelden", [this](ui::MenuItem&) { Neuanmelden1Click(); })->SetName("Neuanmelden1");
  exit.Add("&Neu starten", [this](ui::MenuItem&) { Reboot1Click(); })->SetName("Reboot1");
}

// --- start-up and close --------------------------------------------------------------------------

void TForm1::FormCreate() {
  // What start-up writes (the missing shell icons, its own settings) is the program's, not the
  // user's: undone, it would only be written again at the next start.
  const journal::Journal::Paused startUp(journal_);
  try {
    StartUp();
  } catch (const std::exception& error) {
    // Start-up ends where it failed, silently; the window opens with what is there.
    Trace().Failure("FormCreate", error.what());
  }
}

void TForm1::StartUp() {
  ApplyStoredFont(*this);
  StepDone("font");
  GetSettings();
  StepDone("window settings");
  GetWindowsVersion();
  for (const std::string_view text : NodesRemovedOn(WindowsVersion)) {
    if (ui::TreeNode* node = FindNodeRoot(text)) TreeView1->Delete(node);
  }
  StepDone("version, nodes of other systems removed");
  if (WindowsVersion < 1) {
    MessageDlg(
        "Dieses Programm läuft nur unter NT, Windows2000, XP oder höher!\nStart wird "
        "abgebrochen !",
        "Hinweis", ui::MsgButtons::Ok, ui::MsgIcon::Information);
    Backend().Terminate();
  }
  if (WindowsVersion != 3) {
    SharedRegistry.SetRootKey(os::RegRoot::LocalMachine);
    if (SharedRegistry.OpenKey("\\Software\\Microsoft\\Plus!\\Setup", true)) {
      try {
        SharedRegistry.WriteString("COOL.DLL", "1");
      } catch (const std::exception& error) {
        Trace().Failure("FormCreate", error.what());
      }
    }
    SharedRegistry.CloseKey();
  }
  StepDone("COOL.DLL");
  SharedRegistry.SetRootKey(os::RegRoot::CurrentUser);
  if (SharedRegistry.OpenKey("Software\\Kalmora2x\\Options", false) &&
      SharedRegistry.ValueExists("InstallDir")) {
    InstallDir = SharedRegistry.ReadString("InstallDir");
  } else {
    MessageDlg(
        "Schlüssel des Installationsordners kann nicht ermittelt werden !\nInstallieren "
        "Sie das Programm neu.\nDas Programm wird beendet !",
        "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Warning);
    Backend().Terminate();
  }
  SharedRegistry.CloseKey();
  StepDone("InstallDir");
  DeviceClassKey = WindowsVersion >= 1 ? "SYSTEM\\CurrentControlSet\\Control\\Class"
                                       : "SYSTEM\\CurrentControlSet\\Services\\Class";
  page::ReadEnvironment(*this);
  WindowsDir = services.system.WindowsDirectory();
  StepDone("environment, Windows folder");
  page::ReadUserKeyName(*this);
  SystemDir = WindowsDir + (WindowsVersion >= 1 ? "\\System32\\" : "\\System\\");
  StepDone("user key");
  // The shell icons' entries are checked once the window has painted (FinishStartUp): nothing
  // on the first window reads them, and a page that does finishes start-up first.
  afterFirstPaint_ = form_.Add<ui::Timer>();
  afterFirstPaint_->SetInterval(10);
  afterFirstPaint_->OnTimer = [this](ui::Control&) { FinishStartUp(); };
  afterFirstPaint_->SetActive(true);
  SelectedNode = TreeView1->Root(0);
  if (SelectedNode) SelectedNode->Expand();
  StepDone("root expanded");
  // Minimised and restored once, the program comes up in front of the others; the form shows
  // after start-up.
  Backend().SetApplicationState(ui::WindowState::Minimized);
  Backend().SetApplicationState(ui::WindowState::Normal);
  StepDone("application window minimised and restored");
}

void TForm1::FinishStartUp() {
  if (!afterFirstPaint_ || !afterFirstPaint_->Active()) return;
  afterFirstPaint_->SetActive(false);
  // The first page with a list of files or drives would otherwise wait for the shell's icons.
  Backend().PrepareSystemIcons();
  const journal::Journal::Paused startUp(journal_);
  try {
    icons::CheckExistShellIconReg(*this);
    StepDone("after the first paint: shell icons checked");
    OpenJournalStore();
    StepDone("after the first paint: journal store");
  } catch (const std::exception& error) {
    Trace().Failure("FormCreate", error.what());
  }
}

void TForm1::FormClose() {
  // The bookmarks go with the program: the open window stores its list as it closes.
  if (bookmarks_ && bookmarks_->Open()) bookmarks_->Form().Close();
  SaveSettings();
}

TForm9* TForm1::BookmarkWindow() const {
  return bookmarks_ && bookmarks_->Open() ? bookmarks_.get() : nullptr;
}

void TForm1::ToolButton20Click() {
  // A second activation brings the open window to the front instead of opening another.
  if (bookmarks_ && bookmarks_->Open()) {
    bookmarks_->Form().Show();
    bookmarks_->Form().SetFocus();
    return;
  }
  BookmarkDragEnabled = true;
  // A closed window is freed here, outside its own events.
  bookmarks_ = std::make_unique<TForm9>(*this);
  GetBookmarkSettings(*this, *bookmarks_);
  GetBookMarks(*this, *bookmarks_);
  bookmarks_->Form().Show();
}

void TForm1::PageValuesButtonClick() {
  const ui::TreeNode* node = TreeView1->Selected();
  const page::SettingsPage* record = node ? pages_.Record(node->ImageIndex()) : nullptr;
  if (!record) return;
  PageValuesWindow window(Backend(), &form_, node->Text(),
                          page::ListPageValues(*record, services.registry, UserKeyName));
  window.Execute();
}

void TForm1::SearchSettings1Click() {
  // Built at the first search, from the tree as start-up left it; kept for the next ones.
  if (!search_) search_ = std::make_unique<SettingsSearchWindow>(*this);
  search_->Open();
}

void TForm1::GetSettings() {
  LoadWindowSettings(*this);
}
void TForm1::SaveSettings() {
  // The window's place and size are the program's own bookkeeping, as start-up's writes are.
  const journal::Journal::Paused own(journal_);
  StoreWindowSettings(*this);
}

// --- page change ---------------------------------------------------------------------------------

void TForm1::TreeView1Change(ui::TreeNode* node) {
  Image5->Hide();
  Image6->Hide();
  // The header caption belongs to the header band; a leaf page covers both.
  Label3->Hide();
  RichEdit2->Show();
  SetStatusText("");
  Backend().SetScreenCursor(ui::Cursor::HourGlass);
  IniScanCancel = true;
  Panel();
  RichEdit2->Clear();
  Panel4->Show();
  SelectedNode = TreeView1->Selected();
  StatusBar1->SetPanelText(1, SelectedNode ? SelectedNode->Text() : "");
  Panel5->Show();
  PageValuesButton->SetVisible(node && pages_.Record(node->ImageIndex()));
  if (node) {
    // A leaf page may read what start-up still has to write once the window has painted.
    if (!IsGroupPage(*node)) FinishStartUp();
    try {
      pages_.Build(node->ImageIndex(), *this);
    } catch (const std::exception& error) {
      // A failing builder leaves its page as far as it got.
      Trace().Failure("TreeView1Change", error.what());
    }
    if (IsGroupPage(*node)) ShowGroupPage(*node);
  }
  UpdateToolbarState(node);
  Backend().SetScreenCursor(ui::Cursor::Default);
}

void TForm1::ShowGroupPage(ui::TreeNode& node) {
  Panel4->Show();
  RichEdit2->Hide();
  Image5->SetAlign(ui::Align::Client);
  Image5->Show();
  if (PagePanel) {
    ui::Image* header = PagePanel->Add<ui::Image>();
    header->SetHeight(32);
    header->SetAlign(ui::Align::Top);
    header->SetStretch(true);
    header->SetPicture(Image6->GetPicture());
  }
  Image6->Show();
  Panel5->Hide();
  Label3->SetCaption(node.Text());
  Label3->Show();
}

void TForm1::UpdateToolbarState(ui::TreeNode* node) {
  ToolButton6->SetEnabled(node && node != TreeView1->Root(0));
  ToolButton4->SetEnabled(!BackList.empty());
  ToolButton5->SetEnabled(!ForwardList.empty());
}

void TForm1::SelectNode(ui::TreeNode* node) {
  if (node) TreeView1->SetSelected(node);
}

ui::TreeNode* TForm1::FindNodeRoot(std::string_view text) const {
  return shell::FindNodeRoot(*TreeView1, text);
}

// --- tree
// ------------------------------------------------------------------------------------------

void TForm1::TreeView1MouseDown(ui::MouseButton, unsigned, int, int) {
  AddMerkListe();
  if (BookmarkDragEnabled && TreeView1->Selected()) TreeView1->BeginDrag();
}

void TForm1::TreeView1MouseMove(unsigned, int x, int y) {
  TreeView1->SetCursor(TreeView1->GetNodeAt(x, y) ? ui::Cursor::HandPoint : ui::Cursor::Default);
}

void TForm1::AlleKnotenffnen1Click() {
  ui::TreeNode* root = TreeView1->Root(0);
  if (!root) return;
  SelectNode(root);
  TreeView1->BeginUpdate();
  root->Expand(true);
  TreeView1->EndUpdate();
}

void TForm1::AlleKnotenschlieen1Click() {
  ui::TreeNode* root = TreeView1->Root(0);
  if (!root) return;
  SelectNode(root);
  SelectedNode = root;
  TreeView1->BeginUpdate();
  if (root->Expanded()) root->Collapse();
  TreeView1->EndUpdate();
}

void TForm1::Knotenschieen1Click() {
  SelectedNode = TreeView1->Selected();
  if (!SelectedNode) return;
  TreeView1->BeginUpdate();
  if (SelectedNode->Expanded()) SelectedNode->Collapse();
  TreeView1->EndUpdate();
}

// --- status bar, toolbar, information area
// --------------------------------------------------------

void TForm1::StatusBar1DrawPanel(ui::StatusBar& bar, int panel, const ui::Rect& rect,
                                 ui::Canvas& canvas) {
  bar.SetPanelWidth(0, 120);
  bar.SetPanelWidth(1, 450);
  if (panel != 0) return;
  canvas.DrawImage(ImageList8, 26, rect.left + 3, rect.top);
  canvas.TextOut(rect.left + 20, rect.top, "Kalmora2x");
}

void TForm1::Statusleiste1Click() {
  Statusleiste1->SetChecked(!Statusleiste1->Checked());
  StatusBar1->SetVisible(Statusleiste1->Checked());
}

void TForm1::Image1MouseDown() {
  Panel5->SetBevelOuter(ui::BevelCut::Lowered);
}
void TForm1::Image1MouseUp() {
  Panel5->SetBevelOuter(ui::BevelCut::Raised);
}

void TForm1::ToolButton12Click() {
  // The shell's own failure would name neither the file nor the way out.
  // Named with its folder: the program may have been started from any other one.
  const std::string help = os::JoinPath(InstallDir, "Kalmora2X.chm");
  if (!services.files.Exists(help)) {
    MessageDlg(
        "Die Hilfedatei \"Kalmora2X.chm\" wurde im Programmordner nicht gefunden.\n"
        "Installieren Sie das Programm neu, um die Hilfe zu erhalten.",
        "Hilfe", ui::MsgButtons::Ok, ui::MsgIcon::Warning);
    return;
  }
  services.shell.Execute({"open", help, "", "", 1});
}

void TForm1::ToolButton16Click() {
  form_.Close();
}

void TForm1::ToolButton9Click() {
  TForm17 window(*this);
  window.Execute();
}

void TForm1::ToolButton18Click() {
  const std::string stored = ReadReg(Root::CurrentUser, "\\Control Panel\\Desktop\\WindowMetrics",
                                     "Shell Icon Size", Kind::String);
  WriteReg(Root::CurrentUser, "\\Control Panel\\Desktop\\WindowMetrics", "Shell Icon Size", "33",
           Kind::String);
  icons::RebuildIcons(*this);
  WriteReg(Root::CurrentUser, "\\Control Panel\\Desktop\\WindowMetrics", "Shell Icon Size", stored,
           Kind::String);
  icons::RebuildIcons(*this);
}

void TForm1::BindApply(std::function<void()> writer) {
  Image1->OnClick = [writer = std::move(writer)](ui::Control&) {
    if (writer) writer();
  };
}

void TForm1::SetDescription(const std::string& text) {
  RichEdit2->SetText(text);
}

void TForm1::ShowInformationArea(page::InfoArea area) {
  if (area == page::InfoArea::Hidden) Panel4->Hide();
  if (area == page::InfoArea::NoApplyButton) Panel5->Hide();
}

bool TForm1::Confirm(const std::string& message, const std::string& caption) {
  ConfirmResult = 0;
  dialogs::TForm6 dialog(Backend(), &form_);
  dialog.SetCaption(caption);
  if (ImageList6.Count() > 1) dialog.SetPicture(ImageList6.pictures[1]);
  dialog.SetMessage(message);
  dialog.ShowModal();
  ConfirmResult = dialog.ConfirmResult;
  return ConfirmResult == 1;
}

int TForm1::MessageDlg(const std::string& text, const std::string& caption, ui::MsgButtons buttons,
                       ui::MsgIcon icon) {
  return Backend().GetDialogs().ShowMessage(text, caption, buttons, icon);
}

void TForm1::Dialog(ui::Edit& edit) {
  ChosenFolder.clear();
  {
    icons::TForm15 picker(*this, ChosenFolder);
    picker.ShowModal();
  }
  if (!ChosenFolder.empty()) edit.SetText(ChosenFolder);
}

// --- change journal ------------------------------------------------------------------------------

void TForm1::AttachJournal(journal::Journal& journal) {
  journal_ = &journal;
  journal.SetOrigin([this] {
    const os::SystemTime now = services.system.LocalTime();
    char time[48];
    std::snprintf(time, sizeof time, "%04u-%02u-%02u %02u:%02u:%02u", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return journal::Origin{time, SelectedNode ? SelectedNode->Text() : "Programmstart",
                           services.system.UserName()};
  });
  // Whatever one action changed, with every dialog it opened, is one set.
  Backend().SetAfterEvent([this] {
    // A change before the window painted still goes to the store.
    if (journal_->HasOpenSet()) FinishStartUp();
    journal_->Close();
  });
  nderungsprotokoll1 = PopupMenu2.Items().Add("&Änderungsprotokoll",
                                              [this](ui::MenuItem&) { nderungsprotokoll1Click(); });
  nderungsprotokoll1->SetName("nderungsprotokoll1");
}

void TForm1::OpenJournalStore() {
  if (!journal_) return;
  const std::string folder =
      journal::JournalFolder(services.shell.SpecialFolderPath(0x1A), InstallDir);
  if (!journal::MakeFolders(journal_->Files(), folder)) {
    Trace().Failure("OpenJournalStore", "no journal folder " + folder);
    return;
  }
  journalStore_ = std::make_unique<journal::JournalStore>(journal_->Files(), folder);
  journal_->SetStore(journalStore_.get(), Trace());
}

void TForm1::nderungsprotokoll1Click() {
  if (!journal_) return;
  FinishStartUp();
  journal_->Close();
  JournalWindow window(*this, *journal_);
  window.Execute();
}

// --- exit menu -----------------------------------------------------------------------------------

void TForm1::Programmbeenden1Click() {
  form_.Close();
}

void TForm1::Herunterfahren1Click() {
  CheckNT();
  services.system.RequestExit(13);  // shut down, power off, forced
}

void TForm1::Neuanmelden1Click() {
  CheckNT();
  services.system.RequestExit(0);  // log off
}

void TForm1::Reboot1Click() {
  CheckNT();
  services.system.RequestExit(6);  // reboot, forced
}

}  // namespace shell
