#include "shell/bookmarks.h"

#include "base/convert.h"
#include "shell/form_controls.h"
#include "shell/main_window.h"

namespace shell {
namespace {

constexpr const char* kStoreParent = "\\Software\\Kalmora";
constexpr const char* kStore = "\\Software\\Kalmora\\Bookmarks";
constexpr const char* kGeometryKey = "Software\\Kalmora2x\\Options\\BookmarkSettings";
constexpr int kBookmarkImage = 6;

}  // namespace

// --- the dialogs ---------------------------------------------------------------------------------

BookmarkDialog::BookmarkDialog(ui::Backend& backend, ui::Form* owner, const Design& design)
    : form_(backend, owner) {
  form_.SetName(design.name);
  form_.SetCaption(design.caption);
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::OwnerFormCenter);
  form_.SetClientSize(design.clientWidth, design.clientHeight);

  Label1 = form_.Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption("Schlüssel");
  Label1->SetBounds({24, 8, 0, 13});
  Edit1 = form_.Add<ui::Edit>();
  Edit1->SetName("Edit1");
  Edit1->SetReadOnly(true);
  Edit1->SetBounds({8, 24, 500, 21});
  Label2 = form_.Add<ui::Label>();
  Label2->SetName("Label2");
  Label2->SetCaption("Beschreibung");
  Label2->SetBounds({24, 56, 0, 13});
  Edit2 = form_.Add<ui::Edit>();
  Edit2->SetName("Edit2");
  Edit2->SetBounds({8, 72, 500, 21});

  BitBtn2 = AddButton(form_, "BitBtn2", "Abbrechen", {304, 104, 100, 25});
  BitBtn2->SetCancel(true);
  BitBtn2->OnClick = [this](ui::Control&) { BitBtn2Click(); };
  BitBtn1 = AddButton(form_, "BitBtn1", design.nextCaption, {408, 104, 100, 25});
  BitBtn1->SetDefault(true);
  BitBtn1->OnClick = [this](ui::Control&) { BitBtn1Click(); };
}

std::optional<std::string> BookmarkDialog::Execute(const std::string& node,
                                                   const std::string& description) {
  accepted_.reset();
  Edit1->SetText(node);
  Edit2->SetText(description);
  form_.ShowModal();
  return accepted_;
}

void BookmarkDialog::BitBtn1Click() {
  accepted_ = Edit2->Text();
  form_.SetModalResult(ui::mrOk);
}

void BookmarkDialog::BitBtn2Click() {
  accepted_.reset();
  form_.SetModalResult(ui::mrCancel);
}

TForm10::TForm10(ui::Backend& backend, ui::Form* owner)
    : BookmarkDialog(backend, owner,
                     {"TForm10", "Neuen Bookmarkeintrag anlegen", 520, 132, "&Weiter>"}) {}

TForm11::TForm11(ui::Backend& backend, ui::Form* owner)
    : BookmarkDialog(backend, owner,
                     {"TForm11", "Bookmarkeintrag ändern", 517, 133, "&Weiter..."}) {}

// --- the bookmarks window ------------------------------------------------------------------------

TForm9::TForm9(TForm1& main)
    : PopupMenu1(main.Backend()), main_(main), form_(main.Backend(), &main.Form()) {
  form_.SetName("TForm9");
  form_.SetCaption("Bookmarks");
  form_.SetStayOnTop(true);
  // A window of its own with a caption icon: the program's, not the system's blank one.
  form_.SetIcon(page::pictures::kProgramIcon);
  // Centred on the main window until stored geometry says otherwise.
  const ui::Rect owner = main.Form().Bounds();
  form_.SetBounds(
      {owner.left + (owner.width - 668) / 2, owner.top + (owner.height - 343) / 2, 668, 343});
  form_.OnClose = [this](ui::Form&, ui::CloseAction& action) {
    FormClose();
    action = ui::CloseAction::Free;
  };
  form_.OnResize = [this](ui::Control&) { FormResize(); };

  Panel1 = form_.Add<ui::Panel>();
  Panel1->SetName("Panel1");
  Panel1->SetAlign(ui::Align::Client);
  Panel1->SetColor(ui::clWhite);
  Panel1->SetBevelOuter(ui::BevelCut::None);

  CoolBar1 = Panel1->Add<ui::Panel>();
  CoolBar1->SetName("CoolBar1");
  CoolBar1->SetAlign(ui::Align::Top);
  CoolBar1->SetHeight(56);
  CoolBar1->SetColor(ui::clWhite);
  CoolBar1->SetBevelOuter(ui::BevelCut::None);
  Image1 = CoolBar1->Add<ui::Image>();
  Image1->SetName("Image1");
  Image1->SetBounds({32, 12, 32, 32});
  Image1->SetPicture(page::pictures::kProgramIcon);
  Label1 = CoolBar1->Add<ui::Label>();
  Label1->SetName("Label1");
  ui::Font title;
  title.name = "Tahoma";
  title.height = 21;
  title.style = ui::kBold | ui::kUnderline;
  title.color = ui::clBlue;
  Label1->SetFont(title);
  Label1->SetTransparent(true);
  Label1->SetBounds({72, 19, 0, 0});
  Label1->SetCaption("Bookmarks");

  ListView1 = Panel1->Add<ui::ListView>();
  ListView1->SetName("ListView1");
  ListView1->SetStyle(ui::ViewStyle::Report);
  ListView1->SetReadOnly(true);
  ListView1->SetRowSelect(true);
  ListView1->SetColor(ui::clWhite);
  ListView1->AddColumn("Ast", 350);
  ListView1->AddColumn("Beschreibung", 300);
  ListView1->SetSmallImages(&main.ImageList1);
  ListView1->SetPopupMenu(&PopupMenu1);
  ListView1->OnDblClick = [this](ui::Control&) { ListView1DblClick(); };
  ListView1->OnDragOver = [this](ui::Control&, ui::Control* source, int, int, bool& accept) {
    ListView1DragOver(source, accept);
  };
  ListView1->OnDragDrop = [this](ui::Control&, ui::Control*, int, int) { ListView1DragDrop(); };

  auto& items = PopupMenu1.Items();
  items.Add("&Hinzufügen", [this](ui::MenuItem&) { ToolButton3Click(); })->SetName("Hinzufgen1");
  items.Add("&Ändern", [this](ui::MenuItem&) { ToolButton5Click(); })->SetName("ndern1");
  items.Add("&Löschen", [this](ui::MenuItem&) { ToolButton1Click(); })->SetName("Lschen1");
  items.Add("zur Baumansicht &wechseln", [this](ui::MenuItem&) { ListView1DblClick(); })
      ->SetName("zurBaumansichtwechseln1");
  items.Add("&Schließen", [this](ui::MenuItem&) { ToolButton7Click(); })->SetName("Schlieen1");
  FormResize();
}

void TForm9::FormResize() {
  const int width = form_.Width();
  const int top = CoolBar1->Height();
  // The height is the client's, so that the list's lower edge stays inside the frame.
  ListView1->SetBounds({0, top, width - 10, form_.ClientHeight() - top});
  const int column = width / 2 - 10;
  ListView1->ClearColumns();
  ListView1->AddColumn("Ast", column);
  ListView1->AddColumn("Beschreibung", column);
}

void TForm9::AddBookmark(const std::string& node, const std::string& description) {
  ui::ListItem* item = ListView1->Add(node);
  item->SetImageIndex(kBookmarkImage);
  item->AddSubItem(description);
}

void TForm9::ListView1DblClick() {
  if (ui::ListItem* item = ListView1->Selected()) {
    main_.SelectNode(main_.FindNodeRoot(item->Caption()));
  }
}

void TForm9::NewBookmark() {
  main_.SelectedNode = main_.TreeView1->Selected();
  const std::string node = main_.SelectedNode ? main_.SelectedNode->Text() : "";
  TForm10 dialog(main_.Backend(), &form_);
  if (const auto description = dialog.Execute(node, "")) AddBookmark(node, *description);
}

void TForm9::ToolButton3Click() {
  NewBookmark();
}

void TForm9::ToolButton5Click() {
  ui::ListItem* item = ListView1->Selected();
  if (!item) return;
  TForm11 dialog(main_.Backend(), &form_);
  if (const auto description = dialog.Execute(item->Caption(), item->SubItem(0))) {
    item->SetSubItem(0, *description);
  }
}

void TForm9::ToolButton1Click() {
  ui::ListItem* item = ListView1->Selected();
  if (!item) return;
  if (main_.Confirm("Wollen Sie markierten Einträge wirklich entfernen ?")) {
    ListView1->Delete(item);
  }
}

void TForm9::ToolButton7Click() {
  form_.Close();
}

void TForm9::ListView1DragOver(ui::Control* source, bool& accept) {
  accept = source == main_.TreeView1;
}

void TForm9::ListView1DragDrop() {
  NewBookmark();
}

void TForm9::FormClose() {
  SaveBookMarks(main_, *this);
  SetBookmarkSettings(main_, *this);
  main_.BookmarkDragEnabled = false;
}

// --- the stores ----------------------------------------------------------------------------------

void GetBookmarkSettings(TForm1& main, TForm9& window) {
  sysaccess::TRegistry& reg = main.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (!reg.OpenKey(kGeometryKey, false)) return;
  try {
    ui::Form& form = window.Form();
    const auto read = [&](const char* name, auto apply) {
      if (reg.ValueExists(name)) apply(base::StrToInt(reg.ReadString(name)));
    };
    read("left", [&](int v) { form.SetLeft(v); });
    read("top", [&](int v) { form.SetTop(v); });
    read("width", [&](int v) { form.SetWidth(v); });
    read("height", [&](int v) { form.SetHeight(v); });
  } catch (const std::exception& error) {
    main.Trace().Failure("GetBookmarkSettings", error.what());
  }
  reg.CloseKey();
}

void SetBookmarkSettings(TForm1& main, TForm9& window) {
  sysaccess::TRegistry& reg = main.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  try {
    if (reg.OpenKey(kGeometryKey, true)) {
      const ui::Form& form = window.Form();
      reg.WriteString("left", base::IntToStr(form.Left()));
      reg.WriteString("top", base::IntToStr(form.Top()));
      reg.WriteString("height", base::IntToStr(form.Height()));
      reg.WriteString("width", base::IntToStr(form.Width()));
    }
  } catch (const std::exception& error) {
    main.Trace().Failure("SetBookmarkSettings", error.what());
  }
  reg.CloseKey();
}

void GetBookMarks(TForm1& main, TForm9& window) {
  sysaccess::TRegistry& reg = main.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (!reg.OpenKey(kStore, false)) return;
  try {
    for (const std::string& name : reg.GetValueNames()) {
      window.AddBookmark(name, reg.ReadString(name));
    }
  } catch (const std::exception& error) {
    main.Trace().Failure("GetBookMarks", error.what());
  }
  reg.CloseKey();
}

void SaveBookMarks(TForm1& main, TForm9& window) {
  sysaccess::TRegistry& reg = main.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  try {
    if (reg.OpenKey(kStoreParent, true) && reg.KeyExists("Bookmarks")) reg.DeleteKey("Bookmarks");
    reg.CloseKey();
    if (reg.OpenKey(kStore, true)) {
      const ui::ListView& list = *window.ListView1;
      for (int i = 0; i < list.Count(); ++i) {
        reg.WriteString(list.Item(i)->Caption(), list.Item(i)->SubItem(0));
      }
    }
  } catch (const std::exception& error) {
    main.Trace().Failure("SaveBookMarks", error.what());
  }
  reg.CloseKey();
  main.SetStatusText("Änderungen übernommen");
}

}  // namespace shell
