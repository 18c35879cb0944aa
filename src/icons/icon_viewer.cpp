#include "icons/icon_viewer.h"

#include <algorithm>

#include "base/convert.h"
#include "base/text.h"
#include "icons/hour_glass.h"
#include "icons/icon_location.h"
#include "os/file_system.h"
#include "page/page_context.h"

namespace icons {
namespace {

constexpr const char* kSettingsKey = "Software\\Kalmora2x\\Options\\IconScreenSettings";
constexpr const char* kEndingsKey = "Software\\Ventrisk\\Options\\FileEnding";
// Files and icons handled between two turns of the message queue.
constexpr int kBatch = 16;

bool ByCaption(const std::string& a, const std::string& b) {
  return base::UpperCase(a) < base::UpperCase(b);
}

}  // namespace

bool TestFileEnding(std::string_view name, const std::vector<std::string>& endings) {
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos || name.size() - dot - 1 != 3) return false;
  const std::string ending = base::UpperCase(name.substr(dot + 1));
  return std::any_of(endings.begin(), endings.end(),
                     [&](const std::string& e) { return base::UpperCase(e) == ending; });
}

TForm3::TForm3(page::PageContext& main, IconPickMode mode, TakeIcon take)
    : PickMode(mode),
      main_(main),
      take_(std::move(take)),
      form_(main.Backend(), &main.OwnerForm()),
      fileMenu_(main.Backend()),
      viewMenu_(main.Backend()),
      pickMenu_(main.Backend()) {
  form_.SetName("TForm3");
  form_.SetCaption("IconViewer");
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetClientSize(620, 440);
  form_.SetFont(main.UserFont);

  StatusBar1 = form_.Add<ui::StatusBar>();
  StatusBar1->SetName("StatusBar1");
  StatusBar1->SetAlign(ui::Align::Bottom);
  StatusBar1->AddPanel("IconViewer", 120);
  StatusBar1->AddPanel("", 480);

  auto* top = form_.Add<ui::Panel>();
  top->SetName("Panel1");
  top->SetAlign(ui::Align::Top);
  top->SetHeight(26);
  top->SetBevelOuter(ui::BevelCut::None);
  fileMenu_.Items().Add("&Übernehmen", [this](ui::MenuItem&) { ListView3DblClick(); });
  fileMenu_.Items().Add("-");
  fileMenu_.Items().Add("&Schließen", [this](ui::MenuItem&) { form_.Close(); });
  ToolBar1 = top->Add<ui::ToolBar>();
  ToolBar1->SetName("ToolBar1");
  ToolBar1->SetAlign(ui::Align::Left);
  ToolBar1->SetWidth(90);
  ToolBar1->SetFlat(true);
  ToolBar1->SetShowCaptions(true);
  ToolBar1->SetButtonSize(80, 22);
  ui::ToolButton* file = ToolBar1->AddButton(ui::ToolButtonStyle::DropDown);
  file->SetName("ToolButton1");
  file->SetCaption("  &Datei   ");
  file->SetDropdownMenu(&fileMenu_);
  ToolBar2 = top->Add<ui::ToolBar>();
  ToolBar2->SetName("ToolBar2");
  ToolBar2->SetAlign(ui::Align::Client);
  ToolBar2->SetFlat(true);
  ToolBar2->SetShowCaptions(true);
  ToolBar2->SetButtonSize(80, 22);
  ui::ToolButton* close = ToolBar2->AddButton();
  close->SetName("ToolButton2");
  close->SetCaption("Schließen");
  close->OnClick = [this](ui::ToolButton&) { form_.Close(); };

  Panel4 = form_.Add<ui::Panel>();
  Panel4->SetName("Panel4");
  Panel4->SetAlign(ui::Align::Left);
  Panel4->SetWidth(200);
  Panel4->SetBevelOuter(ui::BevelCut::None);
  Label1 = Panel4->Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption("IconViewer");
  Label1->SetAlign(ui::Align::Top);
  Label1->SetHeight(18);
  TreeView1 = Panel4->Add<ui::TreeView>();
  TreeView1->SetName("TreeView1");
  TreeView1->SetAlign(ui::Align::Client);
  TreeView1->SetReadOnly(true);
  TreeView1->SetHideSelection(false);
  TreeView1->OnChange = [this](ui::TreeView&, ui::TreeNode* node) { TreeView1Change(node); };

  Splitter1 = form_.Add<ui::Splitter>();
  Splitter1->SetName("Splitter1");
  Splitter1->SetAlign(ui::Align::Left);
  Splitter1->SetWidth(3);

  auto* right = form_.Add<ui::Panel>();
  right->SetName("Panel3");
  right->SetAlign(ui::Align::Client);
  right->SetBevelOuter(ui::BevelCut::None);
  ListView3 = right->Add<ui::ListView>();
  ListView3->SetName("ListView3");
  ListView3->SetAlign(ui::Align::Bottom);
  ListView3->SetHeight(150);
  ListView3->SetStyle(ui::ViewStyle::Icon);
  ListView3->SetMultiSelect(true);
  ListView3->SetReadOnly(true);
  ListView3->SetHideSelection(false);
  ListView3->SetLargeImages(&iconImages_);
  pickMenu_.Items().Add("Übernehmen", [this](ui::MenuItem&) { ListView3DblClick(); });
  ListView3->SetPopupMenu(&pickMenu_);
  ListView3->OnDblClick = [this](ui::Control&) { ListView3DblClick(); };
  Splitter2 = right->Add<ui::Splitter>();
  Splitter2->SetName("Splitter2");
  Splitter2->SetAlign(ui::Align::Bottom);
  Splitter2->SetHeight(3);
  ListView1 = right->Add<ui::ListView>();
  ListView1->SetName("ListView1");
  ListView1->SetAlign(ui::Align::Client);
  ListView1->SetStyle(ui::ViewStyle::List);
  ListView1->SetMultiSelect(true);
  ListView1->SetReadOnly(true);
  ListView1->SetHideSelection(false);
  ListView1->SetSmallImages(&fileSmall_);
  ListView1->SetLargeImages(&fileLarge_);
  viewMenu_.Items().Add("Kleine Symbole", [this](ui::MenuItem&) {
    ListView1->SetStyle(ui::ViewStyle::List);  // KleineSymbole1Click
  });
  viewMenu_.Items().Add("Große Symbole", [this](ui::MenuItem&) {
    ListView1->SetStyle(ui::ViewStyle::Icon);  // GrosseSysbole1Click
  });
  ListView1->SetPopupMenu(&viewMenu_);
  ListView1->OnClick = [this](ui::Control&) { ListView1Click(); };

  form_.OnClose = [this](ui::Form&, ui::CloseAction&) {
    closing_ = true;
    SaveIconSettings();
  };
  FormCreate();
}

TForm3::~TForm3() = default;

int TForm3::ShowModal() {
  return form_.ShowModal();
}

void TForm3::FormCreate() {
  ReadFileEndings();
  tree_ = std::make_unique<FolderTree>(main_, *TreeView1);
  GetIconSettings();
}

// --- window settings -----------------------------------------------------------------------------

void TForm3::GetIconSettings() {
  sysaccess::TRegistry& reg = main_.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (!reg.OpenKey(kSettingsKey, false)) return;
  try {
    // A value that is not a number ends the loading there.
    const auto read = [&](const char* name, auto apply) {
      if (reg.ValueExists(name)) apply(base::StrToInt(reg.ReadString(name)));
    };
    read("left", [&](int v) {
      // A stored place wins over centring on the main window.
      form_.SetPosition(ui::FormPosition::Designed);
      form_.SetLeft(v);
    });
    read("top", [&](int v) { form_.SetTop(v); });
    read("height", [&](int v) { form_.SetHeight(v); });
    read("width", [&](int v) { form_.SetWidth(v); });
    read("view3height", [&](int v) { ListView3->SetHeight(v); });
    read("treewidth", [&](int v) { Panel4->SetWidth(v); });
  } catch (const std::exception& error) {
    main_.Trace().Failure("GetIconSettings", error.what());
  }
  reg.CloseKey();
}

void TForm3::SaveIconSettings() {
  sysaccess::TRegistry& reg = main_.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  try {
    if (reg.OpenKey(kSettingsKey, true)) {
      reg.WriteString("left", base::IntToStr(form_.Left()));
      reg.WriteString("top", base::IntToStr(form_.Top()));
      reg.WriteString("height", base::IntToStr(form_.Height()));
      reg.WriteString("width", base::IntToStr(form_.Width()));
      reg.WriteString("view3height", base::IntToStr(ListView3->Height()));
      reg.WriteString("treewidth", base::IntToStr(Panel4->Width()));
    }
  } catch (const std::exception& error) {
    main_.Trace().Failure("SaveIconSettings", error.what());
  }
  reg.CloseKey();
}

void TForm3::ReadFileEndings() {
  sysaccess::TRegistry& reg = main_.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (reg.OpenKeyReadOnly(kEndingsKey)) {
    try {
      endings_ = reg.GetValueNames();
    } catch (const std::exception& error) {
      main_.Trace().Failure("FileEnding", error.what());
    }
    reg.CloseKey();
  } else {
    // Without a list of its own the viewer looks where icons usually are.
    endings_ = {"ico", "exe", "dll"};
  }
}

// --- folder tree ---------------------------------------------------------------------------------

void TForm3::TreeView1Change(ui::TreeNode* node) {
  const std::string folder = tree_ ? tree_->PathOf(node) : std::string();
  if (!folder.empty()) FillListView(folder);
}

// --- files and their icons -----------------------------------------------------------------------

void TForm3::Progress(const std::string& text) {
  StatusBar1->SetPanelText(1, text);
}

bool TForm3::KeepGoing(int generation) {
  main_.ProcessMessages();
  return !closing_ && generation == generation_;
}

void TForm3::FillListView(const std::string& folder) {
  const int generation = ++generation_;
  HourGlass busy(main_.Backend());
  folder_ = folder;
  ListView1->Clear();
  ListView3->Clear();
  fileSmall_.pictures.clear();
  fileLarge_.pictures.clear();
  iconImages_.pictures.clear();
  iconFile_.clear();
  std::vector<std::string> names;
  if (const auto entries = main_.services.files.ListDirectory(folder)) {
    for (const os::DirEntry& entry : *entries) {
      if (!entry.IsDirectory() && TestFileEnding(entry.name, endings_)) {
        names.push_back(entry.name);
      }
    }
  }
  std::sort(names.begin(), names.end(), ByCaption);
  const std::string total = base::IntToStr(static_cast<int>(names.size()));
  ListView1->BeginUpdate();
  for (size_t i = 0; i < names.size(); ++i) {
    if (i % kBatch == 0) {
      Progress("Durchsuche Datei " + base::IntToStr(static_cast<int>(i) + 1) + " von " + total);
      if (i > 0) {
        // Show what is found so far, and let the user go on working meanwhile.
        ListView1->SetSmallImages(&fileSmall_);
        ListView1->SetLargeImages(&fileLarge_);
        ListView1->EndUpdate();
        if (!KeepGoing(generation)) return;
        ListView1->BeginUpdate();
      }
    }
    const std::string path = InFolder(folder, names[i]);
    if (main_.services.shell.IconCount(path) <= 0) continue;
    fileSmall_.pictures.push_back(ui::Picture::Icon(path, 0));
    fileLarge_.pictures.push_back(ui::Picture::Icon(path, 0));
    ui::ListItem* item = ListView1->Add(names[i]);
    item->SetImageIndex(fileSmall_.Count() - 1);
  }
  ListView1->SetSmallImages(&fileSmall_);
  ListView1->SetLargeImages(&fileLarge_);
  ListView1->EndUpdate();
  Progress(base::IntToStr(ListView1->Count()) + " Dateien mit Icons");
}

void TForm3::ListView1Click() {
  const ui::ListItem* file = ListView1->Selected();
  if (!file || folder_.empty()) return;
  const int generation = ++generation_;
  HourGlass busy(main_.Backend());
  const std::string path = InFolder(folder_, file->Caption());
  ListView3->Clear();
  iconImages_.pictures.clear();
  iconFile_ = path;
  const int count = main_.services.shell.IconCount(path);
  const std::string contains = "Datei enthält " + base::IntToStr(count) + " Icons";
  Progress(contains);
  ListView3->BeginUpdate();
  for (int i = 0; i < count; ++i) {
    Progress(contains + ". Extrahiere Icon " + base::IntToStr(i));
    iconImages_.pictures.push_back(ui::Picture::Icon(path, i));
    ui::ListItem* item = ListView3->Add(base::IntToStr(i));
    item->SetImageIndex(i);
    item->SetData(i);
    if ((i + 1) % kBatch == 0 && i + 1 < count) {
      ListView3->SetLargeImages(&iconImages_);
      ListView3->EndUpdate();
      if (!KeepGoing(generation)) return;
      ListView3->BeginUpdate();
    }
  }
  ListView3->SetLargeImages(&iconImages_);
  ListView3->EndUpdate();
  Progress(contains + ". " + base::IntToStr(count) + " Icons extrahiert . . . ");
}

void TForm3::ListView3DblClick() {
  if (ListView3->Count() == 0) {
    main_.MessageDlg("Sie müssen zuerst ein Icon in die untere Liste einfügen !", "Hinweis",
                     ui::MsgButtons::Ok, ui::MsgIcon::Information);
    return;
  }
  const ui::ListItem* icon = ListView3->Selected();
  if (!icon) {
    main_.MessageDlg("Sie müssen zuerst ein Icon in der unteren Liste markieren !", "Hinweis");
    return;
  }
  PickedIcon = IconLocationText(iconFile_, static_cast<int>(icon->Data()));
  closing_ = true;
  if (take_) take_(PickedIcon);
  form_.Close();
}

void ShowIconViewer(page::PageContext& form, IconPickMode mode, const TakeIcon& take) {
  // The pick is handed on after the window has gone, so what the caller does next (rebuilding
  // the icons, refilling its page) runs with the main window in front again.
  std::string picked;
  {
    TForm3 viewer(form, mode, [&picked](const std::string& location) { picked = location; });
    viewer.ShowModal();
  }
  if (!picked.empty() && take) take(picked);
}

}  // namespace icons
